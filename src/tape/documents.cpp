#include "tape/documents.h"

#include "common/messages.h"
#include "tape/document_file.h"
#include "tape/recovery_copy.h"
#include "tape/tape_items.h"

namespace tallimo {

namespace {

using C = Control;

// Files are read and written whole within one command, so the first free number
// is always the one taken.
constexpr std::int16_t kFreeFileNumber = 1;

std::string tooLarge(const std::string& fileName) { return MsgPageTooLarge(fileName, kLargestDocumentInWords); }

// What an open tape allows besides Style and New, enabled by New.
constexpr auto kTapeItems = join(kSaveAndPrintItems, kCloseItems, kTapeEditItems);
// The popup's New on a hidden tape: the tape's items without Save and Print.
constexpr auto kFreshTapeItems = join(kStyleItems, kCloseItems, kTapeEditItems);

}  // namespace

FileDialogSettings documentDialogSettings()
{
    return {"All Files (*.*)|*.*|tmo Files (*.tmo)|*.tmo", 2};
}

Documents::Documents(MainControls& controls, Tape& tape, Prompter& prompter, Ports ports, Fields fields,
                     RecoveryCopy* recovery)
    : controls_(controls), tape_(tape), prompter_(prompter), ports_(ports), fields_(fields), recovery_(recovery)
{
}

void Documents::newTape(MenuOrigin origin)
{
    controls_.enableMenuPair(C::mnuResults, C::PopUpResults, true);
    const bool fromPopup = origin == MenuOrigin::Popup;
    if (!controls_.visible(C::txtSpool)) {
        // Text appended while no tape was open is not a tape's work: it goes unasked.
        controls_.show(C::txtSpool);
        tape_.setText("");
        if (recovery_) recovery_->discard();
        controls_.setHeight(WindowHeight::Tall);
        if (fromPopup) {
            controls_.enable(kFreshTapeItems);
        } else {
            controls_.enableMenuPair(C::mnuNew, C::PopUpNew, false);
            controls_.enable(kCloseItems);
        }
        return;
    }
    if (!consents(prompter_.ask(okCancel(MsgUnsavedPage())))) return;
    tape_.setText("");
    if (recovery_) recovery_->discard();
    controls_.setHeight(WindowHeight::Tall);
    controls_.enable(kTapeItems);
    if (!fromPopup) controls_.enableMenuPair(C::mnuNew, C::PopUpNew, false);
}

void Documents::open()
{
    controls_.enableMenuPair(C::mnuResults, C::PopUpResults, true);
    if (!tape_.isEmpty() && controls_.visible(C::txtSpool)) {
        if (!consents(prompter_.ask(okCancel(MsgUnsavedPageCancelToSave())))) return;
    }
    const auto chosen = ports_.dialogs.chooseFileToOpen(documentDialogSettings());
    if (!chosen) {
        prompter_.ask(notice(MsgOpenCancelled()));
        return;
    }
    fields_.fileName = *chosen;
    fields_.fileNumber = kFreeFileNumber;
    const auto text = readDocument(fields_.fileName);
    if (!text) return;
    showOpenedTape(controls_, tape_, *text);
    if (recovery_) recovery_->tapeStored(fields_.fileName);
}

// The file's text for the tape, or nothing after telling the user why not.
std::optional<std::string> Documents::readDocument(const std::string& fileName)
{
    const ReadResult read = ports_.files.read(fileName, FileOrigin::ChosenByUser);
    if (!read.text) {
        prompter_.ask(notice(read.why == Unread::TooLarge ? tooLarge(fileName) : std::string(MsgOpenCancelled())));
        return std::nullopt;
    }
    if (hasOverlongLine(*read.text)) {
        prompter_.ask(notice(MsgPageLineTooLong(fileName, kLongestLineInWords)));
        return std::nullopt;
    }
    return tapeTextOf(*read.text);
}

void Documents::close()
{
    controls_.enableMenuPair(C::mnuResults, C::PopUpResults, false);
    if (!controls_.visible(C::txtSpool)) return;
    if (!tape_.isEmpty()) {
        if (!consents(prompter_.ask(okCancel(MsgUnsavedPageCancelToSave())))) return;
        tape_.setText("");
    }
    controls_.hide(C::txtSpool);
    if (recovery_) recovery_->discard();
    controls_.setHeight(WindowHeight::Short);
    controls_.disable(kAllTapeItems);
    controls_.enableMenuPair(C::mnuNew, C::PopUpNew, true);
}

void Documents::save(MenuOrigin origin)
{
    if (!controls_.visible(C::txtSpool)) {
        prompter_.ask(plain(MsgNothingToSave()));
        return;
    }
    const auto chosen = ports_.dialogs.chooseFileToSave(documentDialogSettings());
    if (!chosen) {
        if (origin == MenuOrigin::Popup) prompter_.ask(plain(MsgUnknownException()));
        return;
    }
    fields_.fileName = *chosen;
    fields_.fileNumber = kFreeFileNumber;
    const std::string text = documentFileText(tape_.text());
    const WriteResult result = ports_.files.write(fields_.fileName, text, FileOrigin::ChosenByUser);
    if (!result.written) {
        prompter_.ask(notice(MsgPageNotSaved(fields_.fileName, result.reason)));
        return;
    }
    // Saved whole all the same: the text is the user's, whatever Open can show.
    if (text.size() > kLargestDocumentBytes || hasOverlongLine(text))
        prompter_.ask(notice(MsgPageSavedTooLargeToOpen(fields_.fileName, kLargestDocumentInWords, kLongestLineInWords)));
    if (recovery_) recovery_->tapeStored(fields_.fileName);
}

void Documents::print()
{
    const auto copies = ports_.printer.chooseCopies();
    if (!copies) return;
    const std::string text = tape_.text();
    for (int copy = 0; copy < *copies; ++copy) {
        if (!ports_.printer.printCopy(text)) break;
    }
    ports_.printer.endJob();
}

}  // namespace tallimo

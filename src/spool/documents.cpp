#include "spool/documents.h"

#include "common/messages.h"
#include "spool/document_file.h"
#include "spool/page_items.h"
#include "spool/recovery_copy.h"

namespace tallimo {

namespace {

using C = Control;

// Files are read and written whole within one command, so the first free number
// is always the one taken.
constexpr std::int16_t kFreeFileNumber = 1;

std::string tooLarge(const std::string& fileName) { return MsgPageTooLarge(fileName, kLargestDocumentInWords); }

// What an open page allows besides Style and New, enabled by New.
constexpr auto kPageItems = join(kSaveAndPrintItems, kCloseItems, kPageEditItems);
// The popup's New on a hidden page: the page's items without Save and Print.
constexpr auto kFreshPageItems = join(kStyleItems, kCloseItems, kPageEditItems);
// Everything an open page allows, Style included: enabled by Open, disabled by Close.
constexpr auto kAllPageItems = join(kStyleItems, kSaveAndPrintItems, kCloseItems, kPageEditItems);

}  // namespace

FileDialogSettings documentDialogSettings()
{
    return {"All Files (*.*)|*.*|tmo Files (*.tmo)|*.tmo", 2};
}

void showOpenedPage(MainControls& controls, Spool& spool, std::string_view text)
{
    controls.enableMenuPair(C::mnuResults, C::PopUpResults, true);
    spool.setText(text);
    controls.show(C::txtSpool);
    controls.setHeight(WindowHeight::Tall);
    controls.enable(kAllPageItems);
}

Documents::Documents(MainControls& controls, Spool& spool, Prompter& prompter, Ports ports, Fields fields)
    : controls_(controls), spool_(spool), prompter_(prompter), ports_(ports), fields_(fields)
{
}

void Documents::newPage(MenuOrigin origin)
{
    controls_.enableMenuPair(C::mnuResults, C::PopUpResults, true);
    const bool fromPopup = origin == MenuOrigin::Popup;
    if (!controls_.visible(C::txtSpool)) {
        // Text appended while no page was open is not a page's work: it goes unasked.
        controls_.show(C::txtSpool);
        spool_.setText("");
        if (recovery_) recovery_->discard();
        controls_.setHeight(WindowHeight::Tall);
        if (fromPopup) {
            controls_.enable(kFreshPageItems);
        } else {
            controls_.enableMenuPair(C::mnuNew, C::PopUpNew, false);
            controls_.enable(kCloseItems);
        }
        return;
    }
    if (!consents(prompter_.ask(okCancel(MsgUnsavedPage())))) return;
    spool_.setText("");
    if (recovery_) recovery_->discard();
    controls_.setHeight(WindowHeight::Tall);
    controls_.enable(kPageItems);
    if (!fromPopup) controls_.enableMenuPair(C::mnuNew, C::PopUpNew, false);
}

void Documents::open()
{
    controls_.enableMenuPair(C::mnuResults, C::PopUpResults, true);
    if (!spool_.isEmpty() && controls_.visible(C::txtSpool)) {
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
    showOpenedPage(controls_, spool_, *text);
    if (recovery_) recovery_->pageStored(fields_.fileName);
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
    if (!spool_.isEmpty()) {
        if (!consents(prompter_.ask(okCancel(MsgUnsavedPageCancelToSave())))) return;
        spool_.setText("");
    }
    controls_.hide(C::txtSpool);
    if (recovery_) recovery_->discard();
    controls_.setHeight(WindowHeight::Short);
    controls_.disable(kAllPageItems);
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
    const std::string text = documentFileText(spool_.text());
    const WriteResult result = ports_.files.write(fields_.fileName, text, FileOrigin::ChosenByUser);
    if (!result.written) {
        prompter_.ask(notice(MsgPageNotSaved(fields_.fileName, result.reason)));
        return;
    }
    // Saved whole all the same: the text is the user's, whatever Open can show.
    if (text.size() > kLargestDocumentBytes || hasOverlongLine(text))
        prompter_.ask(notice(MsgPageSavedTooLargeToOpen(fields_.fileName, kLargestDocumentInWords, kLongestLineInWords)));
    if (recovery_) recovery_->pageStored(fields_.fileName);
}

void Documents::print()
{
    const auto copies = ports_.printer.chooseCopies();
    if (!copies) return;
    const std::string text = spool_.text();
    for (int copy = 0; copy < *copies; ++copy) {
        if (!ports_.printer.printCopy(text)) break;
    }
    ports_.printer.endJob();
}

}  // namespace tallimo

#include "tape/recovery_copy.h"

#include "common/messages.h"
#include "tape/document_file.h"
#include "tape/tape_items.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <vector>

namespace tallimo {

namespace {

// More copies than this in one folder means something else is amiss.
constexpr int kMostCopies = 999;
// The last line shown in the question is cut after this many characters.
constexpr std::size_t kShownLineLength = 40;

// The number in a copy's name, or nothing when the name is not a copy's.
std::optional<int> numberOf(std::string_view name)
{
    if (!name.starts_with(RecoveryCopy::kNamePrefix) || !name.ends_with(RecoveryCopy::kNameSuffix)) return std::nullopt;
    name.remove_prefix(RecoveryCopy::kNamePrefix.size());
    name.remove_suffix(RecoveryCopy::kNameSuffix.size());
    int number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (name.empty() || error != std::errc() || end != name.data() + name.size() || number < 1) return std::nullopt;
    return number;
}

std::size_t lineCount(std::string_view text)
{
    const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return breaks + (text.ends_with('\n') ? 0 : 1);
}

// The last line that holds more than blanks, trimmed and cut short for a question.
std::string lastLine(std::string_view text)
{
    constexpr std::string_view kBlank = " \t\r\n";
    const std::size_t end = text.find_last_not_of(kBlank);
    if (end == std::string_view::npos) return "";
    const std::size_t lineStart = text.find_last_of('\n', end);
    std::string_view line = text.substr(lineStart == std::string_view::npos ? 0 : lineStart + 1);
    line = line.substr(line.find_first_not_of(kBlank));
    line = line.substr(0, line.find_last_not_of(kBlank) + 1);
    std::string shown(line);
    std::size_t characters = 0;
    for (std::size_t at = 0; at < shown.size(); ++at) {
        if ((static_cast<unsigned char>(shown[at]) & 0xC0) == 0x80) continue;
        if (++characters > kShownLineLength) return shown.substr(0, at) + "...";
    }
    return shown;
}

bool samePath(const std::string& a, const std::string& b)
{
    return std::filesystem::path(a).lexically_normal() == std::filesystem::path(b).lexically_normal();
}

}  // namespace

RecoveryCopy::RecoveryCopy(MainControls& controls, Tape& tape, Ports ports, std::string folder)
    : controls_(controls), tape_(tape), ports_(ports), folder_(std::move(folder)),
      listener_(tape_.onChange([this] { tapeChanged(); }))
{
}

RecoveryCopy::~RecoveryCopy()
{
    tape_.stopListening(listener_);
    ports_.timer.stop();
}

std::string RecoveryCopy::pathOf(std::string_view name) const
{
    return (std::filesystem::path(folder_) / std::string(name)).string();
}

void RecoveryCopy::tapeChanged()
{
    // Text written while no tape is open is not a tape's work.
    if (!controls_.visible(Control::txtSpool)) return;
    dirty_ = true;
    // Not restarted while it waits: steady typing must not hold the copy back.
    if (!ports_.timer.isWaiting()) ports_.timer.start(kDelayMilliseconds, [this] { writeDue(); });
}

void RecoveryCopy::writeDue()
{
    if (!dirty_) return;
    const std::string failure = update();
    if (!failure.empty()) tellOnce(failure);
}

std::string RecoveryCopy::bringUpToDate()
{
    ports_.timer.stop();
    return dirty_ ? update() : std::string();
}

// Makes the copy match the tape; returns what to tell the user when it cannot.
std::string RecoveryCopy::update()
{
    dirty_ = false;
    if (!controls_.visible(Control::txtSpool) || tape_.isEmpty()) {
        release(true);
        return "";
    }
    const std::string text = tape_.text();
    // A copy that large could not be opened again; the older copy, if any, stays.
    if (text.size() > kLargestDocumentBytes) return MsgPageTooLargeForRecoveryCopy(kLargestDocumentInWords);
    std::string error;
    if (!path_) path_ = claimName(error);
    if (!path_) {
        dirty_ = true;
        return MsgRecoveryCopyNotWritten(folder_, error);
    }
    const WriteResult result = ports_.files.write(*path_, documentFileText(text), FileOrigin::KeptByProgram);
    if (!result.written) {
        dirty_ = true;
        return MsgRecoveryCopyNotWritten(*path_, result.reason);
    }
    told_ = false;
    return "";
}

// The first name that nothing bears and whose lock this program can take.
std::optional<std::string> RecoveryCopy::claimName(std::string& error)
{
    for (int number = 1; number <= kMostCopies; ++number) {
        const std::string path = pathOf(std::string(kNamePrefix) + std::to_string(number) + std::string(kNameSuffix));
        if (ports_.files.exists(path)) continue;  // another program's copy, one left to offer, or a stranger
        const CopyLock lock = ports_.folder.lock(path);
        if (lock.outcome == LockOutcome::Failed) {
            error = lock.error;
            return std::nullopt;
        }
        if (lock.outcome != LockOutcome::Taken) continue;
        if (!ports_.files.exists(path)) return path;
        ports_.folder.unlock(path);  // a copy appeared while the lock was taken
    }
    error = MsgTooManyUnsavedTapes();
    return std::nullopt;
}

void RecoveryCopy::tapeStored(const std::string& fileName)
{
    dirty_ = false;
    ports_.timer.stop();
    // The user chose the copy's own name: the file is theirs now and stays.
    release(!(path_ && samePath(*path_, fileName)));
}

void RecoveryCopy::discard()
{
    dirty_ = false;
    ports_.timer.stop();
    release(true);
}

void RecoveryCopy::release(bool removeFile)
{
    if (!path_) return;
    if (removeFile) ports_.folder.remove(*path_);
    ports_.folder.unlock(*path_);
    path_.reset();
}

void RecoveryCopy::tellOnce(const std::string& text)
{
    if (told_) return;
    told_ = true;
    ports_.prompter.ask(notice(text));
}

void RecoveryCopy::offerLeftCopies()
{
    if (controls_.visible(Control::txtSpool)) return;
    std::vector<std::pair<int, std::string>> copies;
    for (const std::string& name :
         ports_.folder.names(folder_, std::string(kNamePrefix), std::string(kNameSuffix))) {
        if (const auto number = numberOf(name)) copies.emplace_back(*number, pathOf(name));
    }
    std::sort(copies.begin(), copies.end());

    // Every copy is looked at first, so that those that cannot be offered are told
    // about in one notice before any question.
    std::vector<LeftCopy> offerable;
    std::string notOffered;
    for (const auto& [number, path] : copies) {
        if (path_ && *path_ == path) continue;
        const CopyLock lock = ports_.folder.lock(path);
        // A lock held on this computer belongs to a program that still runs.
        if (lock.outcome == LockOutcome::HeldByRunningProgram) continue;
        if (lock.outcome != LockOutcome::Taken) {
            notOffered += path + ": " + lock.error + "\n";
            continue;
        }
        ReadResult read = ports_.files.read(path, FileOrigin::KeptByProgram);
        if (!read.text && read.why != Unread::TooLarge) {
            ports_.folder.unlock(path);
            if (read.why != Unread::Missing) notOffered += path + ": " + read.error + "\n";
            continue;
        }
        offerable.push_back({path, std::move(read.text)});
    }
    if (!notOffered.empty()) {
        notOffered.pop_back();
        ports_.prompter.ask(notice(MsgUnsavedTapesNotOffered(notOffered)));
    }

    bool restored = false;
    for (LeftCopy& copy : offerable) {
        if (!restored) restored = offer(copy);
        if (!restored || path_ != copy.path) ports_.folder.unlock(copy.path);
    }
}

// Asks about one copy whose lock this program holds; true when it became the tape.
// Only a No deletes a copy: a box closed without an answer, or a program told to
// stop while it asks, leaves the copy for the next start.
bool RecoveryCopy::offer(LeftCopy& copy)
{
    const std::string& path = copy.path;
    if (!copy.text || hasOverlongLine(*copy.text)) {
        const Message question = yesNo(copy.text ? MsgUnsavedTapeLineTooLong(path, kLongestLineInWords)
                                                 : MsgUnsavedTapeTooLarge(path, kLargestDocumentInWords),
                                       Answer::No);
        if (ports_.prompter.ask(question) == Answer::Yes) ports_.folder.remove(path);
        return false;
    }
    const std::string text = tapeTextOf(*copy.text);
    copy.text.reset();
    if (text.empty()) {  // nothing to recover
        ports_.folder.remove(path);
        return false;
    }
    const Answer answer = ports_.prompter.ask(
        yesNo(MsgRestoreUnsavedTape(lineCount(text), ports_.folder.lastWritten(path), lastLine(text)), Answer::Yes));
    if (answer == Answer::No) ports_.folder.remove(path);
    if (answer != Answer::Yes) return false;
    showOpenedTape(controls_, tape_, text);
    // The copy stays as this program's own until the tape is saved or closed.
    path_ = path;
    return true;
}

}  // namespace tallimo

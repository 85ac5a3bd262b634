#include "memory/memory_files.h"

#include "common/messages.h"

#include <filesystem>
#include <map>
#include <optional>

namespace tallimo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The line end closes the file; it is not part of the cell, so a run that changes
// nothing writes back the same bytes.
std::string cellText(std::string text)
{
    if (text.ends_with(kLineEnd)) text.resize(text.size() - kLineEnd.size());
    return text;
}

// A cell that holds nothing but blanks holds no value another could lose.
bool isFree(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

}  // namespace

std::string MemoryFiles::pathOf(int cell) const
{
    const std::string name = "memory" + std::to_string(cell) + ".tmo";
    return (std::filesystem::path(folder_) / name).string();
}

void MemoryFiles::restore()
{
    passedOver_.clear();
    for (int k = 1; k <= kCellCount; ++k) {
        nameField() = pathOf(k);
        const ReadResult read = files_.read(nameField(), FileOrigin::KeptByProgram);
        // One lost file must not cost the other cells their values.
        if (!read.text) {
            if (read.why != Unread::Missing) {
                leftAlone_[k - 1] = true;
                whyLeftAlone_[k - 1] = read.error;
                passedOver_.push_back({nameField(), read.error});
            }
            continue;
        }
        known_[k - 1] = cellText(*read.text);
        calculator_.setOutput(k, known_[k - 1]);
    }
}

std::vector<FileFailure> MemoryFiles::save()
{
    std::vector<FileFailure> failures;
    // What each file is to hold, and what another program wrote that this one takes
    // over; a cell in neither is left as its file is.
    std::map<int, std::string> toWrite;
    std::map<int, std::string> theirs;
    std::vector<int> displaced;  // cells whose value another program's value pushes out
    for (int k = 1; k <= kCellCount; ++k) {
        if (leftAlone_[k - 1]) {
            // A value stored in such a cell since the start cannot be kept there.
            if (!isFree(calculator_.output(k))) failures.push_back({pathOf(k), whyLeftAlone_[k - 1]});
            continue;
        }
        nameField() = pathOf(k);
        const ReadResult read = files_.read(nameField(), FileOrigin::KeptByProgram);
        if (!read.text && read.why != Unread::Missing) {
            failures.push_back({nameField(), read.error});
            continue;
        }
        const std::string onDisk = read.text ? cellText(*read.text) : std::string();
        const std::string& mine = calculator_.output(k);
        if (onDisk == known_[k - 1]) {
            toWrite[k] = mine;
            continue;
        }
        theirs[k] = onDisk;
        if (mine != known_[k - 1] && !isFree(mine)) displaced.push_back(k);
    }

    const auto freeCell = [&]() -> std::optional<int> {
        for (int j = 1; j <= kCellCount; ++j) {
            const auto written = toWrite.find(j);
            const auto taken = theirs.find(j);
            if (written != toWrite.end() && isFree(written->second)) return j;
            if (written == toWrite.end() && taken != theirs.end() && isFree(taken->second)) return j;
        }
        return std::nullopt;
    };
    for (int k : displaced) {
        const std::string value = calculator_.output(k);
        if (const auto j = freeCell()) {
            theirs.erase(*j);
            toWrite[*j] = value;
        } else {
            // Kept in this program's cell, and tried again at the next save.
            theirs.erase(k);
            failures.push_back({pathOf(k), MsgNoFreeCellForValue(value)});
        }
    }

    for (const auto& [k, text] : toWrite) {
        nameField() = pathOf(k);
        WriteResult result = files_.write(nameField(), text + std::string(kLineEnd), FileOrigin::KeptByProgram);
        if (!result.written) {
            failures.push_back({nameField(), std::move(result.reason)});
            continue;
        }
        known_[k - 1] = text;
        if (calculator_.output(k) != text) calculator_.setOutput(k, text);
    }
    for (const auto& [k, text] : theirs) {
        known_[k - 1] = text;
        if (calculator_.output(k) != text) calculator_.setOutput(k, text);
    }
    return failures;
}

}  // namespace tallimo

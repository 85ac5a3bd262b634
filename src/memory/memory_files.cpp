#include "memory/memory_files.h"

#include "memory/memory_cells.h"

#include <filesystem>

namespace tallimo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string MemoryFiles::pathOf(int cell) const
{
    const std::string name = "memory" + std::to_string(cell) + ".tmo";
    return (std::filesystem::path(folder_) / name).string();
}

void MemoryFiles::restore()
{
    for (int k = 1; k <= kCellCount; ++k) {
        calculator_.fields().strFileName = pathOf(k);
        const ReadResult read = files_.read(calculator_.fields().strFileName);
        // One lost file must not cost the other cells their values: the next close
        // would write them back empty.
        if (!read.text) continue;
        std::string text = *read.text;
        // The line end closes the file; it is not part of the cell, so a run that
        // changes nothing writes back the same bytes.
        if (text.ends_with(kLineEnd)) text.resize(text.size() - kLineEnd.size());
        calculator_.setOutput(k, std::move(text));
    }
}

std::vector<FileFailure> MemoryFiles::save()
{
    std::vector<FileFailure> failures;
    for (int k = 1; k <= kCellCount; ++k) {
        calculator_.fields().strFileName = pathOf(k);
        const std::string& path = calculator_.fields().strFileName;
        WriteResult result = files_.write(path, calculator_.output(k) + std::string(kLineEnd));
        if (!result.written) failures.push_back({path, std::move(result.reason)});
    }
    return failures;
}

}  // namespace tallimo

#pragma once
// The memory files "memory1.tmo" to "memory7.tmo": each holds one cell's text
// followed by a carriage return and a line feed. They live in the folder that was
// current when the program started, whatever folder a file dialog visits later.
//
// Several programs may share that folder. Each remembers what it last read from or
// wrote to every file; at the close it reads them again and writes back only what
// no other program changed meanwhile. Where another program stored a value in a
// cell this program changed too, that value stays and this program's value goes to
// a free cell; both programs' cells then show what the files hold. With one program
// in the folder every close writes all seven files, as they always were.

#include "calculator/calculator.h"
#include "common/text_files.h"
#include "memory/memory_cells.h"

#include <array>
#include <string>
#include <vector>

namespace tallimo {

struct FileFailure {
    std::string path;
    std::string reason;
};

class MemoryFiles {
public:
    MemoryFiles(Calculator& calculator, TextFiles& files, std::string folder)
        : calculator_(calculator), files_(files), folder_(std::move(folder))
    {
    }

    // Fills each cell from its own file. A missing file leaves its cell empty; one
    // that is there but cannot be taken (a link, a folder, a pipe, unreadable or too
    // large) leaves its cell empty too, is named in passedOver() and is never
    // written (a value stored in its cell meanwhile is named as not saved); the
    // other cells are restored all the same.
    void restore();
    const std::vector<FileFailure>& passedOver() const { return passedOver_; }

    // Writes the cells back as described above, each file whole or not at all, and
    // returns the files that could not be written or values that could not be kept.
    std::vector<FileFailure> save();

    std::string pathOf(int cell) const;

private:
    std::string& nameField() { return calculator_.fields().strFileName; }

    Calculator& calculator_;
    TextFiles& files_;
    std::string folder_;
    // Indexed by cell - 1: what this program last read from or wrote to each file.
    std::array<std::string, kCellCount> known_;
    std::array<bool, kCellCount> leftAlone_{};
    std::array<std::string, kCellCount> whyLeftAlone_;
    std::vector<FileFailure> passedOver_;
};

}  // namespace tallimo

#pragma once
// The memory files "memory1.tmo" to "memory7.tmo": each holds one cell's text
// followed by a carriage return and a line feed. They live in the folder that was
// current when the program started, whatever folder a file dialog visits later.

#include "calculator/calculator.h"
#include "common/text_files.h"

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

    // Fills each cell from its own file; a file that is missing or cannot be read
    // leaves its own cell as it is and the others are restored all the same.
    void restore();

    // Writes all seven files, each whole or not at all, and returns those that
    // could not be written.
    std::vector<FileFailure> save();

    std::string pathOf(int cell) const;

private:
    Calculator& calculator_;
    TextFiles& files_;
    std::string folder_;
};

}  // namespace tallimo

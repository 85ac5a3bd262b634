#pragma once

#include "common/in_memory_files.h"
#include "memory/memory.h"
#include "support/calculator_fixture.h"

#include <sstream>

namespace tallimo::testing {

inline constexpr MemoryKey kMPlus = MemoryKey::MPlus, kMMinus = MemoryKey::MMinus, kMR = MemoryKey::MRecall,
                          kMC = MemoryKey::MClear, kTPlus = MemoryKey::TPlus, kTR = MemoryKey::TRecall,
                          kTC = MemoryKey::TClear;

// A started calculator with its memory, on in-memory files in the start folder.
class MemoryTest : public CalculatorTest {
protected:
    // Cells 1 to 7 written "1|2||4", trailing empty cells left out.
    void fill(const std::string& cells)
    {
        std::istringstream in(cells);
        std::string cell;
        for (int k = 1; std::getline(in, cell, '|'); ++k) calculator.setOutput(k, cell);
    }
    std::string cells() const
    {
        std::string out;
        for (int k = 1; k <= 7; ++k) out += calculator.output(k) + "|";
        return out.substr(0, out.find_last_not_of('|') + 1);
    }
    void enter(const std::string& text) { calculator.setInput(text); }
    std::string path(int k) { return memory.files().pathOf(k); }

    InMemoryFiles files;
    Memory memory{calculator, files, "/home/user/sums", prompter};
};

}  // namespace tallimo::testing

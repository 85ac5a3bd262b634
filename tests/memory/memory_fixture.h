#pragma once

#include "common/in_memory_files.h"
#include "memory/memory.h"
#include "support/calculator_fixture.h"

#include <vector>

namespace tallimo::testing {

// A started calculator with its memory, on in-memory files in the start folder.
class MemoryTest : public CalculatorTest {
protected:
    static constexpr const char* kFolder = "/home/user/sums";

    void fillCells(const std::vector<std::string>& texts)
    {
        for (std::size_t k = 0; k < texts.size(); ++k) calculator.setOutput(static_cast<int>(k) + 1, texts[k]);
    }
    std::vector<std::string> cells()
    {
        std::vector<std::string> out;
        for (int k = 1; k <= 7; ++k) out.push_back(calculator.output(k));
        return out;
    }
    const std::string& cell(int k) { return calculator.output(k); }
    void enter(const std::string& text) { calculator.setInput(text); }
    std::string path(int k) { return memory.files().pathOf(k); }

    InMemoryFiles files;
    Memory memory{calculator, files, kFolder};
};

inline constexpr int kMPlus = 0, kMMinus = 1, kMR = 2, kMC = 3;
inline constexpr int kTPlus = 4, kTMinus = 5, kTR = 6, kTC = 7;

inline const std::vector<std::string> kSevenValues = {"1", "2", "3", "4", "5", "6", "7"};

}  // namespace tallimo::testing

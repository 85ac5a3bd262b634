#pragma once
// The seven memory cells and their panel. The cells are the calculator's output
// boxes 1 to 7, so every change of a cell runs the output-change reaction that
// enables their send buttons, delete boxes, MR and MC.

#include "calculator/calculator.h"

namespace tallimo {

inline constexpr int kCellCount = kMemoryCellCount;

class MemoryCells {
public:
    explicit MemoryCells(Calculator& calculator) : calculator_(calculator) {}

    // The memory keys, after the prelude every memory key runs first.
    void storePlus();   // M+
    void storeMinus();  // M-
    void recall();      // MR: opens the panel
    void clearAll();    // MC

    // The panel; i is the index of a send button or delete box, which belong to
    // cell i + 1.
    void sendCell(int i);
    void checkDelete(int i, bool checked);
    void deleteChecked();
    void cancelPanel();

    bool anyOccupied() const;

private:
    void store(bool negative);
    void place(const std::string& text);
    void hidePanel();
    void shortenUnlessTapeOpen();

    Calculator& calculator_;
};

}  // namespace tallimo

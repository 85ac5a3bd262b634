#pragma once
// The memory keys, the running total and the memory files of the main window, in
// one place for the window to forward its clicks to.

#include "calculator/calculator.h"
#include "common/text_files.h"
#include "memory/closing.h"
#include "memory/memory_cells.h"
#include "memory/memory_files.h"
#include "memory/running_total.h"
#include "memory/running_total_window_model.h"

#include <string>
#include <vector>

namespace tallimo {

class Memory {
public:
    // `startFolder` is the folder that was current when the program started; the
    // memory files are kept there. `totalPrompter` asks over the running-total window.
    // `recovery` is the copy of an unsaved tape, which a close lets go.
    Memory(Calculator& calculator, TextFiles& files, std::string startFolder, Prompter& totalPrompter,
           RecoveryCopy* recovery = nullptr);

    void pressMemory(MemoryKey key);
    void pressShift() { total_.pressShift(); }

    // The memory panel.
    void sendCell(int i) { cells_.sendCell(i); }
    void checkDelete(int i, bool checked) { cells_.checkDelete(i, checked); }
    void deleteChecked() { cells_.deleteChecked(); }
    void cancelPanel() { cells_.cancelPanel(); }

    // The last step of start-up.
    void restore() { files_.restore(); }
    // Once the window shows: names the memory files that start-up passed over.
    void tellPassedOver();
    bool closeCalculator() { return closing_.closeCalculator(); }
    std::vector<FileFailure> saveOnSessionEnd() { return closing_.saveOnSessionEnd(); }

    RunningTotalWindowModel& totalWindow() { return window_; }
    const std::string& runningTotal() const { return total_.total(); }
    const MemoryFiles& files() const { return files_; }

private:
    Calculator& calculator_;
    MemoryCells cells_;
    RunningTotalWindowModel window_;
    RunningTotal total_;
    MemoryFiles files_;
    Closing closing_;
};

}  // namespace tallimo

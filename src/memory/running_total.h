#pragma once
// The running total: T+, T-, TR, TC and the Shift key that swaps the memory keys
// for the total keys. The total lives in the calculator's fields and only while
// the program runs.

#include "calculator/calculator.h"
#include "memory/running_total_window_model.h"

namespace tallimo {

class RunningTotal {
public:
    RunningTotal(Calculator& calculator, RunningTotalWindowModel& window) : calculator_(calculator), window_(window) {}

    // The total keys, after the prelude every memory key runs first.
    void increment();  // T+
    void decrement();  // T-
    void recall();     // TR
    void reset();      // TC

    void pressShift();

    const std::string& total() const { return calculator_.fields().strRunningTotal; }

private:
    void change(bool subtract);
    void enableRecallAndReset(bool on);

    Calculator& calculator_;
    RunningTotalWindowModel& window_;
};

}  // namespace tallimo

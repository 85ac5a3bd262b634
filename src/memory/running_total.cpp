#include "memory/running_total.h"

#include "common/messages.h"
#include "common/numbers.h"

#include <array>
#include <cmath>

namespace tallimo {

namespace {

using C = Control;

constexpr std::array kMemorySet{C::cmdMemory_0, C::cmdMemory_1, C::cmdMemory_2, C::cmdMemory_3, C::fraMemory};
constexpr std::array kTotalSet{C::cmdMemory_4, C::cmdMemory_5, C::cmdMemory_6, C::cmdMemory_7, C::fraTotal,
                               C::pctShift};

}  // namespace

void RunningTotal::increment() { change(false); }

void RunningTotal::decrement() { change(true); }

void RunningTotal::change(bool subtract)
{
    MainFields& fields = calculator_.fields();
    fields.strRunningTotal = normalised(fields.strRunningTotal);
    const double total = readLenient(fields.strRunningTotal);
    const std::string operandText = normalised(calculator_.output(0));
    const double operand = readLenient(operandText);
    const double result = subtract ? total - operand : total + operand;
    // A total beyond the double range could only be shown saturated, and every
    // later sum on it would be wrong: refuse it and keep the total.
    if (!std::isfinite(result)) {
        calculator_.showOverflow();
        enableRecallAndReset(true);
        return;
    }
    const std::string newTotal = numberToText(result);
    const std::string question = MsgRunningTotalChange(fields.strRunningTotal, subtract, operandText, newTotal);
    if (consents(calculator_.prompter().ask(okCancel(question)))) {
        fields.strRunningTotal = newTotal;
        window_.setText(fields.strRunningTotal);
    }
    enableRecallAndReset(true);
}

void RunningTotal::recall()
{
    const std::string current = total();
    calculator_.prompter().ask(plain(MsgRunningTotalIs(current)));
    if (current != "0") {
        window_.show();
    } else {
        enableRecallAndReset(false);
    }
    window_.setText(current);
}

void RunningTotal::reset()
{
    if (consents(calculator_.prompter().ask(okCancel(MsgEraseRunningTotal())))) {
        calculator_.fields().strRunningTotal = numberToText(0);
        // An open window must not keep offering the erased total for sending.
        window_.setText("0");
        calculator_.prompter().ask(plain(MsgRunningTotalIs("0")));
    }
    enableRecallAndReset(false);
}

void RunningTotal::pressShift()
{
    MainControls& controls = calculator_.controls();
    const bool toTotals = controls.visible(C::fraMemory);
    for (Control c : kMemorySet) controls.show(c, !toTotals);
    for (Control c : kTotalSet) controls.show(c, toTotals);
    enableRecallAndReset(total() != "0");
}

void RunningTotal::enableRecallAndReset(bool on)
{
    calculator_.controls().enable(controlOf(MemoryKey::TRecall), on);
    calculator_.controls().enable(controlOf(MemoryKey::TClear), on);
}

}  // namespace tallimo

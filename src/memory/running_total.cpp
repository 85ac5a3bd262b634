#include "memory/running_total.h"

#include "common/messages.h"
#include "common/numbers.h"

#include <cmath>

namespace tallimo {

namespace {

using C = Control;

constexpr int kFirstMemoryKey = 0;
constexpr int kFirstTotalKey = 4;
constexpr int kKeysPerSet = 4;
constexpr int kRecallKey = 6;
constexpr int kResetKey = 7;

}  // namespace

void RunningTotal::increment() { change(false); }

void RunningTotal::decrement() { change(true); }

void RunningTotal::change(bool subtract)
{
    MainFields& fields = calculator_.fields();
    fields.strRunningTotal = normalised(fields.strRunningTotal);
    const double total = readLenient(fields.strRunningTotal);
    const double operand = readLenient(fields.strTotalOperand);
    const double result = subtract ? total - operand : total + operand;
    // A total beyond the double range could only be shown saturated, and every
    // later sum on it would be wrong: refuse it and keep the total.
    if (!std::isfinite(result)) {
        calculator_.showOverflow();
        enableRecallAndReset(true);
        return;
    }
    fields.strNewTotal = numberToText(result);
    const std::string question =
        MsgRunningTotalChange(fields.strRunningTotal, subtract, fields.strTotalOperand, fields.strNewTotal);
    if (consents(calculator_.prompter().ask(okCancel(question)))) {
        fields.strRunningTotal = fields.strNewTotal;
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
    for (int i = 0; i < kKeysPerSet; ++i) controls.show(memoryKey(kFirstMemoryKey + i), !toTotals);
    controls.show(C::fraMemory, !toTotals);
    for (int i = 0; i < kKeysPerSet; ++i) controls.show(memoryKey(kFirstTotalKey + i), toTotals);
    controls.show(C::fraTotal, toTotals);
    controls.show(C::pctShift, toTotals);
    enableRecallAndReset(total() != "0");
}

void RunningTotal::enableRecallAndReset(bool on)
{
    calculator_.controls().enable(memoryKey(kRecallKey), on);
    calculator_.controls().enable(memoryKey(kResetKey), on);
}

}  // namespace tallimo

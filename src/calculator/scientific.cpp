#include "calculator/scientific.h"

#include "calculator/trigonometry.h"
#include "common/messages.h"
#include "common/numbers.h"

namespace tallimo {

namespace {

using C = Control;

constexpr int kScientificIndexes[] = {0, 1, 2, 3, 4, 8, 9};

struct TrigKey {
    TrigFunction function;
    std::string_view label;
};
constexpr TrigKey kTrigKeys[] = {
    {TrigFunction::Tangent, "Tan"}, {TrigFunction::Sine, "Sin"}, {TrigFunction::Cosine, "Cos"}};

constexpr std::string_view kModeNames[] = {"Degree", "Radian", "Gradient"};

// The mode is the one whose button is disabled; Gradient is looked at first.
AngleMode angleMode(const MainControls& controls)
{
    if (!controls.enabled(C::cmdLevel_2)) return AngleMode::Gradient;
    if (!controls.enabled(C::cmdLevel_0)) return AngleMode::Degree;
    return AngleMode::Radian;
}

}  // namespace

void ScientificKeys::pressScientific(int index)
{
    if (index < 0 || index > 9 || (index > 4 && index < 8)) return;
    calculator_.setOutput(0, calculator_.inputText());
    const std::string& operand = calculator_.output(0);
    switch (index) {
    case 0: pressBase(readStrict(calculator_.inputText()), Base::Binary, "Bin"); break;
    case 1: pressBase(readLenient(operand), Base::Hexadecimal, "Hex"); break;
    case 2: pressBase(readLenient(operand), Base::Octal, "Oct"); break;
    case 3: pressFunction(Function::SquareRoot, "SqrRoot", " # "); break;
    case 4: pressFunction(Function::Integer, "Int", "#"); break;
    case 8: pressFunction(Function::Logarithm, "Log", " # "); break;
    default: pressFunction(Function::Arctangent, "Atn", " # "); break;
    }
}

void ScientificKeys::pressBase(std::optional<double> value, Base base, std::string_view label)
{
    const auto digits = value ? inBase(*value, base) : std::nullopt;
    if (!digits) {
        fail();
        return;
    }
    showResult(*digits);
    appendResultLine(label, " # ");
    lock();
}

void ScientificKeys::pressFunction(Function function, std::string_view label, std::string_view separator)
{
    const auto result = apply(function, readLenient(calculator_.output(0)));
    if (!result) {
        fail();
        return;
    }
    showResult(numberToText(*result));
    appendResultLine(label, separator);
    calculator_.fields().blnClearInput = true;
}

void ScientificKeys::showResult(const std::string& text)
{
    calculator_.setOutput(0, text);
    calculator_.setInput(calculator_.output(0));
}

void ScientificKeys::appendResultLine(std::string_view label, std::string_view separator)
{
    std::string line = " = " + calculator_.output(0) + " ";
    line += label;
    line += separator;
    line += '\n';
    calculator_.spool().append(line);
}

// After bin, hex and oct the boxes hold no decimal number: nothing may calculate
// with it until ReSet.
void ScientificKeys::lock()
{
    MainControls& controls = calculator_.controls();
    controls.disable(C::cmdSwop);
    controls.enable(C::cmdReset);
    for (int d = 0; d <= 9; ++d) controls.disable(digitKey(d));
    for (int i : kScientificIndexes) controls.disable(scientificKey(i));
    for (int i = 0; i < 3; ++i) controls.disable(member(C::cmdScientificDegree_0, i));
    for (int i = 0; i < 6; ++i) controls.disable(operatorKey(i));
    controls.disable(C::cmdScientificNotation_0);
    controls.disable(C::cmdScientificNotation_1);
    for (int i = 0; i < 4; ++i) controls.disable(memoryKey(i));
    controls.disable(C::cmdShift);
    for (int i = 0; i < 3; ++i) controls.disable(member(C::cmdIntrinsic_0, i));
    controls.disable(C::cmdSqrCubed_0);
    controls.disable(C::cmdSqrCubed_1);
    for (int i = 4; i < 8; ++i) controls.disable(memoryKey(i));
    controls.disable(C::cmdPye);
    controls.disable(C::cmdWipe);
    calculator_.prompter().ask(notice(MsgClickReset()));
    calculator_.fields().blnClearInput = true;
}

void ScientificKeys::fail()
{
    calculator_.unknownException();
    calculator_.controls().disable(C::txtInput);
    calculator_.controls().disable(C::txtOutput_0);
}

void ScientificKeys::pressLevel(int index)
{
    if (index < 0 || index > 2) return;
    MainControls& controls = calculator_.controls();
    for (int i = 0; i < 3; ++i) {
        const Control level = member(C::cmdLevel_0, i);
        if (i == index) {
            controls.disable(level);
        } else {
            controls.show(level);
            controls.enable(level);
        }
    }
    calculator_.fields().strAngleMode = kModeNames[index];
}

void ScientificKeys::pressTrig(int index)
{
    if (index < 0 || index > 2) return;
    calculator_.setOutput(0, calculator_.inputText());
    const std::string& operand = calculator_.output(0);
    const AngleMode mode = angleMode(calculator_.controls());
    double angle = 0;
    if (mode == AngleMode::Radian) {
        angle = readLenient(operand);
        angleText_ = operand;
    } else {
        const auto strict = readStrict(operand);
        if (!strict) {
            calculator_.unknownException();
            return;
        }
        angle = *strict;
        angleText_ = numberToText(toRadians(angle, mode));
    }
    const TrigKey& key = kTrigKeys[index];
    const auto result = trigonometric(key.function, angle, mode);
    if (!result) {
        calculator_.unknownException();
        return;
    }
    showResult(numberToText(*result));
    appendResultLine(std::string(key.label) + " " + calculator_.fields().strAngleMode, " # ");
    calculator_.fields().blnClearInput = true;
}

}  // namespace tallimo

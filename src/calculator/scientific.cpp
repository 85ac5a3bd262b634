#include "calculator/scientific.h"

#include "calculator/trigonometry.h"
#include "common/messages.h"
#include "common/numbers.h"

namespace tallimo {

namespace {

using C = Control;

constexpr std::string_view labelOf(TrigFunction function)
{
    switch (function) {
    case TrigFunction::Tangent: return "Tan";
    case TrigFunction::Sine: return "Sin";
    case TrigFunction::Cosine: return "Cos";
    }
    return "";
}

constexpr std::string_view nameOf(AngleMode mode)
{
    switch (mode) {
    case AngleMode::Degree: return "Degree";
    case AngleMode::Radian: return "Radian";
    case AngleMode::Gradient: return "Gradient";
    }
    return "";
}

// After bin, hex and oct every key that calculates waits for ReSet.
constexpr auto kCalculatingKeys = join(kDigitKeys, kFunctionKeys, kOperatorKeys, kExponentKeys, kMemoryButtons,
                                       kSignPointPercentKeys, kSquareAndCubeKeys,
                                       std::array{C::cmdShift, C::cmdPye, C::cmdWipe});

// The mode is the one whose button is disabled; Gradient is looked at first.
AngleMode angleMode(const MainControls& controls)
{
    if (!controls.enabled(C::cmdLevel_2)) return AngleMode::Gradient;
    if (!controls.enabled(C::cmdLevel_0)) return AngleMode::Degree;
    return AngleMode::Radian;
}

}  // namespace

void ScientificKeys::pressScientific(Scientific key)
{
    calculator_.setOutput(0, calculator_.inputText());
    const std::string& operand = calculator_.output(0);
    switch (key) {
    case Scientific::Bin: pressBase(readStrict(calculator_.inputText()), Base::Binary, "Bin"); break;
    case Scientific::Hex: pressBase(readLenient(operand), Base::Hexadecimal, "Hex"); break;
    case Scientific::Oct: pressBase(readLenient(operand), Base::Octal, "Oct"); break;
    case Scientific::Sqr: pressFunction(Function::SquareRoot, "SqrRoot", " # "); break;
    case Scientific::Int: pressFunction(Function::Integer, "Int", "#"); break;
    case Scientific::Log: pressFunction(Function::Logarithm, "Log", " # "); break;
    case Scientific::Atn: pressFunction(Function::Arctangent, "Atn", " # "); break;
    }
}

void ScientificKeys::pressBase(std::optional<double> value, Base base, std::string_view label)
{
    const auto digits = value ? inBase(*value, base) : std::nullopt;
    if (!digits) {
        fail();
        return;
    }
    calculator_.showResult(*digits);
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
    calculator_.showResult(numberToText(*result));
    appendResultLine(label, separator);
    calculator_.fields().blnClearInput = true;
}

void ScientificKeys::appendResultLine(std::string_view label, std::string_view separator)
{
    std::string line = " = " + calculator_.output(0) + " ";
    line += label;
    line += separator;
    line += '\n';
    calculator_.tape().append(line);
}

// After bin, hex and oct the boxes hold no decimal number: nothing may calculate
// with it until ReSet.
void ScientificKeys::lock()
{
    MainControls& controls = calculator_.controls();
    controls.disable(C::cmdSwop);
    controls.enable(C::cmdReset);
    controls.disable(kCalculatingKeys);
    calculator_.prompter().ask(notice(MsgClickReset()));
    calculator_.fields().blnClearInput = true;
}

void ScientificKeys::fail()
{
    calculator_.unknownException();
    calculator_.controls().disable(C::txtInput);
    calculator_.controls().disable(C::txtOutput_0);
}

void ScientificKeys::pressLevel(AngleMode mode)
{
    MainControls& controls = calculator_.controls();
    // The mode in force is the one whose button is disabled.
    for (AngleMode m : kAngleModes) {
        controls.enable(controlOf(m), m != mode);
        if (m != mode) controls.show(controlOf(m));
    }
    calculator_.fields().strAngleMode = nameOf(mode);
}

void ScientificKeys::pressTrig(TrigFunction function)
{
    calculator_.setOutput(0, calculator_.inputText());
    const std::string& operand = calculator_.output(0);
    const AngleMode mode = angleMode(calculator_.controls());
    // Degrees and gradients must be a number as the keys build it.
    const auto angle = mode == AngleMode::Radian ? std::optional(readLenient(operand)) : readStrict(operand);
    if (!angle) {
        calculator_.unknownException();
        return;
    }
    const auto result = trigonometric(function, *angle, mode);
    if (!result) {
        calculator_.unknownException();
        return;
    }
    calculator_.showResult(numberToText(*result));
    appendResultLine(std::string(labelOf(function)) + " " + calculator_.fields().strAngleMode, " # ");
    calculator_.fields().blnClearInput = true;
}

}  // namespace tallimo

#include "calculator/calculator.h"

#include "common/conversion_entries.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "tape/edit_menu.h"
#include "tape/utf8.h"

#include <cmath>
#include <cstdint>

namespace tallimo {

namespace {

using C = Control;

struct OperatorRow {
    Equals equals;  // the "=" made visible; "Mod" and "^" cross over
    const char* symbol;
};
constexpr OperatorRow rowOf(Operator op)
{
    switch (op) {
    case Operator::Add: return {Equals::Sum, "+"};
    case Operator::Subtract: return {Equals::Difference, "-"};
    case Operator::Multiply: return {Equals::Product, "*"};
    case Operator::Divide: return {Equals::Quotient, "/"};
    case Operator::Mod: return {Equals::Remainder, "Mod"};
    case Operator::Power: return {Equals::Power, "^"};
    }
    return {Equals::Sum, "+"};
}

// The order in which the "=" keys are switched; kept for fidelity of the
// intermediate states a message box may show.
constexpr Equals kEqualsOrder[] = {Equals::Difference, Equals::Product, Equals::Quotient,
                                   Equals::Sum,        Equals::Power,   Equals::Remainder};

constexpr double kPye = 3.14159265358979;

// The keys that work on the input's value: enabled exactly while the input holds text.
constexpr auto kValueKeys = join(kFunctionKeys, std::array{C::cmdDelete, C::cmdMemory_0, C::cmdMemory_1, C::cmdWipe},
                                 kSquareAndCubeKeys, kOperatorKeys, kExponentKeys,
                                 std::array{C::cmdMemory_4, C::cmdMemory_5, C::mnuWipe, C::PopUpWipe});

// What ReSet gives back besides what the emptied boxes decide: number entry, Shift
// and the total keys TR and TC.
constexpr auto kResetEnables = join(kDigitKeys, std::array{C::cmdIntrinsic_0, C::cmdIntrinsic_1, C::cmdPye,
                                                           C::cmdShift, C::cmdMemory_6, C::cmdMemory_7});

// Mod: both operands rounded to 32-bit whole numbers; nothing beyond them or by 0.
std::optional<std::string> remainder(double left, double right)
{
    const auto a = roundToInt32(left);
    const auto b = roundToInt32(right);
    if (!a || !b || *b == 0) return std::nullopt;
    // In 64 bits: -2147483648 Mod -1 is 0, not a trap.
    return std::to_string(std::int64_t{*a} % std::int64_t{*b});
}

// The result of an "=", or nothing on a failure: overflow, division by zero, an
// invalid operation, or a failed Mod.
std::optional<std::string> evaluate(Equals operation, double left, double right)
{
    double r = 0;
    switch (operation) {
    case Equals::Sum: r = left + right; break;
    case Equals::Difference: r = left - right; break;
    case Equals::Product: r = left * right; break;
    case Equals::Quotient: r = left / right; break;
    case Equals::Power: r = std::pow(left, right); break;
    case Equals::Remainder: return remainder(left, right);
    }
    // Every failure of double arithmetic leaves an infinity or a NaN behind.
    if (!std::isfinite(r)) return std::nullopt;
    return numberToText(r);
}

bool contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

}  // namespace

Calculator::Calculator(Prompter& prompter, Tape& tape) : prompter_(prompter), tape_(tape)
{
    tapeListener_ = tape_.onChange([this] { applyTapeChange(controls_, tape_); });
}

void Calculator::start()
{
#if defined(__GNUC__) && !defined(__clang__)
    // GCC 12 at -O3 reports a -Wrestrict overlap inside std::string's assignment of a
    // literal that cannot happen (a known false positive of that compiler).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
    fields_.strRunningTotal = "0";
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
    controls_.hide(C::txtSpool);
    controls_.check(C::mnuBold);
    controls_.setHeight(WindowHeight::Short);
    tape_.setText("");
    controls_.check(C::PopUpScheme3);
    controls_.check(C::mnuScheme3);
    controls_.disable(C::cmdDelete);
    fields_.strAngleMode = "Degree";
    controls_.hide(C::cmdCancel);
}

// ---- boxes and their change reactions ----

void Calculator::setInput(std::string text)
{
    input_ = std::move(text);
    inputChanged();
    // Told after the reactions, so that the window shows what they made of it.
    controls_.changed();
}

void Calculator::setOutput(int index, std::string text)
{
    outputs_[static_cast<std::size_t>(index)] = std::move(text);
    outputChanged();
    controls_.changed();
}

void Calculator::inputChanged()
{
    controls_.enable(C::cmdSwop, !outputs_[0].empty());
    controls_.enable(kValueKeys, !input_.empty());
    controls_.enableMenuPair(C::mnuClose, C::PopUpClose, true);
}

void Calculator::outputChanged()
{
    bool anyOccupied = false;
    for (int k = 1; k <= kMemoryCellCount; ++k) {
        const bool occupied = isNumeric(outputs_[static_cast<std::size_t>(k)]);
        controls_.enable(sendButton(k - 1), occupied);
        controls_.enable(deleteBox(k - 1), occupied);
        anyOccupied = anyOccupied || occupied;
    }
    controls_.enable(C::cmdMemory_2, anyOccupied);
    controls_.enable(C::cmdMemory_3, anyOccupied);
}

bool Calculator::holdsValue() const { return isNumeric(input_); }

void Calculator::resultShown(std::string_view text)
{
    if (resultListener_ != nullptr) resultListener_->resultShown(text);
}

void Calculator::enableConversionEntries(ConversionKind kind) { controls_.enable(conversionEntries(kind)); }

// ---- failure paths ----

void Calculator::unknownException()
{
    prompter_.ask(plain(MsgUnknownException()));
    controls_.enable(C::cmdReset);
}

void Calculator::showOverflow() { prompter_.ask(notice(MsgOverflow())); }

// ---- number entry ----

void Calculator::pressDigit(Digit digit)
{
    // After a result the digit starts a new number.
    std::string text = fields_.blnClearInput ? std::string() : input_;
    fields_.blnClearInput = false;
    const char character[] = {digitCharacter(digit), '\0'};
    setInput(text + character);
    tape_.append(character);
}

Calculator::Operands Calculator::operands() const
{
    return {readLenient(fields_.strFirstValue), readLenient(input_)};
}

void Calculator::pressSign()
{
    if (contains(input_, "-")) return;
    if (isNumeric(input_)) {
        // The tape records the sign, or its line would read as a different sum.
        setInput("-" + input_);
        tape_.append(" +/-");
    } else {
        setInput("-");
        tape_.append("-");
    }
}

void Calculator::pressPoint()
{
    if (contains(input_, "E-") || contains(input_, "E+") || contains(input_, ".")) return;
    setInput(input_ + ".");
    tape_.append(".");
}

void Calculator::pressPercent()
{
    const Operands operand = operands();
    if (!isNumeric(input_)) prompter_.ask(notice(MsgNoSum()));
    for (Equals k : {Equals::Sum, Equals::Difference, Equals::Product, Equals::Quotient}) {
        if (!controls_.visible(controlOf(k))) continue;
        const double r = operand.first * operand.second / 100;
        if (!std::isfinite(r)) {
            unknownException();
            return;
        }
        showResult(numberToText(r));
        tape_.append(k == Equals::Sum || k == Equals::Product ? " %" : "%");
    }
}

void Calculator::pressExponent(Exponent exponent)
{
    // A marker goes in once; the new text enables the function keys again.
    if (contains(input_, "E-") || contains(input_, "E+")) {
        controls_.disable(kFunctionKeys);
        return;
    }
    const char* marker = exponent == Exponent::Positive ? "E+" : "E-";
    setInput(input_ + marker);
    tape_.append(marker);
}

void Calculator::pressDelete()
{
    std::string trimmed = input_;
    dropLastCharacter(trimmed);
    setInput(std::move(trimmed));
    if (!tape_.isEmpty()) tape_.removeLastCharacter();
    controls_.enableMenuPair(C::mnuClose, C::PopUpClose, true);
    if (!outputs_[0].empty()) controls_.enable(C::cmdSwop);
}

// ---- operators and evaluation ----

void Calculator::disableAllEquals()
{
    for (Equals k : kEqualsOrder) controls_.disable(controlOf(k));
}

void Calculator::pressOperator(Operator op)
{
    controls_.enable(C::cmdIntrinsic_2);
    fields_.strFirstValue = input_;
    setInput("");
    const OperatorRow row = rowOf(op);
    for (Equals k : kEqualsOrder) {
        controls_.enable(controlOf(k));
        controls_.show(controlOf(k), k == row.equals);
    }
    tape_.append(std::string(" ") + row.symbol + " ");
}

void Calculator::showResult(const std::string& text)
{
    setOutput(0, text);
    setInput(outputs_[0]);
    resultShown(outputs_[0]);
}

void Calculator::pressEquals(Equals equals)
{
    // "%" stays usable after Mod only.
    controls_.enable(C::cmdIntrinsic_2, equals == Equals::Remainder);
    fields_.blnClearInput = true;
    const Operands operand = operands();
    const auto result = evaluate(equals, operand.first, operand.second);
    if (!result) {
        showOverflow();
        setInput("");
        disableAllEquals();
        return;
    }
    showResult(*result);
    tape_.append(" = " + outputs_[0] + "#\n");
}

void Calculator::pressSquareOrCube(SquareOrCube power)
{
    fields_.strFirstValue = input_;
    const double x = readLenient(fields_.strFirstValue);
    const bool square = power == SquareOrCube::Square;
    const double r = square ? x * x : std::pow(x, 3);
    if (!std::isfinite(r)) {
        showOverflow();
        setInput("");
        return;
    }
    showResult(numberToText(r));
    tape_.append(std::string(square ? "Sqr" : "Cube") + " = " + outputs_[0] + "#\n");
    fields_.blnClearInput = true;
}

void Calculator::pressPye()
{
    setInput(numberToText(kPye));
    tape_.append(input_ + " pye ");
    fields_.blnClearInput = true;
}

void Calculator::pressSwop()
{
    setInput(outputs_[0]);
    tape_.append(outputs_[0] + "(ANS) ");
}

// ---- ReSet and Wipe ----

void Calculator::pressReset()
{
    disableAllEquals();
    controls_.disable(C::cmdIntrinsic_2);
    controls_.enable(kResetEnables);
    // Emptying the boxes disables the keys that need a value and sets MR and MC.
    setInput("");
    setOutput(0, "");
    fields_.strFirstValue.clear();
    tape_.append(" RESET # \n");
    controls_.disable(C::cmdReset);
    controls_.disable(C::cmdSwop);
}

bool Calculator::wipeValues()
{
    if (!consents(prompter_.ask(yesNo(MsgResetWarning(), Answer::No)))) return false;
    setInput("");
    setOutput(0, "");
    fields_.strFirstValue.clear();
    tape_.append("#");
    return true;
}

void Calculator::pressWipe()
{
    if (wipeValues()) controls_.disable(C::cmdSwop);
}

void Calculator::menuWipe()
{
    if (!wipeValues()) return;
    controls_.enable(C::cmdSwop);
    controls_.enable(C::txtInput);
}

}  // namespace tallimo

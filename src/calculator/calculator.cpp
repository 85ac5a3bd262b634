#include "calculator/calculator.h"

#include "common/messages.h"
#include "common/numbers.h"
#include "spool/edit_menu.h"
#include "spool/utf8.h"

#include <cmath>
#include <cstdint>

namespace tallimo {

namespace {

using C = Control;

struct OperatorRow {
    int equals;  // the "=" made visible; "Mod" and "^" cross over
    const char* symbol;
};
constexpr OperatorRow kOperators[] = {{0, "+"}, {1, "-"}, {2, "*"}, {3, "/"}, {5, "Mod"}, {4, "^"}};

// The order in which the keys of a group are switched; kept for fidelity of the
// intermediate states a message box may show.
constexpr int kEqualsOrder[] = {1, 2, 3, 0, 4, 5};
constexpr int kScientificIndexes[] = {0, 1, 2, 3, 4, 8, 9};

constexpr double kPye = 3.14159265358979;

// The result of "=" number `index`, or nothing on a failure: overflow, division by
// zero, an invalid operation, or a Mod operand beyond 32 bits or Mod by 0.
std::optional<std::string> evaluate(int index, double left, double right)
{
    if (index == 5) {
        const auto a = roundToInt32(left);
        const auto b = roundToInt32(right);
        if (!a || !b || *b == 0) return std::nullopt;
        // In 64 bits: -2147483648 Mod -1 is 0, not a trap.
        return std::to_string(std::int64_t{*a} % std::int64_t{*b});
    }
    double r = 0;
    switch (index) {
    case 0: r = left + right; break;
    case 1: r = left - right; break;
    case 2: r = left * right; break;
    case 3: r = left / right; break;
    default: r = std::pow(left, right); break;
    }
    // Every failure of double arithmetic leaves an infinity or a NaN behind.
    if (!std::isfinite(r)) return std::nullopt;
    return numberToText(r);
}

bool contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

}  // namespace

Calculator::Calculator(Prompter& prompter, Spool& spool) : prompter_(prompter), spool_(spool)
{
    spoolListener_ = spool_.onChange([this] { applySpoolChange(controls_, spool_); });
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
    spool_.setText("");
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
}

void Calculator::setOutput(int index, std::string text)
{
    outputs_[static_cast<std::size_t>(index)] = std::move(text);
    outputChanged();
}

void Calculator::inputChanged()
{
    controls_.enable(C::cmdSwop, !outputs_[0].empty());
    const bool on = !input_.empty();
    for (int i = 0; i < 3; ++i) controls_.enable(member(C::cmdScientificDegree_0, i), on);
    for (int i : kScientificIndexes) controls_.enable(scientificKey(i), on);
    controls_.enable(C::cmdDelete, on);
    controls_.enable(C::cmdMemory_0, on);
    controls_.enable(C::cmdMemory_1, on);
    controls_.enable(C::cmdWipe, on);
    controls_.enable(C::cmdSqrCubed_0, on);
    controls_.enable(C::cmdSqrCubed_1, on);
    for (int i = 0; i < 6; ++i) controls_.enable(operatorKey(i), on);
    controls_.enable(C::cmdScientificNotation_0, on);
    controls_.enable(C::cmdScientificNotation_1, on);
    controls_.enable(C::cmdMemory_4, on);
    controls_.enable(C::cmdMemory_5, on);
    controls_.enableMenuPair(C::mnuWipe, C::PopUpWipe, on);
    controls_.enableMenuPair(C::mnuClose, C::PopUpClose, true);
}

void Calculator::outputChanged()
{
    bool anyOccupied = false;
    for (int k = 1; k <= 7; ++k) {
        const bool occupied = isNumeric(outputs_[static_cast<std::size_t>(k)]);
        controls_.enable(sendButton(k - 1), occupied);
        controls_.enable(deleteBox(k - 1), occupied);
        anyOccupied = anyOccupied || occupied;
    }
    controls_.enable(C::cmdMemory_2, anyOccupied);
    controls_.enable(C::cmdMemory_3, anyOccupied);
}

bool Calculator::holdsValue() const { return isNumeric(input_); }

void Calculator::enableConversionEntries(ConversionKind kind)
{
    switch (kind) {
    case ConversionKind::Distance: controls_.enableMenuPair(C::mnuDistance, C::PopUpDistance, true); break;
    case ConversionKind::Volume: controls_.enableMenuPair(C::mnuVolume, C::PopUpVolume, true); break;
    case ConversionKind::Weight: controls_.enableMenuPair(C::mnuWeight, C::PopUpWeight, true); break;
    }
}

// ---- failure paths ----

void Calculator::unknownException()
{
    prompter_.ask(plain(MsgUnknownException()));
    controls_.enable(C::cmdReset);
}

void Calculator::showOverflow() { prompter_.ask(notice(MsgOverflow())); }

// ---- number entry ----

void Calculator::pressDigit(int digit)
{
    if (fields_.blnClearInput) {
        setInput("");
        fields_.blnClearInput = false;
    }
    if (digit < 0 || digit > 9) return;
    const char character[] = {static_cast<char>('0' + digit), '\0'};
    setInput(input_ + character);
    spool_.append(character);
}

void Calculator::readOperands()
{
    fields_.dblSecondValue = readLenient(input_);
    fields_.dblFirstValue = readLenient(fields_.strFirstValue);
}

void Calculator::pressSign()
{
    readOperands();
    if (contains(input_, "-")) return;
    if (isNumeric(input_)) {
        setInput("-" + input_);
    } else {
        setInput("-");
        spool_.append("-");
    }
}

void Calculator::pressPoint()
{
    readOperands();
    if (contains(input_, "E-") || contains(input_, "E+") || contains(input_, ".")) return;
    setInput(input_ + ".");
    spool_.append(".");
}

void Calculator::pressPercent()
{
    readOperands();
    if (!isNumeric(input_)) prompter_.ask(notice(MsgNoSum()));
    for (int k = 0; k < 4; ++k) {
        if (!controls_.visible(equalsKey(k))) continue;
        const double r = fields_.dblFirstValue * fields_.dblSecondValue / 100;
        if (!std::isfinite(r)) {
            unknownException();
            return;
        }
        setOutput(0, numberToText(r));
        setInput(outputs_[0]);
        spool_.append(k == 0 || k == 2 ? " %" : "%");
    }
}

void Calculator::pressExponent(int index)
{
    for (int i : kScientificIndexes) controls_.disable(scientificKey(i));
    for (int i = 0; i < 3; ++i) controls_.disable(member(C::cmdScientificDegree_0, i));
    if (index != 0 && index != 1) return;
    const char* marker = index == 1 ? "E+" : "E-";
    if (contains(input_, "E-") || contains(input_, "E+")) return;
    setInput(input_ + marker);
    spool_.append(marker);
}

void Calculator::pressDelete()
{
    fields_.strInputTrimmed = input_;
    dropLastCharacter(fields_.strInputTrimmed);
    setInput(fields_.strInputTrimmed);
    if (!spool_.isEmpty()) spool_.removeLastCharacter();
    controls_.enableMenuPair(C::mnuClose, C::PopUpClose, true);
    if (!outputs_[0].empty()) controls_.enable(C::cmdSwop);
}

// ---- operators and evaluation ----

std::optional<int> Calculator::pendingEquals() const
{
    for (int k = 0; k < 6; ++k)
        if (controls_.enabled(equalsKey(k)) && controls_.visible(equalsKey(k))) return k;
    return std::nullopt;
}

void Calculator::disableAllEquals()
{
    for (int k : kEqualsOrder) controls_.disable(equalsKey(k));
}

void Calculator::pressOperator(int index)
{
    controls_.enable(C::cmdIntrinsic_2);
    fields_.strFirstValue = input_;
    setInput("");
    for (int k : kEqualsOrder) controls_.enable(equalsKey(k));
    if (index < 0 || index > 5) return;
    const OperatorRow& row = kOperators[index];
    for (int k : kEqualsOrder) controls_.show(equalsKey(k), k == row.equals);
    spool_.append(std::string(" ") + row.symbol + " ");
}

void Calculator::showResult(const std::string& text)
{
    setOutput(0, text);
    setInput(outputs_[0]);
}

void Calculator::pressEquals(int index)
{
    if (index < 0 || index > 5) return;
    controls_.disable(C::cmdIntrinsic_2);
    fields_.blnClearInput = true;
    readOperands();
    if (index == 5) controls_.enable(C::cmdIntrinsic_2);
    const auto result = evaluate(index, fields_.dblFirstValue, fields_.dblSecondValue);
    if (!result) {
        showOverflow();
        setInput("");
        disableAllEquals();
        return;
    }
    showResult(*result);
    spool_.append(" = " + outputs_[0] + "#\n");
}

void Calculator::pressSquareOrCube(int index)
{
    if (index != 0 && index != 1) {
        fields_.blnClearInput = true;
        return;
    }
    fields_.strFirstValue = input_;
    fields_.dblFirstValue = readLenient(fields_.strFirstValue);
    const double x = fields_.dblFirstValue;
    const double r = index == 0 ? x * x : std::pow(x, 3);
    if (!std::isfinite(r)) {
        showOverflow();
        setInput("");
        return;
    }
    setOutput(0, numberToText(r));
    setInput(numberToText(r));
    spool_.append(std::string(index == 0 ? "Sqr" : "Cube") + " = " + outputs_[0] + "#\n");
    fields_.blnClearInput = true;
}

void Calculator::pressPye()
{
    setInput(numberToText(kPye));
    spool_.append(input_ + " pye ");
    fields_.blnClearInput = true;
}

void Calculator::pressSwop()
{
    setInput(outputs_[0]);
    spool_.append(outputs_[0] + "(ANS) ");
}

// ---- ReSet and Wipe ----

void Calculator::pressReset()
{
    disableAllEquals();
    for (int i = 0; i < 6; ++i) controls_.disable(operatorKey(i));
    for (int i : kScientificIndexes) controls_.disable(scientificKey(i));
    for (int i = 0; i < 3; ++i) controls_.disable(member(C::cmdScientificDegree_0, i));
    controls_.enable(C::cmdMemory_3);
    controls_.enable(C::cmdMemory_0);
    controls_.disable(C::cmdMemory_1);
    for (int i = 4; i <= 7; ++i) controls_.enable(memoryKey(i));
    controls_.enable(C::cmdScientificNotation_0);
    controls_.enable(C::cmdScientificNotation_1);
    controls_.enable(C::cmdSqrCubed_0);
    controls_.enable(C::cmdSqrCubed_1);
    controls_.disable(C::cmdScientificNotation_0);
    controls_.disable(C::cmdScientificNotation_1);
    controls_.enable(C::cmdPye);
    controls_.enable(C::cmdIntrinsic_1);
    controls_.enable(C::cmdIntrinsic_0);
    controls_.disable(C::cmdIntrinsic_2);
    for (int d = 0; d <= 9; ++d) controls_.enable(digitKey(d));
    controls_.enable(C::cmdMemory_2);
    controls_.disable(C::cmdMemory_0);
    controls_.disable(C::cmdMemory_1);
    controls_.enable(C::cmdMemory_2);
    controls_.enable(C::cmdMemory_3);
    controls_.enable(C::cmdShift);
    controls_.enable(C::cmdPye);
    controls_.enable(C::cmdSqrCubed_0);
    controls_.enable(C::cmdSqrCubed_1);
    setInput("");
    setOutput(0, "");
    fields_.strFirstValue.clear();
    spool_.append(" RESET # \n");
    controls_.disable(C::cmdReset);
    controls_.disable(C::cmdSwop);
}

bool Calculator::wipeValues()
{
    if (!consents(prompter_.ask(yesNo(MsgResetWarning(), Answer::No)))) return false;
    setInput("");
    setOutput(0, "");
    fields_.strFirstValue.clear();
    spool_.append("#");
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

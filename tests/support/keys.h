#pragma once
// Drives the calculator the way a person does: by the captions on the keys, and
// only while a key is enabled (a disabled key takes no click).

#include "calculator/calculator.h"

#include <functional>
#include <map>
#include <sstream>
#include <string>

namespace tallimo::testing {

struct Key {
    Control control;
    std::function<void(Calculator&)> press;
};

inline std::map<std::string, Key> calculatorKeys()
{
    using C = Control;
    std::map<std::string, Key> keys;
    for (Digit d : kDigits)
        keys[std::string(1, digitCharacter(d))] = {controlOf(d), [d](Calculator& c) { c.pressDigit(d); }};
    const std::pair<const char*, Operator> operators[] = {{"+", Operator::Add},      {"-", Operator::Subtract},
                                                          {"*", Operator::Multiply}, {"/", Operator::Divide},
                                                          {"Mod", Operator::Mod},    {"^", Operator::Power}};
    for (const auto& [caption, op] : operators)
        keys[caption] = {controlOf(op), [op = op](Calculator& c) { c.pressOperator(op); }};
    keys["+/-"] = {C::cmdIntrinsic_0, [](Calculator& c) { c.pressSign(); }};
    keys["."] = {C::cmdIntrinsic_1, [](Calculator& c) { c.pressPoint(); }};
    keys["%"] = {C::cmdIntrinsic_2, [](Calculator& c) { c.pressPercent(); }};
    keys["E-"] = {C::cmdScientificNotation_0, [](Calculator& c) { c.pressExponent(Exponent::Negative); }};
    keys["E+"] = {C::cmdScientificNotation_1, [](Calculator& c) { c.pressExponent(Exponent::Positive); }};
    keys["C"] = {C::cmdDelete, [](Calculator& c) { c.pressDelete(); }};
    keys["X2"] = {C::cmdSqrCubed_0, [](Calculator& c) { c.pressSquareOrCube(SquareOrCube::Square); }};
    keys["X3"] = {C::cmdSqrCubed_1, [](Calculator& c) { c.pressSquareOrCube(SquareOrCube::Cube); }};
    keys["Pye"] = {C::cmdPye, [](Calculator& c) { c.pressPye(); }};
    keys["swop"] = {C::cmdSwop, [](Calculator& c) { c.pressSwop(); }};
    keys["ReSet"] = {C::cmdReset, [](Calculator& c) { c.pressReset(); }};
    keys["Wipe"] = {C::cmdWipe, [](Calculator& c) { c.pressWipe(); }};
    return keys;
}

// The "=" that a person sees: the visible one of the six, when it is enabled.
inline bool pressVisibleEquals(Calculator& calculator)
{
    for (Equals k : kEqualsKeys) {
        if (calculator.controls().visible(controlOf(k))) {
            if (!calculator.controls().enabled(controlOf(k))) return false;
            calculator.pressEquals(k);
            return true;
        }
    }
    return false;
}

// Presses keys given by caption, separated by blanks ("1 2 + 3 ="). Returns the
// keys that were disabled and so took no click, blank-separated.
inline std::string press(Calculator& calculator, const std::string& sequence,
                         const std::map<std::string, Key>& keys = calculatorKeys())
{
    std::istringstream in(sequence);
    std::string token;
    std::string refused;
    while (in >> token) {
        bool taken = false;
        if (token == "=") {
            taken = pressVisibleEquals(calculator);
        } else if (const auto it = keys.find(token); it != keys.end()) {
            taken = calculator.controls().enabled(it->second.control);
            if (taken) it->second.press(calculator);
        } else {
            throw std::invalid_argument("no key " + token);
        }
        if (!taken) refused += (refused.empty() ? "" : " ") + token;
    }
    return refused;
}

}  // namespace tallimo::testing

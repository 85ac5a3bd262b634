#pragma once
// The calculator with its scientific keys, pressed by caption like the others.

#include "calculator/scientific.h"
#include "support/calculator_fixture.h"

namespace tallimo::testing {

inline std::map<std::string, Key> scientificKeys(ScientificKeys& scientific)
{
    auto keys = calculatorKeys();
    const char* functions[] = {"bin", "hex", "oct", "sqr", "int", nullptr, nullptr, nullptr, "log", "atn"};
    for (int i = 0; i < 10; ++i) {
        if (functions[i] == nullptr) continue;
        keys[functions[i]] = {scientificKey(i), [&scientific, i](Calculator&) { scientific.pressScientific(i); }};
    }
    const char* trig[] = {"tan", "sin", "cos"};
    const char* levels[] = {"Degree", "Radian", "Gradient"};
    for (int i = 0; i < 3; ++i) {
        keys[trig[i]] = {member(Control::cmdScientificDegree_0, i),
                         [&scientific, i](Calculator&) { scientific.pressTrig(i); }};
        keys[levels[i]] = {member(Control::cmdLevel_0, i),
                           [&scientific, i](Calculator&) { scientific.pressLevel(i); }};
    }
    return keys;
}

class ScientificTest : public CalculatorTest {
protected:
    std::string keys(const std::string& sequence) { return press(calculator, sequence, keyMap); }

    ScientificKeys scientific{calculator};
    std::map<std::string, Key> keyMap = scientificKeys(scientific);
};

}  // namespace tallimo::testing

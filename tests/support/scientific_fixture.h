#pragma once
// The calculator with its scientific keys, pressed by caption like the others.

#include "calculator/scientific.h"
#include "support/calculator_fixture.h"

#include <tuple>

namespace tallimo::testing {

inline std::map<std::string, Key> scientificKeys(ScientificKeys& scientific)
{
    using C = Control;
    auto keys = calculatorKeys();
    const std::tuple<const char*, Control, Scientific> functions[] = {
        {"bin", C::cmdScientific_0, Scientific::Bin}, {"hex", C::cmdScientific_1, Scientific::Hex},
        {"oct", C::cmdScientific_2, Scientific::Oct}, {"sqr", C::cmdScientific_3, Scientific::Sqr},
        {"int", C::cmdScientific_4, Scientific::Int}, {"log", C::cmdScientific_8, Scientific::Log},
        {"atn", C::cmdScientific_9, Scientific::Atn}};
    for (const auto& [caption, control, key] : functions)
        keys[caption] = {control, [&scientific, key = key](Calculator&) { scientific.pressScientific(key); }};
    const std::tuple<const char*, Control, TrigFunction> trig[] = {{"tan", C::cmdScientificDegree_0, TrigFunction::Tangent},
                                                                   {"sin", C::cmdScientificDegree_1, TrigFunction::Sine},
                                                                   {"cos", C::cmdScientificDegree_2, TrigFunction::Cosine}};
    for (const auto& [caption, control, f] : trig)
        keys[caption] = {control, [&scientific, f = f](Calculator&) { scientific.pressTrig(f); }};
    const std::tuple<const char*, Control, AngleMode> levels[] = {{"Degree", C::cmdLevel_0, AngleMode::Degree},
                                                                  {"Radian", C::cmdLevel_1, AngleMode::Radian},
                                                                  {"Gradient", C::cmdLevel_2, AngleMode::Gradient}};
    for (const auto& [caption, control, mode] : levels)
        keys[caption] = {control, [&scientific, mode = mode](Calculator&) { scientific.pressLevel(mode); }};
    return keys;
}

class ScientificTest : public CalculatorTest {
protected:
    std::string keys(const std::string& sequence) { return press(calculator, sequence, keyMap); }

    ScientificKeys scientific{calculator};
    std::map<std::string, Key> keyMap = scientificKeys(scientific);
};

}  // namespace tallimo::testing

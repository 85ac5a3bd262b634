#include "conversion/conversion_window_model.h"

#include "conversion/fake_calculator.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>

namespace tallimo {
namespace {

struct Group {
    const char* group;
    const char* buttons;  // "index resultOf1 resultOf2.5", one triple per target button
};

// Every target button of the three windows with the result it shows for an amount
// of 1 and of 2.5, computed apart from the program's own tables: a typing mistake in
// a constant, an operation, an index or a group shows up here.
// clang-format off
const Group kGroups[] = {
    {"optAU", "0 1.5823E-05 3.95575E-05  1 149597870.691 373994676.7275  2 4.848E-06 1.212E-05"
        "  3 149597870691 373994676727.5  4 14959787069100 37399467672750"},
    {"optCM", "0 1E-05 2.5E-05  1 0.01 0.025  2 10 25  3 567 1417.5  4 28.35 70.875"
        "  5 0.0054680665 0.01367016625  6 10000 25000"},
    {"optFathom", "2 0.00182879999989583 0.00457199999973958  3 1.82879999989583 4.57199999973958"
        "  4 182.879999989583 457.199999973958  5 1828.79999989583 4571.99999973958"},
    {"optKM", "0 1000 2500  1 100000 250000  2 1000000 2500000  3 546.80665 1367.016625"
        "  4 6.684587123E-09 1.67114678075E-08  5 1.057724807E-13 2.6443120175E-13  6 1000000000 2500000000"
        "  7 3.24077927E-14 8.101948175E-14"},
    {"optLYear", "0 63197.7909299 157994.47732475  1 9454254955488 23635637388720  2 0.306391535 0.7659788375"
        "  3 9.454254955488E+15 2.363563738872E+16"},
    {"optM", "0 0.001 0.0025  1 100 250  2 1000 2500  3 0.54680665 1.367016625"
        "  4 6.684587123E-12 1.67114678075E-11  5 1.057724807E-16 2.6443120175E-16  6 1000000 2500000"},
    {"optMM", "0 1E-06 2.5E-06  1 0.001 0.0025  2 0.1 0.25  3 56.7 141.75  4 2.835 7.0875"
        "  5 0.0005468066 0.0013670165  6 1000 2500"},
    {"optMicroM", "0 1E-06 2.5E-06  1 0.0001 0.00025  2 0.001 0.0025"},
    {"optParsec", "0 3.263797745 8.1594943625  1 206264.807496731 515662.018741827"
        "  2 30856776000000 77141940000000  3 3.0856776E+16 7.714194E+16"},
    {"optCentiL", "1 0.0001 0.00025  2 0.001 0.0025  3 0.01 0.025  4 1E-05 2.5E-05  5 0.1 0.25  6 10 25"},
    {"optCubicCM", "0 1E-06 2.5E-06  1 1E-05 2.5E-05  2 0.0001 0.00025  3 0.001 0.0025  4 0.01 0.025"
        "  5 0.1 0.25"},
    {"optCubicM", "0 1000 2500  1 1000000 2500000  2 10000 25000  3 100 250  4 10 25  6 100000 250000"},
    {"optDeciL", "1 0.001 0.0025  2 0.01 0.025  3 0.1 0.25  4 0.0001 0.00025  5 10 25  6 100 250"},
    {"optDekaL", "1 0.1 0.25  2 10 25  3 0.01 0.025  4 100 250  5 1000 2500  6 10000 25000"},
    {"optHectoL", "1 10 25  2 100 250  3 0.1 0.25  4 1000 2500  5 10000 25000  6 100000 250000"},
    {"optLitre", "0 0.001 0.0025  1 1000 2500  2 10 25  3 0.1 0.25  4 0.01 0.025  6 100 250"},
    {"optCarat", "0 2E-07 5E-07  1 0.0002 0.0005  2 0.2 0.5  3 200 500  4 200000 500000  5 20 50  6 2 5"},
    {"optCentiG", "0 1E-08 2.5E-08  1 1E-05 2.5E-05  2 0.01 0.025  3 0.05 0.125  4 0.1 0.25  5 10 25"
        "  6 10000 25000"},
    {"optDeciG", "0 1E-07 2.5E-07  1 0.0001 0.00025  2 0.1 0.25  3 0.5 1.25  4 10 25  5 100 250"
        "  6 100000 250000"},
    {"optGram", "0 1E-06 2.5E-06  1 0.001 0.0025  2 1000 2500  3 1000000 2500000  4 5 12.5  5 100 250  6 10 25"},
    {"optKG", "0 0.001 0.0025  1 1000 2500  2 1000000 2500000  3 1000000000 2500000000  4 5000 12500"
        "  5 100000 250000  6 10000 25000"},
    {"optMilliG", "0 1E-09 2.5E-09  1 1E-06 2.5E-06  2 0.001 0.0025  3 1000 2500  4 0.005 0.0125  5 0.1 0.25"
        "  6 0.01 0.025"},
    {"optMicroG", "0 1E-12 2.5E-12  1 1E-09 2.5E-09  2 1E-06 2.5E-06  3 0.001 0.0025  4 5E-06 1.25E-05"
        "  5 0.0001 0.00025  6 1E-05 2.5E-05"},
    {"optTonne", "0 1000 2500  1 1000000 2500000  2 1000000000 2500000000  3 1000000000000 2500000000000"
        "  4 5000000 12500000  5 10000000 25000000  6 100000000 250000000"},
};
// clang-format on

std::string convert(ConversionKind kind, std::size_t unit, int target, std::string_view amount)
{
    testing::FakeCalculator calculator;
    testing::ScriptedPrompter prompter;
    ConversionWindowModel window(kind, calculator, prompter);
    window.open();
    window.chooseUnit(unit);
    for (char c : amount) window.pressKeypad(c == '.' ? 10 : c - '0');
    window.chooseTarget(target);
    return prompter.asked.empty() ? window.output() : "asked: " + prompter.asked.front().text;
}

// Walks the program's buttons, so a button missing from the table fails as well.
TEST(ConversionFactors, EveryTargetButtonConvertsByItsConstant)
{
    std::size_t groups = 0;
    for (ConversionKind kind : kConversionKinds) {
        const auto units = designOf(kind).units;
        for (std::size_t u = 0; u < units.size(); ++u) {
            const auto g = std::find_if(std::begin(kGroups), std::end(kGroups),
                                        [&](const Group& r) { return r.group == units[u].group; });
            ASSERT_NE(g, std::end(kGroups)) << units[u].group;
            ++groups;
            std::map<int, std::pair<std::string, std::string>> expected;
            std::istringstream in(g->buttons);
            for (int index; in >> index;) in >> expected[index].first >> expected[index].second;
            EXPECT_EQ(expected.size(), units[u].targets.size()) << units[u].group;
            for (const TargetButton& t : units[u].targets) {
                EXPECT_EQ(convert(kind, u, t.index, "1"), expected[t.index].first) << units[u].group << "_" << t.index;
                EXPECT_EQ(convert(kind, u, t.index, "2.5"), expected[t.index].second) << units[u].group << "_" << t.index;
            }
        }
    }
    EXPECT_EQ(groups, std::size(kGroups));
}

}  // namespace
}  // namespace tallimo

#include "conversion/conversion_window_model.h"

#include "conversion/fake_calculator.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

namespace tallimo {
namespace {

using testing::FakeCalculator;
using testing::ScriptedPrompter;

struct Expected {
    const char* group;
    int index;
    const char* ofOne;
    const char* ofTwoAndAHalf;
};

// Every target button of the three windows with the result it shows for an amount
// of 1 and of 2.5, computed apart from the program's own tables: a typing mistake in
// a constant, an operation, an index or a group shows up here.
const Expected kExpected[] = {
    // distance
    {"optAU", 0, "1.5823E-05", "3.95575E-05"},
    {"optAU", 1, "149597870.691", "373994676.7275"},
    {"optAU", 2, "4.848E-06", "1.212E-05"},
    {"optAU", 3, "149597870691", "373994676727.5"},
    {"optAU", 4, "14959787069100", "37399467672750"},
    {"optCM", 0, "1E-05", "2.5E-05"},
    {"optCM", 1, "0.01", "0.025"},
    {"optCM", 2, "10", "25"},
    {"optCM", 3, "567", "1417.5"},
    {"optCM", 4, "28.35", "70.875"},
    {"optCM", 5, "0.0054680665", "0.01367016625"},
    {"optCM", 6, "10000", "25000"},
    {"optFathom", 2, "0.00182879999989583", "0.00457199999973958"},
    {"optFathom", 3, "1.82879999989583", "4.57199999973958"},
    {"optFathom", 4, "182.879999989583", "457.199999973958"},
    {"optFathom", 5, "1828.79999989583", "4571.99999973958"},
    {"optKM", 0, "1000", "2500"},
    {"optKM", 1, "100000", "250000"},
    {"optKM", 2, "1000000", "2500000"},
    {"optKM", 3, "546.80665", "1367.016625"},
    {"optKM", 4, "6.684587123E-09", "1.67114678075E-08"},
    {"optKM", 5, "1.057724807E-13", "2.6443120175E-13"},
    {"optKM", 6, "1000000000", "2500000000"},
    {"optKM", 7, "3.24077927E-14", "8.101948175E-14"},
    {"optLYear", 0, "63197.7909299", "157994.47732475"},
    {"optLYear", 1, "9454254955488", "23635637388720"},
    {"optLYear", 2, "0.306391535", "0.7659788375"},
    {"optLYear", 3, "9.454254955488E+15", "2.363563738872E+16"},
    {"optM", 0, "0.001", "0.0025"},
    {"optM", 1, "100", "250"},
    {"optM", 2, "1000", "2500"},
    {"optM", 3, "0.54680665", "1.367016625"},
    {"optM", 4, "6.684587123E-12", "1.67114678075E-11"},
    {"optM", 5, "1.057724807E-16", "2.6443120175E-16"},
    {"optM", 6, "1000000", "2500000"},
    {"optMM", 0, "1E-06", "2.5E-06"},
    {"optMM", 1, "0.001", "0.0025"},
    {"optMM", 2, "0.1", "0.25"},
    {"optMM", 3, "56.7", "141.75"},
    {"optMM", 4, "2.835", "7.0875"},
    {"optMM", 5, "0.0005468066", "0.0013670165"},
    {"optMM", 6, "1000", "2500"},
    {"optMicroM", 0, "1E-06", "2.5E-06"},
    {"optMicroM", 1, "0.0001", "0.00025"},
    {"optMicroM", 2, "0.001", "0.0025"},
    {"optParsec", 0, "3.263797745", "8.1594943625"},
    {"optParsec", 1, "206264.807496731", "515662.018741827"},
    {"optParsec", 2, "30856776000000", "77141940000000"},
    {"optParsec", 3, "3.0856776E+16", "7.714194E+16"},
    // volume
    {"optCentiL", 1, "0.0001", "0.00025"},
    {"optCentiL", 2, "0.001", "0.0025"},
    {"optCentiL", 3, "0.01", "0.025"},
    {"optCentiL", 4, "1E-05", "2.5E-05"},
    {"optCentiL", 5, "0.1", "0.25"},
    {"optCentiL", 6, "10", "25"},
    {"optCubicCM", 0, "1E-06", "2.5E-06"},
    {"optCubicCM", 1, "1E-05", "2.5E-05"},
    {"optCubicCM", 2, "0.0001", "0.00025"},
    {"optCubicCM", 3, "0.001", "0.0025"},
    {"optCubicCM", 4, "0.01", "0.025"},
    {"optCubicCM", 5, "0.1", "0.25"},
    {"optCubicM", 0, "1000", "2500"},
    {"optCubicM", 1, "1000000", "2500000"},
    {"optCubicM", 2, "10000", "25000"},
    {"optCubicM", 3, "100", "250"},
    {"optCubicM", 4, "10", "25"},
    {"optCubicM", 6, "100000", "250000"},
    {"optDeciL", 1, "0.001", "0.0025"},
    {"optDeciL", 2, "0.01", "0.025"},
    {"optDeciL", 3, "0.1", "0.25"},
    {"optDeciL", 4, "0.0001", "0.00025"},
    {"optDeciL", 5, "10", "25"},
    {"optDeciL", 6, "100", "250"},
    {"optDekaL", 1, "0.1", "0.25"},
    {"optDekaL", 2, "10", "25"},
    {"optDekaL", 3, "0.01", "0.025"},
    {"optDekaL", 4, "100", "250"},
    {"optDekaL", 5, "1000", "2500"},
    {"optDekaL", 6, "10000", "25000"},
    {"optHectoL", 1, "10", "25"},
    {"optHectoL", 2, "100", "250"},
    {"optHectoL", 3, "0.1", "0.25"},
    {"optHectoL", 4, "1000", "2500"},
    {"optHectoL", 5, "10000", "25000"},
    {"optHectoL", 6, "100000", "250000"},
    {"optLitre", 0, "0.001", "0.0025"},
    {"optLitre", 1, "1000", "2500"},
    {"optLitre", 2, "10", "25"},
    {"optLitre", 3, "0.1", "0.25"},
    {"optLitre", 4, "0.01", "0.025"},
    {"optLitre", 6, "100", "250"},
    // weight
    {"optCarat", 0, "2E-07", "5E-07"},
    {"optCarat", 1, "0.0002", "0.0005"},
    {"optCarat", 2, "0.2", "0.5"},
    {"optCarat", 3, "200", "500"},
    {"optCarat", 4, "200000", "500000"},
    {"optCarat", 5, "20", "50"},
    {"optCarat", 6, "2", "5"},
    {"optCentiG", 0, "1E-08", "2.5E-08"},
    {"optCentiG", 1, "1E-05", "2.5E-05"},
    {"optCentiG", 2, "0.01", "0.025"},
    {"optCentiG", 3, "0.05", "0.125"},
    {"optCentiG", 4, "0.1", "0.25"},
    {"optCentiG", 5, "10", "25"},
    {"optCentiG", 6, "10000", "25000"},
    {"optDeciG", 0, "1E-07", "2.5E-07"},
    {"optDeciG", 1, "0.0001", "0.00025"},
    {"optDeciG", 2, "0.1", "0.25"},
    {"optDeciG", 3, "0.5", "1.25"},
    {"optDeciG", 4, "10", "25"},
    {"optDeciG", 5, "100", "250"},
    {"optDeciG", 6, "100000", "250000"},
    {"optGram", 0, "1E-06", "2.5E-06"},
    {"optGram", 1, "0.001", "0.0025"},
    {"optGram", 2, "1000", "2500"},
    {"optGram", 3, "1000000", "2500000"},
    {"optGram", 4, "5", "12.5"},
    {"optGram", 5, "100", "250"},
    {"optGram", 6, "10", "25"},
    {"optKG", 0, "0.001", "0.0025"},
    {"optKG", 1, "1000", "2500"},
    {"optKG", 2, "1000000", "2500000"},
    {"optKG", 3, "1000000000", "2500000000"},
    {"optKG", 4, "5000", "12500"},
    {"optKG", 5, "100000", "250000"},
    {"optKG", 6, "10000", "25000"},
    {"optMilliG", 0, "1E-09", "2.5E-09"},
    {"optMilliG", 1, "1E-06", "2.5E-06"},
    {"optMilliG", 2, "0.001", "0.0025"},
    {"optMilliG", 3, "1000", "2500"},
    {"optMilliG", 4, "0.005", "0.0125"},
    {"optMilliG", 5, "0.1", "0.25"},
    {"optMilliG", 6, "0.01", "0.025"},
    {"optMicroG", 0, "1E-12", "2.5E-12"},
    {"optMicroG", 1, "1E-09", "2.5E-09"},
    {"optMicroG", 2, "1E-06", "2.5E-06"},
    {"optMicroG", 3, "0.001", "0.0025"},
    {"optMicroG", 4, "5E-06", "1.25E-05"},
    {"optMicroG", 5, "0.0001", "0.00025"},
    {"optMicroG", 6, "1E-05", "2.5E-05"},
    {"optTonne", 0, "1000", "2500"},
    {"optTonne", 1, "1000000", "2500000"},
    {"optTonne", 2, "1000000000", "2500000000"},
    {"optTonne", 3, "1000000000000", "2500000000000"},
    {"optTonne", 4, "5000000", "12500000"},
    {"optTonne", 5, "10000000", "25000000"},
    {"optTonne", 6, "100000000", "250000000"},
};

struct Found {
    ConversionKind kind;
    std::size_t unit;
};

std::optional<Found> findGroup(std::string_view group)
{
    for (ConversionKind kind : {ConversionKind::Distance, ConversionKind::Volume, ConversionKind::Weight}) {
        const auto units = designOf(kind).units;
        for (std::size_t u = 0; u < units.size(); ++u)
            if (units[u].group == group) return Found{kind, u};
    }
    return std::nullopt;
}

void typeAmount(ConversionWindowModel& window, std::string_view keys)
{
    for (char c : keys) window.pressKeypad(c == '.' ? 10 : c - '0');
}

std::string convert(const Expected& e, std::string_view amount)
{
    const auto found = findGroup(e.group);
    if (!found) return "no such group";
    FakeCalculator calculator;
    ScriptedPrompter prompter;
    ConversionWindowModel window(found->kind, calculator, prompter);
    window.open();
    window.chooseUnit(found->unit);
    typeAmount(window, amount);
    window.chooseTarget(e.index);
    if (!prompter.asked.empty()) return "asked: " + prompter.asked.front().text;
    return window.output();
}

TEST(ConversionFactors, EveryTargetButtonConvertsByItsConstant)
{
    for (const Expected& e : kExpected) {
        EXPECT_EQ(convert(e, "1"), e.ofOne) << e.group << "_" << e.index;
        EXPECT_EQ(convert(e, "2.5"), e.ofTwoAndAHalf) << e.group << "_" << e.index;
    }
}

TEST(ConversionFactors, TheTableAboveCoversEveryButton)
{
    std::size_t buttons = 0;
    for (ConversionKind kind : {ConversionKind::Distance, ConversionKind::Volume, ConversionKind::Weight})
        for (const SourceUnit& unit : designOf(kind).units) {
            buttons += unit.targets.size();
            for (const TargetButton& t : unit.targets) {
                const auto isThisButton = [&](const Expected& e) {
                    return e.group == unit.group && e.index == t.index;
                };
                const bool listed = std::any_of(std::begin(kExpected), std::end(kExpected), isThisButton);
                EXPECT_TRUE(listed) << unit.group << "_" << t.index;
            }
        }
    EXPECT_EQ(buttons, std::size(kExpected));
}

}  // namespace
}  // namespace tallimo

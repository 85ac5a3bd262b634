#include "common/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace tallimo {
namespace {

// Every case runs under the plain C locale and under a German one, whose decimal
// separator is ",": a conversion that looked at the locale would show it there.
class Numbers : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        const char* name = GetParam();
        previous_ = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, name) == nullptr) GTEST_SKIP() << "the locale " << name << " is not installed";
        std::locale::global(std::locale(name));
    }
    void TearDown() override
    {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, previous_.c_str());
    }

private:
    std::string previous_;
};

INSTANTIATE_TEST_SUITE_P(Locales, Numbers, ::testing::Values("C", "de_DE.UTF-8"),
                         [](const auto& info) { return std::string(info.param[0] == 'C' ? "C" : "German"); });

TEST_P(Numbers, TextOfResults)
{
    const struct { double value; const char* text; } cases[] = {
        {15, "15"},
        {1.0 / 3, "0.333333333333333"},
        {std::sqrt(2.0), "1.4142135623731"},
        {1.5823e-05, "1.5823E-05"},
        {9.454254955488e15, "9.454254955488E+15"},
        {1e15, "1E+15"},
        {999999999999999.9, "1E+15"},  // reaches 1E+15 only by the rounding to 15 digits
        {999999999999999.0, "999999999999999"},
        {0.0001, "0.0001"},
        {-0.5, "-0.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {-2.5e-300, "-2.5E-300"},
        {std::numeric_limits<double>::infinity(), "1.79769313486232E+308"},
        {std::numeric_limits<double>::quiet_NaN(), "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(numberToText(c.value), c.text) << c.value;
}

TEST_P(Numbers, LenientReadingTakesTheLeadingNumber)
{
    const struct { const char* text; double value; } cases[] = {
        {"5E+", 5},    {"12abc", 12},   {"", 0},        {" 1 2 ", 12}, {"1D2", 100},     {"-", 0},
        {"-.5", -0.5}, {"2E-3", 0.002}, {"1.2.3", 1.2}, {"7\r\n", 7},  {"\t-4\n2", -42}, {"1E-400", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(readLenient(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(readLenient("1E+400")));
    // The keypads can build a number of any length without an exponent.
    const std::string manyDigits = "1" + std::string(400, '0');
    EXPECT_EQ(readLenient(manyDigits), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readLenient("-" + manyDigits + ".5"), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isinf(readLenient(manyDigits + "E-50")));
    EXPECT_EQ(readLenient("0." + std::string(400, '0') + "1"), 0.0);
}

TEST_P(Numbers, NumericTestWantsTheWholeText)
{
    for (const char* text : {"", "-", ".", "5E+", "1.2.", "abc", "1 2", "12abc", "E5", "--1", "\r\n"})
        EXPECT_FALSE(isNumeric(text)) << text;
    for (const char* text : {" 7\r\n", "0", "-12", "1.5", ".5", "5.", "2E-3", "1E+15", "1D2", "+3", "12.50"})
        EXPECT_TRUE(isNumeric(text)) << text;
}

TEST_P(Numbers, StrictReadingAcceptsOnlyWhatTheKeysBuild)
{
    EXPECT_EQ(readStrict("10"), 10.0);
    EXPECT_EQ(readStrict(" -2.5 "), -2.5);
    EXPECT_EQ(readStrict("5E+3"), 5000.0);
    EXPECT_EQ(readStrict("2E-3"), 0.002);
    EXPECT_EQ(readStrict(".5"), 0.5);
    for (const char* text : {"", "-", ".", "5E+", "1.2.", "12abc", "1D2", "--1", "1E+400"})
        EXPECT_FALSE(readStrict(text).has_value()) << text;
}

TEST_P(Numbers, NormalisedValue)
{
    EXPECT_EQ(normalised("12.50"), "12.5");
    EXPECT_EQ(normalised("abc"), "0");
}

TEST_P(Numbers, WholeNumberRoundingGoesToEven)
{
    EXPECT_EQ(roundToInt32(2.5), 2);
    EXPECT_EQ(roundToInt32(3.5), 4);
    EXPECT_EQ(roundToInt32(-2.5), -2);
    EXPECT_EQ(roundToInt32(-7.2), -7);
    EXPECT_EQ(roundToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(roundToInt32(-2147483648.0), -2147483647 - 1);
    for (double outside : {2147483648.0, 2147483647.5, std::nan("")}) EXPECT_FALSE(roundToInt32(outside)) << outside;
}

}  // namespace
}  // namespace tallimo

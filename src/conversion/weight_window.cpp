#include "conversion/window_design.h"

namespace tallimo {

namespace {

constexpr TargetButton optCarat[] = {
    {0, "Tonne", "Carat to tonne", 7, dividedBy(5e6)},
    {1, "Kg", "Carat to kilogram", 4, dividedBy(5000)},
    {2, "g", "Carat to gram", 3, dividedBy(5)},
    {3, "mg", "Carat to milligram", 6, times(200)},
    {4, "micron", "Carat to micron", 5, times(200000)},
    {5, "Centi g", "Carat to centigram", 1, dividedBy(0.05)},
    {6, "Deci g", "Carat to decigram", 2, dividedBy(0.5)},
};

constexpr TargetButton optCentiG[] = {
    {0, "Tonne", "Centigram to Tonne", 7, dividedBy(1e8)},
    {1, "Kg", "Centigram to Kilogram", 4, dividedBy(100000)},
    {2, "g", "Centigram to gram", 3, dividedBy(100)},
    {3, "Carat", "Centigram to carat", 1, times(0.05)},
    {4, "Decig", "Centigram to Decigram", 2, dividedBy(10)},
    {5, "mg", "Centigram to milligram", 6, times(10)},
    {6, "micron", "Centigram to micron", 5, times(10000)},
};

constexpr TargetButton optDeciG[] = {
    {0, "Tonne", "Decigram to Tonne", 7, dividedBy(1e7)},
    {1, "Kg", "Decigram to kilogram", 4, dividedBy(10000)},
    {2, "g", "Decigram to gram", 3, dividedBy(10)},
    {3, "Carat", "Decigram to carat", 1, times(0.5)},
    {4, "Centi g", "Decigram to centigram", 2, times(10)},
    {5, "mg", "decigram to milligram", 6, times(100)},
    {6, "micron", "Decigram to micron", 5, times(100000)},
};

constexpr TargetButton optGram[] = {
    {0, "Tonne", "Gram to tonne", 7, dividedBy(1e6)},
    {1, "Kg", "Gram to kilogram", 4, dividedBy(1000)},
    {2, "mg", "Gram to milligram", 5, times(1000)},
    {3, "micron", "Gram to micron", 6, times(1e6)},
    {4, "Carat", "Gram to carat", 1, times(5)},
    {5, "Centi g", "Gram to centigram", 2, times(100)},
    {6, "Deci g", "gram to decigram", 3, times(10)},
};

constexpr TargetButton optKG[] = {
    {0, "Tonne", "Kilogram to tonne", 7, dividedBy(1000)},
    {1, "g", "Kilogram to gram", 4, times(1000)},
    {2, "mg", "Kilogram to milligram", 5, times(1e6)},
    {3, "micron", "Kilogram to micron", 6, times(1e9)},
    {4, "Carat", "Kilogram to carat", 1, times(5000)},
    {5, "Centi g", "Kilogram to centigram", 2, times(100000)},
    {6, "Deci g", "Kilogram to decigram", 3, times(10000)},
};

constexpr TargetButton optMilliG[] = {
    {0, "Tonne", "Milligram to tonne", 7, dividedBy(1e9)},
    {1, "Kg", "Milligram to kilogram", 5, dividedBy(1e6)},
    {2, "g", "Milligram to gram", 4, dividedBy(1000)},
    {3, "micron", "Milligram to micron", 6, times(1000)},
    {4, "Carat", "Milligram to carat", 1, dividedBy(200)},
    {5, "Centi g", "Milligram to centigram", 2, dividedBy(10)},
    {6, "Deci g", "Milligram to decigram", 3, dividedBy(100)},
};

constexpr TargetButton optMicroG[] = {
    {0, "Tonne", "Micron to tonne", 7, dividedBy(1e12)},
    {1, "Kg", "Micron to kilogram", 5, dividedBy(1e9)},
    {2, "g", "Micron to gram", 4, dividedBy(1e6)},
    {3, "mg", "Micron to milligram", 6, dividedBy(1000)},
    {4, "Carat", "Micron to carat", 1, dividedBy(200000)},
    {5, "Centi g", "Micron to centigram", 2, dividedBy(10000)},
    {6, "Deci g", "Micron to decigram", 3, dividedBy(100000)},
};

constexpr TargetButton optTonne[] = {
    {0, "Kg", "Tonne to kilogram", 5, times(1000)},
    {1, "g", "Tonne to gram", 4, times(1e6)},
    {2, "mg", "Tonne to Milligram", 6, times(1e9)},
    {3, "micron", "Tonne to micron", 7, times(1e12)},
    {4, "Carat", "Tonnne to carat", 1, times(5e6)},
    {5, "Deci g", "Tonne to decigram", 3, times(1e7)},
    {6, "Centi g", "Tonne to centigram", 2, times(1e8)},
};

constexpr SourceUnit units[] = {
    {"mnuCarat", "PopUpCarat", "Carat", "Amount Of Carat", "Amount Of Carat", "optCarat", optCarat},
    {"mnuCentiG", "PopUpCentiG", "Centigram", "Amount Of Centigram", "Amount Of Centigram", "optCentiG", optCentiG},
    {"mnuDeciG", "PopUpDeciG", "Decigram", "Amount Of Decigram", "Amount Of Decigram", "optDeciG", optDeciG},
    {"mnuG", "PopUpGram", "G", "Amount Of Gram", "Amount Of Gram", "optGram", optGram},
    {"mnuKG", "PopUpKG", "KG", "Amount Of Kg", "Amount Of Kg", "optKG", optKG},
    {"mnuMG", "PopUpMG", "MG", "Amount Of Mg", "Amount Of mg", "optMilliG", optMilliG},
    {"mnuMicroG", "PopUpMicroG", "Micron", "Amount Of Micro G", "Amount Of Micro G", "optMicroG", optMicroG},
    {"mnuTonne", "PopUpTonne", "Tonne", "Amount Of Tonne", "Amount Of Tonne", "optTonne", optTonne},
};

// The popup lists the microgram before the milligram.
constexpr int popupOrder[] = {0, 1, 2, 3, 4, 6, 5, 7};
static_assert(std::size(popupOrder) == std::size(units));

}  // namespace

WindowDesign makeWeightDesign()
{
    return {
        .kind = ConversionKind::Weight,
        .name = "frmWeight",
        .caption = "TallimoWeight",
        .width = 5916,
        .collapsedHeight = 750,
        .expandedHeight = 3375,
        .convertLabelX = 1680,
        .resultX = 2880,
        .buttonsX = 4320,
        .unitMenuName = "Measurements",
        .unitMenuCaption = "&Measurements",
        .popupCaption = "",
        .popupUnitMenuName = "PopUpmeasurements",
        .popupUnitMenuCaption = "Measurements",
        .popupExitCaption = "Exit",
        .units = units,
        .popupOrder = popupOrder,
        .unitChoiceClearsSend = true,
        .enablingCoversTextBoxes = true,
        .sendStaysSelected = true,
        .exitHides = false,
        .closingDefault = Answer::No,
    };
}

}  // namespace tallimo

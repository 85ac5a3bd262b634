#include "conversion/window_design.h"

namespace tallimo {

namespace {

constexpr TargetButton optAU[] = {
    {0, "Light Year", "Astronomical unit to Light year", 3, times(1.5823e-5)},
    {1, "Km", "Astronomical unit to Kilo meter", 2, times(149597870.691)},
    {2, "Parsec", "Astronomical unit to Parsec", 5, times(4.848e-6)},
    {3, "M", "Astronomical unit to meter", 4, times(149597870691)},
    {4, "cm", "Astronomical unit to Centi meter", 1, times(14959787069100)},
};

constexpr TargetButton optCM[] = {
    {0, "Km", "Centi meter to Kilo meter", 2, dividedBy(100000)},
    {1, "M", "centi meter to Meter", 3, dividedBy(100)},
    {2, "mm", "Centi meter to milli meter", 5, times(10)},
    {3, "Twips", "Centi meter to twips", 7, times(567)},
    {4, "Points", "Centi meter to points", 6, times(28.35)},
    {5, "Fathom", "Centi meter to fathom", 1, times(0.0054680665)},
    {6, "Micron", "Centi meter to micron", 4, times(10000)},
};

constexpr TargetButton optFathom[] = {
    {2, "Km", "Fathom to Kilo meter", 2, dividedBy(546.8066492)},
    {3, "M", "Fathom to meter", 3, dividedBy(0.5468066492)},
    {4, "cm", "Fathom to Centi meter", 1, dividedBy(0.005468066492)},
    {5, "mm", "Fathom to milli meter", 4, dividedBy(0.0005468066492)},
};

constexpr TargetButton optKM[] = {
    {0, "M", "Kilo meter to meter", 5, times(1000)},
    {1, "cm", "Kilo meter to centi meter", 2, times(100000)},
    {2, "mm", "Kilo meter to milli meter", 7, times(1e6)},
    {3, "Fathom", "Kilo meter to Fathom", 3, times(546.80665)},
    {4, "AU", "Kilo meter to astronomical unit", 1, times(6.684587123e-9)},
    {5, "Light Year", "Kilo meter to light year", 4, times(1.057724807e-13)},
    {6, "Micron", "Kilo meter to Micro meter", 6, times(1e9)},
    {7, "Parsec", "Kiloo meter to Parsec", 8, times(3.24077927e-14)},
};

constexpr TargetButton optLYear[] = {
    {0, "AU", "Light year to Astronomical unit", 1, times(63197.7909299)},
    {1, "Km", "Light year to Kilo meter", 2, times(9454254955488)},
    {2, "Parsec", "Light year to Parsec", 4, times(0.306391535)},
    {3, "M", "Light year to meter", 3, times(9.454254955488e15)},
};

constexpr TargetButton optM[] = {
    {0, "Km", "Meter to Kilo meter", 4, dividedBy(1000)},
    {1, "cm", "Meter to centi meter", 2, times(100)},
    {2, "mm", "Meter to milli meter", 7, times(1000)},
    {3, "Fathom", "Meter to fathom", 3, times(0.54680665)},
    {4, "AU", "Meter to Astronomical unit", 1, times(6.684587123e-12)},
    {5, "Light Year", "Meter to Light year", 5, times(1.057724807e-16)},
    {6, "Micron", "Meter to Micro meter", 6, times(1e6)},
};

constexpr TargetButton optMM[] = {
    {0, "Km", "Milli meter to Kilo meter", 3, dividedBy(1e6)},
    {1, "M", "Milli meter to meter", 4, dividedBy(1000)},
    {2, "Cm", "Milli meter to centi meter", 1, dividedBy(10)},
    {3, "Twips", "Milli meter to twips", 7, timesThenDividedBy(567, 10)},
    {4, "Points", "Milli meter to points", 6, times(2.835)},
    {5, "Fathom", "Milli meter to fathom", 2, times(0.0005468066)},
    {6, "Micron", "Milli meter to micron", 5, times(1000)},
};

constexpr TargetButton optMicroM[] = {
    {0, "M", "Micro meter to meter", 2, dividedBy(1e6)},
    {1, "Cm", "Micro meter to centi meter", 1, dividedBy(10000)},
    {2, "mm", "Micro meter to milli meter", 3, dividedBy(1000)},
};

constexpr TargetButton optParsec[] = {
    {0, "Light Year", "Parsec to Light year", 3, times(3.263797745)},
    {1, "AU", "Parsec to Astronomical Unit", 1, times(206264.807496731)},
    {2, "Km", "Parsec to Kilo meter", 2, times(3.0856776e13)},
    {3, "M", "Parsec to meter", 4, times(3.0856776e16)},
};

constexpr SourceUnit units[] = {
    {"mnuAU", "PopUpAU", "AU", "Amount of AU", "Amount of AU", "optAU", optAU},
    {"mnuCM", "PopUpCM", "CM", "Amount of CM", "Amount of CM", "optCM", optCM},
    {"mnuFathom", "PopUpFathom", "Fathom", "Amount of fathom", "Amount of fathom", "optFathom", optFathom},
    {"mnuKm", "PopUpKM", "KM", "Amount of Kilo meter", "Amount of Kilo meter", "optKM", optKM},
    {"mnuLightyear", "PopUpLightyear", "Lightyear", "Amount of light year", "Amount of light year", "optLYear", optLYear},
    {"mnuM", "PopUpM", "M", "Amount of M", "Amount of M", "optM", optM},
    {"mnuMM", "PopUpMM", "MM", "Amount of MM", "Amount of MM", "optMM", optMM},
    {"mnuMicron", "PopUpMicron", "Micro Meter", "Amount of Micro Meter", "Amount of Micro Meter", "optMicroM", optMicroM},
    {"mnuParsec", "PopUpParsec", "Parsec", "Amount of Parsec", "Amount of Parsec", "optParsec", optParsec},
};

static_assert(std::size(units) <= std::size(kMenuBarOrder));

}  // namespace

WindowDesign makeDistanceDesign()
{
    return {
        .kind = ConversionKind::Distance,
        .name = "frmDistance",
        .caption = "TallimoDistance",
        .width = 6144,
        .collapsedHeight = 750,
        .expandedHeight = 3375,
        .convertLabelX = 1800,
        .resultX = 3120,
        .buttonsX = 4560,
        .unitMenuName = "mnuMeasurements",
        .unitMenuCaption = "&Measurements",
        .popupCaption = "PopUpMenu",
        .popupUnitMenuName = "Popupmeasurement",
        .popupUnitMenuCaption = "&Measurement",
        .popupExitCaption = "&Exit",
        .units = units,
        .popupOrder = std::span(kMenuBarOrder).first(std::size(units)),
        .unitChoiceClearsSend = true,
        .enablingCoversTextBoxes = false,
        .sendStaysSelected = false,
        .exitHides = false,
        .closingDefault = Answer::Yes,
    };
}

}  // namespace tallimo

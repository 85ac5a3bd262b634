#include "conversion/window_design.h"

namespace tallimo {

namespace {

constexpr TargetButton optCentiL[] = {
    {1, "Hectolitre", "Centilitre to hectolitre", 1, dividedBy(10000)},
    {2, "Dekalitre", "centilitre to dekalitre", 2, dividedBy(1000)},
    {3, "Litre", "Centilitre to litre", 3, dividedBy(100)},
    {4, "Cubic M", "cENTILITRE TO CUBIC METER", 4, dividedBy(100000)},
    {5, "Decilitre", "Centilitre to decilitre", 6, dividedBy(10)},
    {6, "Cubic CM", "centilitre to cubic centi meter", 5, times(10)},
};

constexpr TargetButton optCubicCM[] = {
    {0, "Cubic M", "Cubic centimeter to cubic meter", 3, dividedBy(1e6)},
    {1, "Hectolitre", "Cubic centimeter to hectolitre", 1, dividedBy(100000)},
    {2, "Dekalitre", "Cubic centimeter to dekalitre", 2, dividedBy(10000)},
    {3, "Litre", "Cubic centimeter to litre", 4, dividedBy(1000)},
    {4, "Decilitre", "Cubic centimeter to decilitre", 5, dividedBy(100)},
    {5, "Centilitre", "Cubic centimeter to centilitre", 6, dividedBy(10)},
};

constexpr TargetButton optCubicM[] = {
    {0, "Litre", "Cubic meter to litre", 3, times(1000)},
    {1, "Cubic CM", "Cibic meter to cubic centimeter", 4, times(1e6)},
    {2, "Decilitre", "Cubic meter to decilitre", 5, times(10000)},
    {3, "Dekalitre", "Cubic meter to dekalitre", 2, times(100)},
    {4, "Hectolitre", "Cibic meter to hectolitre", 1, times(10)},
    {6, "Centilitre", "Cubic meter to centilitre", 6, times(100000)},
};

constexpr TargetButton optDeciL[] = {
    {1, "Hecolitre", "Decilitre to hectolitre", 1, dividedBy(1000)},
    {2, "Dekalitre", "Decilitre to dekalitre", 2, dividedBy(100)},
    {3, "Litre", "Decilitre to litre", 4, dividedBy(10)},
    {4, "Cubic M", "Decilitre to cubic meter", 3, dividedBy(10000)},
    {5, "Centilitre", "Decilitre to centilitre", 6, times(10)},
    {6, "Cubic CM", "Decilitre to cubic centimeter", 5, times(100)},
};

constexpr TargetButton optDekaL[] = {
    {1, "Hectolitre", "Dekalitre to hectolitre", 1, dividedBy(10)},
    {2, "Litre", "dekalitre to litre", 3, times(10)},
    {3, "Cubic M", "Dekalitre to Cubic meter", 2, dividedBy(100)},
    {4, "Decilitre", "Dekalitre to decilitre", 5, times(100)},
    {5, "Centilitre", "Dekalitre to centilitre", 6, times(1000)},
    {6, "Cubic CM", "dekalitre to cubic centimeter", 4, times(10000)},
};

constexpr TargetButton optHectoL[] = {
    {1, "Dekalitre", "Hectolitre to dekalitre", 1, times(10)},
    {2, "Litre", "Hectolitre to litre", 3, times(100)},
    {3, "Cubic M", "Hectolitre to cubic meter", 2, dividedBy(10)},
    {4, "Decilitre", "hectolitre to decilitre", 5, times(1000)},
    {5, "Centilitre", "Hectolitre to centilitre", 6, times(10000)},
    {6, "Cubic CM", "Hectolitre to cubic centimeter", 4, times(100000)},
};

constexpr TargetButton optLitre[] = {
    {0, "Cubic M", "Litre to cubic meter", 3, dividedBy(1000)},
    {1, "Cubic CM", "Litre to cubic centimeter", 4, times(1000)},
    {2, "Decilitre", "Litre to decilitre", 5, times(10)},
    {3, "Dekalitre", "litre to dekalitre", 2, dividedBy(10)},
    {4, "Hectolitre", "Litre to hectolitre", 1, dividedBy(100)},
    {6, "Centilitre", "Litre to centilitre", 6, times(100)},
};

constexpr SourceUnit units[] = {
    {"mnucentilitre", "PopUpCentilitre", "Centilitre", "Amount of CentiLitre", "Amount of CentiLitre", "optCentiL", optCentiL},
    {"mnuCubicCM", "PopUpCubicCM", "Cubic CM", "Amount of Cubic CM", "Amount of Cubic CM", "optCubicCM", optCubicCM},
    {"mnuCubicM", "PopUpCubicM", "Cubic M", "Amount of Cubic M", "Amount of Cubic M", "optCubicM", optCubicM},
    {"mnuDecilitre", "PopUpDecilitre", "Decilitre", "Amount of DeciLitre", "Amount of DeciLitre", "optDeciL", optDeciL},
    {"mnuDekalitre", "PopUpDekalitre", "Dekalitre", "Amount of DekaLitre", "Amount of DekaLitre", "optDekaL", optDekaL},
    {"mnuHectoloitre", "PopUphectolitre", "Hectolitre", "Amount of HectoLitre", "Amount of HectoLitre", "optHectoL", optHectoL},
    {"mnuLitre", "PopUpLitre", "Litre", "Amount of Litre", "Amount of Litre", "optLitre", optLitre},
};

static_assert(std::size(units) <= std::size(kMenuBarOrder));

}  // namespace

WindowDesign makeVolumeDesign()
{
    return {
        .kind = ConversionKind::Volume,
        .name = "frmVolume",
        .caption = "TallimoVolume",
        .width = 6384,
        .collapsedHeight = 750,
        .expandedHeight = 3370,
        .convertLabelX = 1680,
        .resultX = 3360,
        .buttonsX = 4800,
        .unitMenuName = "mnuMeasurement",
        .unitMenuCaption = "&Measurement",
        .popupCaption = "PopUpMenu",
        .popupUnitMenuName = "PopUpMeasurement",
        .popupUnitMenuCaption = "Measurement",
        .popupExitCaption = "Exit",
        .units = units,
        .popupOrder = std::span(kMenuBarOrder).first(std::size(units)),
        .unitChoiceClearsSend = false,
        .enablingCoversTextBoxes = false,
        .sendStaysSelected = false,
        .exitHides = true,
        .closingDefault = Answer::No,
    };
}

}  // namespace tallimo

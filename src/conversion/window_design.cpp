#include "conversion/window_design.h"

namespace tallimo {

namespace {

constexpr int inMenuOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
// The weight popup lists the microgram before the milligram.
constexpr int weightPopupOrder[] = {0, 1, 2, 3, 4, 6, 5, 7};

WindowDesign makeDistance()
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
        .units = distanceUnits(),
        .popupOrder = std::span<const int>(inMenuOrder, distanceUnits().size()),
        .unitChoiceClearsSend = true,
        .enablingCoversTextBoxes = false,
        .sendStaysSelected = false,
        .exitHides = false,
        .closingDefault = Answer::Yes,
    };
}

WindowDesign makeVolume()
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
        .units = volumeUnits(),
        .popupOrder = std::span<const int>(inMenuOrder, volumeUnits().size()),
        .unitChoiceClearsSend = false,
        .enablingCoversTextBoxes = false,
        .sendStaysSelected = false,
        .exitHides = true,
        .closingDefault = Answer::No,
    };
}

WindowDesign makeWeight()
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
        .units = weightUnits(),
        .popupOrder = weightPopupOrder,
        .unitChoiceClearsSend = true,
        .enablingCoversTextBoxes = true,
        .sendStaysSelected = true,
        .exitHides = false,
        .closingDefault = Answer::No,
    };
}

}  // namespace

const WindowDesign& designOf(ConversionKind kind)
{
    switch (kind) {
    case ConversionKind::Volume: {
        static const WindowDesign volume = makeVolume();
        return volume;
    }
    case ConversionKind::Weight: {
        static const WindowDesign weight = makeWeight();
        return weight;
    }
    case ConversionKind::Distance: break;
    }
    static const WindowDesign distance = makeDistance();
    return distance;
}

}  // namespace tallimo

#pragma once
// What tells the distance, volume and weight windows apart: names, captions, sizes,
// positions, units and the few places where they behave differently.

#include "common/conversion_kinds.h"
#include "common/prompter.h"
#include "conversion/units.h"

#include <span>
#include <string_view>

namespace tallimo {

struct WindowDesign {
    ConversionKind kind;
    std::string_view name;      // frmDistance
    std::string_view caption;   // TallimoDistance

    // Sizes and positions in twips. The window opens collapsed, showing only its title
    // and menu bar; choosing a unit opens it to its full height.
    int width;
    int collapsedHeight;
    int expandedHeight;
    int convertLabelX;   // lblConvert
    int resultX;         // lblResult and txtOutput
    int buttonsX;        // optReset, optSendCalc and the keypad's left column

    // Menus: the unit menu on the bar, the hidden popup, its unit submenu and Exit.
    std::string_view unitMenuName;
    std::string_view unitMenuCaption;
    std::string_view popupCaption;
    std::string_view popupUnitMenuName;
    std::string_view popupUnitMenuCaption;
    std::string_view popupExitCaption;

    std::span<const SourceUnit> units;   // in the menu bar's order
    std::span<const int> popupOrder;     // positions in `units`, in the popup's order

    // Where the three windows part ways.
    bool unitChoiceClearsSend;        // otherwise it clears Reset and empties the result
    bool enablingCoversTextBoxes;     // the amount rule also enables both text boxes
    bool sendStaysSelected;           // after a successful send
    bool exitHides;                   // Exit answered Yes hides instead of closing
    Answer closingDefault;            // default button of the closing question
};

const WindowDesign& designOf(ConversionKind kind);

// Each window's own design, with its units, in conversion/<kind>_window.cpp:
// makeDistanceDesign() and so on.
#define TALLIMO_DECLARE_DESIGN(kind, letter, extra) WindowDesign make##kind##Design();
TALLIMO_CONVERSION_WINDOWS(TALLIMO_DECLARE_DESIGN, )
#undef TALLIMO_DECLARE_DESIGN

// Positions 0, 1, 2 and on: a popup that lists the units in the menu bar's order.
inline constexpr int kMenuBarOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

// Layout shared by all three windows, in twips.
namespace layout {
constexpr int labelY = 120;
constexpr int inputX = 240;
constexpr int boxY = 600;
constexpr int boxWidth = 1215;
constexpr int boxHeight = 885;
constexpr int targetX = 1680;
constexpr int firstRowY = 600;
constexpr int rowStep = 240;
constexpr int resetY = 120;
constexpr int sendY = 360;
constexpr int keySize = 375;
constexpr int keyColumnStep = 360;
constexpr int keyRowY[] = {960, 1320, 1680, 2040};
}  // namespace layout

}  // namespace tallimo

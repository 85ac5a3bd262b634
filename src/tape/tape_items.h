#pragma once
// The menu items that follow the open tape, in named groups of menu-bar and popup
// twins, and the tape opened with its items: what Open and the recovered copy share.

#include "common/main_controls.h"
#include "tape/tape.h"

#include <array>
#include <string_view>

namespace tallimo {

inline constexpr std::array kTapeEditItems{
    Control::mnuCut,  Control::mnuCopy,   Control::mnuPaste,  Control::PopUpCut,      Control::PopUpCopy,
    Control::PopUpPaste, Control::mnuBold, Control::mnuItalic, Control::mnuUnderline, Control::mnuColor,
    Control::PopUpBold, Control::PopUpItalic, Control::PopUpUnderline, Control::PopUpColor};
inline constexpr std::array kSaveAndPrintItems{Control::mnuSave, Control::PopUpSave, Control::mnuPrint,
                                               Control::PopUpprint};
inline constexpr std::array kStyleItems{Control::mnuStyle, Control::PopUpStyle};
inline constexpr std::array kCloseItems{Control::mnuClose, Control::PopUpClose};
// Everything an open tape allows, Style included: enabled by Open, disabled by Close.
inline constexpr auto kAllTapeItems = join(kStyleItems, kSaveAndPrintItems, kCloseItems, kTapeEditItems);

// Shows `text` on the tape as Open does: the tape in view on the tall window, with
// the Results items and every tape item enabled.
void showOpenedTape(MainControls& controls, Tape& tape, std::string_view text);

}  // namespace tallimo

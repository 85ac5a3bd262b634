#pragma once
// The menu items that follow the open page, in named groups of menu-bar and popup
// twins.

#include "common/main_controls.h"

#include <array>

namespace tallimo {

inline constexpr std::array kPageEditItems{
    Control::mnuCut,  Control::mnuCopy,   Control::mnuPaste,  Control::PopUpCut,      Control::PopUpCopy,
    Control::PopUpPaste, Control::mnuBold, Control::mnuItalic, Control::mnuUnderline, Control::mnuColor,
    Control::PopUpBold, Control::PopUpItalic, Control::PopUpUnderline, Control::PopUpColor};
inline constexpr std::array kSaveAndPrintItems{Control::mnuSave, Control::PopUpSave, Control::mnuPrint,
                                               Control::PopUpprint};
inline constexpr std::array kStyleItems{Control::mnuStyle, Control::PopUpStyle};
inline constexpr std::array kCloseItems{Control::mnuClose, Control::PopUpClose};

}  // namespace tallimo

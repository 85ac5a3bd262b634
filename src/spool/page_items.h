#pragma once
// The menu items that follow the open page, in named groups of menu-bar and popup
// twins, and the page opened with its items: what Open and the recovered copy share.

#include "common/main_controls.h"
#include "spool/spool.h"

#include <array>
#include <string_view>

namespace tallimo {

inline constexpr std::array kPageEditItems{
    Control::mnuCut,  Control::mnuCopy,   Control::mnuPaste,  Control::PopUpCut,      Control::PopUpCopy,
    Control::PopUpPaste, Control::mnuBold, Control::mnuItalic, Control::mnuUnderline, Control::mnuColor,
    Control::PopUpBold, Control::PopUpItalic, Control::PopUpUnderline, Control::PopUpColor};
inline constexpr std::array kSaveAndPrintItems{Control::mnuSave, Control::PopUpSave, Control::mnuPrint,
                                               Control::PopUpprint};
inline constexpr std::array kStyleItems{Control::mnuStyle, Control::PopUpStyle};
inline constexpr std::array kCloseItems{Control::mnuClose, Control::PopUpClose};
// Everything an open page allows, Style included: enabled by Open, disabled by Close.
inline constexpr auto kAllPageItems = join(kStyleItems, kSaveAndPrintItems, kCloseItems, kPageEditItems);

// Shows `text` on the page as Open does: the page in view on the tall window, with
// the Results items and every page item enabled.
void showOpenedPage(MainControls& controls, Spool& spool, std::string_view text);

}  // namespace tallimo

#pragma once
// The menu entries of the main window that open each conversion window, in the
// order the CONVERSIONS menu and the popup's Conversions submenu list them.

#include "common/conversion_kinds.h"
#include "common/main_controls.h"

namespace tallimo {

struct ConversionEntry {
    ConversionKind kind;
    const char* caption;  // of both entries
    char ctrlLetter;      // the menu-bar entry's shortcut, Ctrl and this capital
    MenuPair entries;
};

inline constexpr ConversionEntry kConversionEntries[] = {
#define TALLIMO_CONVERSION_ENTRY(kind, letter, extra)                                                          \
    {ConversionKind::kind, #kind, letter, {Control::mnu##kind, Control::PopUp##kind}},
    TALLIMO_CONVERSION_WINDOWS(TALLIMO_CONVERSION_ENTRY, )
#undef TALLIMO_CONVERSION_ENTRY
};

constexpr MenuPair conversionEntries(ConversionKind kind) { return kConversionEntries[indexOf(kind)].entries; }

}  // namespace tallimo

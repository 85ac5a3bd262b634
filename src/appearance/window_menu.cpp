#include "appearance/window_menu.h"

#include "common/conversion_entries.h"

namespace tallimo {

namespace {

using C = Control;

}  // namespace

void WindowMenu::openConversion(ConversionKind kind)
{
    windows_.showConversion(kind);
    controls_.enable(conversionEntries(kind), false);
}

void WindowMenu::openColourMixer(MenuOrigin origin)
{
    windows_.showColourMixer();
    if (origin == MenuOrigin::MenuBar) controls_.enableMenuPair(C::mnuColour, C::PopUpColour, false);
}

void WindowMenu::releaseColourMixer() { controls_.enableMenuPair(C::mnuColour, C::PopUpColour, true); }

}  // namespace tallimo

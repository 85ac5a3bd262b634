#include "appearance/window_menu.h"

namespace tallimo {

namespace {

using C = Control;

struct EntryPair {
    Control bar;
    Control popup;
};

EntryPair entriesOf(ConversionKind kind)
{
    switch (kind) {
    case ConversionKind::Distance: return {C::mnuDistance, C::PopUpDistance};
    case ConversionKind::Volume: return {C::mnuVolume, C::PopUpVolume};
    case ConversionKind::Weight: return {C::mnuWeight, C::PopUpWeight};
    }
    return {C::mnuDistance, C::PopUpDistance};
}

}  // namespace

void WindowMenu::openConversion(ConversionKind kind)
{
    windows_.showConversion(kind);
    const EntryPair entries = entriesOf(kind);
    controls_.enableMenuPair(entries.bar, entries.popup, false);
}

void WindowMenu::openColourMixer(MenuOrigin origin)
{
    windows_.showColourMixer();
    if (origin == MenuOrigin::MenuBar) controls_.enableMenuPair(C::mnuColour, C::PopUpColour, false);
}

void WindowMenu::releaseColourMixer() { controls_.enableMenuPair(C::mnuColour, C::PopUpColour, true); }

}  // namespace tallimo

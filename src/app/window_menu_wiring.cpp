#include "app/wiring.h"

namespace tallimo::app {

void wireWindowMenu(ui::MainWindow& window, WindowMenu& menu)
{
    using C = Control;
    WindowMenu* m = &menu;
    const std::pair<std::pair<C, C>, ConversionKind> conversions[] = {
        {{C::mnuDistance, C::PopUpDistance}, ConversionKind::Distance},
        {{C::mnuVolume, C::PopUpVolume}, ConversionKind::Volume},
        {{C::mnuWeight, C::PopUpWeight}, ConversionKind::Weight},
    };
    for (const auto& [items, kind] : conversions) {
        for (C item : {items.first, items.second}) window.onClick(item, [m, k = kind] { m->openConversion(k); });
    }
    window.onClick(C::mnuColour, [m] { m->openColourMixer(MenuOrigin::MenuBar); });
    window.onClick(C::PopUpColour, [m] { m->openColourMixer(MenuOrigin::Popup); });
    window.onClick(C::mnuABOUT, [m] { m->openAbout(); });
}

}  // namespace tallimo::app

#include "app/wiring.h"

#include "common/conversion_entries.h"

namespace tallimo::app {

void wireWindowMenu(ui::MainWindow& window, WindowMenu& menu)
{
    using C = Control;
    WindowMenu* m = &menu;
    for (ConversionKind kind : kConversionKinds) {
        const MenuPair entries = conversionEntries(kind);
        for (C item : {entries.bar, entries.popup}) window.onClick(item, [m, kind] { m->openConversion(kind); });
    }
    window.onClick(C::mnuColour, [m] { m->openColourMixer(MenuOrigin::MenuBar); });
    window.onClick(C::PopUpColour, [m] { m->openColourMixer(MenuOrigin::Popup); });
    window.onClick(C::mnuABOUT, [m] { m->openAbout(); });
}

}  // namespace tallimo::app

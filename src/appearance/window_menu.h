#pragma once
// The menu entries that open the other windows: Distance, Volume, Weight and Colour
// under CONVERSIONS, and ABOUT. An open window's entries stay disabled until it
// gives them back, so it is never opened twice from the menu bar.

#include "common/calculator_entry.h"
#include "common/main_controls.h"
#include "common/menu_origin.h"

namespace tallimo {

// The windows the main window shows; implemented by the view.
class ChildWindows {
public:
    virtual ~ChildWindows() = default;
    virtual void showConversion(ConversionKind kind) = 0;
    // Not modal; shows the open mixer again when it is already open.
    virtual void showColourMixer() = 0;
    // Modal: returns when the about box is closed.
    virtual void showAbout() = 0;
};

class WindowMenu {
public:
    WindowMenu(MainControls& controls, ChildWindows& windows) : controls_(controls), windows_(windows) {}

    // Shows the window and disables its two entries; the window enables them again
    // when it closes (CalculatorEntry::enableConversionEntries).
    void openConversion(ConversionKind kind);
    // From the menu bar the two Colour entries are disabled; from the popup they
    // keep their state.
    void openColourMixer(MenuOrigin origin);
    // The mixer's closing and its Exit give both Colour entries back.
    void releaseColourMixer();
    void openAbout() { windows_.showAbout(); }

private:
    MainControls& controls_;
    ChildWindows& windows_;
};

}  // namespace tallimo

#pragma once
// The four colour schemes. A scheme colours the backgrounds of the main window,
// frmDistance, frmVolume, frmWeight, frmColour and frmRunningTotal, and of
// pctBackGround; the about box keeps its own. The colour in force is kept here so
// that a window opened later shows it too.

#include "appearance/colour.h"
#include "common/main_controls.h"

namespace tallimo {

inline constexpr int kSchemeCount = 4;
inline constexpr int kStartScheme = 3;

// The colour of scheme 1 to 4: dark green, red, black, yellow.
Colour schemeColour(int scheme);

class ColourSchemes {
public:
    explicit ColourSchemes(MainControls& controls) : controls_(controls) {}

    // Scheme 1 to 4 from either menu: its colour, and its check mark in both menus.
    void choose(int scheme);
    Colour colour() const { return colour_; }
    int scheme() const { return scheme_; }

private:
    MainControls& controls_;
    int scheme_ = kStartScheme;
    Colour colour_ = schemeColour(kStartScheme);
};

}  // namespace tallimo

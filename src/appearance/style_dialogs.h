#pragma once
// The font and colour dialogs: each returns nothing when the user cancels.

#include "appearance/colour.h"
#include "appearance/tape_style.h"

#include <optional>

namespace tallimo {

class FontDialog {
public:
    virtual ~FontDialog() = default;
    // Screen and printer fonts are both offered.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& current) = 0;
};

class ColourDialog {
public:
    virtual ~ColourDialog() = default;
    virtual std::optional<Colour> chooseColour(Colour current) = 0;
};

}  // namespace tallimo

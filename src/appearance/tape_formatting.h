#pragma once
// The FONT menu: Style, Colour, Bold, Italic and Underline (menu bar and popup alike).

#include "appearance/style_dialogs.h"
#include "appearance/tape_style.h"
#include "common/main_controls.h"

namespace tallimo {

class TapeFormatting {
public:
    TapeFormatting(MainControls& controls, TapeStyle& tape, FontDialog& fonts, ColourDialog& colours)
        : controls_(controls), tape_(tape), fonts_(fonts), colours_(colours)
    {
    }

    // The tape's own font, not the selection's; a cancel leaves it as it was.
    void chooseFont();
    // The selection's colour; a cancel leaves it as it was.
    void chooseColour();
    // Removes the attribute when the whole selection has it, else gives it to all of
    // the selection; the menu bar's check mark tells which was done last.
    void toggle(FontAttribute attribute);

private:
    MainControls& controls_;
    TapeStyle& tape_;
    FontDialog& fonts_;
    ColourDialog& colours_;
    Colour lastColour_ = kBlack;  // the colour dialog opens on the last one chosen
};

}  // namespace tallimo

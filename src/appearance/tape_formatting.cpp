#include "appearance/tape_formatting.h"

namespace tallimo {

namespace {

Control checkMarkOf(FontAttribute attribute)
{
    switch (attribute) {
    case FontAttribute::Bold: return Control::mnuBold;
    case FontAttribute::Italic: return Control::mnuItalic;
    case FontAttribute::Underline: return Control::mnuUnderline;
    }
    return Control::mnuBold;
}

}  // namespace

void TapeFormatting::chooseFont()
{
    if (const auto font = fonts_.chooseFont(tape_.font())) tape_.setFont(*font);
}

void TapeFormatting::chooseColour()
{
    const auto colour = colours_.chooseColour(lastColour_);
    if (!colour) return;
    lastColour_ = *colour;
    tape_.setSelectionColour(*colour);
}

void TapeFormatting::toggle(FontAttribute attribute)
{
    const bool on = !tape_.wholeSelectionHas(attribute);
    tape_.setOnSelection(attribute, on);
    controls_.check(checkMarkOf(attribute), on);
}

}  // namespace tallimo

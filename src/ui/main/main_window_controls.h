#pragma once
// The controls of the main window as they were designed: kind, caption, tooltip,
// place and the name a screen reader says. The names themselves are the core's.

#include "common/main_controls.h"
#include "ui/twips.h"

#include <span>

namespace tallimo::ui {

enum class ControlKind {
    Background,  // pctBackGround: the window's colour and its popup menu
    Frame,
    Picture,
    Button,
    DisplayBox,  // the input and output boxes: filled by the calculator only
    TextBox,
    OptionButton,
    CheckBox,
    Tape,
};

struct ControlDesign {
    Control control;
    ControlKind kind;
    const char* caption;
    const char* tooltip;
    TwipsRect place;
    const char* accessibleName;
};

// Back to front: the background first, then the frames, then what sits on them.
std::span<const ControlDesign> mainWindowDesign();

}  // namespace tallimo::ui

#pragma once
// The tape's formatting as the FONT menu changes it. The text box owns the
// formatting; the core only asks and sets through this port.

#include "appearance/colour.h"

#include <string>

namespace tallimo {

enum class FontAttribute { Bold, Italic, Underline };

struct FontChoice {
    std::string family;
    double pointSize = 0;
    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

class TapeStyle {
public:
    virtual ~TapeStyle() = default;
    // True when every character of the selection has the attribute; with nothing
    // selected, whether text typed at the caret would have it.
    virtual bool wholeSelectionHas(FontAttribute attribute) const = 0;
    virtual void setOnSelection(FontAttribute attribute, bool on) = 0;
    virtual void setSelectionColour(Colour colour) = 0;
    // The text box's own font, under any formatting of the selection.
    virtual FontChoice font() const = 0;
    virtual void setFont(const FontChoice& font) = 0;
};

}  // namespace tallimo

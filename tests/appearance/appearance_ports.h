#pragma once
// Stand-ins for the tape's formatting, the font and colour dialogs, the clock and
// the windows the main window shows.

#include "appearance/clock.h"
#include "appearance/style_dialogs.h"
#include "appearance/tape_style.h"
#include "appearance/window_menu.h"

#include <string>
#include <vector>

namespace tallimo::testing {

// A tape of `length` characters, each with its own formatting, and a selection.
class FormattedTape : public TapeStyle {
public:
    struct Format {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        Colour colour = kBlack;
    };

    explicit FormattedTape(std::size_t length) : characters(length) {}

    void select(std::size_t from, std::size_t to)
    {
        start = from;
        end = to;
    }

    bool wholeSelectionHas(FontAttribute attribute) const override
    {
        if (start == end) return has(caret, attribute);
        for (std::size_t i = start; i < end; ++i)
            if (!has(characters[i], attribute)) return false;
        return true;
    }
    void setOnSelection(FontAttribute attribute, bool on) override
    {
        if (start == end) set(caret, attribute, on);
        for (std::size_t i = start; i < end; ++i) set(characters[i], attribute, on);
    }
    void setSelectionColour(Colour colour) override
    {
        if (start == end) caret.colour = colour;
        for (std::size_t i = start; i < end; ++i) characters[i].colour = colour;
    }
    FontChoice font() const override { return boxFont; }
    void setFont(const FontChoice& font) override { boxFont = font; }

    // The characters' values of one attribute, "1" for set, as in "0110".
    std::string pattern(FontAttribute attribute) const
    {
        std::string out;
        for (const Format& f : characters) out += has(f, attribute) ? '1' : '0';
        return out;
    }

    std::vector<Format> characters;
    Format caret;  // what typing at the caret would give
    std::size_t start = 0;
    std::size_t end = 0;
    FontChoice boxFont{"Sans", 10};

private:
    static bool has(const Format& f, FontAttribute a)
    {
        return a == FontAttribute::Bold ? f.bold : a == FontAttribute::Italic ? f.italic : f.underline;
    }
    static void set(Format& f, FontAttribute a, bool on)
    {
        (a == FontAttribute::Bold ? f.bold : a == FontAttribute::Italic ? f.italic : f.underline) = on;
    }
};

class ScriptedStyleDialogs : public FontDialog, public ColourDialog {
public:
    std::optional<FontChoice> chooseFont(const FontChoice& current) override
    {
        fontShownWith = current;
        return fontChoice;
    }
    std::optional<Colour> chooseColour(Colour current) override
    {
        colourShownWith = current;
        return colourChoice;
    }

    std::optional<FontChoice> fontChoice;  // nothing is a cancel
    std::optional<Colour> colourChoice;
    std::optional<FontChoice> fontShownWith;
    std::optional<Colour> colourShownWith;
};

class SetClock : public Clock {
public:
    std::string timeText() const override { return time; }
    std::string shortDateText() const override { return date; }
    std::string time = "09:00:00";
    std::string date = "01/02/2026";
};

class RecordingWindows : public ChildWindows {
public:
    void showConversion(ConversionKind kind) override { shown.push_back(static_cast<int>(kind)); }
    void showColourMixer() override { shown.push_back(kMixer); }
    void showAbout() override { shown.push_back(kAbout); }

    static constexpr int kMixer = 10;
    static constexpr int kAbout = 11;
    std::vector<int> shown;  // conversions by their kind's number
};

}  // namespace tallimo::testing

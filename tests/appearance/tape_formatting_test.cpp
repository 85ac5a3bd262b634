// The FONT menu on the tape: Bold, Italic and Underline on the selection with the
// menu bar's check marks, the selection's colour and the tape's font.

#include "appearance/appearance_ports.h"
#include "appearance/tape_formatting.h"

#include <gtest/gtest.h>

namespace tallimo::testing {
namespace {

using C = Control;

class TapeFormattingTest : public ::testing::Test {
protected:
    MainControls controls;
    FormattedTape tape{4};
    ScriptedStyleDialogs dialogs;
    TapeFormatting formatting{controls, tape, dialogs, dialogs};
};

TEST_F(TapeFormattingTest, AttributeIsGivenToAllOfASelectionUnlessAllHaveIt)
{
    struct Case {
        FontAttribute attribute;
        Control checkMark;
        const char* before;  // the four characters' attribute; the middle two are selected
        const char* after;
        bool checked;
    };
    const Case cases[] = {
        {FontAttribute::Bold, C::mnuBold, "0000", "0110", true},
        {FontAttribute::Bold, C::mnuBold, "0100", "0110", true},  // partly bold becomes bold
        {FontAttribute::Bold, C::mnuBold, "1111", "1001", false},
        {FontAttribute::Italic, C::mnuItalic, "0010", "0110", true},
        {FontAttribute::Italic, C::mnuItalic, "0110", "0000", false},
        {FontAttribute::Underline, C::mnuUnderline, "1000", "1110", true},
        {FontAttribute::Underline, C::mnuUnderline, "0111", "0001", false},
    };
    for (const Case& c : cases) {
        for (std::size_t i = 0; i < 4; ++i) {
            tape.characters[i] = {};
            const bool on = c.before[i] == '1';
            if (c.attribute == FontAttribute::Bold) tape.characters[i].bold = on;
            if (c.attribute == FontAttribute::Italic) tape.characters[i].italic = on;
            if (c.attribute == FontAttribute::Underline) tape.characters[i].underline = on;
        }
        tape.select(1, 3);
        controls.check(c.checkMark, !c.checked);
        formatting.toggle(c.attribute);
        EXPECT_EQ(tape.pattern(c.attribute), c.after) << controlName(c.checkMark) << " on " << c.before;
        EXPECT_EQ(controls.checked(c.checkMark), c.checked) << controlName(c.checkMark) << " on " << c.before;
    }
}

TEST_F(TapeFormattingTest, BoldTwiceOnABoldSelectionRemovesAndRestoresItWithTheCheckMark)
{
    for (auto& character : tape.characters) character.bold = true;
    tape.select(0, 4);
    controls.check(C::mnuBold);
    formatting.toggle(FontAttribute::Bold);
    EXPECT_EQ(tape.pattern(FontAttribute::Bold), "0000");
    EXPECT_FALSE(controls.checked(C::mnuBold));
    formatting.toggle(FontAttribute::Bold);
    EXPECT_EQ(tape.pattern(FontAttribute::Bold), "1111");
    EXPECT_TRUE(controls.checked(C::mnuBold));
    EXPECT_FALSE(controls.checked(C::PopUpBold));
    EXPECT_EQ(tape.pattern(FontAttribute::Italic), "0000");
}

TEST_F(TapeFormattingTest, ColourGoesToTheSelectionAndTheDialogOpensOnTheLastChoice)
{
    tape.select(2, 4);
    dialogs.colourChoice = Colour::fromNumber(255);
    formatting.chooseColour();
    EXPECT_EQ(dialogs.colourShownWith, kBlack);
    EXPECT_EQ(tape.characters[1].colour, kBlack);
    EXPECT_EQ(tape.characters[2].colour, Colour::fromNumber(255));
    EXPECT_EQ(tape.characters[3].colour, Colour::fromNumber(255));

    tape.select(0, 1);
    dialogs.colourChoice = Colour{0, 128, 0};
    formatting.chooseColour();
    EXPECT_EQ(dialogs.colourShownWith, Colour::fromNumber(255));
    EXPECT_EQ(tape.characters[0].colour, (Colour{0, 128, 0}));
}

TEST_F(TapeFormattingTest, CancelledDialogsChangeNothing)
{
    tape.characters[0].colour = Colour{1, 2, 3};
    tape.select(0, 2);
    formatting.chooseColour();
    formatting.chooseFont();
    EXPECT_EQ(tape.characters[0].colour, (Colour{1, 2, 3}));
    EXPECT_EQ(tape.characters[1].colour, kBlack);
    EXPECT_EQ(tape.boxFont, (FontChoice{"Sans", 10}));
}

TEST_F(TapeFormattingTest, StyleSetsTheTapesFontFromTheDialogOpenedOnIt)
{
    dialogs.fontChoice = FontChoice{"Serif", 14.5};
    formatting.chooseFont();
    EXPECT_EQ(dialogs.fontShownWith, (FontChoice{"Sans", 10}));
    EXPECT_EQ(tape.boxFont, (FontChoice{"Serif", 14.5}));
}

}  // namespace
}  // namespace tallimo::testing

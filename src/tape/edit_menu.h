#pragma once
// The tape's change reaction and the Edit menu's Copy, Cut and Paste (menu bar and
// popup alike). Wipe clears calculator values and lives with the calculator.

#include "common/main_controls.h"
#include "common/prompter.h"
#include "tape/clipboard.h"
#include "tape/tape.h"

namespace tallimo {

// The 20 document items that follow the tape: enabled while a tape is open and
// holds text, with Close as well; disabled otherwise (Close left alone).
void applyTapeChange(MainControls& controls, const Tape& tape);

class EditMenu {
public:
    EditMenu(Tape& tape, Clipboard& clipboard, Prompter& prompter)
        : tape_(tape), clipboard_(clipboard), prompter_(prompter)
    {
    }

    void copy();
    void cut();
    void paste();

private:
    Tape& tape_;
    Clipboard& clipboard_;
    Prompter& prompter_;
};

}  // namespace tallimo

#pragma once
// The tape's change reaction and the Edit menu's Copy, Cut and Paste (menu bar and
// popup alike). Wipe clears calculator values and lives with the calculator.

#include "common/main_controls.h"
#include "common/prompter.h"
#include "spool/clipboard.h"
#include "spool/spool.h"

namespace tallimo {

// The 20 document items that follow the tape: enabled while a page is open and
// holds text, with Close as well; disabled otherwise (Close left alone).
void applySpoolChange(MainControls& controls, const Spool& spool);

class EditMenu {
public:
    EditMenu(Spool& spool, Clipboard& clipboard, Prompter& prompter)
        : spool_(spool), clipboard_(clipboard), prompter_(prompter)
    {
    }

    void copy();
    void cut();
    void paste();

private:
    Spool& spool_;
    Clipboard& clipboard_;
    Prompter& prompter_;
};

}  // namespace tallimo

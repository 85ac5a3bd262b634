#include "tape/edit_menu.h"

#include "common/messages.h"
#include "tape/tape_items.h"

namespace tallimo {

void applyTapeChange(MainControls& controls, const Tape& tape)
{
    const bool on = !tape.isEmpty() && controls.visible(Control::txtSpool);
    controls.enable(join(kSaveAndPrintItems, kStyleItems, kTapeEditItems), on);
    if (on) controls.enable(kCloseItems);
}

void EditMenu::copy() { clipboard_.setText(tape_.selectedText()); }

void EditMenu::cut()
{
    clipboard_.clear();
    const std::string selection = tape_.selectedText();
    clipboard_.setText(selection);
    // Cutting nothing leaves the tape as it is, without a change to react to.
    if (!selection.empty()) tape_.replaceSelection("");
}

void EditMenu::paste()
{
    if (const auto text = clipboard_.text()) {
        tape_.append(*text);
    } else {
        prompter_.ask(notice(MsgClipboardInvalid()));
    }
}

}  // namespace tallimo

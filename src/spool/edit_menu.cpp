#include "spool/edit_menu.h"

#include "common/messages.h"
#include "spool/page_items.h"

namespace tallimo {

void applySpoolChange(MainControls& controls, const Spool& spool)
{
    const bool on = !spool.isEmpty() && controls.visible(Control::txtSpool);
    controls.enable(join(kSaveAndPrintItems, kStyleItems, kPageEditItems), on);
    if (on) controls.enable(kCloseItems);
}

void EditMenu::copy() { clipboard_.setText(spool_.selectedText()); }

void EditMenu::cut()
{
    clipboard_.clear();
    const std::string selection = spool_.selectedText();
    clipboard_.setText(selection);
    // Cutting nothing leaves the tape as it is, without a change to react to.
    if (!selection.empty()) spool_.replaceSelection("");
}

void EditMenu::paste()
{
    if (const auto text = clipboard_.text()) {
        spool_.append(*text);
    } else {
        prompter_.ask(notice(MsgClipboardInvalid()));
    }
}

}  // namespace tallimo

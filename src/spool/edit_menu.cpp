#include "spool/edit_menu.h"

#include "common/messages.h"

namespace tallimo {

void applySpoolChange(MainControls& controls, const Spool& spool)
{
    using C = Control;
    const bool on = !spool.isEmpty() && controls.visible(C::txtSpool);
    for (C item : {C::mnuPrint, C::PopUpprint, C::mnuSave, C::PopUpSave, C::mnuStyle, C::PopUpStyle}) {
        controls.enable(item, on);
    }
    if (on) controls.enableMenuPair(C::mnuClose, C::PopUpClose, true);
    for (C item : {C::mnuCut, C::mnuCopy, C::mnuPaste, C::PopUpCut, C::PopUpCopy, C::PopUpPaste, C::mnuBold,
                   C::mnuItalic, C::mnuUnderline, C::mnuColor, C::PopUpBold, C::PopUpItalic, C::PopUpUnderline,
                   C::PopUpColor}) {
        controls.enable(item, on);
    }
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

#include "ui/main/main_window_menus.h"

#include "common/conversion_entries.h"

namespace tallimo::ui {

namespace {

using C = Control;

// A conversion entry's shortcut letter is its Qt key.
static_assert(Qt::Key_A == 'A' && Qt::Key_Z == 'Z');

// Only these carry a check mark: the style toggles of the bar and the schemes.
bool checkable(Control c)
{
    switch (c) {
    case C::mnuBold:
    case C::mnuItalic:
    case C::mnuUnderline:
    case C::mnuScheme1:
    case C::mnuScheme2:
    case C::mnuScheme3:
    case C::mnuScheme4:
    case C::PopUpScheme1:
    case C::PopUpScheme2:
    case C::PopUpScheme3:
    case C::PopUpScheme4: return true;
    default: return false;
    }
}

class MenuMaker {
public:
    explicit MenuMaker(ActionTable& actions) : actions_(actions) {}

    QMenu* menu(QWidget* owner, const char* name, const char* title)
    {
        auto* m = new QMenu(QString::fromUtf8(title), owner);
        m->setObjectName(QString::fromUtf8(name));
        return m;
    }

    QMenu* submenu(QMenu* parent, const char* name, const char* title)
    {
        QMenu* m = menu(parent, name, title);
        parent->addMenu(m);
        return m;
    }

    // `letter` is the Ctrl shortcut's key, or 0 for none.
    QAction* item(QWidget* menu, Control control, const char* caption, Qt::Key letter = Qt::Key(0))
    {
        auto* action = new QAction(QString::fromUtf8(caption), menu);
        const std::string_view name = controlName(control);
        action->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        // Built from the key, not parsed from text: parsing looks up translated key names.
        if (letter != 0) action->setShortcut(QKeySequence(Qt::CTRL | letter));
        action->setCheckable(checkable(control));
        menu->addAction(action);
        actions_[static_cast<std::size_t>(control)] = action;
        return action;
    }

private:
    ActionTable& actions_;
};

}  // namespace

void buildMenuBar(QMenuBar& bar, ActionTable& actions)
{
    MenuMaker make(actions);

    QMenu* file = make.menu(&bar, "mnuFile", "&FILE");
    make.item(file, C::mnuNew, "New", Qt::Key_N);
    make.item(file, C::mnuOpen, "Open", Qt::Key_O);
    make.item(file, C::mnuClose, "Close", Qt::Key_L);
    make.item(file, C::mnuSave, "Save", Qt::Key_S);
    make.item(file, C::mnuPrint, "Print", Qt::Key_P);

    QMenu* edit = make.menu(&bar, "mnuEdit", "&EDIT");
    make.item(edit, C::mnuCopy, "Copy", Qt::Key_C);
    make.item(edit, C::mnuCut, "Cut", Qt::Key_X);
    make.item(edit, C::mnuPaste, "Paste", Qt::Key_V);
    make.item(edit, C::mnuWipe, "Wipe", Qt::Key_W);
    make.item(edit, C::mnuDestroy, "Destroy", Qt::Key_D);

    QMenu* font = make.menu(&bar, "mnuFont", "FON&T");
    make.item(font, C::mnuStyle, "Stlye", Qt::Key_Y);
    make.item(font, C::mnuColor, "Colour", Qt::Key_U);
    make.item(font, C::mnuBold, "Bold", Qt::Key_B);
    make.item(font, C::mnuItalic, "Italic", Qt::Key_I);
    make.item(font, C::mnuUnderline, "Underline", Qt::Key_F);

    QMenu* conversion = make.menu(&bar, "mnuConversion", "&CONVERSIONS");
    make.item(conversion, C::mnuColour, "Colour", Qt::Key_R);
    for (const ConversionEntry& window : kConversionEntries)
        make.item(conversion, window.entries.bar, window.caption, Qt::Key(window.ctrlLetter));

    QMenu* options = make.menu(&bar, "mnuOptions", "&OPTIONS");
    make.item(options, C::mnuDate, "Date       Hide/Show", Qt::Key_A);
    make.item(options, C::mnuTime, "Time      Hide/Show", Qt::Key_M);
    make.item(options, C::mnuResults, "Results   Hide/Show", Qt::Key_E);
    QMenu* schemes = make.submenu(options, "mnuColourSchemes", "Co&lourSchemes");
    make.item(schemes, C::mnuScheme1, "Scheme1");
    make.item(schemes, C::mnuScheme2, "Scheme2");
    make.item(schemes, C::mnuScheme3, "Scheme3");
    make.item(schemes, C::mnuScheme4, "Scheme4");

    for (QMenu* m : {file, edit, font, conversion, options}) bar.addMenu(m);
    make.item(&bar, C::mnuABOUT, "&ABOUT");
}

QMenu* buildPopupMenu(QWidget& window, ActionTable& actions)
{
    MenuMaker make(actions);
    QMenu* popup = make.menu(&window, "mnuPopUp", "PopupMenu");

    QMenu* file = make.submenu(popup, "PopUpFile", "File");
    make.item(file, C::PopUpNew, "New");
    make.item(file, C::PopUpOpen, "Open");
    make.item(file, C::PopUpClose, "Close");
    make.item(file, C::PopUpSave, "Save");
    make.item(file, C::PopUpprint, "Print");

    QMenu* edit = make.submenu(popup, "PopUpEdit", "Edit");
    make.item(edit, C::PopUpCut, "Cut");
    make.item(edit, C::PopUpCopy, "Copy");
    make.item(edit, C::PopUpPaste, "Paste");
    make.item(edit, C::PopUpWipe, "Wipe");
    make.item(edit, C::PopUpDestroy, "Destroy");

    QMenu* font = make.submenu(popup, "PopUpFont", "Font");
    make.item(font, C::PopUpStyle, "Style");
    make.item(font, C::PopUpColor, "Colour");
    make.item(font, C::PopUpBold, "Bold");
    make.item(font, C::PopUpItalic, "Italic");
    make.item(font, C::PopUpUnderline, "Underline");

    QMenu* conversions = make.submenu(popup, "PopUpConversions", "Conversions");
    make.item(conversions, C::PopUpColour, "Colour");
    for (const ConversionEntry& window : kConversionEntries)
        make.item(conversions, window.entries.popup, window.caption);

    QMenu* options = make.submenu(popup, "PopUpOptions", "Options");
    make.item(options, C::PopUpDate, "Date       Hide/Show");
    make.item(options, C::PopUpTime, "Time       Hide/Show");
    make.item(options, C::PopUpResults, "Results   Hide/Show");
    QMenu* schemes = make.submenu(options, "PopUpSchemes", "Schemes");
    make.item(schemes, C::PopUpScheme1, "Scheme1");
    make.item(schemes, C::PopUpScheme2, "Scheme2");
    make.item(schemes, C::PopUpScheme3, "Scheme3");
    make.item(schemes, C::PopUpScheme4, "Scheme4");

    return popup;
}

}  // namespace tallimo::ui

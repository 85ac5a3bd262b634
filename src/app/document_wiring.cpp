#include "app/wiring.h"

namespace tallimo::app {

void wireDocuments(ui::MainWindow& window, Documents& documents)
{
    using C = Control;
    Documents* d = &documents;
    window.onClick(C::mnuNew, [d] { d->newTape(MenuOrigin::MenuBar); });
    window.onClick(C::PopUpNew, [d] { d->newTape(MenuOrigin::Popup); });
    window.onClick(C::mnuSave, [d] { d->save(MenuOrigin::MenuBar); });
    window.onClick(C::PopUpSave, [d] { d->save(MenuOrigin::Popup); });
    for (C open : {C::mnuOpen, C::PopUpOpen}) window.onClick(open, [d] { d->open(); });
    for (C close : {C::mnuClose, C::PopUpClose}) window.onClick(close, [d] { d->close(); });
    for (C print : {C::mnuPrint, C::PopUpprint}) window.onClick(print, [d] { d->print(); });
}

}  // namespace tallimo::app

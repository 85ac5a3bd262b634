#include "app/wiring.h"

#include <QAbstractButton>

namespace tallimo::app {

void wireMemory(ui::MainWindow& window, Memory& memory)
{
    using C = Control;
    Memory* m = &memory;
    for (MemoryKey key : kMemoryKeys) window.onClick(controlOf(key), [m, key] { m->pressMemory(key); });
    window.onClick(C::cmdShift, [m] { m->pressShift(); });
    for (int i = 0; i < kCellCount; ++i) {
        window.onClick(sendButton(i), [m, i] { m->sendCell(i); });
        // The box has already taken the click's new state; the core records it.
        window.onClick(deleteBox(i), [m, i, w = &window] {
            m->checkDelete(i, static_cast<QAbstractButton*>(w->widget(deleteBox(i)))->isChecked());
        });
    }
    window.onClick(C::cmdDeleteMemory, [m] { m->deleteChecked(); });
    window.onClick(C::cmdCancel, [m] { m->cancelPanel(); });
}

}  // namespace tallimo::app

#include "app/wiring.h"

namespace tallimo::app {

void wireScientificKeys(ui::MainWindow& window, ScientificKeys& keys)
{
    ScientificKeys* k = &keys;
    for (int i : {0, 1, 2, 3, 4, 8, 9}) window.onClick(scientificKey(i), [k, i] { k->pressScientific(i); });
    for (int i = 0; i < 3; ++i) {
        window.onClick(member(Control::cmdLevel_0, i), [k, i] { k->pressLevel(i); });
        window.onClick(member(Control::cmdScientificDegree_0, i), [k, i] { k->pressTrig(i); });
    }
}

}  // namespace tallimo::app

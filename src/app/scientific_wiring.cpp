#include "app/wiring.h"

namespace tallimo::app {

void wireScientificKeys(ui::MainWindow& window, ScientificKeys& keys)
{
    ScientificKeys* k = &keys;
    for (Scientific key : kScientificKeys) window.onClick(controlOf(key), [k, key] { k->pressScientific(key); });
    for (AngleMode mode : kAngleModes) window.onClick(controlOf(mode), [k, mode] { k->pressLevel(mode); });
    for (TrigFunction f : kTrigFunctions) window.onClick(controlOf(f), [k, f] { k->pressTrig(f); });
}

}  // namespace tallimo::app

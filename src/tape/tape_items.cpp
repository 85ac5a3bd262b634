#include "tape/tape_items.h"

namespace tallimo {

void showOpenedTape(MainControls& controls, Tape& tape, std::string_view text)
{
    using C = Control;
    controls.enableMenuPair(C::mnuResults, C::PopUpResults, true);
    tape.setText(text);
    controls.show(C::txtSpool);
    controls.setHeight(WindowHeight::Tall);
    controls.enable(kAllTapeItems);
}

}  // namespace tallimo

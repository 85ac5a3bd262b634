#include "spool/page_items.h"

namespace tallimo {

void showOpenedPage(MainControls& controls, Spool& spool, std::string_view text)
{
    using C = Control;
    controls.enableMenuPair(C::mnuResults, C::PopUpResults, true);
    spool.setText(text);
    controls.show(C::txtSpool);
    controls.setHeight(WindowHeight::Tall);
    controls.enable(kAllPageItems);
}

}  // namespace tallimo

#include "appearance/display_options.h"

namespace tallimo {

void DisplayOptions::toggleResults()
{
    const bool grow = controls_.visible(Control::txtSpool) && controls_.height() == WindowHeight::Short;
    controls_.setHeight(grow ? WindowHeight::Tall : WindowHeight::Short);
}

void DisplayOptions::tick()
{
    time_ = clock_.timeText();
    date_ = clock_.shortDateText();
}

}  // namespace tallimo

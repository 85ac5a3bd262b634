#pragma once
// A new result on screen, told once to whoever reads the screen for the user: a
// screen reader speaks it while the focus stays on the key that made it.

#include <string_view>

namespace tallimo {

class ResultListener {
public:
    virtual ~ResultListener() = default;

    // Once per result, however many boxes show it.
    virtual void resultShown(std::string_view text) = 0;
};

}  // namespace tallimo

#pragma once
// What a window outside the calculator may do to the main window: send a value into
// its input box and give back the menu entries that open it. The memory cells, the
// running-total window and the conversion windows all go through this one entry.

#include "common/conversion_kinds.h"

#include <string>
#include <string_view>

namespace tallimo {

class CalculatorEntry {
public:
    virtual ~CalculatorEntry() = default;

    // The input box holds a number: a sender must refuse with MsgUnclearedValue.
    virtual bool holdsValue() const = 0;
    virtual std::string input() const = 0;
    // Runs the input-change reaction at once, as typing a key would.
    virtual void setInput(std::string text) = 0;
    // The output box txtOutput(0); runs the output-change reaction.
    virtual void setOutput(std::string text) = 0;
    virtual void appendToTape(std::string_view text) = 0;
    // A value the sender put into the calculator, or a result in the sender's own
    // window, told once to a user who may not be looking at it.
    virtual void resultShown(std::string_view text) = 0;
    // The menu-bar and popup entries that open a conversion window.
    virtual void enableConversionEntries(ConversionKind kind) = 0;
};

}  // namespace tallimo

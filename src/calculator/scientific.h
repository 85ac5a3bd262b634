#pragma once
// The scientific keys of the main window: the one-operand functions (bin, hex, oct,
// sqr, int, log, atn), the angle-mode buttons and tan, sin and cos. Each result goes
// into the output box and back into the input box, with one line on the tape.

#include "calculator/calculator.h"
#include "calculator/scientific_functions.h"

#include <optional>
#include <string>
#include <string_view>

namespace tallimo {

class ScientificKeys {
public:
    explicit ScientificKeys(Calculator& calculator) : calculator_(calculator) {}

    void pressScientific(Scientific key);
    void pressLevel(AngleMode mode);
    void pressTrig(TrigFunction function);

private:
    void pressBase(std::optional<double> value, Base base, std::string_view label);
    void pressFunction(Function function, std::string_view label, std::string_view separator);
    void appendResultLine(std::string_view label, std::string_view separator);
    void lock();
    void fail();

    Calculator& calculator_;
};

}  // namespace tallimo

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

    // cmdScientific: 0 bin, 1 hex, 2 oct, 3 sqr, 4 int, 8 log, 9 atn.
    void pressScientific(int index);
    // cmdLevel: 0 Degree, 1 Radian, 2 Gradient.
    void pressLevel(int index);
    // cmdScientificDegree: 0 tan, 1 sin, 2 cos.
    void pressTrig(int index);

    // The angle of the last trigonometric key in radians. It has a field of its own
    // so that a pending operation keeps its left-hand operand: 2 + 30 sin = is 2.5.
    const std::string& angleText() const { return angleText_; }

private:
    void pressBase(std::optional<double> value, Base base, std::string_view label);
    void pressFunction(Function function, std::string_view label, std::string_view separator);
    void showResult(const std::string& text);
    void appendResultLine(std::string_view label, std::string_view separator);
    void lock();
    void fail();

    Calculator& calculator_;
    std::string angleText_;
};

}  // namespace tallimo

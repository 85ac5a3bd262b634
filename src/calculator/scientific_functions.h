#pragma once
// The one-operand functions of the scientific keys. Each gives nothing where the
// function has no value (or none a double can hold), so that no box shows "inf".

#include <optional>
#include <string>

namespace tallimo {

enum class Base { Binary = 2, Octal = 8, Hexadecimal = 16 };

// The value rounded to a signed 32-bit integer (halves to even) in the base's
// digits, upper case, no prefix; 0 gives "0" and a negative value is written as
// its 32-bit two's complement. Nothing when the value leaves the 32-bit range.
std::optional<std::string> inBase(double value, Base base);

enum class Function { SquareRoot, Integer, Logarithm, Arctangent };

// Square root, the largest whole number not above the value, base-10 logarithm,
// or arctangent in radians.
std::optional<double> apply(Function function, double value);

}  // namespace tallimo

#include "calculator/scientific_functions.h"

#include "common/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tallimo {

std::optional<std::string> inBase(double value, Base base)
{
    const auto whole = roundToInt32(value);
    if (!whole) return std::nullopt;
    // The unsigned view of the same 32 bits is the two's complement of a negative value.
    auto bits = static_cast<std::uint32_t>(*whole);
    const auto radix = static_cast<std::uint32_t>(base);
    std::string digits;
    do {
        digits += "0123456789ABCDEF"[bits % radix];
        bits /= radix;
    } while (bits != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::optional<double> apply(Function function, double value)
{
    // An operand beyond the double range comes from an overflowing entry such as 1E+999.
    if (!std::isfinite(value)) return std::nullopt;
    double result = 0;
    switch (function) {
    case Function::SquareRoot: result = std::sqrt(value); break;
    case Function::Integer: result = std::floor(value); break;
    case Function::Logarithm: result = std::log10(value); break;
    case Function::Arctangent: result = std::atan(value); break;
    }
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}

}  // namespace tallimo

// Reading and writing numbers: no crash on any text, and the properties that the
// calculator relies on hold for every input.

#include "fuzz_support.h"
#include "common/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>

namespace {

using tallimo::fuzzing::require;

// x rounded to 15 significant digits, as a reader of the text should see it.
double roundedTo15Digits(double x)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    double value = 0;
    const auto [end, error] = std::from_chars(buffer, written.ptr, value);
    (void)end;
    if (error == std::errc::result_out_of_range) return std::copysign(HUGE_VAL, x);
    return value;
}

void checkText(std::string_view text)
{
    const double lenient = tallimo::readLenient(text);
    const bool numeric = tallimo::isNumeric(text);
    const auto strict = tallimo::readStrict(text);
    if (strict) {
        require(numeric);
        require(lenient == *strict);
    }
    const std::string normal = tallimo::normalised(text);
    require(tallimo::isNumeric(normal));
    (void)tallimo::roundToInt32(lenient);
}

void checkDouble(double x)
{
    if (!std::isfinite(x)) return;
    const std::string text = tallimo::numberToText(x);
    require(tallimo::isNumeric(text));
    require(text.find_first_of("infa,") == std::string::npos);
    const double back = tallimo::readLenient(text);
    const double expected = roundedTo15Digits(x);
    require(back == expected || (back == 0 && expected == 0));
    require(tallimo::readStrict(text).value_or(back) == back);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data, sizeof x);
        checkDouble(x);
    }
    return 0;
}

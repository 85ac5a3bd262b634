#pragma once
// The calculator's one way of reading and writing numbers. Nothing here looks at the
// user's locale: the decimal point is "." on every desktop.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallimo {

// Reads the leading number of a text: blanks, tabs and line feeds anywhere are
// skipped, then a sign, digits with at most one point and an exponent (E or D in
// either case) are read as far as they go. No digits give 0; "5E+" gives 5 and
// "1D2" gives 100. A magnitude beyond the double range reads as an infinity, so
// that arithmetic on it is caught as an overflow.
double readLenient(std::string_view text);

// True when the whole text, less blanks and line ends around it, is one number of
// the lenient form (digits required, exponent digits required once E or D stands).
bool isNumeric(std::string_view text);

// The whole text, blanks around it allowed, must be one number as the keys build
// it: optional "-", digits, optional "." and digits, optional exponent. Anything
// else, or a value beyond the double range, gives nothing.
std::optional<double> readStrict(std::string_view text);

// Shortest text with at most 15 significant digits; exponent form ("1.5823E-05",
// "1E+15") below 0.0001 or from 1E+15 up, judged after the rounding to 15 digits.
// 0 and -0 give "0". An infinity saturates at the largest magnitude and NaN gives
// "0", so that no box ever shows "inf" or "nan".
std::string numberToText(double value);

// The lenient reading written back by numberToText; "" and non-numbers give "0".
std::string normalised(std::string_view text);

// Rounds to a signed 32-bit integer, halves to the even neighbour (2.5 gives 2,
// 3.5 gives 4); nothing for a value outside the 32-bit range or NaN.
std::optional<std::int32_t> roundToInt32(double value);

}  // namespace tallimo

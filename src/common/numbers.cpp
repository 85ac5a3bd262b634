#include "common/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <system_error>

namespace tallimo {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }
bool isSkippedInside(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isBlankAround(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlankAround(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlankAround(text.back())) text.remove_suffix(1);
    return text;
}

// The power of ten of a canonical number's first significant digit, exponent
// included: 0 for "5", 2 for "-123.4", -3 for "0.001", 310 for "1e310". Tells an
// overflow from an underflow, whether the size comes from the digits or the exponent.
long leadingDigitPower(std::string_view canonical)
{
    const auto e = canonical.find('e');
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t i = e + 1;
        const bool negative = canonical[i] == '-';
        if (negative || canonical[i] == '+') ++i;
        for (; i < canonical.size() && exponent < 1'000'000'000; ++i)
            exponent = exponent * 10 + (canonical[i] - '0');
        if (negative) exponent = -exponent;
    }
    std::string_view mantissa = canonical.substr(0, e);
    if (!mantissa.empty() && mantissa.front() == '-') mantissa.remove_prefix(1);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    for (std::size_t i = 0; i < mantissa.size(); ++i) {
        if (mantissa[i] == '.' || mantissa[i] == '0') continue;
        const long place = i < point ? static_cast<long>(point - i - 1) : -static_cast<long>(i - point);
        return place + exponent;
    }
    return 0;
}

// A number in the canonical form "[-]digits[.digits][e[-]digits]" is converted by
// from_chars; out-of-range values become an infinity or a zero of the right sign.
double convert(const std::string& canonical)
{
    double value = 0;
    const char* first = canonical.data();
    const char* last = first + canonical.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        const bool negative = canonical.front() == '-';
        const bool huge = leadingDigitPower(canonical) >= 0;
        const double magnitude = huge ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -magnitude : magnitude;
    }
    (void)end;
    return value;
}

// The two forms of a number. Both have digits with at most one point and an
// optional exponent whose marker counts only when digits follow it (so "5E+" is the
// number 5 followed by other characters). Lenient: "+" or "-" may lead, and E or D
// in either case marks the exponent. Strict, as the keys build a number: only "-"
// leads, and only E or e marks the exponent.
enum class Form { Lenient, Strict };

struct Scanned {
    std::string canonical;  // "[-]digits[.digits][e[+-]digits]"; empty when there are no digits
    std::size_t end = 0;    // where the number ends in the text
};

Scanned scanNumber(std::string_view text, Form form)
{
    const bool lenient = form == Form::Lenient;
    std::size_t pos = 0;
    auto at = [&] { return pos < text.size() ? text[pos] : '\0'; };
    std::string out;
    if (at() == '-' || (lenient && at() == '+')) {
        if (at() == '-') out += '-';
        ++pos;
    }
    const std::size_t mantissa = pos;
    bool digits = false;
    bool point = false;
    for (; isDigit(at()) || (at() == '.' && !point); ++pos) {
        digits = digits || isDigit(at());
        point = point || at() == '.';
    }
    if (!digits) return {};
    if (text[mantissa] == '.') out += '0';
    out.append(text, mantissa, pos - mantissa);

    const char marker = at();
    if (lenient ? isExponentLetter(marker) : (marker == 'E' || marker == 'e')) {
        std::size_t end = pos + 1;
        if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
        const std::size_t exponentDigits = end;
        while (end < text.size() && isDigit(text[end])) ++end;
        if (end > exponentDigits) {
            out += 'e';
            out.append(text, pos + 1, end - pos - 1);
            pos = end;
        }
    }
    return {out, pos};
}

// The canonical text of `body` when the whole of it is one number in `form`.
std::optional<std::string> wholeNumber(std::string_view body, Form form)
{
    Scanned number = scanNumber(body, form);
    if (number.canonical.empty() || number.end != body.size()) return std::nullopt;
    return std::move(number.canonical);
}

}  // namespace

double readLenient(std::string_view text)
{
    // Blanks, tabs and line feeds count nowhere, not even inside the number.
    std::string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), [](char c) { return !isSkippedInside(c); });
    const Scanned number = scanNumber(kept, Form::Lenient);
    return number.canonical.empty() ? 0.0 : convert(number.canonical);
}

bool isNumeric(std::string_view text) { return wholeNumber(trimmed(text), Form::Lenient).has_value(); }

std::optional<double> readStrict(std::string_view text)
{
    // Leading blanks only of the kinds lenient reading skips, so that the two
    // readings agree on every text strict reading accepts.
    std::string_view body = text;
    while (!body.empty() && isSkippedInside(body.front())) body.remove_prefix(1);
    while (!body.empty() && isBlankAround(body.back())) body.remove_suffix(1);
    const auto canonical = wholeNumber(body, Form::Strict);
    if (!canonical) return std::nullopt;
    const double value = convert(*canonical);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::string numberToText(double value)
{
    if (std::isnan(value) || value == 0) return "0";
    if (std::isinf(value)) value = std::copysign(std::numeric_limits<double>::max(), value);

    // d.dddddddddddddde±XX: 15 significant digits, the exponent taken after rounding.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const bool negative = text.front() == '-';
    const std::size_t start = negative ? 1 : 0;
    const std::size_t ePos = text.find('e');

    std::string digits;
    for (std::size_t i = start; i < ePos; ++i)
        if (text[i] != '.') digits += text[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    int exponent = 0;
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits.front();
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits;
            out.append(whole - digits.size(), '0');
        } else {
            out.append(digits, 0, whole);
            out += '.';
            out.append(digits, whole);
        }
    }
    return out;
}

std::string normalised(std::string_view text) { return numberToText(readLenient(text)); }

std::optional<std::int32_t> roundToInt32(double value)
{
    if (std::isnan(value)) return std::nullopt;
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
    if (whole < -2147483648.0 || whole > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

}  // namespace tallimo

#include "common/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

// Scans the number form shared by lenient reading and the numeric test. Characters
// for which `skip` is true are passed over; scanning stops at the first other one.
// Returns the canonical text (empty when there are no digits) and where it stopped.
template <typename Skip>
std::string scanNumber(std::string_view text, std::size_t& pos, Skip skip)
{
    auto next = [&]() -> char {
        while (pos < text.size() && skip(text[pos])) ++pos;
        return pos < text.size() ? text[pos] : '\0';
    };
    std::string out;
    char c = next();
    if (c == '-' || c == '+') {
        if (c == '-') out += '-';
        ++pos;
        c = next();
    }
    bool digits = false;
    bool point = false;
    std::string mantissa;
    while (true) {
        if (isDigit(c)) {
            mantissa += c;
            digits = true;
        } else if (c == '.' && !point) {
            mantissa += '.';
            point = true;
        } else {
            break;
        }
        ++pos;
        c = next();
    }
    if (!digits) return {};
    if (mantissa.front() == '.') mantissa.insert(mantissa.begin(), '0');
    out += mantissa;
    if (isExponentLetter(c)) {
        std::size_t look = pos + 1;
        std::size_t save = pos;
        pos = look;
        char s = next();
        std::string exponent;
        if (s == '-' || s == '+') {
            if (s == '-') exponent += '-';
            ++pos;
            s = next();
        }
        bool expDigits = false;
        while (isDigit(s)) {
            exponent += s;
            expDigits = true;
            ++pos;
            s = next();
        }
        if (expDigits) {
            out += 'e';
            out += exponent;
        } else {
            pos = save;  // "5E+" reads as 5: the dangling marker is not part of the number
        }
    }
    return out;
}

}  // namespace

double readLenient(std::string_view text)
{
    std::size_t pos = 0;
    const std::string canonical = scanNumber(text, pos, isSkippedInside);
    return canonical.empty() ? 0.0 : convert(canonical);
}

bool isNumeric(std::string_view text)
{
    const std::string_view body = trimmed(text);
    std::size_t pos = 0;
    const std::string canonical = scanNumber(body, pos, [](char) { return false; });
    return !canonical.empty() && pos == body.size();
}

std::optional<double> readStrict(std::string_view text)
{
    // Leading blanks only of the kinds lenient reading skips, so that the two
    // readings agree on every text strict reading accepts.
    std::string_view body = text;
    while (!body.empty() && isSkippedInside(body.front())) body.remove_prefix(1);
    while (!body.empty() && isBlankAround(body.back())) body.remove_suffix(1);
    std::size_t pos = 0;
    std::string canonical;
    if (pos < body.size() && body[pos] == '-') canonical += body[pos++];
    bool digits = false;
    while (pos < body.size() && isDigit(body[pos])) { canonical += body[pos++]; digits = true; }
    if (pos < body.size() && body[pos] == '.') {
        if (!digits) canonical += '0';
        canonical += body[pos++];
        while (pos < body.size() && isDigit(body[pos])) { canonical += body[pos++]; digits = true; }
    }
    if (!digits) return std::nullopt;
    if (pos < body.size() && (body[pos] == 'E' || body[pos] == 'e')) {
        canonical += 'e';
        ++pos;
        if (pos < body.size() && (body[pos] == '+' || body[pos] == '-')) canonical += body[pos++];
        bool expDigits = false;
        while (pos < body.size() && isDigit(body[pos])) { canonical += body[pos++]; expDigits = true; }
        if (!expDigits) return std::nullopt;
    }
    if (pos != body.size()) return std::nullopt;
    const double value = convert(canonical);
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

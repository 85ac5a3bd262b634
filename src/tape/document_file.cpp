#include "tape/document_file.h"

namespace tallimo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at `at` and its code point, or 0
// when the bytes there are malformed (overlong, a surrogate, beyond U+10FFFF, cut).
std::size_t decode(std::string_view text, std::size_t at, char32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2, smallest = 0x80, codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, smallest = 0x800, codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, smallest = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[at + k]);
        if (!isContinuation(byte)) return 0;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
    return length;
}

// Noncharacters are never text; U+FDD0 to U+FDEF also mark frames inside a text box.
bool isNoncharacter(char32_t c) { return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE; }

}  // namespace

std::string documentFileText(std::string_view tapeText)
{
    std::string bytes(tapeText);
    bytes += kLineEnd;
    return bytes;
}

bool hasOverlongLine(std::string_view text)
{
    while (text.size() > kLongestLineBytes) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos || end > kLongestLineBytes) return true;
        text.remove_prefix(end + 1);
    }
    return false;
}

std::string tapeTextOf(std::string_view fileText)
{
    if (fileText.ends_with(kLineEnd)) fileText.remove_suffix(kLineEnd.size());
    return withTextOnly(fileText);
}

std::string withTextOnly(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        char32_t codePoint = 0;
        const std::size_t length = decode(text, at, codePoint);
        if (length == 0) {
            out += kReplacement;
            ++at;
        } else {
            if (codePoint == 0 || isNoncharacter(codePoint)) {
                out += kReplacement;
            } else {
                out.append(text, at, length);
            }
            at += length;
        }
    }
    return out;
}

}  // namespace tallimo

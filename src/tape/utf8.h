#pragma once

#include <string>

namespace tallimo {

// Removes the last Unicode character of a UTF-8 text (nothing when it is empty).
inline void dropLastCharacter(std::string& text)
{
    if (text.empty()) return;
    std::size_t end = text.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    text.erase(end);
}

}  // namespace tallimo

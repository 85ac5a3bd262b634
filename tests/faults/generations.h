#pragma once
// The contents written in generations by the file writer: each text says which
// generation and file it belongs to, so a reader can tell a whole one from a mix.

#include <string>

namespace tallimo::testing {

// Large enough that a write takes a while, so that kills land inside writes.
inline constexpr std::size_t kFillerSize = 256 * 1024;

inline std::string generationText(long generation, int file)
{
    std::string text = "generation " + std::to_string(generation) + " file " + std::to_string(file) + "\n";
    text.append(kFillerSize + static_cast<std::size_t>(generation % 7) * 1000,
                static_cast<char>('a' + (generation + file) % 26));
    return text;
}

}  // namespace tallimo::testing

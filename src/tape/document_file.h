#pragma once
// What a tape document holds on disk: the tape's plain text and a closing CR LF.

#include "common/text_files.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallimo {

// The largest file opened as a tape. Tapes are a few kilobytes; a file far larger
// than this is not a tape, and the text box would take minutes to lay it out.
inline constexpr std::uintmax_t kLargestDocumentBytes = kLargestTextFileBytes;
inline constexpr std::string_view kLargestDocumentInWords = "4 MiB";
// The longest line a tape shows: the text box lays out a line at once, half a
// second a megabyte, and a tape's line is one sum.
inline constexpr std::size_t kLongestLineBytes = 1024 * 1024;
inline constexpr std::string_view kLongestLineInWords = "1 MiB";

// Whether some line of `text` is longer than a tape shows.
bool hasOverlongLine(std::string_view text);

// The bytes a save writes for the tape's text.
std::string documentFileText(std::string_view tapeText);

// The tape's text for a file's content: the CR LF that a save adds is dropped again,
// and anything that is not text (a NUL, a noncharacter, bytes that are not UTF-8)
// becomes U+FFFD, so that the rest of the file opens as it is.
std::string tapeTextOf(std::string_view fileText);

// Every NUL, Unicode noncharacter and malformed UTF-8 sequence replaced by U+FFFD.
std::string withTextOnly(std::string_view text);

}  // namespace tallimo

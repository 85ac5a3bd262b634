// The bytes of a tape document and how a file's bytes become the tape's text.

#include "spool/document_file.h"

#include <gtest/gtest.h>

namespace tallimo {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

TEST(DocumentFile, SavedTextEndsWithOneLineEnd) { EXPECT_EQ(documentFileText("A"), "A\r\n"); }

TEST(DocumentFile, OpeningDropsOnlyTheLineEndASaveAdds)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"A\r\n", "A"},     {"A\r\n\r\n", "A\r\n"}, {"\r\n", ""},  {"", ""},
        {"A\n", "A\n"},     {"A\r", "A\r"},         {"A", "A"},    {"a\r\nb", "a\r\nb"},
    };
    for (const auto& [file, tape] : cases) EXPECT_EQ(tapeTextOf(file), tape) << file;
}

TEST(DocumentFile, WhatIsNotTextBecomesAReplacementCharacter)
{
    const std::string r(kReplacement);
    const std::pair<std::string, std::string> cases[] = {
        {std::string("a\0b", 3), "a" + r + "b"},
        {"a\xFF" "b", "a" + r + "b"},
        {"\xC3\x28", r + "("},                 // a lead byte without its continuation
        {"\xC0\xAF", r + r},                   // overlong "/"
        {"\xED\xA0\x80", r + r + r},           // a surrogate
        {"\xF4\x90\x80\x80", r + r + r + r},  // beyond U+10FFFF
        {"ab\xE2\x82", "ab" + r + r},          // cut off at the end
        {"\xEF\xBF\xBF", r},                   // U+FFFF
        {"\xEF\xB7\x90", r},                   // U+FDD0
        {"\xF0\x9F\xBF\xBE", r},               // U+1FFFE
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \t\x1B", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \t\x1B"},
        {"\xEF\xBF\xBD", "\xEF\xBF\xBD"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(withTextOnly(in), out);
}

}  // namespace
}  // namespace tallimo

// How a file's bytes become the tape's text.

#include "spool/document_file.h"

#include <gtest/gtest.h>

namespace tallimo {
namespace {

TEST(DocumentFile, OpeningDropsOnlyTheLineEndASaveAdds)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"A\r\n", "A"}, {"A\r\n\r\n", "A\r\n"}, {"\r\n", ""}, {"A\n", "A\n"}, {"A\r", "A\r"}, {"A", "A"}};
    for (const auto& [file, tape] : cases) EXPECT_EQ(tapeTextOf(file), tape) << file;
}

TEST(DocumentFile, WhatIsNotTextBecomesAReplacementCharacter)
{
    const std::string r = "\xEF\xBF\xBD";
    const std::pair<std::string, std::string> cases[] = {
        {std::string("a\0b", 3), "a" + r + "b"},
        {"\xC3\x28", r + "("},                 // a lead byte without its continuation
        {"\xC0\xAF", r + r},                   // overlong "/"
        {"\xED\xA0\x80", r + r + r},           // a surrogate
        {"\xF4\x90\x80\x80", r + r + r + r},  // beyond U+10FFFF
        {"ab\xE2\x82", "ab" + r + r},          // cut off at the end
        {"\xEF\xBF\xBF\xEF\xB7\x90", r + r},   // U+FFFF and U+FDD0
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \t\x1B" + r, "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \t\x1B" + r},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(withTextOnly(in), out);
}

}  // namespace
}  // namespace tallimo

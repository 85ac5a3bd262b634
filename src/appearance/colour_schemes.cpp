#include "appearance/colour_schemes.h"

#include <stdexcept>
#include <string>

namespace tallimo {

namespace {

constexpr Colour kSchemeColours[kSchemeCount] = {
    Colour::fromNumber(32768), Colour::fromNumber(255), Colour::fromNumber(0), Colour::fromNumber(65535)};

void checkRange(int scheme)
{
    if (scheme < 1 || scheme > kSchemeCount) throw std::out_of_range("no colour scheme " + std::to_string(scheme));
}

}  // namespace

Colour schemeColour(int scheme)
{
    checkRange(scheme);
    return kSchemeColours[scheme - 1];
}

void ColourSchemes::choose(int scheme)
{
    checkRange(scheme);
    scheme_ = scheme;
    colour_ = schemeColour(scheme);
    for (int n = 1; n <= kSchemeCount; ++n) {
        controls_.check(member(Control::mnuScheme1, n - 1), n == scheme);
        controls_.check(member(Control::PopUpScheme1, n - 1), n == scheme);
    }
}

}  // namespace tallimo

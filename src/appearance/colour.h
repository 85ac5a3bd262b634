#pragma once

#include <cstdint>

namespace tallimo {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // The colour as one number: red + 256 × green + 65536 × blue.
    constexpr std::uint32_t number() const
    {
        return std::uint32_t{red} + 256u * std::uint32_t{green} + 65536u * std::uint32_t{blue};
    }
    static constexpr Colour fromNumber(std::uint32_t number)
    {
        return {static_cast<std::uint8_t>(number & 0xFF), static_cast<std::uint8_t>((number >> 8) & 0xFF),
                static_cast<std::uint8_t>((number >> 16) & 0xFF)};
    }
    friend constexpr bool operator==(Colour, Colour) = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};

}  // namespace tallimo

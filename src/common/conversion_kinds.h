#pragma once
// The conversion windows, one row each in the order of the CONVERSIONS menus:
// X(kind, Ctrl letter of its menu-bar entry, extra). Everything else about a kind
// follows from its row: its name is its menu entries' caption and names them
// (mnuDistance, PopUpDistance), and its design and units are the makeDistanceDesign()
// of conversion/distance_window.cpp. `extra` is passed through to X, so that a
// table of other rows can take a row for each kind.

#include <array>
#include <cstddef>

#define TALLIMO_CONVERSION_WINDOWS(X, extra) X(Distance, 'T', extra) X(Volume, 'Z', extra) X(Weight, 'G', extra)

namespace tallimo {

enum class ConversionKind {
#define TALLIMO_CONVERSION_KIND(kind, letter, extra) kind,
    TALLIMO_CONVERSION_WINDOWS(TALLIMO_CONVERSION_KIND, )
#undef TALLIMO_CONVERSION_KIND
};

inline constexpr std::array kConversionKinds{
#define TALLIMO_CONVERSION_KIND(kind, letter, extra) ConversionKind::kind,
    TALLIMO_CONVERSION_WINDOWS(TALLIMO_CONVERSION_KIND, )
#undef TALLIMO_CONVERSION_KIND
};
inline constexpr std::size_t kConversionKindCount = kConversionKinds.size();

constexpr std::size_t indexOf(ConversionKind kind) { return static_cast<std::size_t>(kind); }

}  // namespace tallimo

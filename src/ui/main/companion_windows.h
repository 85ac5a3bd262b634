#pragma once
// The windows the main window loads hidden at start-up, made by the factory
// the main window is given: the colour mixer, the running total and a window for
// each kind of conversion.

#include "common/conversion_kinds.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace tallimo::ui {

enum class Companion {
    Colour,
    RunningTotal,
#define TALLIMO_COMPANION(kind, letter, extra) kind,
    TALLIMO_CONVERSION_WINDOWS(TALLIMO_COMPANION, )
#undef TALLIMO_COMPANION
};

constexpr Companion companionOf(ConversionKind kind)
{
    return static_cast<Companion>(static_cast<std::size_t>(Companion::RunningTotal) + 1 + indexOf(kind));
}
inline constexpr std::size_t kCompanionCount = static_cast<std::size_t>(companionOf(kConversionKinds.back())) + 1;
// The conversion windows come last, so that companionOf() counts them off.
static_assert(kCompanionCount == 2 + kConversionKindCount);

constexpr std::optional<ConversionKind> conversionOf(Companion companion)
{
    for (ConversionKind kind : kConversionKinds) {
        if (companionOf(kind) == companion) return kind;
    }
    return std::nullopt;
}

// In the order the start-up loads them: the mixer, the conversion windows from
// the last in the menus to the first, and the running total.
inline constexpr auto kCompanionLoadOrder = [] {
    std::array<Companion, kCompanionCount> order{};
    auto at = order.begin();
    *at++ = Companion::Colour;
    for (auto kind = kConversionKinds.rbegin(); kind != kConversionKinds.rend(); ++kind) *at++ = companionOf(*kind);
    *at++ = Companion::RunningTotal;
    return order;
}();

using CompanionFactory = std::function<std::unique_ptr<QWidget>(Companion)>;

}  // namespace tallimo::ui

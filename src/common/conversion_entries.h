#pragma once
// The menu entries of the main window that open each conversion window.

#include "common/calculator_entry.h"
#include "common/main_controls.h"

#include <array>

namespace tallimo {

inline constexpr std::array kConversionKinds{ConversionKind::Distance, ConversionKind::Volume, ConversionKind::Weight};

constexpr MenuPair conversionEntries(ConversionKind kind)
{
    switch (kind) {
    case ConversionKind::Distance: return {Control::mnuDistance, Control::PopUpDistance};
    case ConversionKind::Volume: return {Control::mnuVolume, Control::PopUpVolume};
    case ConversionKind::Weight: return {Control::mnuWeight, Control::PopUpWeight};
    }
    return {Control::mnuDistance, Control::PopUpDistance};
}

}  // namespace tallimo

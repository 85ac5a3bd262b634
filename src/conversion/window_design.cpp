#include "conversion/window_design.h"

#include <array>

namespace tallimo {

const WindowDesign& designOf(ConversionKind kind)
{
    static const std::array<WindowDesign, kConversionKindCount> designs{
#define TALLIMO_DESIGN(kind, letter, extra) make##kind##Design(),
        TALLIMO_CONVERSION_WINDOWS(TALLIMO_DESIGN, )
#undef TALLIMO_DESIGN
    };
    return designs[indexOf(kind)];
}

}  // namespace tallimo

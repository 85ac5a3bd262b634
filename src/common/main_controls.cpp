#include "common/main_controls.h"

namespace tallimo {

namespace {

constexpr std::string_view kNames[] = {
#define TALLIMO_CONTROL_NAME(name, enabled, visible) #name,
    TALLIMO_MAIN_CONTROLS(TALLIMO_CONTROL_NAME)
#undef TALLIMO_CONTROL_NAME
};

}  // namespace

std::string_view controlName(Control control) { return kNames[static_cast<std::size_t>(control)]; }

MainControls::MainControls()
    : flags_{{
#define TALLIMO_CONTROL_FLAGS(name, enabled, visible) Flags{enabled != 0, visible != 0, false},
          TALLIMO_MAIN_CONTROLS(TALLIMO_CONTROL_FLAGS)
#undef TALLIMO_CONTROL_FLAGS
      }}
{
}

}  // namespace tallimo

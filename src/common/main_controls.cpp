#include "common/main_controls.h"

namespace tallimo {

MainControls::MainControls()
    : flags_{{
#define TALLIMO_CONTROL_FLAGS(name, enabled, visible) Flags{enabled != 0, visible != 0, false},
          TALLIMO_MAIN_CONTROLS(TALLIMO_CONTROL_FLAGS)
#undef TALLIMO_CONTROL_FLAGS
      }}
{
}

}  // namespace tallimo

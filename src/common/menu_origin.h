#pragma once

namespace tallimo {

// Which of a command's two menu items was clicked: a few commands behave
// differently from the menu bar and from the right-click popup.
enum class MenuOrigin { MenuBar, Popup };

}  // namespace tallimo

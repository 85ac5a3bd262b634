#pragma once
// What the desktop knows the program by: its name, version, launcher id and icon.

namespace tallimo::app {

// Names the running application. Called once, right after the application object
// is made.
void setApplicationIdentity();

// Gives every one of the program's windows the icon. Reading its four pictures and
// handing them to the desktop costs about as much as building the whole main
// window, so start-up does it just after the window's first frame.
void setApplicationIcon();

}  // namespace tallimo::app

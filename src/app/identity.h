#pragma once
// What the desktop knows the program by: its name, version, launcher id and icon.

namespace tallimo::app {

// Names the running application and gives every one of its windows the icon.
// Called once, right after the application object is made.
void setApplicationIdentity();

}  // namespace tallimo::app

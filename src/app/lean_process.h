#pragma once
// What the program asks of the system so that it weighs little and sleeps while idle.

namespace tallimo::app {

// Called before the application object is made.
void preferPlainPixelTransfer();

// Called once start-up is over.
void returnStartUpMemory();

}  // namespace tallimo::app

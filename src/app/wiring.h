#pragma once
// Which click of the main window runs which operation, one area to a file: the one
// place where clicks are bound. Each registers its handlers with the window, which
// takes one for each control; the window renders after every click.

#include "appearance/colour_schemes.h"
#include "appearance/display_options.h"
#include "appearance/tape_formatting.h"
#include "appearance/window_menu.h"
#include "calculator/calculator.h"
#include "calculator/scientific.h"
#include "memory/memory.h"
#include "tape/documents.h"
#include "tape/edit_menu.h"
#include "ui/main/main_window.h"

#include <functional>

namespace tallimo::app {

// The digits, operators, "=" and the other keys of the calculator itself, and Wipe.
void wireCalculatorKeys(ui::MainWindow& window, Calculator& calculator);

// Copy, Cut and Paste from the EDIT menu and the popup.
void wireEditMenu(ui::MainWindow& window, EditMenu& menu);

// The DESTROY key and Destroy in both menus close the window.
void wireDestroy(ui::MainWindow& window);

void wireScientificKeys(ui::MainWindow& window, ScientificKeys& keys);

// The memory and total keys, Shift and the memory panel.
void wireMemory(ui::MainWindow& window, Memory& memory);

// New, Open, Close, Save and Print from the FILE menu and the popup.
void wireDocuments(ui::MainWindow& window, Documents& documents);

// Style, Colour, Bold, Italic and Underline from the FONT menu and the popup.
void wireTapeFormatting(ui::MainWindow& window, TapeFormatting& formatting);

// Scheme 1 to 4 from both menus; `apply` paints the chosen colour on every window.
void wireColourSchemes(ui::MainWindow& window, ColourSchemes& schemes, std::function<void()> apply);

// The Date, Time and Results toggles.
void wireDisplayOptions(ui::MainWindow& window, DisplayOptions& options);

// The CONVERSIONS entries and ABOUT.
void wireWindowMenu(ui::MainWindow& window, WindowMenu& menu);

}  // namespace tallimo::app

#pragma once
// Which click runs which operation of the calculator and of the tape's Edit menu.

#include "calculator/calculator.h"
#include "spool/edit_menu.h"
#include "ui/main/main_window.h"

namespace tallimo::ui {

void wireCalculatorKeys(MainWindow& window, Calculator& calculator);
void wireEditMenu(MainWindow& window, EditMenu& menu);

}  // namespace tallimo::ui

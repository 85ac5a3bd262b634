#pragma once
// The calculator with its main window, its ports and its companion windows, wired
// together: what main() starts and what the window tests drive.

#include "calculator/calculator.h"
#include "spool/edit_menu.h"
#include "ui/adapters/qt_clipboard.h"
#include "ui/adapters/qt_prompter.h"
#include "ui/adapters/text_edit_spool.h"
#include "ui/main/companion_windows.h"
#include "ui/main/main_window.h"
#include "ui/main/window_calculator_entry.h"

namespace tallimo::app {

class Program {
public:
    explicit Program(ui::CompanionFactory companions = ui::makePlaceholderWindow);

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The start-up sequence; the window is shown by the caller.
    void start();

    ui::MainWindow& window() { return window_; }
    Calculator& calculator() { return calculator_; }
    // For the windows that send a value into the calculator.
    CalculatorEntry& entry() { return entry_; }

private:
    QTextEdit* tape_;  // handed over to the window, which owns it
    ui::QtPrompter prompter_;
    ui::TextEditSpool spool_;
    ui::QtClipboard clipboard_;
    Calculator calculator_;
    EditMenu editMenu_;
    ui::MainWindow window_;
    ui::WindowCalculatorEntry entry_;
};

}  // namespace tallimo::app

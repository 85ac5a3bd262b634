#pragma once
// The calculator with its main window, its ports and its companion windows, wired
// together: what main() starts and what the window tests drive.

#include "app/date_and_time.h"
#include "app/program_windows.h"
#include "appearance/colour_schemes.h"
#include "appearance/display_options.h"
#include "appearance/tape_formatting.h"
#include "appearance/window_menu.h"
#include "calculator/calculator.h"
#include "calculator/scientific.h"
#include "memory/memory.h"
#include "tape/documents.h"
#include "tape/edit_menu.h"
#include "tape/recovery_copy.h"
#include "ui/accessibility/result_announcer.h"
#include "ui/adapters/qt_clipboard.h"
#include "ui/adapters/qt_one_shot_timer.h"
#include "ui/adapters/qt_prompter.h"
#include "ui/adapters/text_edit_tape.h"
#include "ui/appearance/system_clock.h"
#include "ui/appearance/text_edit_style.h"
#include "ui/dialogs/qt_file_dialogs.h"
#include "ui/dialogs/qt_printer.h"
#include "ui/dialogs/qt_style_dialogs.h"
#include "ui/files/qt_recovery_folder.h"
#include "ui/files/qt_text_files.h"
#include "ui/main/main_window.h"
#include "ui/shutdown/termination_signal.h"

#include <functional>
#include <string>

namespace tallimo::app {

// Ends the program at once: the event loop is left without any window being asked
// to close, so that none of them asks its closing question.
void leaveEventLoop();

class Program {
public:
    // `end` runs when the program is to end; tests record it instead of leaving
    // their event loop.
    explicit Program(std::function<void()> end = leaveEventLoop);
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up up to and including showing the window: the calculator's start, the
    // companion windows loaded hidden, the colours, the memory cells restored from
    // their files and the clock started.
    void startUp();

    // The work of start-up that the first frame need not wait for, once it is drawn:
    // the rest of the window built, the application icon, the memory start-up used
    // given back, and the start folder reviewed. A test that leaves it out sees the
    // window as its first frame shows it.
    void finishStartUp();

    // The process was told to stop (SIGTERM, SIGHUP, SIGINT): the memory files and
    // the copy of an unsaved tape are written without a question, then the program
    // ends.
    void terminate();

    // The memory files and the copy of an unsaved tape written without a question,
    // before the program ends in a way it cannot stop. Away from the window's thread
    // only the memory files are written: the tape belongs to that thread.
    void saveWithoutQuestions(bool onWindowThread = true);

    ui::MainWindow& window() { return window_; }
    Calculator& calculator() { return calculator_; }
    // For the windows that send a value into the calculator.
    CalculatorEntry& entry() { return calculator_; }
    ProgramWindows& companions() { return companions_; }
    DateAndTime& dateAndTime() { return dateAndTime_; }
    RecoveryCopy& recoveryCopy() { return recovery_; }
    const std::string& startFolder() const { return startFolder_; }

private:
    // Once the window shows: names the memory files that start-up passed over, and
    // offers back a tape left unsaved by a run that ended without its closing
    // question.
    void reviewStartFolder();
    bool closeProgram();
    void applyScheme();

    // The memory files live in the folder current at start, wherever a file dialog
    // moves the current folder later; so it is taken before anything else.
    std::string startFolder_;
    std::function<void()> end_;
    QTextEdit* tapeEdit_;  // handed over to the window, which owns it
    ui::QtPrompter prompter_;
    ui::QtPrompter totalPrompter_;  // over the running-total window, once it is made
    ui::TextEditTape tape_;
    ui::QtClipboard clipboard_;
    ui::QtTextFiles files_;
    ui::SystemClock clock_;
    Calculator calculator_;
    // The copy of an unsaved tape, which the documents and the closing keep up to date.
    ui::QtOneShotTimer recoveryTimer_;
    ui::QtRecoveryFolder recoveryFolder_;
    RecoveryCopy recovery_;
    EditMenu editMenu_;
    ScientificKeys scientific_;
    Memory memory_;
    ColourSchemes schemes_;
    DisplayOptions options_;
    // The main window owns the companion windows, which refer to everything above;
    // everything below refers to the main window.
    ui::MainWindow window_;
    DateAndTime dateAndTime_;
    ui::ResultAnnouncer announcer_;
    ProgramWindows companions_;
    WindowMenu windowMenu_;
    ui::TextEditStyle tapeStyle_;
    ui::QtFileDialogs fileDialogs_;
    ui::QtPrinter printer_;
    ui::QtFontDialog fontDialog_;
    ui::QtColourDialog colourDialog_;
    Documents documents_;
    TapeFormatting formatting_;
    // The terminal the program was started from closing (SIGHUP) and Ctrl+C there
    // (SIGINT) end it as a request to stop (SIGTERM) does.
    ui::TerminationSignal termination_{{SIGTERM, SIGHUP, SIGINT}};
};

}  // namespace tallimo::app

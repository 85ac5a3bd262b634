#pragma once
// The tape as a one-page document: New, Open, Close, Save and Print from the FILE
// menu and the popup's File submenu. The tape is open while it is visible.

#include "common/main_controls.h"
#include "common/menu_origin.h"
#include "common/prompter.h"
#include "common/text_files.h"
#include "tape/file_dialogs.h"
#include "tape/printer.h"
#include "tape/tape.h"

#include <cstdint>
#include <string>

namespace tallimo {

class RecoveryCopy;

// The filter of the open and save dialogs, with the tmo entry shown first.
FileDialogSettings documentDialogSettings();

class Documents {
public:
    struct Ports {
        TextFiles& files;
        FileDialogs& dialogs;
        Printer& printer;
    };
    // The main window's strFileName and intFileNumber, shared with the memory files.
    struct Fields {
        std::string& fileName;
        std::int16_t& fileNumber;
    };

    // `recovery`, the copy that keeps the unsaved tape safe from a crash, learns from
    // here when the tape is saved, replaced or closed.
    Documents(MainControls& controls, Tape& tape, Prompter& prompter, Ports ports, Fields fields,
              RecoveryCopy* recovery = nullptr);

    // From the menu bar New disables both New items; from the popup it leaves them.
    void newTape(MenuOrigin origin);
    void open();
    void close();
    // A cancelled dialog is silent from the menu bar and reported from the popup.
    void save(MenuOrigin origin);
    void print();

private:
    std::optional<std::string> readDocument(const std::string& fileName);

    MainControls& controls_;
    Tape& tape_;
    Prompter& prompter_;
    Ports ports_;
    Fields fields_;
    RecoveryCopy* recovery_;
};

}  // namespace tallimo

// One run of a program with an open tape, until it is killed:
//   recovery_typist FOLDER SEED
// Starting, it answers Yes when asked to restore an unsaved tape, writes the tape it
// got to FOLDER/restored.txt and prints "asked N" (the questions it was asked). Then
// it opens FOLDER/start.tmo as the tape and types the seed's keys, printing "typing"
// once the first copy is written.
// The copy of the tape is written after every key (the timer's wait is left out),
// so that kills land inside writes.

#include "calculator/calculator.h"
#include "faults/typing.h"
#include "support/document_fakes.h"
#include "support/keys.h"
#include "support/recovery_fakes.h"
#include "tape/documents.h"
#include "tape/in_memory_tape.h"
#include "tape/recovery_copy.h"
#include "ui/files/qt_recovery_folder.h"
#include "ui/files/qt_text_files.h"

#include <QCoreApplication>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

using namespace tallimo;
using ui::QtRecoveryFolder;
using ui::QtTextFiles;

class CountingPrompter : public Prompter {
public:
    Answer ask(const Message& message) override
    {
        ++asked;
        if (message.text.starts_with("The open page could not be copied")) copyFailed = true;
        return message.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    int asked = 0;
    bool copyFailed = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 3) return 2;
    const std::string folder = argv[1];

    QtTextFiles files;
    QtRecoveryFolder recoveryFolder;
    testing::ManualTimer timer;
    CountingPrompter prompter;
    InMemoryTape tape;
    Calculator calculator(prompter, tape);
    calculator.start();
    testing::QueuedFileDialogs dialogs;
    testing::RecordingPrinter printer;
    RecoveryCopy copy(calculator.controls(), tape, {files, recoveryFolder, timer, prompter}, folder);
    Documents documents(calculator.controls(), tape, prompter, {files, dialogs, printer},
                        {calculator.fields().strFileName, calculator.fields().intFileNumber}, &copy);

    copy.offerLeftCopies();
    if (calculator.controls().visible(Control::txtSpool))
        std::ofstream(folder + "/restored.txt", std::ios::binary) << tape.text();
    std::printf("asked %d\n", prompter.asked);
    std::fflush(stdout);

    dialogs.names = {folder + "/start.tmo"};
    documents.open();  // replaces a restored tape, with its consent
    const auto keys = testing::calculatorKeys();
    testing::Typing typing(static_cast<unsigned>(std::stoul(argv[2])));
    const auto typeKey = [&] {
        testing::press(calculator, typing.nextKey(), keys);
        if (timer.waiting) timer.goOff();
    };
    // The first copy takes the lock and warms up the writing; the kills are meant
    // for the writes that follow.
    while (!copy.path()) typeKey();
    std::printf("typing\n");
    std::fflush(stdout);
    for (;;) {
        typeKey();
        if (prompter.copyFailed) return 1;
    }
}

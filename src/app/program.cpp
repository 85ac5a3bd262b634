#include "app/program.h"

#include "app/identity.h"
#include "app/lean_process.h"
#include "app/wiring.h"
#include "common/messages.h"
#include "ui/adapters/qt_text.h"
#include "ui/appearance/qt_colour.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace tallimo::app {

void leaveEventLoop() { QCoreApplication::exit(0); }

Program::Program(std::function<void()> end)
    : startFolder_(ui::toUtf8(QDir::currentPath())),
      end_(std::move(end)),
      tapeEdit_(new QTextEdit),
      tape_(*tapeEdit_),
      calculator_(prompter_, tape_),
      recovery_(calculator_.controls(), tape_, {files_, recoveryFolder_, recoveryTimer_, prompter_}, startFolder_),
      editMenu_(tape_, clipboard_, prompter_),
      scientific_(calculator_),
      memory_(calculator_, files_, startFolder_, totalPrompter_, &recovery_),
      schemes_(calculator_.controls()),
      options_(calculator_.controls(), clock_),
      window_(calculator_, *tapeEdit_, [this](ui::Companion kind) { return companions_.make(kind); }),
      dateAndTime_(window_, options_),
      announcer_(window_),
      companions_(window_, {calculator_, memory_.totalWindow(), totalPrompter_,
                            [this] { windowMenu_.releaseColourMixer(); }}),
      windowMenu_(calculator_.controls(), companions_),
      tapeStyle_(*tapeEdit_),
      fileDialogs_(&window_),
      printer_(&window_),
      fontDialog_(&window_),
      colourDialog_(&window_),
      documents_(calculator_.controls(), tape_, prompter_, {files_, fileDialogs_, printer_},
                 {calculator_.fields().strFileName, calculator_.fields().intFileNumber}, &recovery_),
      formatting_(calculator_.controls(), tapeStyle_, fontDialog_, colourDialog_)
{
    calculator_.tellResultsTo(announcer_);
    prompter_.attach(&window_, [this] { window_.render(); });
    wireCalculatorKeys(window_, calculator_);
    wireEditMenu(window_, editMenu_);
    wireDestroy(window_);
    wireScientificKeys(window_, scientific_);
    wireMemory(window_, memory_);
    wireDocuments(window_, documents_);
    wireTapeFormatting(window_, formatting_);
    wireColourSchemes(window_, schemes_, [this] { applyScheme(); });
    wireDisplayOptions(window_, options_);
    wireWindowMenu(window_, windowMenu_);

    window_.setClosingRoutine([this] { return closeProgram(); });
    QObject::connect(&termination_, &ui::TerminationSignal::received, &window_, [this] { terminate(); });
    // The desktop session is ending: the files are written now, while the session
    // manager waits; whether the program ends is the session's affair.
    if (auto* desktop = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QObject::connect(desktop, &QGuiApplication::commitDataRequest, &window_,
                         [this] { saveWithoutQuestions(); }, Qt::DirectConnection);
    }
}

Program::~Program() = default;

void Program::startUp()
{
    window_.renderOnceAfter([this] {
        window_.start();
        applyScheme();
        memory_.restore();
    });
    dateAndTime_.start();
    window_.show();
}

void Program::finishStartUp()
{
    window_.completeBuild();
    setApplicationIcon();
    returnStartUpMemory();
    // Asked once the window is up and the memory cells are in place.
    reviewStartFolder();
}

void Program::reviewStartFolder()
{
    memory_.tellPassedOver();
    recovery_.offerLeftCopies();
}

bool Program::closeProgram()
{
    if (!memory_.closeCalculator()) return false;
    companions_.hideAll();
    end_();
    return true;
}

void Program::terminate()
{
    saveWithoutQuestions();
    companions_.hideAll();
    end_();
}

void Program::saveWithoutQuestions(bool onWindowThread)
{
    // No one is there to answer a message box; the terminal or the session's log
    // is the one place left to say that a cell was lost.
    for (const FileFailure& failure : memory_.saveOnSessionEnd())
        std::fprintf(stderr, "Tallimo: %s\n", MsgMemoryFileNotWritten(failure.path, failure.reason).c_str());
    if (!onWindowThread) return;
    if (const std::string failure = recovery_.bringUpToDate(); !failure.empty())
        std::fprintf(stderr, "Tallimo: %s\n", failure.c_str());
}

void Program::applyScheme()
{
    const Colour colour = schemes_.colour();
    window_.setBackground(ui::toQColor(colour));
    companions_.setBackground(colour);
    ui::paintBackground(*window_.widget(Control::pctBackGround), ui::toQColor(colour));
}

}  // namespace tallimo::app

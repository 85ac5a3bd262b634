#include "app/first_frame.h"
#include "app/identity.h"
#include "app/lean_process.h"
#include "app/program.h"
#include "ui/shutdown/display_loss.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// Without a desktop to connect to, Qt stops the program with a fatal message and a
// crash. Say what is wrong in plain words and end quietly instead.
void reportMissingDesktop(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        qtDefaultHandler(type, context, message);
        return;
    }
    std::fprintf(stderr,
                 "Tallimo could not open its window: no desktop display could be reached.\n"
                 "Start it from a desktop session (DISPLAY or WAYLAND_DISPLAY must name a running display).\n"
                 "\nDetails: %s\n",
                 qPrintable(message));
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

int main(int argc, char* argv[])
{
    tallimo::app::preferPlainPixelTransfer();
    qtDefaultHandler = qInstallMessageHandler(reportMissingDesktop);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtDefaultHandler);

    tallimo::app::setApplicationIdentity();

    tallimo::app::Program program;
    const tallimo::ui::SaveWhenTheDisplayIsLost lastWords(
        [&program](bool onWindowThread) { program.saveWithoutQuestions(onWindowThread); });
    program.startUp();
    tallimo::app::afterFirstFrame(program.window(), [&program] { program.finishStartUp(); });
    return QApplication::exec();
}

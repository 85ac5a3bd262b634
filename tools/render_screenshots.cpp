// Renders the README's picture of the main window from the real program: a tape
// opened with New and a few sums clicked on the keys, so the tape, the results and
// a memory cell show. Run offscreen by scripts/screenshots.

#include "app/identity.h"
#include "app/program.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "tallimo_screenshots: %s\n", what);
    std::exit(EXIT_FAILURE);
}

void choose(QWidget& window, const char* item)
{
    auto* action = window.findChild<QAction*>(QString::fromLatin1(item));
    if (action == nullptr || !action->isEnabled()) fail(item);
    action->trigger();
}

void click(QWidget& window, std::initializer_list<const char*> keys)
{
    for (const char* name : keys) {
        auto* key = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
        if (key == nullptr || !key->isEnabled() || !key->isVisible()) fail(name);
        key->click();
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) fail("usage: tallimo_screenshots FOLDER");
    tallimo::app::setApplicationIdentity();
    const QDir out(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));

    // A message box would wait for an answer that never comes.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { fail("a message box or dialog opened"); });
    watchdog.start(20000);

    // The memory files are written into a scratch folder, not the caller's.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path())) fail("no scratch folder");

    tallimo::app::Program program([] {});
    program.startUp();
    program.finishStartUp();
    QWidget& window = program.window();

    choose(window, "mnuNew");
    click(window, {"cmdDigit_1", "cmdDigit_2", "cmdOperator_0", "cmdDigit_3", "cmdEquals_0", "cmdMemory_0"});
    click(window, {"cmdDigit_7", "cmdOperator_2", "cmdDigit_6", "cmdEquals_2"});
    click(window, {"cmdDigit_2", "cmdOperator_5", "cmdDigit_1", "cmdDigit_0", "cmdEquals_4"});

    // The clock fills its boxes on its first tick, once the event loop runs; a picture
    // with empty clock boxes would show a clock that does not work.
    auto* time = window.findChild<QLineEdit*>(QStringLiteral("txtTime"));
    if (time == nullptr) fail("txtTime");
    QElapsedTimer waited;
    waited.start();
    while (time->text().isEmpty() && waited.elapsed() < 5000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (time->text().isEmpty()) fail("the clock never ticked");
    QApplication::processEvents();

    const QString file = out.absoluteFilePath(QStringLiteral("main-window.png"));
    if (!window.grab().save(file)) fail("the picture could not be written");
    std::printf("%s\n", qPrintable(file));
    return EXIT_SUCCESS;
}

// Every window of the program opens under Wayland, with Qt's own title bars; a
// maximize of a window of one size, which a Wayland compositor would answer with
// the end of the program unless the window takes the size it is given, leaves the
// program running and the window at its own size.

#include "app/program.h"
#include "common/conversion_entries.h"
#include "support/display_servers.h"
#include "ui/colour/colour_mixer_window.h"
#include "ui/conversion/conversion_window.h"
#include "ui/running_total/running_total_window.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>

using namespace tallimo;

class WaylandWindowsTest : public QObject {
    Q_OBJECT

    // Asks the window system to maximize `window`, as the maximize button of Qt's
    // title bar does, and waits for the answers to come back.
    static bool survivesAMaximize(QWidget& window)
    {
        const QSize size = window.size();
        window.windowHandle()->setWindowStates(Qt::WindowMaximized);
        QTest::qWait(500);
        if (!QTest::qWaitFor([&] { return !window.isMaximized() && window.size() == size; }, 5000)) {
            qWarning("%s is %dx%d, not %dx%d", qPrintable(window.objectName()), window.width(), window.height(),
                     size.width(), size.height());
            return false;
        }
        return window.minimumSize() == size && window.maximumSize() == size;
    }

private slots:
    void everyWindowOpensAndAMaximizeLeavesItRunning()
    {
        QTemporaryDir folder;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        int ended = 0;
        {
            app::Program program([&ended] { ++ended; });
            program.startUp();
            QVERIFY(QTest::qWaitForWindowExposed(&program.window()));
            program.finishStartUp();

            app::ProgramWindows& windows = program.companions();
            for (ConversionKind kind : kConversionKinds) windows.showConversion(kind);
            windows.showColourMixer();
            windows.runningTotal()->show();
            std::vector<QWidget*> shown = {&program.window(), windows.conversion(ConversionKind::Distance),
                                           windows.colourMixer(), windows.runningTotal()};
            for (QWidget* window : shown) QVERIFY(QTest::qWaitForWindowExposed(window));
            bool aboutShown = false;
            QTimer::singleShot(200, [&aboutShown] {
                auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                aboutShown = about != nullptr && about->objectName() == "frmAbout" && about->isVisible();
                if (about) about->reject();
            });
            windows.showAbout();
            QVERIFY(aboutShown);

            for (QWidget* window : shown) QVERIFY2(survivesAMaximize(*window), qPrintable(window->objectName()));
            QCOMPARE(ended, 0);
        }
        QDir::setCurrent(previous);
    }
};

int main(int argc, char* argv[])
{
    if (testing::Weston::missing()) {
        std::puts("SKIP: weston is not installed (scripts/setup installs it); the Wayland test does not run.");
        return 77;
    }
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqwayland-generic.so";
    if (!QFile::exists(plugin)) {
        std::puts("SKIP: Qt's Wayland plugin is not installed (qt6-wayland); the Wayland test does not run.");
        return 77;
    }
    testing::Weston weston;
    if (!weston.running()) {
        std::puts("FAIL: the headless Weston did not start.");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "wayland");
    qputenv("WAYLAND_DISPLAY", QByteArray::fromStdString(weston.socket()));
    QApplication application(argc, argv);
    WaylandWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "wayland_windows_test.moc"

// A stop request from outside reaches the event loop as a Qt signal.

#include "ui/shutdown/termination_signal.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>

using tallimo::ui::TerminationSignal;

class TerminationSignalTest : public QObject {
    Q_OBJECT

private slots:
    void aSigtermBecomesASignalOnTheEventLoopAndTheFormerHandlerComesBack()
    {
#ifndef Q_OS_UNIX
        QSKIP("termination signals exist only on Unix-like systems");
#else
        const auto former = std::signal(SIGTERM, SIG_DFL);
        {
            TerminationSignal termination;
            QSignalSpy spy(&termination, &TerminationSignal::received);
            QCOMPARE(std::raise(SIGTERM), 0);  // the process lives on
            QCOMPARE(spy.count(), 0);          // nothing runs inside the handler
            QVERIFY(spy.wait(2000));
            QCOMPARE(spy.at(0).at(0).toInt(), SIGTERM);
        }
        QVERIFY(std::signal(SIGTERM, former) == SIG_DFL);
#endif
    }
};

QTEST_GUILESS_MAIN(TerminationSignalTest)
#include "termination_signal_test.moc"

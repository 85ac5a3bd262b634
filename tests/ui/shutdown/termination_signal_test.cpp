// A stop request from outside reaches the event loop as a Qt signal.

#include "ui/shutdown/termination_signal.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>

using tallimo::TerminationSignal;

class TerminationSignalTest : public QObject {
    Q_OBJECT

private slots:
    void aSigtermBecomesASignalOnTheEventLoop()
    {
        TerminationSignal termination;
        QSignalSpy spy(&termination, &TerminationSignal::received);
        QCOMPARE(std::raise(SIGTERM), 0);  // the process lives on
        QCOMPARE(spy.count(), 0);         // nothing runs inside the handler
        QVERIFY(spy.wait(2000));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), SIGTERM);
    }

    void theOtherSignalsNamedAreCaughtToo()
    {
        TerminationSignal termination({SIGTERM, SIGHUP});
        QSignalSpy spy(&termination, &TerminationSignal::received);
        std::raise(SIGHUP);
        QVERIFY(spy.wait(2000));
        QCOMPARE(spy.at(0).at(0).toInt(), SIGHUP);
    }

    void theFormerHandlerComesBackAfterwards()
    {
        struct sigaction before = {};
        QCOMPARE(::sigaction(SIGTERM, nullptr, &before), 0);
        {
            TerminationSignal termination;
        }
        struct sigaction after = {};
        QCOMPARE(::sigaction(SIGTERM, nullptr, &after), 0);
        QVERIFY(after.sa_handler == before.sa_handler);
        TerminationSignal again;  // a second instance may follow the first
    }
};

QTEST_GUILESS_MAIN(TerminationSignalTest)
#include "termination_signal_test.moc"

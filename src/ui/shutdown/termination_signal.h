#pragma once
// Turns a request from outside to stop the process (SIGTERM by default) into a Qt
// signal on the event loop, where the memory cells can be written before the
// program ends. Only one instance may exist at a time. Termination signals exist
// only on Unix-like systems; elsewhere the object never emits, and the end of the
// desktop session is the one outside request that saves the cells.

#include <QObject>

#include <csignal>
#include <initializer_list>
#include <utility>
#include <vector>

class QSocketNotifier;

namespace tallimo::ui {

class TerminationSignal : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignal(std::initializer_list<int> signalNumbers = {SIGTERM}, QObject* parent = nullptr);
    ~TerminationSignal() override;

    TerminationSignal(const TerminationSignal&) = delete;
    TerminationSignal& operator=(const TerminationSignal&) = delete;

signals:
    void received(int signalNumber);

private:
#ifdef Q_OS_UNIX
    void drain();

    int readEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::vector<std::pair<int, struct sigaction>> previous_;
#endif
};

}  // namespace tallimo::ui

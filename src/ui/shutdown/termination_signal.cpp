#include "ui/shutdown/termination_signal.h"

#ifdef Q_OS_UNIX

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace tallimo::ui {

namespace {

// The handler may only do async-signal-safe work: it writes the signal number
// into a pipe, and the event loop reads it from the other end.
volatile sig_atomic_t writeEnd = -1;

extern "C" void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t ignored = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

// pipe2 is not on every Unix; the flags are set one by one instead.
bool openPipe(int (&ends)[2])
{
    if (::pipe(ends) != 0) return false;
    for (int end : ends) {
        if (::fcntl(end, F_SETFD, FD_CLOEXEC) == -1 || ::fcntl(end, F_SETFL, O_NONBLOCK) == -1) {
            ::close(ends[0]);
            ::close(ends[1]);
            return false;
        }
    }
    return true;
}

}  // namespace

TerminationSignal::TerminationSignal(std::initializer_list<int> signalNumbers, QObject* parent) : QObject(parent)
{
    if (writeEnd != -1) throw std::logic_error("only one TerminationSignal may exist at a time");
    int ends[2];
    if (!openPipe(ends)) throw std::runtime_error("no pipe for stop requests");
    readEnd_ = ends[0];
    writeEnd = ends[1];

    notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignal::drain);

    for (int number : signalNumbers) {
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        struct sigaction old = {};
        if (::sigaction(number, &action, &old) == 0) previous_.emplace_back(number, old);
    }
}

TerminationSignal::~TerminationSignal()
{
    for (const auto& [number, old] : previous_) ::sigaction(number, &old, nullptr);
    delete notifier_;
    ::close(writeEnd);
    writeEnd = -1;
    ::close(readEnd_);
}

void TerminationSignal::drain()
{
    unsigned char byte = 0;
    while (::read(readEnd_, &byte, 1) == 1) emit received(byte);
}

}  // namespace tallimo::ui

#else

namespace tallimo::ui {

TerminationSignal::TerminationSignal(std::initializer_list<int>, QObject* parent) : QObject(parent) {}

TerminationSignal::~TerminationSignal() = default;

}  // namespace tallimo::ui

#endif

#include "termination_signals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace {

const int kHandledSignals[] = {SIGTERM, SIGINT};

// The handler may only write: it passes the signal's number through this pair to the
// event loop. [0] is read by the notifier, [1] written by the handler.
int signalPipe[2] = {-1, -1};

void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a pending signal; losing this one changes nothing.
    (void)!::write(signalPipe[1], &number, 1);
    errno = savedErrno;
}

void setHandler(int signalNumber, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signalNumber, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        qWarning("Termination signals stay unhandled: no socket pair");
        return;
    }
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::onNotified);
    for (int signalNumber : kHandledSignals) {
        setHandler(signalNumber, onSignal);
    }
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    for (int signalNumber : kHandledSignals) {
        setHandler(signalNumber, SIG_DFL);
    }
    delete notifier_;
    for (int& end : signalPipe) {
        ::close(end);
        end = -1;
    }
}

void TerminationSignals::onNotified() {
    unsigned char number = 0;
    while (::read(signalPipe[0], &number, 1) == 1) {
        emit received(number);
    }
}

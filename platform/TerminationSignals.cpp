#include "TerminationSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace velmor {

#ifdef Q_OS_UNIX

namespace {

// Every signal whose default action ends the program and that a program may catch, but those
// that report its own faults (SIGSEGV and the like: nothing can be trusted after them).
constexpr int handled[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM};

// The pipe from the handler to the notifier; -1 while no object owns the signals.
int pipeEnds[2] = {-1, -1};

extern "C" void onTerminationSignal(int signalNumber) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const auto n = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (pipeEnds[0] != -1) {
        error_ = QStringLiteral("the termination signals are taken already");
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0) {
        error_ = systemError("socketpair");
        pipeEnds[0] = pipeEnds[1] = -1;
        return;
    }
    // The handler never waits on a full pipe, and the notifier reads what is there.
    for (const int end : pipeEnds)
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = true;
    for (const int s : handled)
        if (::sigaction(s, &action, nullptr) != 0) {
            error_ = systemError("sigaction");
            return;
        }
    // A reader gone from a pipe makes a write fail, which the writer sees, instead of ending
    // the program on the spot; for good, since what stdio still holds is written at the exit.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (installed_) {
        struct sigaction action {};
        action.sa_handler = SIG_DFL;
        sigemptyset(&action.sa_mask);
        for (const int s : handled)
            ::sigaction(s, &action, nullptr);
    }
    if (notifier_) {
        delete notifier_;
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        pipeEnds[0] = pipeEnds[1] = -1;
    }
}

void TerminationSignals::drain() {
    unsigned char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1)
        emit received(byte);
}

#else // no POSIX signals to take over

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::drain() {}

#endif

} // namespace velmor

#include "moc_TerminationSignals.cpp"

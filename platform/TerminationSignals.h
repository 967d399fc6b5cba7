#pragma once

#include <QObject>

#include <optional>

class QSocketNotifier;

namespace velmor {

// Turns SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2 and SIGALRM (every catchable signal
// that would end the program) into a Qt signal on the event loop, so that a program asked to
// end can finish the way a click would: the handler only writes the signal's number into a
// pipe (all a signal handler may safely do), and a socket notifier on the other end emits
// received() once the event loop is back. While the object lives it owns those signals; its
// destructor gives them back their default action. From the first object on, SIGPIPE is ignored
// for the rest of the program's life: a write to a pipe without a reader fails, for the writer to
// handle, down to what stdio flushes at the exit. One object at a time per process.
// POSIX only; elsewhere it installs nothing and never emits.
class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Why the signals could not be taken over (no pipe, a second object, a refused sigaction),
    // or nothing when they were.
    const std::optional<QString>& error() const { return error_; }

    // The exit status a program conventionally ends with after a signal: 128 + its number.
    static int exitStatus(int signalNumber) { return 128 + signalNumber; }

signals:
    // One of the signals arrived; emitted once per arrival, in order.
    void received(int signalNumber);

private:
    void drain();

    std::optional<QString> error_;
    QSocketNotifier* notifier_ = nullptr;
    bool installed_ = false;
};

} // namespace velmor

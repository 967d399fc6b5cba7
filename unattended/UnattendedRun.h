#pragma once

#include "AutomaticRun.h"

#include <QObject>
#include <QString>

#include <cstdio>

namespace velmor {

// What a run from the command line has, whatever it runs: the automatic run, its progress on a
// stream (redrawn in place on a terminal, plain lines otherwise), its messages on stderr and the
// exit status it ends with. A stream that cannot be written stops the run, with the supply off.
class UnattendedRun : public QObject {
    Q_OBJECT
public:
    struct Output {
        std::FILE* stream = stdout;
        bool terminal = false;
    };

    // Runs to the end, or until SIGINT, SIGTERM or SIGHUP, and returns the exit status; when the
    // port cannot be opened, stderr says why and the status is `couldNotRun`.
    int runToTheEnd(int couldNotRun);

    // Stops the run: the loads and the supply go off, the port closes.
    void interrupt();

signals:
    void finished(int status);

protected:
    // `status` is the exit status until the run gives another.
    UnattendedRun(Output output, int status);
    // The run this one follows, how long it waits for a lost link and what it says when the link
    // is back; called once, by the deriving class once its run is made.
    void follow(AutomaticRun& run, int linkTimeoutSeconds, QString linkBack);

    // A line on the stream, below the line redrawn in place, which is cleared first.
    void line(const QString& text);
    // The line redrawn in place (terminals only).
    void redraw(const QString& text);
    // The line redrawn in place kept, the next output below it.
    void keepRedrawn();
    // A message on stderr.
    static void say(const QString& text);
    // Flushes the stream; one that cannot be written stops the run.
    void flush();

    const Output output_;
    int status_; // given by finished()

private:
    void linkChanged(const std::optional<QString>& lostReason);

    AutomaticRun* run_ = nullptr;
    int linkTimeoutSeconds_ = 0;
    QString linkBack_;
    int drawnWidth_ = 0; // of the line redrawn in place
    bool outputLost_ = false;
};

} // namespace velmor

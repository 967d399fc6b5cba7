#include "UnattendedRun.h"

#include "TerminationSignals.h"

#include <QEventLoop>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace velmor {

UnattendedRun::UnattendedRun(Output output, int status) : output_(output), status_(status) {}

void UnattendedRun::follow(AutomaticRun& run, int linkTimeoutSeconds, QString linkBack) {
    run_ = &run;
    linkTimeoutSeconds_ = linkTimeoutSeconds;
    linkBack_ = std::move(linkBack);
    connect(run_, &AutomaticRun::linkChanged, this, &UnattendedRun::linkChanged);
    connect(run_, &AutomaticRun::finished, this, [this] { emit finished(status_); });
}

void UnattendedRun::linkChanged(const std::optional<QString>& lostReason) {
    keepRedrawn();
    if (lostReason)
        say(tr("serial port lost (%1); waiting up to %2 s for it")
                .arg(*lostReason)
                .arg(linkTimeoutSeconds_));
    else
        say(linkBack_);
}

int UnattendedRun::runToTheEnd(int couldNotRun) {
    // Caught from before the first frame, so a stop always ends with the loads off.
    TerminationSignals stop;
    connect(&stop, &TerminationSignals::received, this, &UnattendedRun::interrupt);
    if (const auto error = run_->start()) {
        say(*error);
        return couldNotRun;
    }
    QEventLoop loop;
    connect(this, &UnattendedRun::finished, &loop, &QEventLoop::exit);
    return loop.exec();
}

void UnattendedRun::interrupt() {
    run_->interrupt();
}

void UnattendedRun::line(const QString& text) {
    if (output_.terminal && drawnWidth_ > 0) {
        std::fprintf(output_.stream, "\r%*s\r", drawnWidth_, "");
        drawnWidth_ = 0;
    }
    std::fprintf(output_.stream, "%s\n", qPrintable(text));
    flush();
}

void UnattendedRun::redraw(const QString& text) {
    const int width = static_cast<int>(text.size());
    std::fprintf(output_.stream, "\r%s%*s", qPrintable(text), std::max(0, drawnWidth_ - width), "");
    drawnWidth_ = width;
    flush();
}

void UnattendedRun::keepRedrawn() {
    if (output_.terminal && drawnWidth_ > 0) {
        std::fputc('\n', output_.stream);
        drawnWidth_ = 0;
    }
}

void UnattendedRun::say(const QString& text) {
    std::fprintf(stderr, "velmor-test: %s\n", qPrintable(text));
    std::fflush(stderr);
}

void UnattendedRun::flush() {
    if (outputLost_)
        return;
    errno = 0;
    if (std::fflush(output_.stream) == 0 && !std::ferror(output_.stream))
        return;
    outputLost_ = true;
    say(tr("the output cannot be written (%1); the run is stopped")
            .arg(QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO))));
    // Stopped once the tick that wrote has been answered.
    QMetaObject::invokeMethod(this, &UnattendedRun::interrupt, Qt::QueuedConnection);
}

} // namespace velmor

#include "moc_UnattendedRun.cpp"

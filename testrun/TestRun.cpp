#include "TestRun.h"

#include "LineSettings.h"

#include <algorithm>

namespace velmor {

TestRun::TestRun(RunStep& step, const PortFactory& makePort, int linkTimeoutSeconds,
                 RunRecorder* recorder)
    : step_(step), port_(makePort()),
      recovery_(*port_, [this](const std::optional<QString>& lost) { emit linkChanged(lost); }),
      linkTimeoutSeconds_(linkTimeoutSeconds), recorder_(recorder), paced_(step_.pacedByReplies()) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(paced_ ? pollMs : step_.tickMs());
    connect(&timer_, &QTimer::timeout, this, paced_ ? &TestRun::poll : &TestRun::tick);
}

TestRun::~TestRun() = default;

std::optional<QString> TestRun::start() {
    if (auto error = port_->open(unitPortNumber, unitLineSettings))
        return error;
    send(allOffFrame);
    if (const auto first = step_.firstFrame())
        send(*first);
    started_ = true;
    if (recorder_)
        recorder_->runStarted();
    clock_.start();
    lastHeard_.start();
    // The first tick comes half a tick after the load, as a click on start follows the graph
    // window's load: a unit that speaks on its own every tick after a frame then does so before
    // the first tick rather than between the first and the second, where its reply to the
    // all-off frame would be taken for the answer to the step's first frame.
    QTimer::singleShot(step_.tickMs() / 2, Qt::PreciseTimer, this, [this] {
        if (ending_)
            return;
        lastHanded_.start();
        timer_.start();
    });
    return std::nullopt;
}

QByteArray TestRun::readFresh() {
    QByteArray bytes = recovery_.read();
    const qsizetype skipped = std::min<qsizetype>(skip_, bytes.size());
    bytes.remove(0, skipped);
    skip_ -= skipped;
    return bytes;
}

void TestRun::skipRestOf(qsizetype bytesIn) {
    skip_ = (frameBytes - bytesIn % frameBytes) % frameBytes;
}

void TestRun::tick() {
    // The bytes leave the unit one by one: a reply half in at the tick is not the start of the
    // next tick's reading.
    const QByteArray bytes = readFresh();
    skipRestOf(bytes.size());
    hand({replyFrame(bytes), clock_.elapsed(), lastSent_});
}

void TestRun::poll() {
    pending_ += readFresh();
    const qsizetype whole = pending_.size() / frameBytes * frameBytes;
    if (whole == 0 && !lastHanded_.hasExpired(step_.tickMs()))
        return;
    if (whole == 0) { // a reply not whole within a tick is given up, and the rest of it skipped
        skipRestOf(pending_.size());
        pending_.clear();
    }
    // The newest whole reply: what came before it answered an earlier frame (at the start, the
    // all-off frame); the bytes after it begin the next reply.
    const QByteArray reply =
        whole > 0 ? pending_.mid(whole - frameBytes, frameBytes) : QByteArray();
    pending_.remove(0, whole);
    lastHanded_.restart();
    hand({replyFrame(reply), clock_.elapsed(), lastSent_});
}

void TestRun::hand(const StepReading& reading) {
    const StepAnswer answer = step_.take(reading);
    // Every reply is answered with a frame, the step's current one unless it gives a new one: a
    // unit that speaks only when spoken to, or drops its loads when the frames stop, keeps going.
    const std::optional<ControlFrame> frame =
        answer.frame ? answer.frame
                     : (reading.reply && !answer.done ? std::optional(lastSent_) : std::nullopt);
    if (frame) {
        if (paced_) {
            // Whatever came or is still coming answered the frame before this one: the whole
            // replies in are dropped, and so is the rest of one half in, as it comes.
            pending_ += readFresh();
            skipRestOf(pending_.size());
            pending_.clear();
        }
        send(*frame);
    }
    if (recorder_)
        recorder_->readingTaken(reading, answer);
    emit ticked(reading, answer);
    if (answer.done) {
        end(RunEnd::Completed);
    } else if (reading.reply) {
        lastHeard_.restart();
    } else if (lastHeard_.hasExpired(1000LL * linkTimeoutSeconds_)) {
        if (!port_->isOpen()) {
            const std::optional<QString> lost = port_->lostReason();
            // Back just now, the loads go off and the unit was silent; else the port is gone.
            if (port_->open(unitPortNumber, unitLineSettings))
                portLost_ =
                    lost.value_or(QStringLiteral("%1: the port is closed").arg(port_->device()));
        }
        end(RunEnd::LinkLost);
    }
}

void TestRun::send(const ControlFrame& frame) {
    sendFrame(*port_, frame);
    lastSent_ = frame;
}

void TestRun::interrupt() {
    end(RunEnd::Aborted);
}

void TestRun::end(RunEnd how) {
    if (ending_)
        return;
    ending_ = true;
    timer_.stop();
    if (port_->isOpen()) {
        if (const auto last = step_.endFrame())
            send(*last);
        send(allOffFrame);
    }
    if (recorder_ && started_) {
        if (portLost_)
            recorder_->portLost(*portLost_);
        recorder_->runEnded(how);
    }
    emit switchedOff(how);
    QTimer::singleShot(drainMs, this, [this, how] {
        port_->close();
        emit finished(how);
    });
}

} // namespace velmor

#include "moc_TestRun.cpp"

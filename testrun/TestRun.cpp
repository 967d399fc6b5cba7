#include "TestRun.h"

#include "LineSettings.h"

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

void TestRun::tick() {
    hand({replyFrame(recovery_.read()), clock_.elapsed(), lastSent_});
}

void TestRun::poll() {
    pending_ += recovery_.read();
    const qsizetype whole = pending_.size() / 4 * 4;
    if (whole == 0 && !lastHanded_.hasExpired(step_.tickMs()))
        return;
    // The newest whole reply: what came before it answered an earlier frame (at the start, the
    // all-off frame); the bytes after it begin the next reply.
    const QByteArray reply = whole > 0 ? pending_.mid(whole - 4, 4) : QByteArray();
    pending_.remove(0, whole);
    lastHanded_.restart();
    hand({replyFrame(reply), clock_.elapsed(), lastSent_});
}

void TestRun::hand(const StepReading& reading) {
    const StepAnswer answer = step_.take(reading);
    if (answer.frame) {
        if (paced_) {
            // Whatever is still to come answered the frame before this one.
            if (port_->isOpen())
                port_->dropInput();
            pending_.clear();
        }
        send(*answer.frame);
    }
    if (recorder_)
        recorder_->readingTaken(reading, answer);
    emit ticked(reading, answer);
    if (answer.done) {
        end(RunEnd::Completed);
    } else if (reading.reply) {
        lastHeard_.restart();
    } else if (lastHeard_.hasExpired(1000LL * linkTimeoutSeconds_)) {
        if (!port_->isOpen())
            port_->open(unitPortNumber, unitLineSettings); // loads off if it is back
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
    if (recorder_ && started_)
        recorder_->runEnded(how);
    emit switchedOff(how);
    QTimer::singleShot(drainMs, this, [this, how] {
        port_->close();
        emit finished(how);
    });
}

} // namespace velmor

#pragma once

#include "PortRecovery.h"
#include "RunRecorder.h"
#include "RunStep.h"
#include "SerialPort.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

namespace velmor {

// One automatic test run on the unit: the engine every unattended test is a step of. start()
// opens the port and sends the all-off frame (then the step's first frame); half a tick later the
// ticks begin, each reading the reply, handing it to the step and sending the step's frame: a new
// one, or again the one the unit has, so that every reply is answered.
// However the run ends (the step done, interrupt(), no reply for the link timeout) the step's
// end frame and then the all-off frame go out once, the bytes get time to leave, and the port
// closes. A port that goes away is opened again at each tick until it is back.
class TestRun : public QObject {
    Q_OBJECT
public:
    // The step and the recorder, if any, must outlive the run.
    TestRun(RunStep& step, const PortFactory& makePort, int linkTimeoutSeconds,
            RunRecorder* recorder = nullptr);
    ~TestRun() override;

    // Returns why the port cannot be opened (then nothing was sent and no signal follows), or
    // nothing.
    std::optional<QString> start();

    // Ends the run as Aborted; nothing once it is ending.
    void interrupt();

    // The device the run's port maps to, for its report.
    QString device() const { return port_->device(); }

    // Of a run given up for its link: why the port was gone at the end; nothing when it was open
    // and the unit silent.
    const std::optional<QString>& portLostReason() const { return portLost_; }

    // Lets the last frames leave before the port closes.
    static constexpr int drainMs = 100;
    // How often a run paced by replies looks for a whole reply.
    static constexpr int pollMs = 1;

signals:
    // Once when the link goes (with the reason), once when it is back (with nothing).
    void linkChanged(const std::optional<QString>& lostReason);
    // Each tick, after the step's frame went out.
    void ticked(const StepReading& reading, const StepAnswer& answer);
    // The unit has its all-off frame; the port closes drainMs later.
    void switchedOff(RunEnd end);
    // The port is closed.
    void finished(RunEnd end);

private:
    // What came since the last read, less the rest of a reply being skipped.
    QByteArray readFresh();
    // Of a reply half in after so many bytes, the rest is skipped as it comes.
    void skipRestOf(qsizetype bytesIn);
    void tick();
    void poll();
    void hand(const StepReading& reading);
    void send(const ControlFrame& frame);
    void end(RunEnd how);

    RunStep& step_;
    std::unique_ptr<SerialPort> port_;
    PortRecovery recovery_;
    int linkTimeoutSeconds_;
    RunRecorder* recorder_;
    QTimer timer_;
    QElapsedTimer clock_;
    QElapsedTimer lastHeard_; // since the last reply, or since the start
    bool paced_ = false;
    QByteArray pending_;       // paced: bytes of a reply not yet whole
    qsizetype skip_ = 0;       // bytes still to come of a reply not taken
    QElapsedTimer lastHanded_; // paced: since the last reading went to the step
    ControlFrame lastSent_ = allOffFrame;
    std::optional<QString> portLost_;
    bool started_ = false;
    bool ending_ = false;
};

} // namespace velmor

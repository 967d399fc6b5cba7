#pragma once

#include "RunStep.h"
#include "SerialPort.h"
#include "SleepInhibitor.h"
#include "TestRun.h"

#include <QObject>

#include <memory>
#include <optional>

namespace velmor {

// What every automatic run has, whatever its step: the test-run engine on the unit's port, and
// the machine kept awake from the start until the port is closed (a sleeping machine would leave
// the supply loaded and the run's timing broken). The engine's signals come through as they are.
class AutomaticRun : public QObject {
    Q_OBJECT
public:
    ~AutomaticRun() override;

    // Keeps the machine awake, opens the port and sends the all-off frame; the ticks follow.
    // Returns why the port cannot be opened (then nothing was sent and no signal follows), or
    // nothing. Where the machine cannot be kept awake, stderr says why and the run goes on.
    std::optional<QString> start();

    // Ends the run as Aborted: the loads and the supply off, the port closed.
    void interrupt();

    // From start() until the port is closed: logind holds a block on sleep and idle for the run
    // (where there is a logind to ask).
    bool keepingAwake() const { return awake_.has_value(); }

    // The device the run's port maps to.
    QString device() const { return engine_->device(); }
    // Why the port was lost, where the link ended so rather than by a silent unit.
    const std::optional<QString>& portLostReason() const { return engine_->portLostReason(); }

signals:
    void linkChanged(const std::optional<QString>& lostReason);
    void ticked(const StepReading& reading, const StepAnswer& answer);
    void switchedOff(RunEnd end);
    void finished(RunEnd end);

protected:
    // `purpose` is what the machine is kept awake for (`systemd-inhibit --list` shows it).
    explicit AutomaticRun(QString purpose);
    // Puts the step on the engine; called once, by the composing class once its step is made.
    void compose(RunStep& step, const PortFactory& makePort, int linkTimeoutSeconds,
                 RunRecorder* recorder);
    // Each tick, before ticked() is emitted.
    virtual void taken(const StepReading& reading);

private:
    QString purpose_;
    std::unique_ptr<TestRun> engine_;
    std::optional<SleepInhibitor> awake_;
};

} // namespace velmor

#pragma once

#include "CalibrationStep.h"
#include "TestRun.h"

#include <QObject>
#include <QString>

#include <optional>

namespace velmor {

// One point of the calibration as a run of its own on the port: the calibration step on the
// engine (the all-off frame first, every reply answered with it, the all-off frame and the close
// last), its progress as it steadies, and at the end the averaged point or why there is none.
// The terminal waits for it on an event loop, the station's dialog on its signals.
class CalibrationPointRun final : public QObject {
    Q_OBJECT
public:
    static constexpr int linkTimeoutSeconds = 10;

    CalibrationPointRun(Input input, const PortFactory& makePort, QObject* parent = nullptr);

    // Why the port cannot be opened (then nothing was sent and no signal follows), or nothing.
    std::optional<QString> start();
    // Ends the run at once: the all-off frame goes out and the port closes; finished() follows.
    void interrupt() { run_.interrupt(); }

    const CalibrationStep::Progress& progress() const { return step_.progress(); }
    QString device() const { return run_.device(); }
    // Once finished: the point (its meter volts still to be given), or none with why.
    const std::optional<CalibrationPoint>& point() const { return point_; }
    const QString& failure() const { return failure_; }

signals:
    // Each reply taken.
    void progressed();
    // The port is closed.
    void finished();

private:
    CalibrationStep step_;
    TestRun run_;
    std::optional<QString> lost_;
    std::optional<CalibrationPoint> point_;
    QString failure_;
};

} // namespace velmor

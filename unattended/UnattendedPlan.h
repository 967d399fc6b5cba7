#pragma once

#include "MapsFolder.h"
#include "PlanProgress.h"
#include "PlanRecorder.h"
#include "PlanRequest.h"
#include "PlanRun.h"
#include "RunReportCollector.h"
#include "SerialPort.h"
#include "TestRun.h"

#include <QObject>

#include <cstdio>
#include <optional>

namespace velmor {

// A test plan without a window: the plan run as one step of the test-run engine, its progress on
// a stream, and at its end each step's outcome and the run's. The run opens the port with the
// all-off frame and ends, however it ends, with the all-off frame; finished() then gives the
// exit status.
class UnattendedPlan : public QObject {
    Q_OBJECT
public:
    // Progress goes to the stream: redrawn in place on a terminal, a line now and then otherwise.
    struct Output {
        std::FILE* stream = stdout;
        bool terminal = false;
    };

    // The recorder, if any, keeps the run's test record; the report, if asked for, goes into
    // the maps folder.
    UnattendedPlan(Plan plan, PlanRequest request, const PortFactory& makePort, Output output,
                   MapsFolder reports, PlanRecorder* recorder = nullptr);
    ~UnattendedPlan() override;

    // Opens the port and sends the all-off frame; the ticks follow. Returns why the port cannot
    // be opened (nothing was sent), or nothing.
    std::optional<QString> start();

    // Stops the run: the loads and the supply go off, the port closes, the record ends aborted
    // and the exit status is 1. An output that cannot be written stops it the same way.
    void interrupt();

signals:
    void finished(int status);

private:
    void ticked(const StepReading& reading, const StepAnswer& answer);
    void linkChanged(const std::optional<QString>& lostReason);
    void switchedOff(RunEnd end);
    // The lines of the steps ended since the last call.
    void showStepsEnded();
    void showProgress(qint64 elapsedMs);
    void line(const QString& text);
    // Flushes the output; one that cannot be written stops the run.
    void flush();
    int concluded(RunEnd end);
    // False when the report could not be written (stderr says why).
    bool writeReport();

    PlanRequest request_;
    Output output_;
    MapsFolder reports_;
    RunReportCollector report_;
    BothRecorders recorders_; // the store's record and the report's
    PlanRun run_;
    TestRun engine_;
    PlanProgress progress_;
    std::size_t stepsShown_ = 0; // step results written
    qint64 lineShownMs_ = -1;    // when the last plain progress line was written
    int drawnWidth_ = 0;         // of the line redrawn in place
    bool outputLost_ = false;
    int status_ = planCouldNotRun;
};

} // namespace velmor

#pragma once

#include "MapFile.h"
#include "SerialPort.h"
#include "SweepProgress.h"
#include "SweepRecorder.h"
#include "SweepRequest.h"
#include "SweepRunRecorder.h"
#include "SweepRunStep.h"
#include "TestRun.h"

#include <QObject>

#include <cstdio>
#include <memory>
#include <optional>

namespace velmor {

// The cross-load sweep without a window: what the graph window does from its load to the save,
// with the limits given, as a test run of the sweep step. The run opens the port with the
// all-off frame and ticks every 100 ms; when it has switched the unit off, a completed sweep's
// map (drawn as the graph window draws it), its data, the summary and, if asked, the report are
// saved, and finished() gives the exit status.
class UnattendedSweep : public QObject {
    Q_OBJECT
public:
    // Progress goes to the stream: redrawn in place on a terminal, one line per row otherwise.
    struct Output {
        std::FILE* stream = stdout;
        bool terminal = false;
    };

    // The recorder, if any, keeps the sweep's test record as the graph window's does.
    // The map and its files are saved as the target names them inside the maps folder.
    UnattendedSweep(SweepRequest request, QString mapsFolder, MapPath target,
                    const PortFactory& makePort, Output output, SweepRecorder* recorder = nullptr);
    ~UnattendedSweep() override;

    // Opens the port and sends the all-off frame; the ticks follow. Returns why the port cannot
    // be opened, or nothing.
    std::optional<QString> start();

    // Stops the sweep: the loads and the supply go off, the port closes, and the exit status is 1.
    // An output that cannot be written stops it the same way.
    void interrupt();

signals:
    void finished(int status);

private:
    void ticked(const StepReading& reading, const StepAnswer& answer);
    void linkChanged(const std::optional<QString>& lostReason);
    void switchedOff(RunEnd end);
    // Redraws the bar, or writes the line of the row the tick finished, which holds the cells up
    // to the given count.
    void showProgress(const StepReading& reading, std::optional<int> rowDone, int cellsThroughRow);
    int save();
    // Flushes the output; one that cannot be written stops the sweep.
    void flush();

    SweepRequest request_;
    QString mapsFolder_;
    MapPath target_;
    Output output_;
    qreal ratio_; // the map's device pixels per logical pixel, as the graph window would have it
    SweepRunStep step_;
    SweepRecorder* recorder_;
    std::unique_ptr<SweepRunRecorder> recording_;
    TestRun run_;
    SweepProgress progress_;
    int row_ = 0; // the row the sweep is on
    int status_ = sweepCouldNotRun;
    bool outputLost_ = false;
};

} // namespace velmor

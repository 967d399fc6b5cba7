#pragma once

#include "AutomaticSweep.h"
#include "UnattendedRun.h"

#include <optional>

namespace velmor {

// The cross-load sweep without a window: the automatic sweep, its progress on a stream (a bar
// redrawn on a terminal, a line per row otherwise), and once the unit is switched off, a completed
// sweep's map and files saved and its verdict; finished() then gives the exit status (SweepExit).
class UnattendedSweep : public UnattendedRun {
    Q_OBJECT
public:
    UnattendedSweep(SweepRunSettings settings, const PortFactory& makePort, Output output);
    ~UnattendedSweep() override;

private:
    void ticked(const StepReading& reading, const StepAnswer& answer);
    void switchedOff(RunEnd end);
    // Redraws the bar, or writes the line of the row the tick finished, which holds the cells up
    // to the given count.
    void showProgress(const StepReading& reading, std::optional<int> rowDone, int cellsThroughRow);
    int save();

    AutomaticSweep run_;
    int row_ = 0; // the row the sweep is on
};

} // namespace velmor

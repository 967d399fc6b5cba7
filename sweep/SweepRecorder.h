#pragma once

#include "Calibration.h"
#include "MapRecord.h"
#include "MapSave.h"
#include "Sweep.h"

#include <QSize>

namespace velmor {

// How a recorded sweep ended.
enum class SweepEnd {
    Completed, // the end of the sweep was reached
    Reset,     // the operator reset the map
    Abandoned, // the window was left or the program closed
    LinkLost   // closed while the link to the unit was down
};

// What the graph window tells whoever keeps the test records. Every call returns at once: the
// recorder only hands the values on. The window works the same without one.
class SweepRecorder {
public:
    virtual ~SweepRecorder() = default;
    // A sweep begins from the Ready state, with the limits it reads and the map picture's size
    // in device pixels and device pixels per logical pixel, so the map can be drawn again
    // exactly; and the calibration its verdict is judged with, with "overdue" or "missing" where
    // the bench's calibration was.
    virtual void sweepStarted(const SweepLimits& limits, QSize mapPixels, qreal ratio,
                              const Calibration& calibration,
                              const QString& calibrationWarning) = 0;
    virtual void cellPainted(const MapCell& cell) = 0;
    virtual void sweepEnded(SweepEnd end) = 0;
    // The map of the last sweep was saved under the name into the files.
    virtual void sweepSaved(const QString& name, const MapFiles& files) = 0;
};

} // namespace velmor

#pragma once

#include "RunStep.h"

#include <QString>

namespace velmor {

// How a test run ended.
enum class RunEnd {
    Completed, // the step was done
    Aborted,   // stopped from outside: a signal, the operator, an error
    LinkLost   // no reply for longer than the link timeout
};

// What the engine tells whoever keeps the test record of a run. Every call returns at once.
class RunRecorder {
public:
    virtual ~RunRecorder() = default;
    // The port is open and has the all-off frame (and the step's first frame, if any).
    virtual void runStarted() = 0;
    // Each tick's reading with the step's answer, after the answer's frame went out.
    virtual void readingTaken(const StepReading& reading, const StepAnswer& answer) = 0;
    // A run given up for its link with the port still gone: the port's reason ("/dev/ttyUSB0:
    // Input/output error"), told just before runEnded(). Without it the unit was silent.
    virtual void portLost(const QString& /*reason*/) {}
    // After the end frame and the all-off frame, before the port closes.
    virtual void runEnded(RunEnd end) = 0;
};

} // namespace velmor

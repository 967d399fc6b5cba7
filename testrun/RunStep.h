#pragma once

#include "Frames.h"

#include <QtGlobal>

#include <optional>

namespace velmor {

// One tick's reading as a step sees it.
struct StepReading {
    std::optional<ReplyFrame> reply; // the unit's reply taken apart; none when there is no link
    qint64 sinceStartMs = 0;         // from the run's start (its all-off frame)
    ControlFrame answers;            // the last frame sent before the read
};

// What a step makes of a reading.
enum class ReadingUse {
    Judged,    // it counts towards the step's result
    Unsettled, // kept and counted, not judged: the supply was off, not yet up or just jumped
    Ignored    // no reading to speak of (no link, or the tick that ends the step)
};

struct StepAnswer {
    std::optional<ControlFrame> frame; // sent at once; none: the unit keeps what it has
    ReadingUse use = ReadingUse::Ignored;
    bool done = false; // the engine then sends the end frame and the all-off frame
};

// One piece of a test run, driven tick by tick by the engine (TestRun). A step knows nothing of
// ports, timers, stores or windows: it turns readings into frames, so a list of readings is
// enough to try it.
class RunStep {
public:
    virtual ~RunStep() = default;

    // Sent right after the all-off frame that opens the run; none: the first tick comes with
    // the unit switched off.
    virtual std::optional<ControlFrame> firstFrame() const { return std::nullopt; }

    virtual StepAnswer take(const StepReading& reading) = 0;

    // Sent before the all-off frame however the run ends, if the port is still open.
    virtual std::optional<ControlFrame> endFrame() const { return std::nullopt; }

    // The time between two readings.
    virtual int tickMs() const { return 100; }

    // Paced by replies: each reply is handed over as soon as its four bytes are in and the next
    // frame goes out at once; a tick without a whole reply still hands over a reading without
    // one. Otherwise one reading per tick, the first four bytes of whatever arrived since.
    virtual bool pacedByReplies() const { return false; }
};

} // namespace velmor

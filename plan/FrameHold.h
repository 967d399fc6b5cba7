#pragma once

#include "RunStep.h"

#include <QtGlobal>

#include <optional>

namespace velmor {

// How long a step has held its latest frame, read off the readings that answer it. A frame goes
// out in the answer to a reading, so it left at that reading's time; a step's first frame left
// before its first reading, a tick before it (paced by replies: just before it).
class FrameHold {
public:
    FrameHold(qint64 dwellMs, bool pacedByReplies, int tickMs);

    // The frame answering this reading has gone out.
    void sent(const StepReading& reading) { sentMs_ = reading.sinceStartMs; }

    // Whether the frame has been held for the dwell at this reading. On ticks, a reading half a
    // tick early counts: the ticks keep time on average, not to the millisecond.
    bool held(const StepReading& reading);
    // How long it has been held at this reading.
    qint64 heldMs(const StepReading& reading);

    qint64 dwellMs() const { return dwellMs_; }

private:
    qint64 dwellMs_;
    qint64 slackMs_;
    qint64 firstLagMs_;
    std::optional<qint64> sentMs_;
};

} // namespace velmor

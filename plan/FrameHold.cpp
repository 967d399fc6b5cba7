#include "FrameHold.h"

namespace velmor {

FrameHold::FrameHold(qint64 dwellMs, bool pacedByReplies, int tickMs)
    : dwellMs_(dwellMs), slackMs_(pacedByReplies ? 0 : tickMs / 2),
      firstLagMs_(pacedByReplies ? 0 : tickMs) {}

qint64 FrameHold::heldMs(const StepReading& reading) {
    if (!sentMs_)
        sentMs_ = reading.sinceStartMs - firstLagMs_;
    return reading.sinceStartMs - *sentMs_;
}

bool FrameHold::held(const StepReading& reading) {
    return heldMs(reading) + slackMs_ >= dwellMs_;
}

} // namespace velmor

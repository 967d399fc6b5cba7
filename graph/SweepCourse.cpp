#include "SweepCourse.h"

namespace velmor {

SweepTick advanceSweep(SharedState& state, const std::optional<ReplyFrame>& reply,
                       MapRecord& record) {
    const SweepTick tick = sweepStep(state, state, reply);
    if (tick.outcome == SweepTick::Outcome::NoLink)
        return tick;
    state.load12Step = tick.load12Step;
    state.load5Step = tick.load5Step;
    if (tick.outcome == SweepTick::Outcome::Painted)
        record.push_back(paintedCell(*reply, tick));
    return tick;
}

int expectedSweepCells(const SweepLimits& limits) {
    // The tick's own wrap and end tests, without the replies.
    int cells = 0;
    for (int load12Step = 0, load5Step = 0;; ++load12Step, ++cells) {
        if (rowWraps(load12Step, load5Step, limits.loadLimit2, limits.powerLimit)) {
            load12Step = 0;
            ++load5Step;
        }
        if (sweepEnds(load5Step, limits.loadLimit1))
            return cells;
    }
}

int expectedSweepRows(const SweepLimits& limits) {
    return limits.loadLimit1 / 2 + 1;
}

} // namespace velmor

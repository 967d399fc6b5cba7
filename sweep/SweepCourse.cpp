#include "SweepCourse.h"

#include "SweepSettling.h"

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

// By the tick's own wrap and end tests without the replies: one per tick, the tick after the last
// one ends the sweep.
std::vector<MapCell> sweepPlaces(const SweepLimits& limits) {
    std::vector<MapCell> places;
    for (int load12Step = 0, load5Step = 0;; ++load12Step) {
        if (rowWraps(load12Step, load5Step, limits.loadLimit2, limits.powerLimit)) {
            load12Step = 0;
            ++load5Step;
        }
        if (sweepEnds(load5Step, limits.loadLimit1))
            return places;
        places.push_back({static_cast<qint16>(load5Step), static_cast<qint16>(load12Step)});
    }
}

int expectedSweepCells(const SweepLimits& limits) {
    return static_cast<int>(sweepPlaces(limits).size());
}

int judgeableSweepCells(const SweepLimits& limits) {
    MapRecord nominal = sweepPlaces(limits);
    for (MapCell& cell : nominal)
        cell = mapCell(cell.row, cell.column, midRangeReply);
    return settleSweep(nominal).judged;
}

} // namespace velmor

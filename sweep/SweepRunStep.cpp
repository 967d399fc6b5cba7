#include "SweepRunStep.h"

#include "SweepCourse.h"
#include "SweepSettling.h"

namespace velmor {

SweepRunStep::SweepRunStep(const SweepLimits& limits) : limits_(limits) {
    state_.loadLimit1 = static_cast<qint16>(limits.loadLimit1);
    state_.loadLimit2 = static_cast<qint16>(limits.loadLimit2);
    state_.powerLimit = static_cast<qint16>(limits.powerLimit);
    state_.graphSupplyOn = 1; // the start switches the supply on with the first cell's frame
}

StepAnswer SweepRunStep::take(const StepReading& reading) {
    const SweepTick tick = advanceSweep(state_, reading.reply, record_);
    StepAnswer answer;
    switch (tick.outcome) {
    case SweepTick::Outcome::NoLink:
        break;
    case SweepTick::Outcome::Ended:
        answer.done = true; // the end frame comes from endFrame()
        break;
    case SweepTick::Outcome::Painted: {
        // The settled rule looks back only, so the newest cell's class is final at once.
        const SettledRun settled = settleSweep(record_);
        answer.use = settled.settling.back() == Settling::Judged ? ReadingUse::Judged
                                                                 : ReadingUse::Unsettled;
        if (settled.shutDownAt)
            answer.done = true; // a shutdown fails the sweep: the loads go off on this tick
        else
            answer.frame = tick.frame;
        break;
    }
    }
    return answer;
}

std::optional<ControlFrame> SweepRunStep::endFrame() const {
    return sweepEndFrame(state_.graphSupplyOn);
}

} // namespace velmor

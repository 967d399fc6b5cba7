#include "Sweep.h"

#include "Reading.h"

#include <algorithm>

namespace velmor {

namespace {

// Step n of either axis is load setting 2n, the last one held at full load.
int sweepSetting(int step) {
    return std::clamp(2 * step, 0, maxLoadSetting);
}

} // namespace

const QString noLinkCaption = QStringLiteral("нет\r\nСвязи");
const QString testEndCaption = QStringLiteral("ТЕСТ\r\nЗАКОНЧЕН");

ControlFrame sweepFrame(int graphSupplyOn, int load12Step, int load5Step) {
    return controlFrame(graphSupplyOn != 0, sweepSetting(load5Step), sweepSetting(load12Step), 0);
}

ControlFrame sweepEndFrame(int graphSupplyOn) {
    return controlFrame(graphSupplyOn != 0, LoadSettings{});
}

QString sweepReadout(const ReplyFrame& reply, int load12Step, int load5Step) {
    const Reading r = graphReading(reply);
    return formatReading(r.volts5) + QStringLiteral("     ") +
           formatReading(nominalCurrent5(load5Step)) + QStringLiteral("\r\n") +
           formatReading(r.volts12) + QStringLiteral("   ") +
           formatReading(nominalCurrent12(load12Step)) + QStringLiteral("\r\n") +
           formatReading(r.volts33);
}

SweepTick sweepStep(const LoadLimits& limits, const SweepPosition& position,
                    const std::optional<ReplyFrame>& reply) {
    SweepTick tick;
    tick.load12Step = position.load12Step;
    tick.load5Step = position.load5Step;
    if (!reply) {
        tick.caption = noLinkCaption;
        return tick;
    }

    const auto [k5, k12] = deviationClasses(*reply);
    tick.indicator5 = classColour(k5);
    tick.indicator12 = classColour(k12);

    if (rowWraps(tick.load12Step, tick.load5Step, limits.loadLimit2, limits.powerLimit)) {
        tick.load12Step = 0;
        ++tick.load5Step;
    }
    if (sweepEnds(tick.load5Step, limits.loadLimit1)) {
        tick.outcome = SweepTick::Outcome::Ended;
        tick.caption = testEndCaption;
        tick.frame = sweepEndFrame(position.graphSupplyOn);
        return tick;
    }

    tick.outcome = SweepTick::Outcome::Painted;
    tick.caption = sweepReadout(*reply, tick.load12Step, tick.load5Step);
    tick.cell = cellBox(tick.load12Step, tick.load5Step);
    tick.cellColour = classColour(cellClass(k5, k12));
    ++tick.load12Step;
    tick.frame = sweepFrame(position.graphSupplyOn, tick.load12Step, tick.load5Step);
    return tick;
}

} // namespace velmor

#include "Sweep.h"

#include "Conversions.h"

#include <algorithm>

namespace velmor {

namespace {

quint8 sweepLoadCode(int step) {
    return loadCode(std::clamp(2 * step, 0, maxLoadSetting));
}

} // namespace

const QString noLinkCaption = QStringLiteral("нет\r\nСвязи");
const QString testEndCaption = QStringLiteral("ТЕСТ\r\nЗАКОНЧЕН");

ControlFrame sweepFrame(int graphSupplyOn, int load12Step, int load5Step) {
    return ControlFrame{static_cast<quint8>(graphSupplyOn), 255, sweepLoadCode(load12Step),
                        sweepLoadCode(load5Step)};
}

ControlFrame sweepEndFrame(int graphSupplyOn) {
    return ControlFrame{static_cast<quint8>(graphSupplyOn), 255, 255, 255};
}

QString sweepReadout(const ReplyFrame& reply, int load12Step, int load5Step) {
    return formatReading(volts5Graph(reply.b2)) + QStringLiteral("     ") +
           formatReading(nominalCurrent5(load5Step)) + QStringLiteral("\r\n") +
           formatReading(volts12(reply.b3)) + QStringLiteral("   ") +
           formatReading(nominalCurrent12(load12Step)) + QStringLiteral("\r\n") +
           formatReading(volts33(reply.b4));
}

SweepTick sweepStep(const Limits& limits, const SweepPosition& position,
                    const std::optional<ReplyFrame>& reply) {
    SweepTick tick;
    tick.load12Step = position.load12Step;
    tick.load5Step = position.load5Step;
    if (!reply) {
        tick.caption = noLinkCaption;
        return tick;
    }

    const int k5 = deviationClass5(reply->b2);
    const int k12 = deviationClass12(reply->b3);
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

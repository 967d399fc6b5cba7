#include "PlanSummary.h"

#include <QCoreApplication>

namespace velmor {

namespace {

QString figure(double value) {
    return QString::number(value, 'g', 6);
}

QString band(const char* output, const Tolerance& t) {
    return QCoreApplication::translate("velmor::Plan", "%1 %2..%3 %")
        .arg(QLatin1String(output), figure(t.lowPercent), figure(t.highPercent));
}

} // namespace

QString durationText(qint64 ms) {
    const qint64 s = (ms + 500) / 1000;
    if (s < 60)
        return QCoreApplication::translate("velmor::Plan", "%1 s").arg(s);
    if (s < 3600)
        return QCoreApplication::translate("velmor::Plan", "%1 min %2 s").arg(s / 60).arg(s % 60);
    return QCoreApplication::translate("velmor::Plan", "%1 h %2 min")
        .arg(s / 3600)
        .arg(s % 3600 / 60);
}

QString describePlan(const Plan& plan) {
    const PlanContext& c = plan.context;
    QString text =
        QCoreApplication::translate("velmor::Plan", "plan %1 (%2)\n").arg(plan.name, plan.file);
    text +=
        QCoreApplication::translate(
            "velmor::Plan", "supply: %1 W; +5 V %2 A, +12 V %3 A, +3.3 V %4 A; power bound %5 W\n")
            .arg(figure(c.label.ratedWatts), figure(c.label.ratedAmps.amps5),
                 figure(c.label.ratedAmps.amps12), figure(c.label.ratedAmps.amps33),
                 figure(c.powerBoundWatts));
    text += QCoreApplication::translate("velmor::Plan",
                                        "profile: %1 (%2, %3, %4), guard band %5 points\n")
                .arg(c.profile.name, band("+5 V", c.profile.out5), band("+12 V", c.profile.out12),
                     band("+3.3 V", c.profile.out33), figure(c.profile.guardPercent));
    text += c.paceByReplies ? QCoreApplication::translate("velmor::Plan", "pace: replies\n")
                            : QCoreApplication::translate("velmor::Plan", "pace: ticks\n");
    text += QCoreApplication::translate("velmor::Plan", "settle time: %1 ms\n").arg(c.settleMs);
    for (std::size_t i = 0; i < plan.steps.size(); ++i) {
        const StepSpec& step = *plan.steps[i];
        text +=
            QCoreApplication::translate("velmor::Plan", "%1. %2 \"%3\": %4; about %5\n")
                .arg(i + 1)
                .arg(step.kind(), step.name, step.describe(), durationText(step.estimatedMs(c)));
    }
    text += QCoreApplication::translate("velmor::Plan", "steps: %1, about %2 in all\n")
                .arg(plan.steps.size())
                .arg(durationText(plan.estimatedMs()));
    return text;
}

} // namespace velmor

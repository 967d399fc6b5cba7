#include "Measurement.h"

#include "Reading.h"

#include <algorithm>
#include <utility>

namespace velmor {

Outcome judge(double value, const Limits& limits) {
    if ((limits.low && value < *limits.low) || (limits.high && value > *limits.high))
        return Outcome::Fail;
    if ((limits.guardLow && value < *limits.guardLow) ||
        (limits.guardHigh && value > *limits.guardHigh))
        return Outcome::Marginal;
    return Outcome::Pass;
}

Judgement judgeGuarded(double value, const Limits& limits, double uncertainty) {
    const double below = limits.low ? *limits.low - value : -1;   // > 0: that far below
    const double above = limits.high ? value - *limits.high : -1; // > 0: that far above
    const double beyond = std::max(below, above);
    if (beyond > 0)
        return {Outcome::Fail, beyond > uncertainty ? DecidingRule::BeyondLimit
                                                    : DecidingRule::BeyondLimitWithinUncertainty};
    // Inside: how far from the nearer limit.
    const double inside = -beyond;
    if ((limits.low || limits.high) && inside < uncertainty)
        return {Outcome::Marginal, DecidingRule::Uncertainty};
    if (judge(value, limits) == Outcome::Marginal)
        return {Outcome::Marginal, DecidingRule::Guard};
    return {Outcome::Pass, DecidingRule::Clear};
}

QString ruleName(DecidingRule rule) {
    switch (rule) {
    case DecidingRule::BeyondLimit:
        return QStringLiteral("beyond limit");
    case DecidingRule::BeyondLimitWithinUncertainty:
        return QStringLiteral("beyond limit within uncertainty");
    case DecidingRule::Uncertainty:
        return QStringLiteral("within uncertainty of limit");
    case DecidingRule::Guard:
        return QStringLiteral("guard band");
    case DecidingRule::Clear:
        break;
    }
    return QStringLiteral("clear");
}

Measurement measured(QString name, double value, QString unit, const Limits& limits) {
    return {std::move(name), value, std::move(unit), limits, judge(value, limits), std::nullopt};
}

Outcome judgeVolts(const UnitOutput& output, double volts, const Limits& limits,
                   double uncertainty) {
    return output.endOf(volts) != RangeEnd::Inside
               ? Outcome::Fail
               : judgeGuarded(volts, limits, uncertainty).outcome;
}

Measurement measuredVolts(QString name, const UnitOutput& output, double volts,
                          const Limits& limits, std::optional<double> uncertainty) {
    Measurement m = measured(std::move(name), volts, QStringLiteral("V"), limits);
    m.outcome = judgeVolts(output, volts, limits, uncertainty.value_or(0));
    m.uncertainty = uncertainty;
    return m;
}

const UnitOutput* measuredOutput(QStringView name, QStringView unit) {
    if (unit != u"V")
        return nullptr;
    // The output's name as a word of its own: "+5 V at P2", "worst +12 V".
    for (const auto& [word, output] :
         {std::pair{QStringView(u"+5 V"), &output5}, std::pair{QStringView(u"+12 V"), &output12},
          std::pair{QStringView(u"+3.3 V"), &output33}}) {
        const qsizetype at = name.indexOf(word);
        const qsizetype after = at + word.size();
        if (at >= 0 && (at == 0 || name[at - 1] == u' ') &&
            (after == name.size() || name[after] == u' '))
            return output;
    }
    return nullptr;
}

QString shownValue(QStringView name, double value, QStringView unit) {
    const UnitOutput* output = measuredOutput(name, unit);
    if (output && output->endOf(value) != RangeEnd::Inside)
        return shownVolts(*output, value);
    return QString::number(value, 'g', 6);
}

Outcome worstOf(const std::vector<Measurement>& measurements) {
    Outcome worst = Outcome::Pass;
    for (const Measurement& m : measurements)
        worst = worse(worst, m.outcome);
    return worst;
}

} // namespace velmor

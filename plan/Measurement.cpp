#include "Measurement.h"

#include "Reading.h"

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

Measurement measured(QString name, double value, QString unit, const Limits& limits) {
    return {std::move(name), value, std::move(unit), limits, judge(value, limits), std::nullopt};
}

Outcome judgeVolts(const UnitOutput& output, double volts, const Limits& limits) {
    return output.endOf(volts) != RangeEnd::Inside ? Outcome::Fail : judge(volts, limits);
}

Measurement measuredVolts(QString name, const UnitOutput& output, double volts,
                          const Limits& limits) {
    Measurement m = measured(std::move(name), volts, QStringLiteral("V"), limits);
    m.outcome = judgeVolts(output, volts, limits);
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

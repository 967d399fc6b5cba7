#pragma once

#include "Outcome.h"
#include "Unit.h"

#include <QString>

#include <optional>
#include <vector>

namespace velmor {

// What a measured value is judged against. Inside [guardLow, guardHigh] it passes; outside that
// guard band but inside [low, high] it is marginal; outside [low, high] it fails. A missing bound
// does not judge that side; a value with no bounds at all is only recorded and passes.
struct Limits {
    std::optional<double> low;
    std::optional<double> high;
    std::optional<double> guardLow;
    std::optional<double> guardHigh;
    friend bool operator==(const Limits&, const Limits&) = default;
};

Outcome judge(double value, const Limits& limits);

// Which rule decided a judged value (guarded acceptance): outside a limit by more than the
// value's uncertainty, or by less (a fail either way); inside by less than the uncertainty or
// outside the plan's guard band (marginal: the effective guard band is the wider of the two); or
// clear of both (pass).
enum class DecidingRule { BeyondLimit, BeyondLimitWithinUncertainty, Uncertainty, Guard, Clear };
struct Judgement {
    Outcome outcome = Outcome::Pass;
    DecidingRule rule = DecidingRule::Clear;
};
Judgement judgeGuarded(double value, const Limits& limits, double uncertainty);
// "beyond limit", "beyond limit within uncertainty", "within uncertainty of limit", "guard band",
// "clear": the words records keep.
QString ruleName(DecidingRule rule);

// One measured or recorded value of a step, as test-record frameworks keep it.
struct Measurement {
    QString name; // "+12 V at P3", "regulation +5 V", "trip power"
    double value = 0;
    QString unit; // "V", "A", "W", "%", "s"
    Limits limits{};
    Outcome outcome = Outcome::Pass;
    std::optional<double> asked;         // for a value the plan set (a load): what it asked for
    std::optional<double> uncertainty{}; // of a judged reading of volts (k = 2)
    friend bool operator==(const Measurement&, const Measurement&) = default;
};

// The measurement judged against its limits.
Measurement measured(QString name, double value, QString unit, const Limits& limits = {});

// A reading of an output in volts judged: at an end of the unit's range it says only that the
// output is at or beyond that end, which is outside the limits whatever they are.
// With its uncertainty, the reading is judged guarded (judgeGuarded).
Outcome judgeVolts(const UnitOutput& output, double volts, const Limits& limits,
                   double uncertainty = 0);
Measurement measuredVolts(QString name, const UnitOutput& output, double volts,
                          const Limits& limits, std::optional<double> uncertainty = std::nullopt);

// The output whose volts a measurement holds ("+12 V at P3", "worst +5 V"), or none.
const UnitOutput* measuredOutput(QStringView name, QStringView unit);

// A measured value as people read it, to six significant digits; an output's volts at an end of
// the unit's range as "< 4.00" or "> 6.00".
QString shownValue(QStringView name, double value, QStringView unit);

// The worst outcome of the measurements; Pass for none.
Outcome worstOf(const std::vector<Measurement>& measurements);

} // namespace velmor

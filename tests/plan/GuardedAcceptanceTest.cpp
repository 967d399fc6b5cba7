#include "Calibration.h"
#include "Measurement.h"

#include <gtest/gtest.h>

using namespace velmor;

namespace {

TEST(GuardedAcceptanceTest, theUncertaintyWidensTheGuardAndNamesTheRule) {
    // +12 V within 11.40..12.60 V, the plan's guard 11.46..12.54 V.
    const Limits limits{11.40, 12.60, 11.46, 12.54};
    const double step = stepVolts(Input::Volts12);
    // Half a step inside the low limit with an uncertainty of one step: at best marginal.
    const Judgement half = judgeGuarded(11.40 + step / 2, limits, step);
    EXPECT_EQ(half.outcome, Outcome::Marginal);
    EXPECT_EQ(half.rule, DecidingRule::Uncertainty);
    // An uncertainty wider than the plan's guard band moves it.
    EXPECT_EQ(judgeGuarded(12.50, limits, 0.15).rule, DecidingRule::Uncertainty);
    EXPECT_EQ(judgeGuarded(12.56, limits, 0.01).rule, DecidingRule::Guard);
    EXPECT_EQ(judgeGuarded(12.50, limits, 0.01).rule, DecidingRule::Clear);
    EXPECT_EQ(judgeGuarded(12.00, limits, 0.15).outcome, Outcome::Pass);
    // Outside fails either way; the rule says whether by more than the uncertainty.
    EXPECT_EQ(judgeGuarded(12.61, limits, 0.05).rule, DecidingRule::BeyondLimitWithinUncertainty);
    EXPECT_EQ(judgeGuarded(12.61, limits, 0.05).outcome, Outcome::Fail);
    EXPECT_EQ(judgeGuarded(11.28, limits, 0.05).rule, DecidingRule::BeyondLimit);
    // Without an uncertainty, the plain limits and guard as before.
    for (const double v : {11.39, 11.40, 11.45, 11.46, 12.0, 12.54, 12.55, 12.60, 12.61})
        EXPECT_EQ(judgeGuarded(v, limits, 0).outcome, judge(v, limits)) << v;
    EXPECT_EQ(judgeVolts(output12, 11.40 + step / 2, limits, step), Outcome::Marginal);
    EXPECT_EQ(ruleName(DecidingRule::Uncertainty), "within uncertainty of limit");
}

} // namespace

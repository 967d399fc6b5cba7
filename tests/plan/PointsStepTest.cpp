// The points step driven by a list of readings with their settling, without the engine: what it
// judges, what it records per point and output, and the load regulation over the step.
#include "PointsStep.h"
#include "Reading.h"

#include <algorithm>

namespace velmor::testing {
namespace {

const Measurement& named(const StepResult& result, const QString& name) {
    const auto found = std::find_if(result.measurements.begin(), result.measurements.end(),
                                    [&name](const Measurement& m) { return m.name == name; });
    if (found == result.measurements.end())
        throw std::runtime_error("no measurement " + name.toStdString());
    return *found;
}

PlanContext atxContext() {
    PlanContext context;
    context.profile = *namedProfile(u"atx");
    context.profile.guardPercent = 1;
    return context;
}

TEST(PointsStepTest, eachPointIsJudgedOnAllOutputsAndTheRegulationRecorded) {
    PointsSpec spec;
    spec.points = {{{4, 2, 1}}, {{20, 10, 5}}};
    spec.dwellMs = 300; // three readings a point
    PointsStep step(spec, atxContext());
    const ControlFrame first = step.firstFrame();
    EXPECT_EQ(first, loadFrame(true, {4, 2, 1}).frame);

    struct Tick {
        ReplyFrame reply;
        Settling settling;
    };
    // The second point's +12 V reads 89: 11.28 V, below the 11.4 V limit.
    const Tick ticks[] = {
        {{1, 128, 128, 128}, Settling::PoweringUp}, {{1, 128, 128, 128}, Settling::Judged},
        {{1, 130, 126, 128}, Settling::Judged},     {{1, 128, 128, 128}, Settling::LoadJump},
        {{1, 128, 89, 128}, Settling::Judged},      {{1, 128, 120, 128}, Settling::Judged},
    };
    std::vector<StepAnswer> answers;
    qint64 ms = 0;
    for (const Tick& t : ticks)
        answers.push_back(step.take({t.reply, ms += planTickMs, first}, t.settling));
    ASSERT_EQ(answers.size(), 6u);
    EXPECT_EQ(answers[0].use, ReadingUse::Unsettled);
    EXPECT_EQ(answers[1].use, ReadingUse::Judged);
    EXPECT_EQ(answers[2].frame, loadFrame(true, {20, 10, 5}).frame) << "the next point's loads";
    EXPECT_FALSE(answers[4].done);
    EXPECT_TRUE(answers[5].done);
    EXPECT_FALSE(answers[5].frame);

    const StepResult result = step.result();
    EXPECT_EQ(result.outcome, Outcome::Fail);
    EXPECT_EQ(result.judged, 4);
    EXPECT_EQ(result.unsettled, 2);
    // The reading furthest from nominal, with the profile's limits and guard band.
    const Measurement& low12 = named(result, QStringLiteral("+12 V at P2"));
    EXPECT_DOUBLE_EQ(low12.value, output12.volts(89));
    EXPECT_EQ(low12.limits, voltsLimits(output12, {-5, 5}, 1));
    EXPECT_EQ(low12.outcome, Outcome::Fail);
    EXPECT_DOUBLE_EQ(named(result, QStringLiteral("+5 V at P1")).value, output5.volts(130));
    EXPECT_EQ(named(result, QStringLiteral("+5 V at P2")).outcome, Outcome::Pass);
    // The load set, rounded to the unit's step, beside the load asked.
    const Measurement& load12 = named(result, QStringLiteral("+12 V load at P2"));
    EXPECT_DOUBLE_EQ(load12.value, output12.amps(121));
    EXPECT_EQ(load12.asked, 10);
    const double regulation12 = (output12.volts(128) - output12.volts(89)) / 12 * 100;
    EXPECT_DOUBLE_EQ(named(result, QStringLiteral("regulation +12 V")).value, regulation12);
    EXPECT_EQ(result.keyFigure,
              QStringLiteral("regulation +5 V %1 %, +12 V %2 %, +3.3 V 0.0 %")
                  .arg((output5.volts(130) - output5.volts(128)) / 5 * 100, 0, 'f', 1)
                  .arg(regulation12, 0, 'f', 1));
}

TEST(PointsStepTest, aPointWithoutASettledReadingMakesTheStepAnError) {
    PointsSpec spec;
    spec.points = {{{4, 2, 1}}, {{4, 2, 1}}};
    spec.dwellMs = 100;
    PointsStep step(spec, atxContext());
    const ControlFrame frame = step.firstFrame();
    EXPECT_FALSE(step.take({ReplyFrame{1, 0, 0, 0}, 0, frame}, Settling::PoweringUp).done);
    EXPECT_TRUE(step.take({ReplyFrame{1, 128, 128, 128}, 100, frame}, Settling::Judged).done);
    const StepResult result = step.result();
    EXPECT_EQ(result.outcome, Outcome::Error);
    EXPECT_EQ(named(result, QStringLiteral("P1: no settled reading")).outcome, Outcome::Error);
    EXPECT_EQ(named(result, QStringLiteral("+5 V at P2")).outcome, Outcome::Pass);
    EXPECT_EQ(result.keyFigure, QStringLiteral("no settled reading at P1"));
}

// A profile as wide as the unit's range would pass 4.00 V: a reading at an end of the range
// still fails its point, is shown as what it is and takes no part in the regulation.
TEST(PointsStepTest, aReadingAtAnEndOfTheRangeFailsItsPointAndIsNoValue) {
    PointsSpec spec;
    spec.points = {{{4, 2, 1}}};
    spec.dwellMs = 300;
    PlanContext context;
    context.profile.out5 = {-20, 20};
    PointsStep step(spec, context);
    const ControlFrame frame = step.firstFrame();
    qint64 ms = 0; // a tick apart, for the dwell's time
    for (const ReplyFrame reply :
         {ReplyFrame{1, 120, 128, 128}, ReplyFrame{1, 0, 128, 128}, ReplyFrame{1, 130, 128, 128}})
        step.take({reply, ms += planTickMs, frame}, Settling::Judged);
    const StepResult result = step.result();
    const Measurement& five = named(result, QStringLiteral("+5 V at P1"));
    EXPECT_DOUBLE_EQ(five.value, 4.0);
    EXPECT_EQ(five.outcome, Outcome::Fail);
    EXPECT_EQ(result.outcome, Outcome::Fail);
    EXPECT_EQ(shownValue(five.name, five.value, five.unit), QStringLiteral("< 4.00"));
    EXPECT_EQ(shownValue(u"+5 V at P1", output5.volts(130), u"V"), QStringLiteral("5.01961"));
    EXPECT_DOUBLE_EQ(named(result, QStringLiteral("regulation +5 V")).value,
                     (output5.volts(130) - output5.volts(120)) / 5 * 100);
}

} // namespace
} // namespace velmor::testing

// A plan run against the simulated supply, with this test playing the engine's part tick by
// tick: the outcome of a supply that does not power on, that shuts down or droops, of a run
// stopped mid-step, and of the quick plan, run twice.
#include "PlanRun.h"
#include "Plan.h"
#include "PointsStep.h"
#include "SupplyModel.h"

#include <QRegularExpression>

namespace velmor::testing {
namespace {

// What the plan's record is told, one line a call.
class Calls final : public PlanRecorder {
public:
    QStringList lines;
    void runStarted(const Plan& plan, const UnitIdentity&) override {
        lines << QStringLiteral("run %1").arg(plan.name);
    }
    void stepStarted(int index, const StepSpec&) override {
        lines << QStringLiteral("step %1").arg(index);
    }
    void readingTaken(int stepIndex, const StepReading&, Settling settling) override {
        lines << QStringLiteral("reading %1 %2").arg(stepIndex).arg(static_cast<int>(settling));
    }
    void stepEnded(int index, const StepResult& result) override {
        lines << QStringLiteral("ended %1 %2").arg(index).arg(outcomeName(result.outcome));
    }
    void runEnded(Outcome outcome, RunEnd) override {
        lines << QStringLiteral("outcome %1").arg(outcomeName(outcome));
    }
};

// The engine's calls in the engine's order: the first frame, then each tick the supply's reply
// to the frame last sent, the run's answer sent on; the end frame and the all-off frame however
// it ends. Ends Aborted after abortAfter ticks, if given.
void drive(PlanRun& run, sim::SupplyModel& supply, std::optional<int> abortAfter = {}) {
    ControlFrame sent = allOffFrame;
    supply.apply(sent, 0);
    if (const auto first = run.firstFrame())
        supply.apply(sent = *first, 0);
    run.runStarted();
    RunEnd end = RunEnd::Completed;
    for (int tick = 0;; ++tick) {
        if (abortAfter && tick == *abortAfter) {
            end = RunEnd::Aborted;
            break;
        }
        ASSERT_LT(tick, 10000) << "the plan never ended";
        const qint64 ms = 50 + 100LL * tick;
        const StepReading reading{supply.reply(ms), ms, sent};
        const StepAnswer answer = run.take(reading);
        if (answer.frame)
            supply.apply(sent = *answer.frame, ms);
        run.readingTaken(reading, answer);
        if (answer.done)
            break;
    }
    const auto last = run.endFrame();
    ASSERT_TRUE(last);
    EXPECT_EQ(loadSettings(*last), LoadSettings{}) << "the loads go off first";
    supply.apply(*last, 0);
    run.runEnded(end);
}

Plan twoSteps() {
    Plan plan;
    plan.name = QStringLiteral("two");
    plan.context.profile = *namedProfile(u"atx");
    for (int i = 0; i < 2; ++i) {
        auto spec = std::make_shared<PointsSpec>();
        spec->name = QStringLiteral("s%1").arg(i);
        spec->points = {{{2, 1, 1}}, {{6, 3, 2}}, {{10, 4, 3}}};
        spec->dwellMs = 1000;
        plan.steps.push_back(spec);
    }
    return plan;
}

TEST(PlanRunTest, aSupplyThatDoesNotPowerOnFailsTheRunSayingSo) {
    sim::SupplyModel supply;
    supply.setPowerOnMs(5000);
    Calls calls;
    PlanRun run(twoSteps(), {}, &calls);
    drive(run, supply);
    EXPECT_EQ(run.outcome(), Outcome::Fail) << "the unit's fault, not the bench's";
    ASSERT_EQ(run.results().size(), 1u) << "the second step never began";
    const StepResult& step = run.results().front();
    EXPECT_EQ(step.outcome, Outcome::Fail);
    EXPECT_EQ(step.measurements.back().name, QStringLiteral("supply did not power on"));
    EXPECT_EQ(step.judged, 0);
    ASSERT_TRUE(step.finding);
    EXPECT_EQ(findingText(*step.finding), QStringLiteral("did not power on"));
    EXPECT_EQ(calls.lines.mid(calls.lines.size() - 2),
              (QStringList{QStringLiteral("ended 0 fail"), QStringLiteral("outcome fail")}));
}

TEST(PlanRunTest, aShutdownFailsTheStepAtOnceAndNothingAfterItIsJudged) {
    auto read = readPlan(QStringLiteral(VELMOR_PLANS "/quick.toml"));
    ASSERT_TRUE(std::holds_alternative<Plan>(read));
    sim::SupplyModel supply;
    supply.setPowerOnMs(300);
    supply.setOverPowerWatts(150); // the fourth corner draws more
    Calls calls;
    PlanRun run(std::get<Plan>(read), {}, &calls);
    drive(run, supply);
    EXPECT_EQ(run.outcome(), Outcome::Fail);
    ASSERT_EQ(run.results().size(), 2u) << "the rows are never run";
    const StepResult& corners = run.results()[1];
    EXPECT_EQ(corners.outcome, Outcome::Fail);
    ASSERT_TRUE(corners.finding);
    EXPECT_EQ(findingText(*corners.finding),
              QStringLiteral("the supply shut down at P4 (+5 V 15.1 A, +12 V 8.0 A, +3.3 V 5.0 A, "
                             "188 W)"))
        << findingText(*corners.finding).toStdString();
    EXPECT_EQ(findingStored(storedFinding(corners.finding)), corners.finding);
    // The reading that shows it is the step's last: kept, not judged, and the run ends on it.
    const QString shutDown =
        QStringLiteral("reading 1 %1").arg(static_cast<int>(Settling::ShutDown));
    ASSERT_EQ(calls.lines.count(shutDown), 1);
    EXPECT_EQ(calls.lines.mid(calls.lines.indexOf(shutDown) + 1),
              (QStringList{QStringLiteral("ended 1 fail"), QStringLiteral("outcome fail")}));
    const auto p4 = std::find_if(corners.measurements.begin(), corners.measurements.end(),
                                 [](const Measurement& m) { return m.name == "+5 V at P4"; });
    EXPECT_EQ(p4, corners.measurements.end()) << "the point under way judged nothing of it";
}

TEST(PlanRunTest, aDroopIsToldByItsOutputReadingLimitAndPoint) {
    Plan plan = twoSteps();
    plan.context.profile.out12 = {-0.1, 5}; // the simulated +12 V sags more than this with load
    sim::SupplyModel supply;
    PlanRun run(plan, {});
    drive(run, supply);
    EXPECT_EQ(run.outcome(), Outcome::Fail);
    const StepResult* failed = decidingStep(run.results(), Outcome::Fail);
    ASSERT_TRUE(failed);
    ASSERT_TRUE(failed->finding);
    const QString text = findingText(*failed->finding, true);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\+12 V 11\\.\\d\\d V < 11\\.99 V at P\\d$"))
                    .match(text)
                    .hasMatch())
        << text.toStdString();
}

TEST(PlanRunTest, aRunStoppedMidStepKeepsThatStepsMeasurementsAsAborted) {
    sim::SupplyModel supply;
    Calls calls;
    PlanRun run(twoSteps(), {}, &calls);
    drive(run, supply, 45); // the second point of the second step
    EXPECT_EQ(run.outcome(), Outcome::Aborted);
    ASSERT_EQ(run.results().size(), 2u);
    EXPECT_EQ(run.results()[0].outcome, Outcome::Pass);
    const StepResult& partial = run.results()[1];
    EXPECT_EQ(partial.outcome, Outcome::Aborted);
    const auto hasP1 = std::any_of(partial.measurements.begin(), partial.measurements.end(),
                                   [](const Measurement& m) { return m.name == "+12 V at P1"; });
    const auto hasP2 = std::any_of(partial.measurements.begin(), partial.measurements.end(),
                                   [](const Measurement& m) { return m.name == "+12 V at P2"; });
    EXPECT_TRUE(hasP1);
    EXPECT_FALSE(hasP2) << "the point under way has not ended";
    // Each reading reaches the record before its step's end, and every call comes once.
    EXPECT_EQ(calls.lines.count(QStringLiteral("step 1")), 1);
    EXPECT_EQ(calls.lines.indexOf(QStringLiteral("ended 0 pass")) + 1,
              calls.lines.indexOf(QStringLiteral("step 1")));
    EXPECT_TRUE(calls.lines.at(calls.lines.indexOf(QStringLiteral("ended 0 pass")) - 1)
                    .startsWith(QStringLiteral("reading 0")));
    EXPECT_EQ(calls.lines.filter(QStringLiteral("reading")).size(), 45);
    EXPECT_EQ(calls.lines.last(), QStringLiteral("outcome aborted"));
}

// Both are the bench's error; the stored reason says which: the port the engine found gone at
// the end (a separator in its text kept out of the record's form), or the unit silent.
TEST(PlanRunTest, aLostPortAndASilentUnitAreToldApartInTheStoredReason) {
    for (const bool portGone : {false, true}) {
        sim::SupplyModel supply;
        PlanRun run(twoSteps(), {});
        run.runStarted();
        const ControlFrame sent = *run.firstFrame();
        supply.apply(sent, 0);
        run.take({supply.reply(50), 50, sent});
        run.take({std::nullopt, 30050, sent});
        if (portGone)
            run.portLost(QStringLiteral("/dev/ttyUSB0: Input/output|error"));
        run.runEnded(RunEnd::LinkLost);
        EXPECT_EQ(run.outcome(), Outcome::Error);
        ASSERT_FALSE(run.results().empty());
        EXPECT_EQ(shownFinding(storedFinding(run.results().back().finding)),
                  portGone ? QStringLiteral("port lost: /dev/ttyUSB0: Input/output/error")
                           : QStringLiteral("no reply from the unit for 30 s"));
    }
}

TEST(PlanRunTest, theQuickPlanPassesOnTheSimulatedUnitAndTwoRunsAgree) {
    auto read = readPlan(QStringLiteral(VELMOR_PLANS "/quick.toml"));
    ASSERT_TRUE(std::holds_alternative<Plan>(read))
        << std::get<PlanError>(read).text().toStdString();
    std::vector<QStringList> records;
    std::vector<std::vector<StepResult>> results;
    for (int run = 0; run < 2; ++run) {
        sim::SupplyModel supply;
        supply.setPowerOnMs(300);
        supply.setSettleMs(50);
        supply.setNoise(1, 7);
        Calls calls;
        PlanRun plan(std::get<Plan>(read), {}, &calls);
        drive(plan, supply);
        EXPECT_EQ(plan.outcome(), Outcome::Pass);
        records.push_back(calls.lines);
        results.push_back(plan.results());
    }
    EXPECT_EQ(records[0], records[1]);
    ASSERT_EQ(results[0].size(), 3u);
    for (std::size_t i = 0; i < results[0].size(); ++i) {
        EXPECT_EQ(results[0][i].measurements, results[1][i].measurements);
        EXPECT_EQ(results[0][i].keyFigure, results[1][i].keyFigure);
        EXPECT_GT(results[0][i].judged, 0);
    }
    EXPECT_TRUE(results[0][2].keyFigure.startsWith(QStringLiteral("regulation +5 V")));
}

} // namespace
} // namespace velmor::testing

// The sweep and trip steps on the engine against the simulated unit, and the engine paced by
// replies.
#include "MapExport.h"
#include "ScriptedPort.h"
#include "SupplyModel.h"
#include "SweepCourse.h"
#include "SweepRunStep.h"
#include "SweepStep.h"
#include "TripStep.h"
#include "UnitRun.h"

#include <QTimer>

namespace velmor::testing {
namespace {

PlanContext context(bool paced) {
    PlanContext c;
    c.label = {200, {20, 10, 10}};
    c.profile = *namedProfile(u"atx");
    c.powerBoundWatts = 400;
    c.paceByReplies = paced;
    return c;
}

const Measurement* named(const StepResult& result, const QString& name) {
    for (const Measurement& m : result.measurements)
        if (m.name == name)
            return &m;
    return nullptr;
}

using SweepTripTest = UnitRun;

TEST_F(SweepTripTest, aPlanSweepPaintsTheGraphWindowsCellsEachFromASettledReading) {
    const SweepLimits limits{8, 10, 255};
    SweepRunStep graph(limits);
    ASSERT_EQ(run(graph), RunEnd::Completed);

    OneStep one(SweepStepSpec(limits, std::nullopt).make(context(true)), true);
    ASSERT_EQ(run(one), RunEnd::Completed);
    const MapRecord& cells = dynamic_cast<SweepStep&>(one.step()).record();

    // The graph window's places in its order, each cell the reply to its own frame.
    ASSERT_EQ(cells.size(), static_cast<std::size_t>(expectedSweepCells(limits)));
    ASSERT_EQ(cells.size(), graph.record().size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(cells[i].row, graph.record()[i].row) << i;
        EXPECT_EQ(cells[i].column, graph.record()[i].column) << i;
        sim::SupplyModel supply;
        supply.apply(sweepFrame(1, cells[i].column, cells[i].row));
        EXPECT_EQ(cells[i], mapCell(cells[i].row, cells[i].column, supply.reply())) << i;
    }
    // The map read back from the kept readings is the step's, every cell judged.
    EXPECT_EQ(sweepStepRecord(one.kept), cells);
    const StepResult result = one.step().result();
    EXPECT_EQ(result.judged, static_cast<int>(cells.size()));
    EXPECT_EQ(result.outcome, Outcome::Pass);
    EXPECT_EQ(result.keyFigure, QStringLiteral("25 of 25 cells inside"));
    EXPECT_TRUE(crossLoadSummary(cells, sweepStepSummary(cells), limits, QStringLiteral("m"), true)
                    .contains("Cells: 25, judged 25, not judged 0: none"));
}

TEST_F(SweepTripTest, aTripIsFoundAtTheOverPowerLimitJudgedByTheWindowAndTheSupplyComesBack) {
    unit.model().setOverPowerWatts(100);
    // Nominal 44, 66, 88, 110 and 132 W; the supply trips at the fourth.
    TripStepSpec::Ramp ramp{TripOutput::All, {4, 2, 0}, {2, 1, 0}, {12, 6, 0}, 200, 50, 60};
    const auto tripRun = [&](const TripStepSpec::Ramp& r) {
        OneStep one(TripStepSpec(r).make(context(false)), false);
        EXPECT_EQ(run(one), RunEnd::Completed);
        const auto tripped = dynamic_cast<TripStep&>(one.step()).tripLevel();
        // After a trip: back on and power-good with the loads off before the step ended.
        const KeptReading& last = one.kept.back();
        if (tripped) {
            EXPECT_TRUE(last.supplyOn);
            EXPECT_EQ(last.loads, LoadSettings{});
            EXPECT_GT(graphReading(*last.reply).volts12, 11.4);
        }
        return std::pair{dynamic_cast<TripStep&>(one.step()).tripLevel(), one.step().result()};
    };

    const auto inside = tripRun(ramp);
    EXPECT_EQ(inside.first, 3);
    EXPECT_EQ(inside.second.outcome, Outcome::Pass);
    const Measurement* trip = named(inside.second, QStringLiteral("trip power"));
    ASSERT_TRUE(trip);
    EXPECT_NEAR(trip->value, 110, 0.5);
    EXPECT_EQ(trip->limits.low, 100);
    EXPECT_EQ(inside.second.keyFigure, QStringLiteral("trip at %1 W").arg(fixed(trip->value, 1)));
    ASSERT_TRUE(named(inside.second, QStringLiteral("held power")));
    EXPECT_NEAR(named(inside.second, QStringLiteral("held power"))->value, 88, 0.5);
    const auto off =
        std::find_if(unit.receivedFrames().begin(), unit.receivedFrames().end(),
                     [](const sim::ReceivedFrame& f) { return f.frame == allOffFrame; });
    EXPECT_NE(off, unit.receivedFrames().end());

    ramp.windowLow = 60;
    ramp.windowHigh = 70;
    const auto outside = tripRun(ramp);
    EXPECT_EQ(outside.first, 3);
    EXPECT_EQ(outside.second.outcome, Outcome::Fail);

    unit.model().setOverPowerWatts(1000);
    const auto none = tripRun(ramp);
    EXPECT_FALSE(none.first);
    EXPECT_EQ(none.second.outcome, Outcome::Fail);
    EXPECT_TRUE(none.second.keyFigure.startsWith(QStringLiteral("no trip up to 13")))
        << none.second.keyFigure.toStdString();
}

// Counts frames up through the +5 V load, one as soon as the reply to the last one is in.
class Counting final : public RunStep {
public:
    std::optional<ControlFrame> firstFrame() const override { return controlFrame(true, 0, 0, 0); }
    StepAnswer take(const StepReading& reading) override {
        readings.push_back(reading);
        StepAnswer answer;
        if (!reading.reply)
            return answer;
        const int next = loadSettings(reading.answers).load5 + 1;
        answer.frame = controlFrame(true, next, 0, 0);
        answer.done = next == 20;
        return answer;
    }
    bool pacedByReplies() const override { return true; }
    std::vector<StepReading> readings;
};

TEST_F(SweepTripTest, pacedByRepliesEachReplyIsTakenWholeAndAnswersTheFrameBeforeIt) {
    // Every reply numbered by the frame it answers and sent in two pieces 15 ms apart.
    unit.setFaultMode(sim::FaultMode::Silent);
    unit.setUnsolicitedInterval(0);
    int sequence = 0;
    QObject::connect(&unit, &sim::SimulatedUnit::frameReceived, [&](const sim::ReceivedFrame& f) {
        if (f.frame == allOffFrame)
            return;
        const QByteArray reply = bytes({sequence++, 128, 128, 128});
        unit.send(reply.left(1 + sequence % 3));
        QTimer::singleShot(15, &unit,
                           [this, reply, sequence] { unit.send(reply.mid(1 + sequence % 3)); });
    });
    Counting counting;
    ASSERT_EQ(run(counting), RunEnd::Completed);
    ASSERT_EQ(counting.readings.size(), 20u);
    for (const StepReading& r : counting.readings) {
        ASSERT_TRUE(r.reply);
        EXPECT_EQ(r.reply->b1, loadSettings(r.answers).load5);
        EXPECT_EQ(r.reply->b2, 128);
    }
}

} // namespace
} // namespace velmor::testing

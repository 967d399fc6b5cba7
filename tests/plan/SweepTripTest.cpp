// The sweep and trip steps on the engine against the simulated unit, and the engine paced by
// replies.
#include "Calibration.h"
#include "MapSummaryText.h"
#include "NumberText.h"
#include "Plan.h"
#include "PointsStep.h"
#include "ScriptedPort.h"
#include "SupplyModel.h"
#include "SweepCourse.h"
#include "SweepRunStep.h"
#include "SweepStep.h"
#include "TripStep.h"
#include "UnitRun.h"

#include <QTimer>
#include <QTranslator>

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

const Measurement* findNamed(const StepResult& result, const QString& name) {
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

    const KeptRun plan =
        runPlan(std::make_shared<SweepStepSpec>(limits, std::nullopt), context(true));
    ASSERT_EQ(plan.results.size(), 1u);
    const MapRecord cells = sweepStepRecord(plan.kept);

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
    const StepResult& result = plan.results.front();
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
        KeptRun plan = runPlan(std::make_shared<TripStepSpec>(r), context(false));
        const StepResult result = plan.results.empty() ? StepResult{} : plan.results.front();
        // After a trip: back on and power-good with the loads off before the step ended, and no
        // reading of the collapsed or switched-off supply judged.
        const bool tripped = findNamed(result, QStringLiteral("trip power"));
        const KeptReading& last = plan.kept.back();
        if (tripped) {
            EXPECT_TRUE(last.supplyOn);
            EXPECT_EQ(last.loads, LoadSettings{});
            EXPECT_GT(graphReading(*last.reply).volts12, 11.4);
        }
        return std::pair{tripped, result};
    };

    const auto inside = tripRun(ramp);
    EXPECT_TRUE(inside.first);
    EXPECT_EQ(inside.second.outcome, Outcome::Pass);
    const Measurement* trip = findNamed(inside.second, QStringLiteral("trip power"));
    ASSERT_TRUE(trip);
    EXPECT_NEAR(trip->value, 110, 0.5);
    EXPECT_EQ(trip->limits.low, 100);
    EXPECT_EQ(inside.second.keyFigure, QStringLiteral("trip at %1 W").arg(fixed(trip->value, 1)));
    ASSERT_TRUE(findNamed(inside.second, QStringLiteral("held power")));
    EXPECT_NEAR(findNamed(inside.second, QStringLiteral("held power"))->value, 88, 0.5);
    const auto off =
        std::find_if(unit.receivedFrames().begin(), unit.receivedFrames().end(),
                     [](const sim::ReceivedFrame& f) { return f.frame == allOffFrame; });
    EXPECT_NE(off, unit.receivedFrames().end());

    ramp.windowLow = 60;
    ramp.windowHigh = 70;
    const auto outside = tripRun(ramp);
    EXPECT_TRUE(outside.first);
    EXPECT_NEAR(findNamed(outside.second, QStringLiteral("trip power"))->value, 110, 0.5);
    EXPECT_EQ(outside.second.outcome, Outcome::Fail);

    unit.model().setOverPowerWatts(1000);
    const auto none = tripRun(ramp);
    EXPECT_FALSE(none.first);
    EXPECT_EQ(none.second.outcome, Outcome::Fail);
    EXPECT_TRUE(none.second.keyFigure.startsWith(QStringLiteral("no trip up to 13")))
        << none.second.keyFigure.toStdString();
}

// The bench's +12 V input reads 2 % high.
Calibration twoPercentHigh12() {
    Calibration c;
    c.id = QStringLiteral("c-12");
    c.date = QDate(2026, 3, 2);
    c.due = c.date.addYears(1);
    c.inputs[indexOf(Input::Volts12)] = {1 / 1.02, 0, 0.004};
    return c;
}

TEST(SweepStepJudgedTest, aSweepStepJudgesCorrectedVoltsWithTheirUncertainty) {
    // Every cell reads +12 V 11.50 V (4.2 % low): inside ATX's 5 % by design, but a supply 6 % low
    // (11.28 V) once the input's 2 % is taken off. The map keeps its raw bytes either way.
    MapRecord record;
    for (qint16 column = 0; column < 3; ++column)
        record.push_back(mapCell(0, column, storedReply(0, 128, 101, 128)));
    const Profile atx = *namedProfile(u"atx");
    const StepResult design = sweepStepResult(record, atx, 0, Calibration{});
    const StepResult corrected = sweepStepResult(record, atx, 0, twoPercentHigh12());
    EXPECT_EQ(design.outcome, Outcome::Pass);
    EXPECT_EQ(design.keyFigure, QStringLiteral("3 of 3 cells inside"));
    EXPECT_EQ(corrected.outcome, Outcome::Fail);
    EXPECT_EQ(corrected.keyFigure, QStringLiteral("0 of 3 cells inside"));
    const Measurement* worst = findNamed(corrected, QStringLiteral("worst +12 V"));
    ASSERT_TRUE(worst);
    EXPECT_NEAR(worst->value, graphReading(storedReply(0, 128, 101, 128)).volts12 / 1.02, 1e-9);
    EXPECT_NEAR(*worst->uncertainty, twoPercentHigh12().uncertainty(Input::Volts12, worst->value),
                1e-12);
    ASSERT_TRUE(corrected.finding);
    EXPECT_TRUE(corrected.finding->what.contains(QStringLiteral("+12 V")));
    // Uncalibrated, each worst reading still keeps its resolution's uncertainty.
    EXPECT_GT(findNamed(design, QStringLiteral("worst +5 V"))->uncertainty.value_or(0), 0);
}

TEST_F(SweepTripTest, aTripKeepsTheReadingsBeforeItInCorrectedVolts) {
    unit.model().setOverPowerWatts(100);
    const TripStepSpec::Ramp ramp{TripOutput::All, {4, 2, 0}, {2, 1, 0}, {12, 6, 0}, 200, 50, 60};
    PlanContext calibrated = context(false);
    calibrated.calibration = twoPercentHigh12();
    const KeptRun design = runPlan(std::make_shared<TripStepSpec>(ramp), context(false));
    const KeptRun plan = runPlan(std::make_shared<TripStepSpec>(ramp), calibrated);
    ASSERT_EQ(plan.results.size(), 1u);
    ASSERT_EQ(design.results.size(), 1u);
    EXPECT_EQ(plan.results.front().outcome, Outcome::Pass);
    const Measurement* before =
        findNamed(plan.results.front(), QStringLiteral("+12 V before the trip"));
    const Measurement* raw =
        findNamed(design.results.front(), QStringLiteral("+12 V before the trip"));
    ASSERT_TRUE(before && raw);
    EXPECT_NEAR(before->value, raw->value / 1.02, 1e-9);
    EXPECT_GT(before->uncertainty.value_or(0), raw->uncertainty.value_or(1));
}

// A trip's names and key figure are record data: the same from a Russian run as from an
// English one, so that their exports and summaries agree.
TEST_F(SweepTripTest, aTripRecordsTheSameNamesWhateverTheRunsLanguage) {
    unit.model().setOverPowerWatts(100);
    const TripStepSpec::Ramp ramp{
        TripOutput::Plus12, {4, 2, 0}, {0, 1, 0}, {4, 8, 0}, 200, 50, 200};
    const auto recorded = [&] {
        const KeptRun plan = runPlan(std::make_shared<TripStepSpec>(ramp), context(false));
        QStringList names;
        if (!plan.results.empty()) {
            for (const Measurement& m : plan.results.front().measurements)
                names << m.name;
            names << plan.results.front().keyFigure;
        }
        return names;
    };
    QTranslator russian;
    ASSERT_TRUE(russian.load("velmor_ru", ":/translations"));
    QCoreApplication::installTranslator(&russian);
    const QStringList inRussian = recorded();
    QCoreApplication::removeTranslator(&russian);
    const QStringList inEnglish = recorded();
    EXPECT_TRUE(inEnglish.contains(QStringLiteral("trip current +12 V")))
        << inEnglish.join(" | ").toStdString();
    EXPECT_TRUE(inEnglish.contains(QStringLiteral("+3.3 V before the trip")));
    EXPECT_EQ(inRussian, inEnglish);
}

const QByteArray supply = R"([supply]
watts = 200
a5 = 20
a12 = 10
a33 = 10
power_bound = 300
[profile]
name = "atx"
)";

TEST(SweepTripReadTest, bothKindsAreReadFromAPlanAndTheirOwnFaultsRefusedWhereTheyAre) {
    const auto read = parsePlan(supply + R"([[step]]
kind = "sweep"
load_limit1 = 8
load_limit2 = 10
power_limit = 255
[[step]]
kind = "trip"
output = "12"
start = { a12 = 2 }
step = { p12 = 10 }
end = { a12 = 12 }
dwell = 0.5
window = [110, 150]
)",
                                QStringLiteral("t.toml"));
    ASSERT_TRUE(std::holds_alternative<Plan>(read))
        << std::get<PlanError>(read).text().toStdString();
    const Plan& plan = std::get<Plan>(read);
    ASSERT_EQ(plan.steps.size(), 2u);
    const auto* sweep = dynamic_cast<const SweepStepSpec*>(plan.steps[0].get());
    ASSERT_TRUE(sweep);
    EXPECT_EQ(sweep->limits().loadLimit2, 10);
    EXPECT_FALSE(sweep->dwellMs());
    const auto* trip = dynamic_cast<const TripStepSpec*>(plan.steps[1].get());
    ASSERT_TRUE(trip);
    EXPECT_EQ(trip->ramp().output, TripOutput::Plus12);
    EXPECT_EQ(trip->levels().size(), 11u); // 2 A to 12 A by 1 A
    EXPECT_EQ(trip->ramp().windowHigh, 150);

    // The preset map's time as each pace takes it: a tick a cell (and one more a row), or the
    // settle time and two exchanges on the line (the first reply to the cell's frame, and the
    // reply to a frame sent once the settle time is out).
    const SweepStepSpec preset({80, 80, 70}, std::nullopt);
    PlanContext c = context(false);
    EXPECT_EQ(preset.estimatedMs(c), 168000);
    c.paceByReplies = true;
    EXPECT_EQ(preset.estimatedMs(c), 1640 * (100000 + 16668) / 1000);
    c.settleMs = 25;
    EXPECT_EQ(preset.estimatedMs(c), 1640 * (25000 + 16668) / 1000);

    const struct {
        QByteArray step;
        const char* says;
    } refused[] = {
        {"kind = \"sweep\"\nload_limit1 = 255\nload_limit2 = 255\npower_limit = 255\n",
         "t.toml:13:15: the map's heaviest cell draws 450.2 W, above the plan's power bound of "
         "300.0 W"},
        {"kind = \"trip\"\noutput = \"all\"\nstart = { a5 = 4 }\nstep = { a5 = 1 }\nend = { a5 = 2 "
         "}\ndwell = 1\nwindow = [50, 60]\n",
         "t.toml:14:7: the end (10.00 W) is below the start (20.00 W)"},
    };
    for (const auto& r : refused) {
        const auto bad = parsePlan(supply + "[[step]]\n" + r.step, QStringLiteral("t.toml"));
        ASSERT_TRUE(std::holds_alternative<PlanError>(bad)) << r.says;
        EXPECT_EQ(std::get<PlanError>(bad).text(), QString::fromUtf8(r.says));
    }
}

TEST_F(SweepTripTest, pacedByRepliesASweepJudgesOnlyReadingsTheSettleTimeAfterTheirLoads) {
    // A supply that follows each load change with a 30 ms time constant, given 200 ms (the rise
    // after power-on and a row's load jump settle to a reading step in that time): every cell
    // the plan judges must read what the supply puts out once settled.
    unit.model().setPowerOnMs(300);
    unit.model().setSettleMs(30);
    const SweepLimits limits{4, 30, 255};
    PlanContext paced = context(true);
    paced.settleMs = 200;
    const KeptRun plan = runPlan(std::make_shared<SweepStepSpec>(limits, std::nullopt), paced);
    const MapRecord cells = sweepStepRecord(plan.kept);
    ASSERT_EQ(cells.size(), static_cast<std::size_t>(expectedSweepCells(limits)));
    for (const MapCell& cell : cells) {
        sim::SupplyModel settled;
        settled.apply(sweepFrame(1, cell.column, cell.row));
        const MapCell expected = mapCell(cell.row, cell.column, settled.reply());
        EXPECT_NEAR(cell.b2, expected.b2, 1) << cell.row << "," << cell.column;
        EXPECT_NEAR(cell.b3, expected.b3, 1) << cell.row << "," << cell.column;
    }
}

TEST_F(SweepTripTest, aUnitThatAnswersOnlyFramesCompletesTheQuickPlanInEitherPace) {
    unit.setUnsolicitedInterval(0);
    auto read = readPlan(QStringLiteral(VELMOR_PLANS "/quick.toml"));
    ASSERT_TRUE(std::holds_alternative<Plan>(read));
    Plan quick = std::get<Plan>(read);
    for (auto& step : quick.steps) { // its points held a second each, not six to eight
        auto points = std::make_shared<PointsSpec>(dynamic_cast<const PointsSpec&>(*step));
        points->dwellMs = 1000;
        step = points;
    }
    for (const bool paced : {false, true}) {
        SCOPED_TRACE(paced ? "paced by replies" : "on ticks");
        quick.context.paceByReplies = paced;
        PlanRun planRun(quick, UnitIdentity{});
        ASSERT_EQ(run(planRun, &planRun), RunEnd::Completed);
        EXPECT_EQ(planRun.outcome(), Outcome::Pass);
        ASSERT_EQ(planRun.results().size(), 3u);
        for (const StepResult& step : planRun.results())
            EXPECT_GE(step.judged, paced ? 20 : 5);
    }
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

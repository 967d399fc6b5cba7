// The plan run's report: a synthetic run with a step of every kind, drawn and read back with
// pdfinfo and pdftotext, and runs it must refuse rather than draw.
#include "RunReport.h"
#include "RunReportCollector.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace velmor;

namespace {

RunReportReading reading(qint64 ms, int load5, int load12, int load33, quint8 b = 128,
                         Settling settling = Settling::Judged) {
    return {ms, true, load5, load12, load33, 1, b, b, b, settling};
}

Limits volts(double nominal) {
    return {nominal * 0.95, nominal * 1.05, nominal * 0.96, nominal * 1.04};
}

RunReportStep pointsStep() {
    RunReportStep s{QStringLiteral("points"), QStringLiteral("corners")};
    for (const QString& point :
         {QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("P3")}) {
        Measurement load = measured(QStringLiteral("+12 V load at ") + point, 9.96, "A");
        load.asked = 10;
        s.measurements.push_back(load);
        s.measurements.push_back(measured("+5 V at " + point, 5.02, "V", volts(5)));
        s.measurements.push_back(measured("+12 V at " + point, 11.45, "V", volts(12)));
    }
    s.measurements.push_back(
        measured("regulation +12 V", 4.58, "%", {std::nullopt, 5.0, std::nullopt, std::nullopt}));
    s.outcome = Outcome::Fail;
    s.keyFigure = QStringLiteral("regulation +12 V 4.58 %");
    for (int i = 0; i < 90; ++i)
        s.readings.push_back(reading(i * 100, 30, 120, 20));
    s.judged = 90;
    return s;
}

RunReportStep sweepStep(qint64 from) {
    RunReportStep s{QStringLiteral("sweep"), QStringLiteral("cross-load")};
    for (qint16 row = 0; row < 4; ++row)
        for (qint16 column = 0; column < 10; ++column) {
            const auto b = static_cast<quint8>(128 + column);
            s.readings.push_back(
                reading(from + s.readings.size() * 100, row * 2, column * 2, 0, b));
        }
    s.sweepLimits = {8, 20, 70};
    s.keyFigure = QStringLiteral("40 of 40 cells inside");
    s.judged = 40;
    return s;
}

// The load rises by 5 settings a second until the supply drops out at 30 s.
RunReportStep tripStep(qint64 from) {
    RunReportStep s{QStringLiteral("trip"), QStringLiteral("over-power")};
    for (int i = 0; i < 320; ++i) {
        const int load = 60 + i / 10 * 5;
        const bool tripped = i >= 300;
        s.readings.push_back(reading(from + i * 100, load, load, load / 2,
                                     tripped ? quint8(0) : quint8(128),
                                     tripped ? Settling::PoweringUp : Settling::Judged));
    }
    s.measurements.push_back(
        measured("trip power", 452, "W", {400, 600, std::nullopt, std::nullopt}));
    s.keyFigure = QStringLiteral("trip at 452 W");
    s.judged = 300;
    s.unsettled = 20;
    return s;
}

// The supply is switched off and on half-way: its readings until it is up again are not judged.
RunReportStep holdStep(qint64 from, int count) {
    RunReportStep s{QStringLiteral("hold"), QStringLiteral("burn-in")};
    for (int i = 0; i < count; ++i) {
        const bool off = i >= count / 2 && i < count / 2 + 20;
        s.readings.push_back(reading(from + i * 100LL, 80, 120, 40,
                                     off ? quint8(0) : static_cast<quint8>(120 + (i / 50) % 10),
                                     off ? Settling::PoweringUp : Settling::Judged));
    }
    s.measurements.push_back(measured("+12 V lowest", 11.86, "V", volts(12)));
    // Inside its limit by less than its uncertainty: marginal by that rule, not the guard's.
    s.measurements.push_back(measuredVolts("+5 V lowest", output5, 4.76, volts(5), 0.02));
    // A reading of 0: at or below the end of the unit's range, no value.
    s.measurements.push_back(measured("+3.3 V lowest", output33.volts(0), "V", volts(3.3)));
    s.outcome = Outcome::Marginal;
    s.keyFigure = QStringLiteral("+12 V 11.86 to 12.10 V");
    s.judged = count - 20;
    s.unsettled = 20;
    return s;
}

RunReportInput everyKind() {
    RunReportInput run;
    run.id = QStringLiteral("0fe1c2d3-1111-2222-3333-444455556666");
    run.unit = {QStringLiteral("PSU-0042"), QStringLiteral("ATX-650"), QStringLiteral("A. Petrov")};
    run.host = QStringLiteral("bench-3");
    run.port = QStringLiteral("/dev/ttyUSB0");
    run.planName = QStringLiteral("quick");
    run.planFile = QStringLiteral("plans/quick.toml");
    run.profile = *namedProfile(u"atx3");
    run.profile.guardPercent = 1;
    run.startedAt = QDateTime(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC);
    run.endedAt = run.startedAt.addSecs(600);
    run.endState = QStringLiteral("completed");
    run.outcome = Outcome::Fail;
    run.calibration = QStringLiteral("c0ffee12-aaaa-bbbb-cccc-ddddeeeeffff");
    run.steps = {pointsStep(), sweepStep(9000), tripStep(13000), holdStep(45000, 6000)};
    for (RunReportStep& step : run.steps) {
        step.startedAt = run.startedAt.addMSecs(step.readings.front().ms);
        step.endedAt = run.startedAt.addMSecs(step.readings.back().ms + 100);
    }
    return run;
}

struct Drawn {
    int pages = 0;
    QString text;
};

Drawn readBack(const QString& pdf) {
    QProcess info;
    info.start("pdfinfo", {pdf});
    EXPECT_TRUE(info.waitForFinished(30000));
    Drawn drawn;
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n'))
        if (line.startsWith("Pages:"))
            drawn.pages = line.mid(6).trimmed().toInt();
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    EXPECT_TRUE(text.waitForFinished(30000));
    drawn.text = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    return drawn;
}

TEST(RunReportTest, aRunOfEveryKindHasAPagePerStepWithItsOutcomeAndKeyFigures) {
    QTemporaryDir dir;
    ASSERT_EQ(saveRunReport(dir.path(), "run.pdf", everyKind()), std::nullopt);
    const Drawn drawn = readBack(dir.filePath("run.pdf"));
    EXPECT_EQ(drawn.pages, 5);
    const std::string text = drawn.text.toStdString();
    for (const char* expected :
         {"Plan run \"quick\"", "Unit PSU-0042 Model ATX-650 Operator A. Petrov", "FAIL",
          "Profile atx3: +5 V −5 … +5 %, +12 V −7 … +5 %", "regulation +12 V 4.58 %",
          "40 of 40 cells inside", "under 1 % 24 1 to 2 % 16", "trip at 452 W",
          "+12 V 11.86 to 12.10 V", "< 2.64 V", "MARGINAL", "Step 3 of 4: trip \"over-power\"",
          "Readings 320: judged 300, not judged 20", "the first reading not power-good, 0:30 after",
          "page 5 of 5", "Judged with calibration c0ffee12-aaaa-bbbb-cccc-ddddeeeeffff", "± (k=2)",
          "4.760 V 0.0200 V", "decided by: within the uncertainty of its limit"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST(RunReportTest, aRussianRunSaysItsOutcomeInRussian) {
    QTranslator russian; // the catalogue useProgramTexts installs, taken away after
    ASSERT_TRUE(russian.load("velmor_ru", ":/translations"));
    QCoreApplication::installTranslator(&russian);
    RunReportInput run = everyKind();
    run.outcome = Outcome::Marginal;
    run.steps.resize(1);
    auto pdf = runReportPdf(run);
    QCoreApplication::removeTranslator(&russian);
    ASSERT_TRUE(std::holds_alternative<QByteArray>(pdf));
    QTemporaryDir dir;
    QFile file(dir.filePath("ru.pdf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(std::get<QByteArray>(pdf));
    file.close();
    const QString text = readBack(file.fileName()).text;
    EXPECT_TRUE(text.contains(QStringLiteral("ГОДЕН (НА ГРАНИ)"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("НЕ ГОДЕН"))) << text.toStdString();
}

TEST(RunReportTest, hostileValuesAreRefusedOrDrawnInBounds) {
    const auto refused = [](const RunReportInput& run) {
        return refusedRunReport(run).value_or(QString()).toStdString();
    };
    RunReportInput nan = everyKind();
    nan.steps[0].measurements[1].value = std::nan("");
    EXPECT_NE(refused(nan).find("\"+5 V at P1\""), std::string::npos) << refused(nan);
    RunReportInput infinite = everyKind();
    infinite.steps[2].measurements[0].limits.high = std::numeric_limits<double>::infinity();
    EXPECT_NE(refused(infinite).find("\"trip power\""), std::string::npos);
    RunReportInput back = everyKind();
    back.steps[3].readings[10].ms = 0;
    EXPECT_NE(refused(back).find("reading 11"), std::string::npos) << refused(back);
    RunReportInput huge = everyKind();
    huge.steps[3].readings.resize(maxReportReadings, huge.steps[3].readings.back());
    EXPECT_NE(refused(huge).find("readings"), std::string::npos) << refused(huge);
    RunReportInput guard = everyKind();
    guard.profile.guardPercent = std::nan("");
    EXPECT_FALSE(refused(guard).empty());

    // At the edges of what is taken: a hold of two readings 31 days apart, counts near the
    // largest int, a load at full scale and a name with control characters.
    RunReportInput edge = everyKind();
    edge.steps[3].readings = {reading(45000, 255, 255, 255), reading(maxReportMs, 0, 0, 0, 255)};
    edge.steps[3].judged = std::numeric_limits<int>::max();
    edge.steps[1].name = QStringLiteral("map\x1b[2J");
    const auto drawn = runReportPdf(edge);
    ASSERT_TRUE(std::holds_alternative<QByteArray>(drawn))
        << std::get<QString>(drawn).toStdString();
    EXPECT_GT(std::get<QByteArray>(drawn).size(), 1000);
}

// A hold step as PlanRun tells its recorder: the collector keeps each reading with the frame it
// answers, none for a tick without a link, and the step's result.
struct HoldSpec final : StepSpec {
    QString kind() const override { return QStringLiteral("hold"); }
    qint64 estimatedMs(const PlanContext&) const override { return 0; }
    QString describe() const override { return {}; }
    std::unique_ptr<PlanStep> make(const PlanContext&) const override { return nullptr; }
};

TEST(RunReportTest, theCollectorKeepsARunAsItsRecorderIsToldIt) {
    Plan plan;
    plan.name = QStringLiteral("soak");
    plan.file = QStringLiteral("soak.toml");
    plan.context.profile = *namedProfile(u"atx");
    HoldSpec hold;
    hold.name = QStringLiteral("half load");
    RunReportCollector collector;
    collector.runStarted(plan, {QStringLiteral("PSU-7"), {}, {}});
    collector.stepStarted(0, hold);
    const ControlFrame on{1, loadCode(40), loadCode(120), loadCode(80)};
    collector.readingTaken(0, {ReplyFrame{1, 128, 127, 129}, 100, on}, Settling::PoweringUp);
    collector.readingTaken(0, {std::nullopt, 200, on}, Settling::Judged);
    collector.readingTaken(0, {ReplyFrame{1, 128, 127, 129}, 300, on}, Settling::Judged);
    collector.stepEnded(0, {Outcome::Pass, {}, QStringLiteral("held 0:00"), 1, 1});
    collector.runEnded(Outcome::Pass, RunEnd::Completed);

    const RunReportInput& run = collector.input();
    EXPECT_EQ(run.planName, "soak");
    EXPECT_EQ(run.unit.serial, "PSU-7");
    ASSERT_EQ(run.steps.size(), 1u);
    const RunReportStep& step = run.steps[0];
    EXPECT_EQ(step.kind, "hold");
    EXPECT_EQ(step.keyFigure, "held 0:00");
    ASSERT_EQ(step.readings.size(), 2u);
    const RunReportReading& r = step.readings[0];
    EXPECT_TRUE(r.supplyOn);
    EXPECT_EQ(std::tuple(r.load5, r.load12, r.load33, r.b3), std::tuple(80, 120, 40, 127));
    EXPECT_EQ(r.settling, Settling::PoweringUp);
    EXPECT_EQ(run.outcome, Outcome::Pass);
    EXPECT_EQ(refusedRunReport(run), std::nullopt);
}

} // namespace

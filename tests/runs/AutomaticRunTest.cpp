// Automatic runs on the simulated unit: a plan run and a sweep each keep the machine awake from
// their start until the port is closed, and a plan run says where it stands and saves its report
// where its settings say.
#include "AutomaticPlanRun.h"
#include "AutomaticSweep.h"
#include "Eventually.h"
#include "QtSerialPort.h"
#include "SimulatedUnit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmor::testing {
namespace {

class AutomaticRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const auto started = unit.start(
            dir.filePath(QStringLiteral("unit-%1").arg(QCoreApplication::applicationPid())));
        ASSERT_FALSE(started) << started->toStdString();
        makePort = [device = unit.devicePath()] { return std::make_unique<QtSerialPort>(device); };
    }

    Plan plan(const QByteArray& steps) {
        const QString path = dir.filePath("plan.toml");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[supply]\nwatts = 220\na5 = 15\na12 = 8\na33 = 10\n[profile]\nname = "
                   "\"atx\"\n" +
                   steps);
        file.close();
        auto read = readPlan(path);
        EXPECT_TRUE(std::holds_alternative<Plan>(read));
        return std::get<Plan>(std::move(read));
    }

    // Started; how it ended once the port is closed.
    std::optional<RunEnd> runToTheEnd(AutomaticRun& run) {
        bool awakeAtAllOff = false;
        QObject::connect(&run, &AutomaticRun::switchedOff,
                         [&] { awakeAtAllOff = run.keepingAwake(); });
        std::optional<RunEnd> ended;
        QObject::connect(&run, &AutomaticRun::finished, [&](RunEnd end) { ended = end; });
        EXPECT_FALSE(run.keepingAwake());
        EXPECT_FALSE(run.start());
        EXPECT_TRUE(run.keepingAwake());
        EXPECT_TRUE(eventually([&] { return ended.has_value(); }, 30000));
        EXPECT_TRUE(awakeAtAllOff) << "awake until the port is closed";
        EXPECT_FALSE(run.keepingAwake()) << "and no longer";
        return ended;
    }

    QTemporaryDir dir;
    sim::SimulatedUnit unit;
    PortFactory makePort;
};

TEST_F(AutomaticRunTest, aPlanRunKeepsTheMachineAwakeTellsItsProgressAndSavesItsReport) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("reports"));
    PlanRunSettings settings;
    settings.unit = {"SN-7", "M1", "Olga"};
    settings.linkTimeoutSeconds = 5;
    settings.report = true;
    settings.reports = {dir.filePath("reports"), false};
    AutomaticPlanRun run(plan("[[step]]\nkind = \"hold\"\nname = \"warm\"\n[[step.level]]\n"
                              "seconds = 1\nload = { percent = 20 }\n"),
                         settings, makePort);
    std::vector<PlanProgress> seen;
    QObject::connect(&run, &AutomaticRun::ticked, [&](const StepReading& reading) {
        if (const auto p = run.progress(reading.sinceStartMs))
            seen.push_back(*p);
    });
    EXPECT_EQ(runToTheEnd(run), RunEnd::Completed);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front().step, 1);
    EXPECT_EQ(seen.front().steps, 1);
    EXPECT_EQ(seen.front().name, "warm");
    EXPECT_GT(seen.front().remainingMs, seen.back().remainingMs);
    EXPECT_TRUE(seen.back().volts5.has_value()) << "the latest reading's volts";
    EXPECT_EQ(run.planRun().outcome(), Outcome::Pass);

    const auto saved = run.saveReport();
    EXPECT_FALSE(saved.error) << saved.error->toStdString();
    EXPECT_TRUE(saved.path.startsWith(dir.filePath("reports") + '/')) << saved.path.toStdString();
    EXPECT_TRUE(QFile::exists(saved.path));
}

TEST_F(AutomaticRunTest, aSweepKeepsTheMachineAwakeUntilItsPortIsClosed) {
    SweepRunSettings settings;
    settings.linkTimeoutSeconds = 5;
    settings.mapsFolder = dir.path();
    AutomaticSweep sweep(settings, makePort);
    QObject::connect(&sweep, &AutomaticRun::ticked, [&] { sweep.interrupt(); });
    EXPECT_EQ(runToTheEnd(sweep), RunEnd::Aborted);
}

} // namespace
} // namespace velmor::testing

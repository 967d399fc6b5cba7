// A test plan from the command line against the simulated unit: a good run exits 0 with the
// supply switched off, a signal mid-run switches it off and exits 1, and a bad plan is refused
// before the port is opened.
#include "Bench.h"

#include <QProcess>

#include <csignal>

namespace velmor::testing {
namespace {

constexpr char planHead[] = "[supply]\nwatts = 220\na5 = 15\na12 = 8\na33 = 10\n"
                            "[profile]\nname = \"atx\"\n";

class PlanProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_FALSE(unit.start(
            dir.filePath(QStringLiteral("unit-%1").arg(QCoreApplication::applicationPid()))));
    }

    QString planFile(const QByteArray& steps) {
        const QString path = dir.filePath("plan.toml");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(planHead) + steps);
        return path;
    }

    void launch(const QString& plan, const QString& results = "off") {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        // The journal and the store this test's own.
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        process.setProcessEnvironment(env);
        process.start(programPath(), {"--plan", plan, "--unit", "PSU-7", "--results", results,
                                      "--port", unit.devicePath(), "--language", "en"});
        ASSERT_TRUE(process.waitForStarted());
    }

    int exitStatus() {
        if (!finishes(process, 60000))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    }

    bool endsSwitchedOff() {
        const auto& frames = unit.receivedFrames();
        return eventually([&] { return !frames.empty() && frames.back().frame == allOffFrame; });
    }

    QTemporaryDir dir;
    sim::SimulatedUnit unit;
    QProcess process;
};

TEST_F(PlanProgramTest, shortPlanPassesAndEndsWithTheSupplyOff) {
    launch(planFile("[[step]]\nkind = \"hold\"\n[[step.level]]\nseconds = 1\n"
                    "load = { percent = 20 }\n"));
    EXPECT_EQ(exitStatus(), 0) << process.readAllStandardError().toStdString();
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(out.contains("step 1 of 1 \"hold\": PASS, 1 s, ")) << out.toStdString();
    EXPECT_TRUE(out.contains("PASS: plan \"plan\" on PSU-7")) << out.toStdString();
    EXPECT_TRUE(endsSwitchedOff());
}

TEST_F(PlanProgramTest, signalMidRunSwitchesTheSupplyOffAndExitsWithOne) {
    launch(planFile("[[step]]\nkind = \"hold\"\n[[step.level]]\nseconds = 600\n"
                    "load = { percent = 20 }\n"));
    ASSERT_TRUE(eventually([&] { return unit.receivedFrames().size() >= 5; }, 15000));
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    EXPECT_EQ(exitStatus(), 1);
    EXPECT_TRUE(endsSwitchedOff());
    EXPECT_TRUE(process.readAllStandardOutput().contains("ABORTED: plan \"plan\" on PSU-7"));
}

TEST_F(PlanProgramTest, unitThatPassedThePlanBeforeIsToldOfTheRepeat) {
    const QString plan = planFile("[[step]]\nkind = \"hold\"\n[[step.level]]\nseconds = 1\n"
                                  "load = { percent = 20 }\n");
    const QString store = "sqlite:" + dir.filePath("results.sqlite");
    QString told;
    for (int run = 0; run < 2; ++run) {
        launch(plan, store);
        EXPECT_EQ(exitStatus(), 0);
        told += QString::fromLocal8Bit(process.readAllStandardError());
    }
    EXPECT_EQ(told.count("velmor-test: repeat test: PSU-7 passed this plan (\"plan\") on "), 1)
        << "the second run only\n"
        << told.toStdString();
}

TEST_F(PlanProgramTest, badPlanIsRefusedAtItsLineBeforeAnythingIsSent) {
    const QString plan = planFile("[[step]]\nkind = \"hold\"\nrepeat = 0\n[[step.level]]\n"
                                  "seconds = 1\nload = { percent = 20 }\n");
    launch(plan);
    EXPECT_EQ(exitStatus(), 1);
    EXPECT_TRUE(process.readAllStandardError().startsWith((plan + ":10:10: ").toUtf8()));
    QTest::qWait(200);
    EXPECT_TRUE(unit.receivedFrames().empty());
    EXPECT_FALSE(unit.hasListener());
}

} // namespace
} // namespace velmor::testing

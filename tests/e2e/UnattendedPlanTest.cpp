// A test plan from the command line against the simulated unit: a good run exits 0 with the
// supply switched off, a signal mid-run switches it off and exits 1, a run that does not pass
// says what decided it, and a bad plan is refused before the port is opened.
#include "Bench.h"
#include "LoadFrame.h"

#include <QProcess>
#include <QRegularExpression>

#include <csignal>

namespace velmor::testing {
namespace {

constexpr char planHead[] = "[supply]\nwatts = 220\na5 = 15\na12 = 8\na33 = 10\n";
constexpr char atxProfile[] = "[profile]\nname = \"atx\"\n";

class PlanProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_FALSE(unit.start(
            dir.filePath(QStringLiteral("unit-%1").arg(QCoreApplication::applicationPid()))));
    }

    QString planFile(const QByteArray& steps, const QByteArray& profile = atxProfile) {
        const QString path = dir.filePath("plan.toml");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(planHead) + profile + steps);
        return path;
    }

    void launch(const QString& plan, const QString& results = "off", const QStringList& more = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        // The journal and the store this test's own.
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        process.setProcessEnvironment(env);
        process.start(programPath(),
                      QStringList{"--plan", plan, "--unit", "PSU-7", "--results", results, "--port",
                                  unit.devicePath(), "--language", "en"} +
                          more);
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

    // The run's last line on stdout, once it has ended with the status.
    QString lastLine(int status) {
        EXPECT_EQ(exitStatus(), status) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed().split('\n').last();
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

TEST_F(PlanProgramTest, runThatDoesNotPassEndsOnWhatDecidedIt) {
    const QByteArray corners = "[[step]]\nkind = \"points\"\nname = \"corners\"\ndwell = 0.5\n"
                               "points = [{ percent = 10 }, { p5 = 100, p12 = 100, p33 = 50 }]\n";
    // A supply that shuts down at the heavy corner: failed there, its loads off within a tick.
    unit.model().setOverPowerWatts(150);
    launch(planFile(corners));
    EXPECT_EQ(lastLine(2), "FAIL: plan \"plan\" on PSU-7: step \"corners\": the supply shut down "
                           "at P2 (+5 V 15.1 A, +12 V 8.0 A, +3.3 V 5.0 A, 188 W)");
    const auto& frames = unit.receivedFrames();
    const LoadSettings p2 = loadFrame(true, {15, 8, 5}).settings;
    const auto heavy = std::find_if(frames.begin(), frames.end(), [&](const sim::ReceivedFrame& f) {
        return loadSettings(f.frame) == p2;
    });
    ASSERT_NE(heavy, frames.end());
    for (auto f = heavy; f != frames.end(); ++f) {
        if (loadSettings(f->frame) != LoadSettings{}) {
            EXPECT_LE(f->atMicroseconds - heavy->atMicroseconds, 150'000) << "a load a tick late";
        }
    }
    EXPECT_TRUE(endsSwitchedOff());
    unit.model().setOverPowerWatts(sim::SupplyModel::defaultOverPowerWatts);

    // +12 V held to 0.1 % below nominal: it sags further under load.
    unit.clearReceivedFrames();
    launch(planFile(corners, "[profile]\nname = \"tight\"\nout5 = [-5, 5]\nout12 = [-0.1, 5]\n"
                             "out33 = [-5, 5]\n"));
    const QString droop = lastLine(2);
    EXPECT_TRUE(
        QRegularExpression(R"(^FAIL: plan "plan" on PSU-7: step "corners": \+12 V 11\.\d\d V )"
                           R"(< 11\.99 V at P\d \(\+5 V .* W\)$)")
            .match(droop)
            .hasMatch())
        << droop.toStdString();

    // A supply that never comes up is the unit's fault.
    unit.model().setPowerOnMs(60'000);
    launch(planFile(corners));
    EXPECT_EQ(lastLine(2), "FAIL: plan \"plan\" on PSU-7: step \"corners\": did not power on");
    unit.model().setPowerOnMs(0);

    // A unit gone silent is the bench's: an error with its reason, no step of the unit failed.
    unit.setFaultMode(sim::FaultMode::Silent);
    launch(planFile(corners), "off", {"--link-timeout", "1"});
    EXPECT_EQ(lastLine(1), "ERROR: plan \"plan\" on PSU-7: the bench could not test (step 1 of "
                           "1): no reply from the unit for 1 s");
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

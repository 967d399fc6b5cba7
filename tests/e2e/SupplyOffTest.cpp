// However the program ends with the supply on, the unit is left with it off: killed outright
// (the guardian's frame), by any terminating signal, with its output's reader gone, or with its
// display gone.
#include "Form1Layout.h"
#include "OnDisplay.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <csignal>
#include <cstdio>

namespace velmor::testing {
namespace {

constexpr char longPlan[] = "[supply]\nwatts = 220\na5 = 15\na12 = 8\na33 = 10\n"
                            "[profile]\nname = \"atx3\"\n"
                            "[[step]]\nkind = \"hold\"\nname = \"long\"\n[[step.level]]\n"
                            "seconds = 600\nload = { percent = 20 }\n";

bool supplyOn(const sim::SimulatedUnit& unit) {
    const auto& frames = unit.receivedFrames();
    return frames.size() >= 5 && frames.back().frame.supplySwitch == 1;
}

// The first value the query gives in the store, or "nothing".
QString storedValue(const QString& store, const QString& select) {
    QString value = QStringLiteral("nothing");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "supply-off");
        db.setDatabaseName(store);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(select) && query.next())
                value = query.value(0).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("supply-off");
    return value;
}

// How many kills each case makes: VELMOR_KILLS (scripts/kill-nine sets 20), else one.
int kills() {
    const int n = qEnvironmentVariableIntValue("VELMOR_KILLS");
    return n > 0 ? n : 1;
}

// Once the supply is on, waits a random moment, kills the program with SIGKILL and gives the
// time from the kill to the all-off frame at the unit, with no frame after it; -1 for none.
// Says the time on stdout, for scripts/kill-nine.
qint64 killToAllOff(QProcess& program, sim::SimulatedUnit& unit, const char* what) {
    if (!eventually([&] { return supplyOn(unit); }, programPatienceMs))
        return -1;
    QTest::qWait(static_cast<int>(QRandomGenerator::global()->bounded(1500)));
    QElapsedTimer sinceKill;
    qint64 offMs = -1;
    const auto watch = QObject::connect(
        &unit, &sim::SimulatedUnit::frameReceived, [&](const sim::ReceivedFrame& f) {
            if (sinceKill.isValid())
                offMs = f.frame == allOffFrame ? sinceKill.elapsed() : -1;
        });
    sinceKill.start();
    ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
    finishes(program);
    eventually([&] { return offMs >= 0; }, 5000);
    QTest::qWait(200); // nothing after it
    QObject::disconnect(watch);
    std::printf("kill -9 of the %s: all-off at the unit after %lld ms\n", what,
                static_cast<long long>(offMs));
    std::fflush(stdout);
    return offMs;
}

// The program without a window, in a home of the test's own.
class EndingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(maps.isValid());
        ASSERT_FALSE(unit.start(dir.filePath("unit")));
        QFile plan(planPath());
        ASSERT_TRUE(plan.open(QIODevice::WriteOnly));
        plan.write(longPlan);
    }
    void TearDown() override {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    QString planPath() const { return dir.filePath("long.toml"); }

    // The program with these arguments; piped into `head -1` where asked, which leaves after
    // the first line, and the exit status then the program's.
    void launch(const QStringList& arguments, bool intoHead = false) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        process.setProcessEnvironment(env);
        const QStringList all = QStringList{programPath()} + arguments +
                                QStringList{"--port", unit.devicePath(), "--language", "en"};
        if (intoHead)
            process.start("bash",
                          QStringList{"-c", "set -o pipefail; \"$0\" \"$@\" | head -1"} + all);
        else
            process.start(all.first(), all.mid(1));
        ASSERT_TRUE(process.waitForStarted(programPatienceMs));
    }
    QStringList plan(const QString& results = "off") const {
        return {"--plan", planPath(), "--unit", "PSU-9", "--results", results};
    }
    QStringList sweep(const QString& limits = "80,80,70") const {
        return {"--sweep",   QFileInfo(maps.path()).fileName() + "\\ended",
                "--limits",  limits,
                "--results", "off"};
    }

    // The last frame the unit has is the all-off frame, and no other follows it.
    bool endsSwitchedOff() {
        const auto& frames = unit.receivedFrames();
        if (!eventually([&] { return !frames.empty() && frames.back().frame == allOffFrame; }))
            return false;
        run(300);
        return frames.back().frame == allOffFrame;
    }
    static void run(int milliseconds) { QTest::qWait(milliseconds); }

    QTemporaryDir dir;
    // A folder of the test's own among the maps beside the program, for the sweep's files.
    bool grafMade = QDir().mkpath(QCoreApplication::applicationDirPath() + "/Graf");
    QTemporaryDir maps{QCoreApplication::applicationDirPath() + "/Graf/ending-XXXXXX"};
    sim::SimulatedUnit unit;
    QProcess process;
};

// kill -9 with the supply on: nothing of the program runs, the guardian's frame is all the
// unit gets. The limit here is loose for a busy machine; docs/reliability.md has the figures.
TEST_F(EndingTest, aKilledPlanOrSweepLeavesTheSupplyOffWithinAFractionOfASecond) {
    for (const bool isPlan : {true, false})
        for (int kill = 0; kill < kills(); ++kill) {
            SCOPED_TRACE(isPlan ? "plan" : "sweep");
            unit.clearReceivedFrames();
            launch(isPlan ? plan() : sweep());
            const qint64 offMs = killToAllOff(process, unit, isPlan ? "plan" : "sweep");
            EXPECT_GE(offMs, 0);
            EXPECT_LT(offMs, 1000);
        }
}

// SIGQUIT, SIGUSR1, SIGUSR2 and SIGALRM once killed the run on the spot with the load on.
TEST_F(EndingTest, everyTerminatingSignalEndsAPlanRunAbortedWithTheSupplyOff) {
    for (const int signalNumber : {SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM}) {
        SCOPED_TRACE(signalNumber);
        unit.clearReceivedFrames();
        launch(plan());
        ASSERT_TRUE(eventually([&] { return supplyOn(unit); }, programPatienceMs));
        ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), signalNumber), 0);
        ASSERT_TRUE(finishes(process));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_TRUE(endsSwitchedOff());
        EXPECT_TRUE(process.readAllStandardOutput().contains("ABORTED: plan \"long\" on PSU-9"));
    }
}

// `velmor-test --plan … | head -1`: the reader gone after the first line, the next write fails,
// which stops the run with the load on (the plan's second step, a sweep's second row).
TEST_F(EndingTest, aClosedOutputStopsAPlanOrASweepWithTheSupplyOff) {
    // The first step a short one, so that its end line follows at once.
    QFile twoSteps(planPath());
    ASSERT_TRUE(twoSteps.open(QIODevice::WriteOnly));
    twoSteps.write(QByteArray(longPlan).replace("seconds = 600", "seconds = 1") +
                   "[[step]]\nkind = \"hold\"\nname = \"longer\"\n[[step.level]]\n"
                   "seconds = 600\nload = { percent = 30 }\n");
    twoSteps.close();
    const QString store = dir.filePath("results.sqlite");
    for (const bool isPlan : {true, false}) {
        SCOPED_TRACE(isPlan ? "plan" : "sweep");
        unit.clearReceivedFrames();
        launch(isPlan ? plan("sqlite:" + store) : sweep("10,10,255"), true);
        ASSERT_TRUE(finishes(process));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_TRUE(endsSwitchedOff());
        EXPECT_GE(std::count_if(unit.receivedFrames().begin(), unit.receivedFrames().end(),
                                [](const sim::ReceivedFrame& f) { return f.frame.supplySwitch; }),
                  5)
            << "stopped with the supply on, not before it came on";
        const QByteArray told = process.readAllStandardError();
        EXPECT_TRUE(told.contains("the output cannot be written (Broken pipe); the run is stopped"))
            << told.toStdString();
        if (isPlan) {
            EXPECT_EQ(storedValue(store, "SELECT end_state FROM runs"), "aborted");
        }
    }
}

// The station on a display, a run under way on a loaded unit.
class StationEndingTest : public OnDisplay {
protected:
    void startRun() {
        const QString plan = dir.filePath("long.toml");
        QFile file(plan);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(longPlan);
        file.close();
        if (!unit.isLinkUp()) {
            ASSERT_FALSE(unit.start(linkPath()));
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        program.setProcessEnvironment(env);
        program.start(programPath(), {"--station", "--plan", plan, "--port", linkPath(),
                                      "--results", "sqlite:" + store()});
        ASSERT_TRUE(program.waitForStarted(programPatienceMs));
        const QString id = window("станция");
        ASSERT_FALSE(id.isEmpty()) << program.readAllStandardError().toStdString();
        for (int attempt = 0; attempt < 3 && frameCount() == 0; ++attempt) {
            xdotool({"type", "--window", id, "SN-0077"});
            xdotool({"key", "--window", id, "Return"});
            waitForFrames(1, programPatienceMs / 3);
        }
        ASSERT_TRUE(eventually([&] { return supplyOn(unit); }, programPatienceMs));
    }
    QString store() const { return dir.filePath("results.sqlite"); }

    // The manual window on the display, switched on by its button.
    void switchOnManualWindow() {
        if (!unit.isLinkUp()) {
            ASSERT_FALSE(unit.start(linkPath()));
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        program.setProcessEnvironment(env);
        program.start(programPath(), {"--port", linkPath(), "--results", "sqlite:" + store()});
        ASSERT_TRUE(program.waitForStarted(programPatienceMs));
        const QString id = window("^Velmor test$");
        ASSERT_FALSE(id.isEmpty()) << program.readAllStandardError().toStdString();
        ASSERT_TRUE(waitForFrames(1));
        velmor::TwipsRect place;
        for (const ControlRow& row : form1Layout())
            if (row.name == QLatin1String("Command1")) // "Вкл"
                place = row.place;
        const QPoint centre =
            velmor::toPixels(place.left + place.width / 2, place.top + place.height / 2);
        for (int attempt = 0; attempt < 3 && !supplyOn(unit); ++attempt) {
            xdotool({"mousemove", "--window", id, QString::number(centre.x()),
                     QString::number(centre.y()), "click", "1"});
            eventually([&] { return supplyOn(unit); }, programPatienceMs / 3);
        }
    }

    // A termination signal and the display's loss end the run as aborted, with its line, the
    // supply off and the port closed, as the plan from the command line does; the guardian has
    // nothing left to do.
    void expectEndedAborted(int status) {
        ASSERT_TRUE(finishes(program));
        EXPECT_EQ(program.exitCode(), status);
        const size_t sent = frameCount();
        run(300);
        EXPECT_EQ(frameCount(), sent) << "the guardian was given the port back: it sends nothing";
        EXPECT_EQ(unit.receivedFrames().back().frame, allOffFrame);
        EXPECT_FALSE(unit.hasListener()) << "the port is closed";
        const QByteArray told = program.readAllStandardError();
        EXPECT_TRUE(told.contains("станция: SN-0077: aborted")) << told.toStdString();
        EXPECT_EQ(storedValue(store(), "SELECT end_state FROM runs"), "aborted");
    }
};

TEST_F(StationEndingTest, aSignalEndsTheRunAbortedWithTheSupplyOff) {
    ASSERT_NO_FATAL_FAILURE(startRun());
    ASSERT_EQ(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
    expectEndedAborted(128 + SIGTERM);
}

TEST_F(StationEndingTest, theDisplayGoneEndsTheRunAbortedWithTheSupplyOff) {
    ASSERT_NO_FATAL_FAILURE(startRun());
    xvfb.kill();
    expectEndedAborted(1);
}

// The manual window's display gone: closed as on any close, its session's record with it.
TEST_F(StationEndingTest, theDisplayGoneClosesTheManualWindowAsAnyCloseDoes) {
    ASSERT_NO_FATAL_FAILURE(switchOnManualWindow());
    ASSERT_TRUE(supplyOn(unit));
    xvfb.kill();
    ASSERT_TRUE(finishes(program));
    EXPECT_EQ(program.exitCode(), 1);
    const size_t sent = frameCount();
    run(300);
    EXPECT_EQ(frameCount(), sent) << "the guardian was given the port back: it sends nothing";
    EXPECT_EQ(unit.receivedFrames().back().frame, allOffFrame);
    EXPECT_EQ(storedValue(store(), "SELECT end_state FROM sessions"), "exit");
}

TEST_F(StationEndingTest, aKilledManualWindowOrStationLeavesTheSupplyOffWithinAFractionOfASecond) {
    for (const bool isStation : {false, true})
        for (int kill = 0; kill < kills(); ++kill) {
            SCOPED_TRACE(isStation ? "station" : "manual window");
            unit.clearReceivedFrames();
            if (isStation)
                ASSERT_NO_FATAL_FAILURE(startRun());
            else
                ASSERT_NO_FATAL_FAILURE(switchOnManualWindow());
            const qint64 offMs =
                killToAllOff(program, unit, isStation ? "station" : "manual window");
            EXPECT_GE(offMs, 0);
            EXPECT_LT(offMs, 1000);
        }
}

} // namespace
} // namespace velmor::testing

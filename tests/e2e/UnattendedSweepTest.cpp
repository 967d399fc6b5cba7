// The sweep without a window: against the simulated unit it sends what the graph window sends,
// then switches the supply off, and saves the same files; the program's exit status tells pass,
// fail, interrupted and no port, and every way out leaves the supply and the loads off.
#include "AnswerPrompt.h"
#include "Bench.h"
#include "FileContents.h"
#include "RunSweep.h"
#include "Startup.h"
#include "SweepFrames.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <csignal>

namespace velmor::testing {
namespace {

constexpr ControlFrame endFrame{1, 255, 255, 255}; // the loads off, the supply still on

// A folder of this test's own inside Graf beside the program, and the name that saves into it.
struct SaveFolder {
    MapsFolder maps{QCoreApplication::applicationDirPath() + "/Graf", false};
    QTemporaryDir dir{maps.path + "/unattended-XXXXXX"};
    QString name(const char* stem) const {
        return QFileInfo(dir.path()).fileName() + "\\" + QString::fromLatin1(stem);
    }
    QString file(const char* stem, const char* extension) const {
        return dir.filePath(QString::fromLatin1(stem) + QString::fromLatin1(extension));
    }
};

std::vector<ControlFrame> framesOf(const sim::SimulatedUnit& unit) {
    std::vector<ControlFrame> frames;
    for (const auto& received : unit.receivedFrames())
        frames.push_back(received.frame);
    return frames;
}

TEST(UnattendedSweepTest, sendsTheGraphWindowsFramesAndSavesTheSameFiles) {
    const SweepLimits limits{6, 7, 255};
    SaveFolder folder;
    ASSERT_TRUE(folder.dir.isValid());

    // The graph window: loaded, started, ended, saved.
    sim::SimulatedUnit windowUnit;
    windowUnit.setUnsolicitedInterval(0); // replies to frames only, so both runs read the same
    ASSERT_FALSE(windowUnit.start());
    SharedState state;
    state.loadLimit1 = static_cast<qint16>(limits.loadLimit1);
    state.loadLimit2 = static_cast<qint16>(limits.loadLimit2);
    state.powerLimit = static_cast<qint16>(limits.powerLimit);
    FormGraf window(state, devicePortFactory(windowUnit.devicePath()), folder.maps);
    ASSERT_FALSE(window.load());
    QTest::qWait(150);
    auto* start = window.findChild<ui::CommandButton*>("Command3");
    auto* save = window.findChild<ui::CommandButton*>("Command5");
    start->click();
    ASSERT_TRUE(eventually([&] { return save->isEnabled(); }, benchPatienceMs));
    QStringList errors;
    window.onSaveError([&errors](const QString& e) { errors << e; });
    answerPrompt(folder.name("window"));
    save->click();
    ASSERT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    QTest::qWait(150);

    // The same sweep from the command line, on a unit of its own.
    sim::SimulatedUnit unit;
    unit.setUnsolicitedInterval(0);
    ASSERT_FALSE(unit.start());
    SweepRequest request;
    request.name = folder.name("unattended");
    request.limits = limits;
    EXPECT_EQ(runUnattendedSweep(request, devicePortFactory(unit.devicePath()), folder.maps),
              sweepPassed);

    std::vector<ControlFrame> expected{allOffFrame};
    for (const ControlFrame& f : expectedSweepFrames(limits.loadLimit1, limits.loadLimit2))
        expected.push_back(f);
    EXPECT_EQ(framesOf(windowUnit), expected); // the window stays open with the supply on
    expected.push_back(allOffFrame);
    EXPECT_EQ(framesOf(unit), expected);
    for (const char* extension : {".bmp", ".csv"})
        EXPECT_EQ(fileContents(folder.file("unattended", extension)),
                  fileContents(folder.file("window", extension)))
            << extension;
    // The summary's first line names its map; the rest is the same.
    const QString summary = QString::fromUtf8(fileContents(folder.file("unattended", ".txt")));
    EXPECT_TRUE(summary.startsWith("Cross-load map \"" + request.name + "\"\n"));
    EXPECT_EQ(summary.section('\n', 1),
              QString::fromUtf8(fileContents(folder.file("window", ".txt"))).section('\n', 1));
    EXPECT_TRUE(QFile::exists(folder.file("window", ".pdf")));
    EXPECT_FALSE(QFile::exists(folder.file("unattended", ".pdf"))) << "asked for no report";
}

// The program itself on the test's unit, whose event loop runs while it waits.
class SweepProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir.isValid());
        // Behind a link of its own name, so it can come back after a drop and no other test's
        // port lock meets it.
        ASSERT_FALSE(unit.start(folder.dir.filePath(
            QStringLiteral("unit-%1").arg(QCoreApplication::applicationPid()))));
    }

    void launch(QStringList arguments, const QString& port) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM"); // the program picks what it needs
        process.setProcessEnvironment(env);
        arguments << "--port" << port << "--language"
                  << "en"; // the cases read English words
        process.start(QCoreApplication::applicationDirPath() + "/velmor-test", arguments);
        ASSERT_TRUE(process.waitForStarted());
    }

    int exitStatus() {
        if (!eventually([&] { return process.state() == QProcess::NotRunning; }, 60000)) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    }

    // The end frame, then the all-off frame, and nothing after them.
    bool endsSwitchedOff() {
        const auto& frames = unit.receivedFrames();
        return eventually([&] {
            return frames.size() >= 2 && frames[frames.size() - 2].frame == endFrame &&
                   frames.back().frame == allOffFrame;
        });
    }

    SaveFolder folder;
    sim::SimulatedUnit unit;
    QProcess process;
};

TEST_F(SweepProgramTest, passingSweepExitsWithZeroAndLeavesFourFiles) {
    launch({"--sweep", folder.name("pass"), "--limits", "4,4,255", "--report"}, unit.devicePath());
    EXPECT_EQ(exitStatus(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(
        QString::fromUtf8(process.readAllStandardOutput()).contains("row 2 done: 6/6 cells"));
    for (const char* extension : {".bmp", ".csv", ".txt", ".pdf"})
        EXPECT_TRUE(QFile::exists(folder.file("pass", extension))) << extension;
    EXPECT_TRUE(endsSwitchedOff());
}

TEST_F(SweepProgramTest, supplyThatTripsFailsTheSweepWithTwo) {
    // Off at the first load: every reading far below nominal, for the 2.5 s of row 0.
    unit.model().setOverPowerWatts(1);
    launch({"--sweep", folder.name("fail"), "--limits", "0,50,255"}, unit.devicePath());
    EXPECT_EQ(exitStatus(), 2) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardOutput())
                    .contains("FAIL: the supply did not power on (25 of 25 not judged)"));
}

TEST_F(SweepProgramTest, supplyThatNeverComesUpFailsWithThatReasonOrHasNoVerdictIfCutShort) {
    unit.model().setPowerOnMs(100000);
    launch({"--sweep", folder.name("short"), "--limits", "4,4,255"}, unit.devicePath());
    EXPECT_EQ(exitStatus(), 3) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardOutput())
                    .contains("NO VERDICT: no reading was judged (6 of 6 not judged)"));

    launch({"--sweep", folder.name("dead"), "--limits", "0,50,255"}, unit.devicePath());
    EXPECT_EQ(exitStatus(), 2) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(fileContents(folder.file("dead", ".txt"))
                    .contains("Power-on: the supply did not power on (not all three outputs "
                              "within ±10 % 2 s after switch-on)\nVerdict (ATX ±5 %): fail\n"));
}

TEST_F(SweepProgramTest, interruptSwitchesTheSupplyOffAndExitsWithOne) {
    for (const int signal : {SIGINT, SIGTERM}) {
        unit.clearReceivedFrames();
        launch({"--sweep", folder.name("interrupted")}, unit.devicePath());
        ASSERT_TRUE(eventually([&] { return unit.receivedFrames().size() >= 5; }, 15000));
        ::kill(static_cast<pid_t>(process.processId()), signal);
        EXPECT_EQ(exitStatus(), 1) << signal;
        EXPECT_TRUE(endsSwitchedOff()) << signal;
        EXPECT_FALSE(QFile::exists(folder.file("interrupted", ".bmp")));
    }
}

TEST_F(SweepProgramTest, lostLinkIsWaitedForAndTheSweepGoesOnToItsEnd) {
    launch({"--sweep", folder.name("dropped"), "--limits", "10,10,255"}, unit.devicePath());
    ASSERT_TRUE(eventually([&] { return unit.receivedFrames().size() >= 6; }, 15000));
    unit.dropLink(500);
    EXPECT_EQ(exitStatus(), 0);
    const QByteArray told = process.readAllStandardError();
    EXPECT_TRUE(told.contains("serial port lost")) << told.toStdString();
    EXPECT_TRUE(told.contains("serial port open again")) << told.toStdString();
    EXPECT_TRUE(QFile::exists(folder.file("dropped", ".bmp")));
    EXPECT_TRUE(endsSwitchedOff());
}

TEST_F(SweepProgramTest, silentUnitIsGivenUpAfterTheLinkTimeoutSwitchedOff) {
    launch({"--sweep", folder.name("silent"), "--link-timeout", "1"}, unit.devicePath());
    ASSERT_TRUE(eventually([&] { return unit.receivedFrames().size() >= 3; }, 15000));
    unit.setFaultMode(sim::FaultMode::Silent);
    EXPECT_EQ(exitStatus(), 1);
    EXPECT_TRUE(endsSwitchedOff());
    EXPECT_TRUE(process.readAllStandardError().contains("no reply from the unit for 1 s"));
}

// The unit's second pass of the same limits is told as a repeat, against the store the first one
// went to; a failed run or other limits are no such pass. The report names the unit.
TEST_F(SweepProgramTest, unitThatPassedTheSameSweepBeforeIsToldOfTheRepeat) {
    // The journal and the store this test's own.
    qputenv("XDG_DATA_HOME", folder.dir.filePath("data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", folder.dir.filePath("config").toLocal8Bit());
    const QStringList recorded{"--results",  "sqlite:" + folder.dir.filePath("results.sqlite"),
                               "--unit",     "PSU-0001",
                               "--operator", "Ivanov"};
    unit.model().setOverPowerWatts(1);
    // The supply trips at once and this short sweep ends before the power-on timeout: no verdict,
    // so no pass to repeat.
    launch(QStringList{"--sweep", folder.name("fails"), "--limits", "4,4,255"} + recorded,
           unit.devicePath());
    EXPECT_EQ(exitStatus(), 3);
    EXPECT_FALSE(process.readAllStandardError().contains("repeat test"));
    unit.model().setOverPowerWatts(300);
    QString told;
    for (const char* name : {"first", "second"}) {
        launch(QStringList{"--sweep", folder.name(name), "--limits", "4,4,255", "--report"} +
                   recorded,
               unit.devicePath());
        EXPECT_EQ(exitStatus(), 0);
        told += QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_TRUE(process.readAllStandardOutput().contains("Judged uncalibrated"));
    }
    EXPECT_TRUE(told.contains(QRegularExpression(
        "velmor-test: repeat test: PSU-0001 passed this sweep \\(limits 4,4,255\\) on "
        "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d [+-]\\d\\d:\\d\\d, record [0-9a-f]{8}\n")))
        << told.toStdString();
    EXPECT_EQ(told.count("repeat test"), 1) << "the second run only";
    EXPECT_TRUE(told.contains("warning: the bench is not calibrated"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "swept-uncalibrated");
        db.setDatabaseName(folder.dir.filePath("results.sqlite"));
        ASSERT_TRUE(db.open());
        QSqlQuery query("SELECT DISTINCT calibration, calibration_warning FROM sweeps", db);
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), "uncalibrated");
        EXPECT_EQ(query.value(1).toString(), "missing");
        EXPECT_FALSE(query.next());
    }
    QSqlDatabase::removeDatabase("swept-uncalibrated");
    launch(QStringList{"--sweep", folder.name("other"), "--limits", "4,2,255"} + recorded,
           unit.devicePath());
    EXPECT_EQ(exitStatus(), 0);
    EXPECT_FALSE(process.readAllStandardError().contains("repeat test"));

    QProcess reader;
    reader.start("pdftotext", {folder.file("second", ".pdf"), "-"});
    ASSERT_TRUE(reader.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(reader.readAllStandardOutput())
                    .simplified()
                    .contains("Unit PSU-0001 Model - Operator Ivanov"));
}

TEST_F(SweepProgramTest, missingPortAndBadLimitsExitWithOneAndSayWhy) {
    launch({"--sweep", folder.name("x")}, folder.dir.filePath("ttyUSB9"));
    EXPECT_EQ(exitStatus(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("No such file or directory"));
    launch({"--sweep", folder.name("x"), "--limits", "80,256,70"}, unit.devicePath());
    EXPECT_EQ(exitStatus(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("--limits: LoadLimit2"));
}

// The name check the run shares with the graph window and the run's own folder check speak the
// run's language, Russian unless the locale or --language says English.
TEST(SweepProgramLanguageTest, oneRunsMessagesAreAllInOneLanguage) {
    const auto said = [](QStringList arguments, const QString& lang) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG", "DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(variable);
        if (!lang.isEmpty())
            env.insert("LANG", lang);
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationDirPath() + "/velmor-test", arguments);
        EXPECT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitCode(), sweepCouldNotRun);
        return QString::fromUtf8(process.readAllStandardError());
    };
    for (const QString name : {"../x", "no-such-folder/x"}) {
        const QString russian = said({"--sweep", name}, QString());
        EXPECT_TRUE(russian.contains("Не удаётся сохранить карту")) << russian.toStdString();
        EXPECT_FALSE(russian.contains("Cannot")) << russian.toStdString();
        for (const QString& english : {said({"--sweep", name, "--language", "en"}, QString()),
                                       said({"--sweep", name}, "en_GB.UTF-8")}) {
            EXPECT_TRUE(english.contains("Cannot save the map")) << english.toStdString();
            EXPECT_FALSE(english.contains("Не удаётся")) << english.toStdString();
        }
    }
    EXPECT_TRUE(said({"--sweep", "x", "--language", "de"}, QString()).contains("--language"));
}

} // namespace
} // namespace velmor::testing

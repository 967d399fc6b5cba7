// SIGTERM, SIGINT and SIGHUP end the program cleanly: the loads off where a window holds the
// port, the port closed and its lock file gone, then the exit.
#include "Bench.h"
#include "TerminationSignals.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <csignal>
#include <sys/types.h>

namespace velmor::testing {
namespace {

const QDateTime thisProcessStarted = QDateTime::currentDateTime();

// The serial lock files (LCK..<device>) that hold the process's number, wherever Qt put them;
// not those an earlier process of the same number left when it was killed (a test's kill -9),
// which are older than this one.
QStringList lockFilesOf(qint64 pid) {
    QStringList held;
    for (const char* folder : {"/var/lock", "/run/lock", "/tmp", "/var/tmp"}) {
        const QDir dir(QString::fromLatin1(folder));
        for (const QString& name : dir.entryList({"LCK..*"}, QDir::Files | QDir::System)) {
            QFile lock(dir.filePath(name));
            if (QFileInfo(lock).lastModified() >= thisProcessStarted &&
                lock.open(QIODevice::ReadOnly) && lock.readLine().trimmed().toLongLong() == pid)
                held << dir.canonicalPath() + "/" + name;
        }
    }
    held.removeDuplicates();
    return held;
}

QStringList traceRecords(const QString& path) {
    QFile f(path);
    QStringList records;
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return records;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts))
        records << line.section(' ', 1); // without the time
    return records;
}

using CleanEndTest = Bench;

// In this process, as the program wires it: a switched-on manual window with loads set.
TEST_F(CleanEndTest, aSignalSendsTheAllOffFrameAfterTheLoadedOnesAndClosesThePortForGood) {
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ASSERT_TRUE(waitForFrames(1));
    click(manual(), "Command1");
    setLoads(manual(), 30, 40, 20);
    const ControlFrame loaded{1, 235, 215, 225};
    ASSERT_TRUE(
        eventually([&] { return unit.receivedFrames().back().frame == loaded; }, benchPatienceMs));
    ASSERT_EQ(lockFilesOf(QCoreApplication::applicationPid()).size(), 1);

    TerminationSignals stop;
    ASSERT_FALSE(stop.error());
    int ended = 0;
    QObject::connect(&stop, &TerminationSignals::received, [&](int signalNumber) {
        program->ports().loadsOffAndClose();
        ended = signalNumber;
    });
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(eventually([&] { return ended == SIGTERM; }));
    ASSERT_TRUE(eventually([&] { return unit.receivedFrames().back().frame == allOffFrame; }));
    EXPECT_TRUE(lockFilesOf(QCoreApplication::applicationPid()).isEmpty());

    const size_t after = frameCount();
    run(700); // three ticks or more: no frame, and the window does not open the port again
    EXPECT_EQ(frameCount(), after);
    EXPECT_FALSE(unit.hasListener());
    EXPECT_TRUE(lockFilesOf(QCoreApplication::applicationPid()).isEmpty());
}

TEST_F(CleanEndTest, closingTheWindowByItsFrameLeavesTheLoadsOff) {
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ASSERT_TRUE(waitForFrames(1));
    click(manual(), "Command1");
    setLoads(manual(), 30, 40, 20);
    ASSERT_TRUE(eventually(
        [&] {
            return unit.receivedFrames().back().frame == ControlFrame{1, 235, 215, 225};
        },
        benchPatienceMs));
    manual()->close();
    ASSERT_TRUE(eventually([&] { return !manual(); }));
    ASSERT_TRUE(eventually([&] { return unit.receivedFrames().back().frame == allOffFrame; }));
    EXPECT_TRUE(lockFilesOf(QCoreApplication::applicationPid()).isEmpty());
}

// The program itself, ended by each of the three signals while its manual window talks to the
// unit: the last frame the unit received is the all-off frame, every frame the program sent
// arrived, the lock file is gone and the exit status says which signal ended it.
class SignalledProgramTest : public Bench, public ::testing::WithParamInterface<int> {};

TEST_P(SignalledProgramTest, endsWithTheLoadsOffThePortClosedAndItsLockFileGone) {
    const int signalNumber = GetParam();
    ASSERT_TRUE(dir.isValid());
    ASSERT_FALSE(unit.start(linkPath()));
    const QString trace = dir.filePath("signal.trace");
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(programPath(), {"--port", linkPath(), "--trace", trace});
    ASSERT_TRUE(program.waitForStarted(programPatienceMs));
    ASSERT_TRUE(waitForFrames(3)) << program.readAllStandardError().toStdString();
    const QStringList locks = lockFilesOf(program.processId());
    ASSERT_EQ(locks.size(), 1) << "the program holds the port's lock";

    ASSERT_EQ(::kill(static_cast<pid_t>(program.processId()), signalNumber), 0);
    ASSERT_TRUE(finishes(program));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "ended by its own hand";
    EXPECT_EQ(program.exitCode(), 128 + signalNumber);
    EXPECT_FALSE(QFile::exists(locks.first()));
    run(200); // the unit takes in what is still on its way

    ASSERT_FALSE(unit.receivedFrames().empty());
    EXPECT_EQ(unit.receivedFrames().back().frame, allOffFrame);
    const QStringList records = traceRecords(trace);
    ASSERT_GE(records.size(), 2);
    EXPECT_EQ(records.last(), "CLOSE");
    EXPECT_EQ(records[records.size() - 2], "OUT 00 FF FF FF");
    EXPECT_EQ(static_cast<size_t>(records.filter(QRegularExpression("^OUT ")).size()), frameCount())
        << "every frame sent arrived: the last one was flushed before the port closed";
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalledProgramTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == SIGTERM  ? "SIGTERM"
                                                : info.param == SIGINT ? "SIGINT"
                                                                       : "SIGHUP");
                         });

} // namespace
} // namespace velmor::testing

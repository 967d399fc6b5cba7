// The simulated unit and the real serial port class over a real pseudo-terminal.
#include "Eventually.h"
#include "LineSettings.h"
#include "QtSerialPort.h"
#include "SimulatedUnit.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <ctime>

using namespace velmor;
using namespace velmor::sim;
using velmor::testing::eventually;
using velmor::testing::patienceMs;

namespace {

// Reads until at least count bytes came or the patience ran out.
QByteArray readAtLeast(SerialPort& port, qsizetype count) {
    QByteArray got;
    QDeadlineTimer deadline(patienceMs);
    while (got.size() < count && !deadline.hasExpired()) {
        QTest::qWait(5);
        got += port.readAll();
    }
    return got;
}

QByteArray everyByteValue() {
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    return all;
}

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

class PtyLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        unit.setUnsolicitedInterval(0); // each test asks for what it wants to hear
    }

    // Starts the unit, opens the port on its device and waits until the unit sees it.
    void startAndOpen(const QString& linkPath = {}) {
        const auto started = unit.start(linkPath);
        ASSERT_FALSE(started) << started->toStdString();
        port = std::make_unique<QtSerialPort>(unit.devicePath());
        ASSERT_NO_FATAL_FAILURE(openPort());
    }
    void openPort() {
        const auto opened = port->open(unitPortNumber, unitLineSettings);
        ASSERT_FALSE(opened) << opened->toStdString();
        ASSERT_TRUE(eventually([&] { return unit.hasListener(); }));
    }

    QString linkPath() const { return dir.filePath(QStringLiteral("unit")); }

    QTemporaryDir dir;
    SimulatedUnit unit;
    std::unique_ptr<QtSerialPort> port;
};

TEST_F(PtyLinkTest, frameOutReplyIn) {
    ASSERT_NO_FATAL_FAILURE(startAndOpen());
    ASSERT_EQ(sendFrame(*port, controlFrame(true, 0, 0, 0)), 4);
    ASSERT_TRUE(eventually([&] { return unit.receivedFrames().size() == size_t{1}; }));
    EXPECT_EQ(unit.receivedFrames()[0].frame, controlFrame(true, 0, 0, 0));
    EXPECT_EQ(readAtLeast(*port, 4), QByteArray("\x01\x80\x80\x80", 4));
}

TEST_F(PtyLinkTest, theUnitsRepliesComeAtTheLinesRate) {
    ASSERT_NO_FATAL_FAILURE(startAndOpen());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 12; ++i)
        sendFrame(*port, controlFrame(true, i, 0, 0));
    ASSERT_EQ(readAtLeast(*port, 48).size(), 48);
    // 48 bytes of 10 bits at 9600 baud take 50 ms on the line.
    EXPECT_GE(clock.elapsed(), lineMicroseconds(unitLineSettings, 48) / 1000);
}

TEST_F(PtyLinkTest, unitSpeaksOfItsOwnAccordWhileNoFrameComes) {
    unit.setUnsolicitedInterval(SimulatedUnit::defaultUnsolicitedMs);
    ASSERT_NO_FATAL_FAILURE(startAndOpen());
    const QByteArray heard = readAtLeast(*port, 8);
    ASSERT_GE(heard.size(), 8);
    EXPECT_EQ(heard.left(8), QByteArray(8, '\0')); // supply off: status 0, readings 0
    EXPECT_TRUE(unit.receivedFrames().empty());
}

TEST_F(PtyLinkTest, unitSendsNothingWhileNoProgramHoldsThePort) {
    unit.setUnsolicitedInterval(20);
    ASSERT_FALSE(unit.start());
    QTest::qWait(200); // ten of its own replies would have gone out by now
    EXPECT_FALSE(unit.hasListener());
    unit.setUnsolicitedInterval(0);
    port = std::make_unique<QtSerialPort>(unit.devicePath());
    ASSERT_NO_FATAL_FAILURE(openPort());
    QTest::qWait(100);
    EXPECT_TRUE(port->readAll().isEmpty());
}

TEST_F(PtyLinkTest, heldInputWaitsAndTheFirstReadAfterTheReleaseGetsAllOfIt) {
    ASSERT_NO_FATAL_FAILURE(startAndOpen());
    port->holdInput(true);
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(sendFrame(*port, controlFrame(true, 10 * i, 0, 0)), 4);
    ASSERT_TRUE(eventually([&] { return unit.receivedFrames().size() == size_t{5}; }));
    QTest::qWait(50); // the five replies are on their way or waiting
    port->holdInput(false);
    const QByteArray heard = readAtLeast(*port, 20);
    QTest::qWait(20);
    EXPECT_EQ(heard.size() + port->readAll().size(), 20);
}

TEST_F(PtyLinkTest, everyByteValuePassesUnchangedBothWays) {
    unit.setFaultMode(FaultMode::Silent);
    ASSERT_NO_FATAL_FAILURE(startAndOpen());
    const QByteArray all = everyByteValue();
    for (const char c : all)
        ASSERT_TRUE(port->writeByte(static_cast<quint8>(c)));
    ASSERT_TRUE(eventually([&] { return unit.receivedFrames().size() == size_t{64}; }));
    QByteArray received;
    for (const ReceivedFrame& r : unit.receivedFrames())
        for (const quint8 b : r.frame.bytes())
            received += static_cast<char>(b);
    EXPECT_EQ(received, all);

    unit.send(all);
    EXPECT_EQ(readAtLeast(*port, 256), all);
}

TEST_F(PtyLinkTest, readWithNothingArrivedIsEmpty) {
    ASSERT_NO_FATAL_FAILURE(startAndOpen());
    EXPECT_TRUE(port->readAll().isEmpty());
    QTest::qWait(50);
    EXPECT_TRUE(port->readAll().isEmpty());
}

TEST_F(PtyLinkTest, closeThenOpenAgainWorks) {
    ASSERT_NO_FATAL_FAILURE(startAndOpen());
    port->close();
    EXPECT_FALSE(port->isOpen());
    ASSERT_NO_FATAL_FAILURE(openPort());
    sendFrame(*port, controlFrame(true, 0, 0, 0));
    EXPECT_EQ(readAtLeast(*port, 4), QByteArray("\x01\x80\x80\x80", 4));
}

TEST_F(PtyLinkTest, reopenedPortHoldsNothingThatCameBeforeIt) {
    ASSERT_NO_FATAL_FAILURE(startAndOpen());
    unit.send(QByteArrayLiteral("old!")); // arrives, but the program closes before reading it
    QTest::qWait(20);                     // 4.17 ms on the line
    port->close();
    ASSERT_NO_FATAL_FAILURE(openPort());
    QTest::qWait(100);
    EXPECT_TRUE(port->readAll().isEmpty());
}

TEST_F(PtyLinkTest, droppedInputLeavesOnlyWhatArrivesAfterIt) {
    ASSERT_NO_FATAL_FAILURE(startAndOpen());
    unit.send(QByteArrayLiteral("old!"));
    QTest::qWait(50); // arrived, partly taken in by the event loop
    port->dropInput();
    sendFrame(*port, controlFrame(true, 0, 0, 0));
    EXPECT_EQ(readAtLeast(*port, 4), QByteArray("\x01\x80\x80\x80", 4));
}

TEST_F(PtyLinkTest, missingDeviceGivesAnErrorNamingDeviceAndReason) {
    const QString missing = dir.filePath(QStringLiteral("no-such-tty"));
    QtSerialPort absent(missing);
    const auto error = absent.open(unitPortNumber, unitLineSettings);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains(missing)) << error->toStdString();
    EXPECT_TRUE(error->contains(QStringLiteral("No such file"), Qt::CaseInsensitive))
        << error->toStdString();
    EXPECT_FALSE(absent.isOpen());
}

TEST_F(PtyLinkTest, secondOpenerOfAHeldPortIsRefused) {
    ASSERT_NO_FATAL_FAILURE(startAndOpen());
    QtSerialPort second(unit.devicePath());
    const auto error = second.open(unitPortNumber, unitLineSettings);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains(unit.devicePath())) << error->toStdString();
    EXPECT_FALSE(second.isOpen());
    // The holder keeps working.
    sendFrame(*port, controlFrame(true, 0, 0, 0));
    EXPECT_EQ(readAtLeast(*port, 4), QByteArray("\x01\x80\x80\x80", 4));
}

TEST_F(PtyLinkTest, droppedLinkClosesThePortOnceAndTheLinkLeadsToTheUnitAgain) {
    ASSERT_NO_FATAL_FAILURE(startAndOpen(linkPath()));
    QSignalSpy restored(&unit, &SimulatedUnit::linkRestored);
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    unit.dropLink(1000);
    ASSERT_TRUE(eventually([&] { return !port->isOpen(); }));
    ASSERT_TRUE(port->lostReason());
    EXPECT_TRUE(port->lostReason()->contains(linkPath())) << port->lostReason()->toStdString();
    EXPECT_TRUE(port->readAll().isEmpty());
    EXPECT_FALSE(port->writeByte(1));
    QTest::qWait(200);
    // Closed on the first error, rather than left open to report it again and again at full
    // speed: the wait above costs next to no processor time.
    const double cpuUsed = cpuSeconds() - cpuBefore;
    EXPECT_LT(cpuUsed, 0.5 * static_cast<double>(wall.elapsed()) / 1000);

    // While the unit is away the link leads nowhere (the event loop must run for it to return).
    if (!unit.isLinkUp()) {
        const auto error = port->open(unitPortNumber, unitLineSettings);
        ASSERT_TRUE(error);
        EXPECT_TRUE(error->contains(linkPath()));
    }

    ASSERT_TRUE(eventually([&] { return restored.count() == 1; }));
    EXPECT_EQ(QFileInfo(linkPath()).symLinkTarget(), unit.ptyPath());
    ASSERT_NO_FATAL_FAILURE(openPort());
    EXPECT_FALSE(port->lostReason());
    sendFrame(*port, controlFrame(true, 0, 0, 0));
    EXPECT_EQ(readAtLeast(*port, 4), QByteArray("\x01\x80\x80\x80", 4));
}

TEST_F(PtyLinkTest, linkReplacesAnEarlierLinkAndGoesAwayWithTheUnit) {
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), linkPath()));
    {
        SimulatedUnit own;
        ASSERT_FALSE(own.start(linkPath()));
        EXPECT_EQ(own.devicePath(), linkPath());
        EXPECT_EQ(QFileInfo(linkPath()).symLinkTarget(), own.ptyPath());
    }
    EXPECT_FALSE(QFileInfo(linkPath()).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(linkPath()));
}

TEST_F(PtyLinkTest, linkNeverOverwritesAnOrdinaryFile) {
    QFile file(linkPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    const auto error = unit.start(linkPath());
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains(linkPath()));
    EXPECT_FALSE(unit.isLinkUp());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));
}

// Fault modes as the program hears them: one control frame, then whatever comes back.
struct FaultCase {
    FaultMode mode;
    int frames;
    qsizetype expectedBytes;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << faultModeName(c.mode).toStdString() << ", " << c.frames << " frames";
}

class FaultModeOverPtyTest : public PtyLinkTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultModeOverPtyTest, repliesHaveTheFaultsSize) {
    const FaultCase c = GetParam();
    unit.setFaultMode(c.mode);
    ASSERT_NO_FATAL_FAILURE(startAndOpen());
    for (int i = 0; i < c.frames; ++i)
        sendFrame(*port, controlFrame(true, 10, 10, 10));
    ASSERT_TRUE(eventually([&] { return unit.receivedFrames().size() == size_t(c.frames); }));
    QByteArray heard = readAtLeast(*port, c.expectedBytes);
    QTest::qWait(100); // and nothing more comes
    heard += port->readAll();
    EXPECT_EQ(heard.size(), c.expectedBytes);
    if (c.mode == FaultMode::Blank) {
        EXPECT_EQ(heard, QByteArray(" "));
    }
}

INSTANTIATE_TEST_SUITE_P(Sim, FaultModeOverPtyTest,
                         ::testing::Values(FaultCase{FaultMode::Normal, 2, 8},
                                           FaultCase{FaultMode::Silent, 2, 0},
                                           FaultCase{FaultMode::Short, 3, 1 + 2 + 3},
                                           FaultCase{FaultMode::Blank, 1, 1},
                                           FaultCase{FaultMode::Burst, 1, burstBytes}),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                             return faultModeName(info.param.mode).toStdString();
                         });

} // namespace

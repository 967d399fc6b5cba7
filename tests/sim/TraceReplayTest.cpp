#include "TraceReplay.h"
#include "Eventually.h"
#include "Form1.h"
#include "LineSettings.h"
#include "QtSerialPort.h"
#include "SharedState.h"
#include "SimulatedUnit.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "Label.h"

using namespace velmor;
using namespace velmor::sim;
using velmor::testing::eventually;

namespace {

TEST(TraceReplayTest, keepsTheUnitsSideWithTimesFromEachOpen) {
    QString error;
    const auto replay = parseTrace("5.000 OPEN port 1 9600,N,8,1\n"
                                   "105.400 IN 01 80 80 80\n"
                                   "105.600 OUT 00 FF FF FF\n"
                                   "300.000 CLOSE\n"
                                   "310.000 OPEN Cannot open serial port /dev/x: busy\n"
                                   "400.000 OPEN port 1 9600,N,8,1\n"
                                   "450.000 IN 00 7F\n"
                                   "460.000 LOST /dev/x: gone\n",
                                   &error);
    ASSERT_TRUE(replay) << error.toStdString();
    ASSERT_EQ(replay->segments.size(), 2u);
    ASSERT_EQ(replay->segments[0].size(), 1u);
    EXPECT_EQ(replay->segments[0][0].atMs, 100);
    EXPECT_EQ(replay->segments[0][0].bytes, QByteArray::fromHex("01808080"));
    ASSERT_EQ(replay->segments[1].size(), 1u);
    EXPECT_EQ(replay->segments[1][0].atMs, 50);
    EXPECT_EQ(replay->segments[1][0].bytes, QByteArray::fromHex("007F"));
}

TEST(TraceReplayTest, malformedLinesAreRefusedWithTheirNumber) {
    for (const char* bad : {"abc IN 01\n", "1.0 IN\n", "1.0 IN 1G\n", "1.0 IN 100\n",
                            "1.0 SIDEWAYS 01\n", "-4.0 IN 01\n"}) {
        QString error;
        EXPECT_FALSE(parseTrace(QStringLiteral("0.0 OPEN port 1 x\n") + bad, &error)) << bad;
        EXPECT_TRUE(error.startsWith("line 2")) << error.toStdString();
    }
    QString error;
    EXPECT_FALSE(readTraceFile("/nonexistent/trace", &error));
    EXPECT_TRUE(error.contains("/nonexistent/trace"));
}

TEST(TraceReplayTest, timesOutOfRangeAndOversizedReadsAreRefusedWithTheirNumber) {
    const QString huge = "2.0 IN" + QString(" 41").repeated(maxChunkBytes + 1) + "\n";
    for (const QString& bad :
         {QString("1e12 IN 01\n"), QString("1e400 IN 01\n"), QString("0.5 IN 01\n"), huge}) {
        QString error;
        EXPECT_FALSE(parseTrace("1.0 OPEN port 1 x\n" + bad, &error)) << bad.left(20).toStdString();
        EXPECT_TRUE(error.startsWith("line 2: ")) << error.left(80).toStdString();
    }
    QString error;
    const auto silent = parseTrace("1.0 OPEN port 1 x\n2.0 OUT 00 FF FF FF\n", &error);
    ASSERT_TRUE(silent);
    EXPECT_FALSE(silent->hasUnitOutput());
    EXPECT_TRUE(parseTrace("1.0 IN 01\n", &error)->hasUnitOutput());
}

TEST(TraceReplayTest, onlyARegularFileWithinTheCapIsRead) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {fifo, QString("/dev/zero"), dir.path()}) {
        QString error;
        EXPECT_FALSE(readTraceFile(path, &error)); // returns at once: no reader is waited for
        EXPECT_TRUE(error.contains("not a regular file")) << error.toStdString();
    }
    const QString big = dir.filePath("big.trace");
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(maxTraceBytes + 1));
    file.close();
    QString error;
    EXPECT_FALSE(readTraceFile(big, &error));
    EXPECT_TRUE(error.contains("MiB")) << error.toStdString();
}

TEST(TraceReplayTest, unitPlaysTheRecordingWithItsTimingOnceThePortIsOpened) {
    SimulatedUnit unit;
    Replay replay;
    replay.segments.push_back({{0, "\x01\x02\x03\x04"}, {300, "\x05\x06\x07\x08"}});
    unit.setReplay(replay);
    ASSERT_FALSE(unit.start());

    QtSerialPort port(unit.devicePath());
    ASSERT_FALSE(port.open(unitPortNumber, unitLineSettings));
    QElapsedTimer clock;
    clock.start();
    QByteArray received;
    qint64 secondAt = -1;
    ASSERT_TRUE(eventually(
        [&] {
            received += port.readAll();
            if (secondAt < 0 && received.size() >= 8)
                secondAt = clock.elapsed();
            return received.size() >= 8;
        },
        10000));
    EXPECT_EQ(received, QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08"));
    EXPECT_GE(secondAt, 250); // the recorded gap is kept, not squeezed
}

// A session recorded with --trace against a supply switched on and loaded: played back, the
// manual window shows the readings the recording ended with.
TEST(TraceReplayTest, recordedSessionReplaysIntoTheManualWindow) {
    QString error;
    auto replay =
        readTraceFile(QStringLiteral(VELMOR_TRACE_DATA) + "/switched-on-session.trace", &error);
    ASSERT_TRUE(replay) << error.toStdString();
    SimulatedUnit unit;
    unit.setReplay(std::move(*replay));
    ASSERT_FALSE(unit.start());

    SharedState state;
    const QString device = unit.devicePath();
    auto form = Form1::load(
        state, [device] { return std::make_unique<QtSerialPort>(device); }, &error);
    ASSERT_TRUE(form) << error.toStdString();
    auto* label1 = form->control<ui::Label>("Label1");
    auto* label3 = form->control<ui::Label>("Label3");
    auto* label5 = form->control<ui::Label>("Label5");
    // The recording's last replies read 7C 81 80: 4.97 V, 12.03 V, 3.30 V.
    ASSERT_TRUE(eventually(
        [&] {
            return label1->caption() == "4.97" && label3->caption() == "12.03" &&
                   label5->caption() == "3.30";
        },
        15000))
        << label1->caption().toStdString() << " " << label3->caption().toStdString();
    // The window answered the replayed replies; switched off, with no load.
    ASSERT_FALSE(unit.receivedFrames().empty());
    EXPECT_EQ(unit.receivedFrames().back().frame, allOffFrame);
}

} // namespace

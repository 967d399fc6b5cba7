#include "LinkTrace.h"
#include "Frames.h"
#include "LineSettings.h"
#include "QtSerialPort.h"
#include "ScriptedPort.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace velmor;
using velmor::testing::bytes;
using velmor::testing::ScriptedPort;

namespace {

QStringList traceBodies(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList bodies;
    const QRegularExpression line(QStringLiteral("^\\d+\\.\\d{3} (.*)$"));
    for (const QString& l : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const auto m = line.match(l);
        EXPECT_TRUE(m.hasMatch()) << l.toStdString();
        bodies << m.captured(1);
    }
    return bodies;
}

TEST(LinkTraceTest, recordsReadsAndWholeFramesInOrder) {
    QTemporaryDir dir;
    const QString path = dir.filePath("link.trace");
    int failures = 0;
    auto trace = std::make_shared<LinkTrace>(path, [&](const QString&) { ++failures; });
    auto scripted = std::make_unique<ScriptedPort>();
    ScriptedPort* inner = scripted.get();
    inner->queueReply(bytes({0x41, 0x66, 0x80, 0x80, 0x00}));
    {
        TracingPort port(std::move(scripted), trace);
        ASSERT_FALSE(port.open(unitPortNumber, unitLineSettings));
        EXPECT_EQ(port.readAll(), bytes({0x41, 0x66, 0x80, 0x80, 0x00}));
        EXPECT_TRUE(port.readAll().isEmpty()); // nothing arrived: no line
        sendFrame(port, controlFrame(true, 0, 1, 0));
        port.writeByte(7); // a partial frame shows at the close
        port.close();
    }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(traceBodies(path), (QStringList{"OPEN port 1 9600,N,8,1", "IN 41 66 80 80 00",
                                              "OUT 01 FF FE FF", "OUT 07", "CLOSE"}));
}

TEST(LinkTraceTest, unwritableTraceIsReportedOnceAndTheLinkGoesOn) {
    QStringList reports;
    auto trace = std::make_shared<LinkTrace>("/nonexistent-folder/link.trace",
                                             [&](const QString& why) { reports << why; });
    TracingPort port(std::make_unique<ScriptedPort>(), trace);
    ASSERT_FALSE(port.open(unitPortNumber, unitLineSettings));
    EXPECT_EQ(sendFrame(port, allOffFrame), 4);
    port.readAll();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("/nonexistent-folder/link.trace"));
}

TEST(LinkTraceTest, lostLinkIsRecordedOncePerLoss) {
    QTemporaryDir dir;
    const QString path = dir.filePath("link.trace");
    auto trace = std::make_shared<LinkTrace>(path, nullptr);
    auto scripted = std::make_unique<ScriptedPort>();
    ScriptedPort* inner = scripted.get();
    TracingPort port(std::move(scripted), trace);
    ASSERT_FALSE(port.open(unitPortNumber, unitLineSettings));
    inner->loseLink("unplugged");
    port.readAll();
    port.readAll();
    EXPECT_EQ(traceBodies(path), (QStringList{"OPEN port 1 9600,N,8,1", "LOST unplugged"}));
}

} // namespace

namespace {

TEST(TraceTargetTest, thePortItselfADeviceOrALinkAreRefused) {
    QTemporaryDir dir;
    const QString port = dir.filePath("unit");
    ASSERT_TRUE(QFile::link("/dev/null", port)); // a port behind a stable link, as the sim keeps
    EXPECT_TRUE(traceTargetRefused(port, port)->contains("is the serial port"));
    EXPECT_TRUE(traceTargetRefused("/dev/null", port)->contains("is the serial port"));
    EXPECT_TRUE(traceTargetRefused("/dev/zero", port)->contains("is a device"));
    const QString link = dir.filePath("link");
    ASSERT_TRUE(QFile::link(dir.filePath("victim"), link));
    EXPECT_TRUE(traceTargetRefused(link, port)->contains("is a symbolic link"));
    EXPECT_EQ(traceTargetRefused(dir.filePath("bench.trace"), port), std::nullopt);

    // The trace itself never writes through a link, whatever checked it before.
    QStringList failures;
    LinkTrace trace(link, [&](const QString& why) { failures << why; });
    trace.event("CLOSE");
    ASSERT_EQ(failures.size(), 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("victim")));
}

TEST(TraceTargetTest, aFifoOpensWithoutWaitingForItsReader) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QStringList failures;
    LinkTrace({fifo}, [&](const QString& why) { failures << why; }); // no reader: fails, no wait
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.first().contains("no reader")) << failures.first().toStdString();

    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    failures.clear();
    {
        LinkTrace trace(fifo, [&](const QString& why) { failures << why; });
        trace.event("CLOSE");
    }
    char text[64] = {};
    const auto n = ::read(reader, text, sizeof text - 1);
    ::close(reader);
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_TRUE(n > 0 && QByteArray(text).endsWith(" CLOSE\n")) << text;
}

} // namespace

namespace {

// A path the system or the port's lock file cannot hold says so, not that access was refused.
TEST(PortNameTest, aTooLongDeviceNameIsToldAsSuch) {
    for (const QString& device :
         {"/dev/" + QString(300, 'x'), "/tmp/" + QString(252, 'x'), QString(5000, 'x')}) {
        QtSerialPort port(device);
        const auto error = port.open(unitPortNumber, unitLineSettings);
        ASSERT_TRUE(error);
        EXPECT_TRUE(error->endsWith(": name too long")) << error->right(80).toStdString();
    }
}

} // namespace

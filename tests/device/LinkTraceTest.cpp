#include "LinkTrace.h"
#include "Frames.h"
#include "ScriptedPort.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

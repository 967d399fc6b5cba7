// The velmor-unit-sim program from the outside: what it prints, and that it cleans up.
#include "Frames.h"
#include "LineSettings.h"
#include "QtSerialPort.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace velmor;

namespace {

constexpr int patienceMs = 5000;

TEST(UnitSimProgramTest, printsItsDeviceServesTheLinkAndRemovesItOnTerminate) {
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("unit"));
    QProcess sim;
    sim.start(QStringLiteral(VELMOR_UNIT_SIM),
              {QStringLiteral("--link"), link, QStringLiteral("--log")});
    ASSERT_TRUE(sim.waitForStarted(patienceMs));
    QDeadlineTimer deadline(patienceMs);
    while (!sim.canReadLine() && !deadline.hasExpired())
        sim.waitForReadyRead(100);
    const QString pty = QString::fromLocal8Bit(sim.readLine()).trimmed();
    EXPECT_TRUE(pty.startsWith(QStringLiteral("/dev/"))) << pty.toStdString();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), pty);

    QtSerialPort port(link);
    ASSERT_FALSE(port.open(unitPortNumber, unitLineSettings));
    QByteArray heard;
    while (heard.size() < 4 && !deadline.hasExpired()) {
        QTest::qWait(10);
        heard += port.readAll();
    }
    EXPECT_EQ(heard.left(4), QByteArray(4, '\0')); // it speaks first: supply off
    sendFrame(port, controlFrame(true, 10, 20, 30));
    QTest::qWait(1); // let the bytes go out
    while (!sim.canReadLine() && !deadline.hasExpired())
        sim.waitForReadyRead(100);
    const QString logged = QString::fromLocal8Bit(sim.readLine());
    EXPECT_TRUE(logged.contains(QStringLiteral("01 E1 EB F5"))) << logged.toStdString();

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(patienceMs));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

TEST(UnitSimProgramTest, unknownFaultModeIsRefusedWithTheChoices) {
    QProcess sim;
    sim.start(QStringLiteral(VELMOR_UNIT_SIM), {QStringLiteral("--fault"), QStringLiteral("odd")});
    ASSERT_TRUE(sim.waitForFinished(patienceMs));
    EXPECT_EQ(sim.exitCode(), 2);
    const QString error = QString::fromLocal8Bit(sim.readAllStandardError());
    EXPECT_TRUE(error.contains(QStringLiteral("burst"))) << error.toStdString();
}

} // namespace

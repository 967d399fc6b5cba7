#include "Startup.h"
#include "Operator.h"
#include "ScriptedPort.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace velmor::testing {
namespace {

TEST(StartupTest, aPortThatCannotBeOpenedFailsTheLoadWithTheDeviceAndReason) {
    SharedState state;
    QString error;
    const auto form =
        Form1::load(state, devicePortFactory(QStringLiteral("/nonexistent/ttyS9")), &error);
    EXPECT_EQ(form, nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent/ttyS9"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("No such file"))) << error.toStdString();
    EXPECT_EQ(state.loadLimit1, 0); // the presets come after the open
}

TEST(StartupTest, tellsTheOperatorWhenTheManualWindowCannotLoad) {
    if (ui::hasDisplay())
        GTEST_SKIP() << "a display would show a message box and wait for a click";
    SharedState state;
    const PortFactory busy = [] {
        auto port = std::make_unique<ScriptedPort>();
        port->failOpenWith(QStringLiteral("Cannot open serial port /dev/ttyS0: Permission error"));
        return port;
    };
    ::testing::internal::CaptureStderr();
    const auto form = startManualWindow(state, busy);
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(form, nullptr);
    EXPECT_NE(told.find("/dev/ttyS0: Permission error"), std::string::npos) << told;
}

TEST(StartupTest, theProgramEndsWithAFailureWhenItsPortIsMissing) {
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/velmor-test");
    ASSERT_TRUE(QFileInfo::exists(program)) << program.toStdString();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(program, {QStringLiteral("--port"), QStringLiteral("/nonexistent")});
    ASSERT_TRUE(process.waitForFinished(30000)) << "still running";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    const QString told = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_TRUE(told.contains(QStringLiteral("/nonexistent"))) << told.toStdString();
    if (process.state() != QProcess::NotRunning)
        process.kill();
}

} // namespace
} // namespace velmor::testing

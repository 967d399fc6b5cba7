#include "ManualWindowFixture.h"

namespace velmor::testing {
namespace {

using LinkLossTest = ManualWindow;

TEST_F(LinkLossTest, showsNoLinkAndSendsNothingUntilThePortOpensAgain) {
    switchOnWith(10, 0, 0);
    tickWith({65, 128, 128, 128});
    port->clearWritten();

    port->loseLink(QStringLiteral("/dev/ttyUSB0: Resource error"));
    port->failOpenWith(QStringLiteral("Cannot open serial port /dev/ttyUSB0: No such file"));
    ::testing::internal::CaptureStderr();
    for (int i = 0; i < 3; ++i)
        tickWith({65, 128, 128, 128}); // arrives nowhere: the port is gone
    const std::string told = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(caption("Label1"), QStringLiteral("нет"));
    EXPECT_EQ(caption("Label3"), QStringLiteral("связи"));
    EXPECT_EQ(caption("Label5"), QStringLiteral("---"));
    EXPECT_TRUE(sent().empty());
    EXPECT_NE(form->caption(), QStringLiteral("Velmor test"));
    // Told once for the whole loss, with the reason.
    EXPECT_EQ(QString::fromStdString(told).count(QStringLiteral("serial port lost")), 1) << told;
    EXPECT_NE(told.find("Resource error"), std::string::npos) << told;
    EXPECT_EQ(port->log()->events.count(QStringLiteral("open 1 9600,N,8,1")), 4); // load + 3

    port->allowOpen();
    ::testing::internal::CaptureStderr();
    form->timer1Tick(); // reopened; whatever was queued is read at once
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(form->caption(), QStringLiteral("Velmor test"));
    EXPECT_EQ(caption("Label1"), QStringLiteral("5.00"));
    EXPECT_EQ(sent(), (std::vector<quint8>{1, 255, 255, 245}));
}

TEST_F(LinkLossTest, aPortBackAtOnceCostsOnlyOneTick) {
    port->loseLink(QStringLiteral("gone"));
    ::testing::internal::CaptureStderr();
    form->timer1Tick(); // opens again, nothing has arrived yet
    tickWith({65, 128, 128, 128});
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(caption("Label3"), QStringLiteral("12.01"));
    EXPECT_EQ(sent(), (std::vector<quint8>{0, 255, 255, 255}));
    EXPECT_NE(told.find("open again"), std::string::npos) << told;
}

} // namespace
} // namespace velmor::testing

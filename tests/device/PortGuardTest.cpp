// The ports left with the loads off and closed when a program ends on a termination signal.
#include "PortGuard.h"
#include "Frames.h"
#include "ScriptedPort.h"

#include <gtest/gtest.h>

using namespace velmor;
using namespace velmor::testing;

namespace {

// Two windows' worth of ports from one guarded factory: one open with a loaded frame sent,
// one closed.
class PortGuardTest : public ::testing::Test {
protected:
    void SetUp() override {
        makePort = guard.watch([this] {
            auto port =
                std::make_unique<ScriptedPort>(logs.emplace_back(std::make_shared<PortLog>()));
            return port;
        });
        openPort = makePort();
        closedPort = makePort();
        ASSERT_FALSE(openPort->open(1, unitLineSettings));
        sendFrame(*openPort, controlFrame(true, 40, 30, 20));
    }

    std::vector<std::shared_ptr<PortLog>> logs;
    PortGuard guard;
    PortFactory makePort;
    std::unique_ptr<SerialPort> openPort;
    std::unique_ptr<SerialPort> closedPort;
};

TEST_F(PortGuardTest, anOpenPortGetsTheAllOffFrameLastAndIsClosed) {
    EXPECT_EQ(guard.loadsOffAndClose(), 1);
    const auto loaded = controlFrame(true, 40, 30, 20).bytes();
    EXPECT_EQ(logs[0]->written,
              (std::vector<quint8>{loaded[0], loaded[1], loaded[2], loaded[3], 0, 255, 255, 255}));
    EXPECT_EQ(logs[0]->events.last(), "close");
    EXPECT_FALSE(openPort->isOpen());
    EXPECT_TRUE(logs[1]->events.isEmpty()) << "a closed port is left alone";
}

TEST_F(PortGuardTest, afterwardsNoPortOpensOrSendsAgain) {
    guard.loadsOffAndClose();
    const auto written = logs[0]->written;
    EXPECT_TRUE(openPort->open(1, unitLineSettings)) << "a window's recovery cannot reopen it";
    EXPECT_FALSE(openPort->writeByte(1));
    EXPECT_TRUE(makePort()->open(1, unitLineSettings)) << "nor can a window loaded now";
    EXPECT_EQ(logs[0]->written, written);
    EXPECT_FALSE(openPort->isOpen());
}

TEST_F(PortGuardTest, aPortDestroyedOpenLeavesTheLoadsOffAndIsForgotten) {
    openPort.reset(); // its window closed by the frame's close control
    EXPECT_EQ(std::vector<quint8>(logs[0]->written.end() - 4, logs[0]->written.end()),
              (std::vector<quint8>{0, 255, 255, 255}));
    EXPECT_EQ(logs[0]->events.last(), "close");
    closedPort.reset();
    EXPECT_TRUE(logs[1]->events.isEmpty()) << "a closed port sends nothing";
    EXPECT_EQ(guard.loadsOffAndClose(), 0);
}

} // namespace

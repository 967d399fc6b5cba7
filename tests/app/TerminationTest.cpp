// The two pieces a program ends cleanly with on a termination signal: the signal turned into
// a Qt signal, and the ports left with the loads off and closed.
#include "Eventually.h"
#include "Frames.h"
#include "PortGuard.h"
#include "ScriptedPort.h"
#include "TerminationSignals.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <unistd.h>

using namespace velmor;
using namespace velmor::testing;

namespace {

TEST(TerminationSignalsTest, eachSignalArrivesOnTheEventLoopAndTheDefaultsComeBackAfterwards) {
    const std::vector<int> terminating{SIGHUP, SIGINT, SIGTERM, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM};
    std::vector<int> seen;
    {
        TerminationSignals stop;
        ASSERT_FALSE(stop.error()) << stop.error()->toStdString();
        QObject::connect(&stop, &TerminationSignals::received,
                         [&seen](int signalNumber) { seen.push_back(signalNumber); });
        TerminationSignals second;
        EXPECT_TRUE(second.error()) << "one object owns the signals";

        for (const int s : terminating)
            ASSERT_EQ(std::raise(s), 0);
        EXPECT_TRUE(seen.empty()) << "nothing runs inside the signal handler";
        ASSERT_TRUE(eventually([&] { return seen.size() == terminating.size(); }));
        EXPECT_EQ(seen, terminating);
        // A pipe without a reader fails the write instead of ending the program.
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        ::close(ends[0]);
        EXPECT_EQ(::write(ends[1], "x", 1), -1);
        EXPECT_EQ(errno, EPIPE);
        ::close(ends[1]);
    }
    for (const int s : terminating) {
        struct sigaction now {};
        ASSERT_EQ(::sigaction(s, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << s;
    }
    EXPECT_EQ(TerminationSignals::exitStatus(SIGTERM), 143);
}

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

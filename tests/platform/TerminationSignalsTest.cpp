// A termination signal turned into a Qt signal, the first of the two pieces a program ends
// cleanly with (the other, the ports left with the loads off and closed, is PortGuardTest).
#include "TerminationSignals.h"
#include "Eventually.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <unistd.h>

using namespace velmor;
using velmor::testing::eventually;

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

} // namespace

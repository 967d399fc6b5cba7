// The settled rule on plain lists of readings: which a verdict may judge, and why not the others.
#include "Settling.h"

#include <gtest/gtest.h>

using namespace velmor;

namespace {

// A reading every 200 ms of a supply at the given share of nominal on all three outputs,
// answering a frame with the supply on (unless off) and the given +12 V load.
struct Reads {
    std::vector<RunReading> list;
    Reads& add(double ratio, int load12 = 0, bool on = true) {
        list.push_back(
            {static_cast<qint64>(list.size()) * 200, on, 0, load12, 0, ratio, ratio, ratio});
        return *this;
    }
};

TEST(SettlingTest, readingsBeforeTheSupplyIsUpAndAfterALoadJumpAreNotJudged) {
    Reads r;
    r.add(0, 0, false) // the frame before the switch-on
        .add(0)        // the reply to the switch-on
        .add(0.5)      // rising
        .add(0.93)     // the first power-good reading: perhaps still rising
        .add(1.0)
        .add(1.0, 2)  // one sweep step
        .add(1.0, 40) // a jump
        .add(1.0, 40)
        .add(0.7, 40); // a supply that sags once up is judged, and fails
    const SettledRun run = settleRun(r.list);
    EXPECT_EQ(run.settling, (std::vector<Settling>{
                                Settling::SupplyOff, Settling::PoweringUp, Settling::PoweringUp,
                                Settling::PoweringUp, Settling::Judged, Settling::Judged,
                                Settling::LoadJump, Settling::Judged, Settling::Judged}));
    EXPECT_EQ(run.judged, 4);
    EXPECT_EQ(run.supplyOff, 1);
    EXPECT_EQ(run.poweringUp, 3);
    EXPECT_EQ(run.loadJump, 1);
    EXPECT_FALSE(run.didNotPowerOn);
}

TEST(SettlingTest, aReadingIsJudgedOnlyTheSettleTimeAfterTheLastChange) {
    // Paced by replies, a reply every 10 ms: the supply comes up at 20 ms, the +12 V load moves
    // one sweep step at 150 ms (the frame answering the reading then).
    std::vector<RunReading> replies;
    for (qint64 ms = 0; ms <= 300; ms += 10)
        replies.push_back({ms, true, 0, ms > 150 ? 2 : 0, 0, ms < 20 ? 0.0 : 1.0, 1.0, 1.0});
    const auto judged = [&replies](SettleTime time) {
        std::vector<qint64> at;
        const SettledRun run = settleRun(replies, time);
        for (std::size_t i = 0; i < replies.size(); ++i)
            if (run.settling[i] == Settling::Judged)
                at.push_back(replies[i].ms);
        return at;
    };
    // Each answers the frame sent at the reading before it, and the change counts from the first
    // reply to it less a reply's time on the line (4 ms): from 156.
    EXPECT_EQ(judged(settleTime(100, true, 100)),
              (std::vector<qint64>{130, 140, 150, 270, 280, 290, 300}));
    EXPECT_EQ(judged(settleTime(25, true, 100)).size(), 21u); // 60 to 150, 200 to 300
    // On ticks, a reading half a tick early still counts: one tick after the change is settled.
    EXPECT_EQ(settleTime(100, false, 100).slackMs, 50);
}

// The unit measures a reply when the frame it answers reaches it, so the program's clock counts
// no settling the unit has not had: paced by replies, a unit that took a row's load jump 27 ms
// late (its first reply to it came then); on ticks, a tick 68 ms late and the next on time,
// 32 ms after it.
TEST(SettlingTest, aLoadJumpIsSettledOnlyOnceTheUnitHasHadTheSettleTime) {
    const auto firstJudged = [](const std::vector<RunReading>& readings, SettleTime time) {
        const SettledRun run = settleRun(readings, time);
        for (std::size_t i = 0; i < readings.size(); ++i)
            if (i > 1 && run.settling[i] == Settling::Judged)
                return readings[i].ms;
        return qint64{-1};
    };
    std::vector<RunReading> replies{{0, true, 0, 78, 0, 1, 1, 1}, {5, true, 0, 78, 0, 1, 1, 1}};
    for (qint64 ms = 36; ms <= 200; ms += 5) // the jump's frame went out at 5
        replies.push_back({ms, true, 0, 0, 0, 1, 1, 1});
    EXPECT_EQ(firstJudged(replies, settleTime(100, true, 100)), 141); // 32 + 100, and the next
    std::vector<RunReading> ticks{{0, true, 0, 78, 0, 1, 1, 1}, {168, true, 0, 78, 0, 1, 1, 1}};
    for (const qint64 ms : {200, 300, 400}) // the jump's frame went out at 168
        ticks.push_back({ms, true, 0, 0, 0, 1, 1, 1});
    EXPECT_EQ(firstJudged(ticks, settleTime(100, false, 100)), 400);
}

TEST(SettlingTest, aSupplyNotUpTwoSecondsAfterSwitchOnDidNotPowerOn) {
    Reads slow;
    slow.add(0, 0, false);
    for (int i = 0; i < 11; ++i) // the reply to the switch-on at 200 ms, the last at 2.2 s
        slow.add(0.85);
    EXPECT_FALSE(settleRun(slow.list).didNotPowerOn) << "2 s after the switch-on's reply";
    slow.add(0.85);
    EXPECT_TRUE(settleRun(slow.list).didNotPowerOn);
    slow.add(1.0).add(1.0).add(1.0); // up at last: judged, the failure stands
    const SettledRun late = settleRun(slow.list);
    EXPECT_TRUE(late.didNotPowerOn);
    EXPECT_EQ(late.judged, 2);

    // One output low is enough to be not yet up.
    std::vector<RunReading> oneLow{{0, true, 0, 0, 0, 1.0, 1.0, 0.0}};
    for (qint64 ms = 100; ms <= 2200; ms += 100)
        oneLow.push_back({ms, true, 0, 0, 0, 1.0, 1.0, 0.0});
    EXPECT_TRUE(settleRun(oneLow).didNotPowerOn);
    EXPECT_EQ(settleRun(oneLow).judged, 0);
}

TEST(SettlingTest, switchingOffAndOnAgainWaitsForTheSupplyAnew) {
    Reads r;
    r.add(1.0).add(1.0).add(0, 0, false).add(1.0).add(1.0);
    EXPECT_EQ(settleRun(r.list).settling,
              (std::vector<Settling>{Settling::PoweringUp, Settling::Judged, Settling::SupplyOff,
                                     Settling::PoweringUp, Settling::Judged}));
    EXPECT_EQ(settleRun({}).judged, 0);
}

} // namespace

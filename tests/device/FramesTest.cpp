#include "Frames.h"
#include "ScriptedPort.h"

#include <gtest/gtest.h>

using namespace velmor;
using velmor::testing::bytes;
using velmor::testing::ScriptedPort;

namespace {

struct BuildCase {
    bool on;
    int s5, s12, s33;
    std::array<quint8, 4> expected;
};

class ControlFrameBuildTest : public ::testing::TestWithParam<BuildCase> {};

TEST_P(ControlFrameBuildTest, invertsLoadsInThreeThreeTwelveFiveOrder) {
    const auto& c = GetParam();
    EXPECT_EQ(controlFrame(c.on, c.s5, c.s12, c.s33).bytes(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Frames, ControlFrameBuildTest,
                         ::testing::Values(BuildCase{true, 10, 20, 30, {1, 225, 235, 245}},
                                           BuildCase{false, 50, 50, 50, {0, 205, 205, 205}},
                                           BuildCase{false, 0, 0, 0, {0, 255, 255, 255}},
                                           BuildCase{true, 255, 255, 255, {1, 0, 0, 0}},
                                           BuildCase{true, 80, 80, 70, {1, 185, 175, 175}}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(ReplyFrameTest, shortRepliesAndSingleBlankAreNoLink) {
    EXPECT_FALSE(replyFrame(QByteArray()));
    EXPECT_FALSE(replyFrame(bytes({1})));
    EXPECT_FALSE(replyFrame(bytes({1, 2})));
    EXPECT_FALSE(replyFrame(bytes({1, 2, 3})));
    EXPECT_FALSE(replyFrame(QByteArray(" ")));
}

TEST(ReplyFrameTest, takesFirstFourBytesAndIgnoresTheRest) {
    EXPECT_EQ(replyFrame(bytes({65, 102, 128, 128})), (ReplyFrame{65, 102, 128, 128}));
    EXPECT_EQ(replyFrame(bytes({1, 2, 3, 4, 5, 6, 7})), (ReplyFrame{1, 2, 3, 4}));
    // A zero byte is a reading, not the end of the reply; a leading blank is just a byte.
    EXPECT_EQ(replyFrame(bytes({0, 0, 0, 0})), (ReplyFrame{0, 0, 0, 0}));
    EXPECT_EQ(replyFrame(bytes({' ', 255, 0, 10})), (ReplyFrame{32, 255, 0, 10}));
}

TEST(SendFrameTest, writesFourSingleBytesInOrder) {
    ScriptedPort port;
    ASSERT_FALSE(port.open(unitPortNumber, unitLineSettings));
    EXPECT_EQ(sendFrame(port, controlFrame(true, 10, 20, 30)), 4);
    EXPECT_EQ(port.written(), (std::vector<quint8>{1, 225, 235, 245}));
}

TEST(SendFrameTest, failedByteIsSkippedAndTheRestStillGoOut) {
    ScriptedPort port;
    ASSERT_FALSE(port.open(unitPortNumber, unitLineSettings));
    port.failWritesFrom(1);
    EXPECT_EQ(sendFrame(port, controlFrame(true, 10, 20, 30)), 3);
    EXPECT_EQ(port.written(), (std::vector<quint8>{1, 235, 245}));
}

} // namespace

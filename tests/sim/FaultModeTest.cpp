#include "FaultMode.h"
#include "FrameAssembler.h"

#include <gtest/gtest.h>

#include <set>

using namespace velmor;
using namespace velmor::sim;

namespace {

const ReplyFrame reading{1, 128, 120, 130};

TEST(FaultModeTest, namesReadBackCaseInsensitively) {
    for (const QString& name : faultModeNames()) {
        const auto mode = parseFaultMode(name.toUpper());
        ASSERT_TRUE(mode) << name.toStdString();
        EXPECT_EQ(faultModeName(*mode), name);
    }
    EXPECT_EQ(faultModeNames().size(), 7);
    EXPECT_FALSE(parseFaultMode(QStringLiteral("sometimes")));
}

TEST(ReplyShaperTest, normalAndSilentAndBlank) {
    ReplyShaper shaper;
    EXPECT_EQ(shaper.shape(FaultMode::Normal, reading), QByteArray("\x01\x80\x78\x82", 4));
    EXPECT_EQ(shaper.shape(FaultMode::Drop, reading), replyBytes(reading));
    EXPECT_TRUE(shaper.shape(FaultMode::Silent, reading).isEmpty());
    EXPECT_EQ(shaper.shape(FaultMode::Blank, reading), QByteArray(" "));
}

TEST(ReplyShaperTest, shortRepliesRunOneTwoThreeBytesOfTheReading) {
    ReplyShaper shaper;
    const QByteArray full = replyBytes(reading);
    for (int length : {1, 2, 3, 1, 2, 3})
        EXPECT_EQ(shaper.shape(FaultMode::Short, reading), full.left(length));
}

TEST(ReplyShaperTest, burstRepeatsTheReadingOverSixtyFourKilobytes) {
    ReplyShaper shaper;
    const QByteArray burst = shaper.shape(FaultMode::Burst, reading);
    ASSERT_EQ(burst.size(), burstBytes);
    EXPECT_EQ(burst, replyBytes(reading).repeated(burstBytes / 4));
}

TEST(ReplyShaperTest, randomRepliesVaryInLengthAndRepeatFromTheSeed) {
    ReplyShaper a(3), b(3);
    std::set<qsizetype> lengths;
    for (int i = 0; i < 200; ++i) {
        const QByteArray reply = a.shape(FaultMode::Random, reading);
        EXPECT_EQ(reply, b.shape(FaultMode::Random, reading));
        lengths.insert(reply.size());
    }
    EXPECT_EQ(*lengths.begin(), 1);
    EXPECT_EQ(*lengths.rbegin(), randomReplyMaxBytes);
    EXPECT_GT(lengths.size(), 6u);
}

TEST(FrameAssemblerTest, partialFrameWaitsForItsRestAcrossReads) {
    FrameAssembler assembler;
    EXPECT_TRUE(assembler.feed(QByteArray("\x01\xff", 2), 0).empty());
    EXPECT_TRUE(assembler.feed(QByteArray("\xfd", 1), 5).empty());
    const auto frames = assembler.feed(QByteArray("\xf0\x00\xff", 3), 10);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], (ControlFrame{1, 255, 253, 240}));
    EXPECT_EQ(assembler.waiting(), 2);
}

TEST(FrameAssemblerTest, severalFramesInOneRead) {
    FrameAssembler assembler;
    const auto frames = assembler.feed(QByteArray("\x00\xff\xff\xff\x01\x01\x02\x03", 8), 0);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], allOffFrame);
    EXPECT_EQ(frames[1], (ControlFrame{1, 1, 2, 3}));
    EXPECT_EQ(assembler.waiting(), 0);
}

TEST(FrameAssemblerTest, remnantLeftAfterAPauseIsDroppedSoTheNextFrameIsInStep) {
    FrameAssembler assembler;
    EXPECT_TRUE(assembler.feed(QByteArray("\x01\xff\xfd", 3), 0).empty()); // a byte went missing
    const auto frames = assembler.feed(QByteArray("\x01\xff\xfb\xfd", 4), 100);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], (ControlFrame{1, 255, 251, 253}));
}

} // namespace

#include "SupplyModel.h"
#include "Conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

using namespace velmor;
using namespace velmor::sim;

namespace {

ReplyFrame replyTo(SupplyModel& model, const ControlFrame& frame) {
    model.apply(frame);
    return model.reply();
}

// The sweep's deviation classes: whole percent off nominal, from the graph window's formulas.
int class5(int b2) {
    return static_cast<int>(std::lround(std::abs(2 * b2 / 255.0 - 1) * 100)) / 5;
}
int class12(int b3) {
    return static_cast<int>(std::lround(std::abs(volts12(b3) - 12) * 100)) / 12;
}

TEST(SupplyModelTest, offReadsAnUnpoweredSupply) {
    SupplyModel model;
    EXPECT_EQ(model.reply(), (ReplyFrame{0, 0, 0, 0}));
    EXPECT_EQ(replyTo(model, controlFrame(false, 100, 100, 100)), (ReplyFrame{0, 0, 0, 0}));
}

TEST(SupplyModelTest, onWithoutLoadReadsNominalOnEveryOutput) {
    SupplyModel model;
    EXPECT_EQ(replyTo(model, controlFrame(true, 0, 0, 0)),
              (ReplyFrame{SupplyModel::statusOn, 128, 128, 128}));
    EXPECT_TRUE(model.isOn());
}

TEST(SupplyModelTest, readingBytesSpanEightyToHundredTwentyPercent) {
    EXPECT_EQ(readingByte(1.0), 128); // nominal sits on 127.5
    EXPECT_EQ(readingByte(0.8), 0);
    EXPECT_EQ(readingByte(1.2), 255);
    EXPECT_EQ(readingByte(0.0), 0);
    EXPECT_EQ(readingByte(0.5), 0);
    EXPECT_EQ(readingByte(1.5), 255);
    // The host's conversions read every byte back as the voltage the model meant by it.
    for (int b = 0; b <= 255; ++b) {
        EXPECT_EQ(readingByte(volts5Graph(b) / 5), b);
        EXPECT_EQ(readingByte(volts12(b) / 12), b);
        EXPECT_EQ(readingByte(volts33(b) / 3.3), b);
    }
}

TEST(SupplyModelTest, eachOutputSagsUnderItsOwnLoad) {
    SupplyModel model;
    EXPECT_LT(replyTo(model, controlFrame(true, 160, 0, 0)).b2, 128);
    EXPECT_LT(replyTo(model, controlFrame(true, 0, 128, 0)).b3, 128);
    EXPECT_LT(replyTo(model, controlFrame(true, 0, 0, 255)).b4, 128);
    // Loaded in balance, the group-regulated outputs both sag a little and stay close.
    const ReplyFrame balanced = replyTo(model, controlFrame(true, 160, 128, 0));
    EXPECT_LT(balanced.b2, 128);
    EXPECT_LT(balanced.b3, 128);
    EXPECT_GT(balanced.b2, 115);
    EXPECT_GT(balanced.b3, 115);
}

TEST(SupplyModelTest, crossLoadShiftsTheOutputsApartLikeAGroupRegulatedSupply) {
    SupplyModel model;
    const ReplyFrame heavy12 = replyTo(model, controlFrame(true, 0, 128, 0));
    EXPECT_GT(heavy12.b2, 128); // +5 V pushed up
    EXPECT_LT(heavy12.b3, 128); // +12 V pulled down
    const ReplyFrame heavy5 = replyTo(model, controlFrame(true, 160, 0, 0));
    EXPECT_LT(heavy5.b2, 128);
    EXPECT_GT(heavy5.b3, 128);
    // The +3.3 V output has its own regulator.
    EXPECT_EQ(heavy12.b4, 128);
    EXPECT_EQ(heavy5.b4, 128);
}

TEST(SupplyModelTest, crossLoadSweepSpreadsOverSeveralDeviationClassesOnBothOutputs) {
    // +5 V 0..25 A against +12 V 0..10.5 A, in the sweep's steps of two settings.
    SupplyModel model;
    std::set<int> classes5, classes12;
    double worst = 0;
    for (int s5 = 0; s5 <= 160; s5 += 2)
        for (int s12 = 0; s12 <= 128; s12 += 2) {
            const ReplyFrame r = replyTo(model, controlFrame(true, s5, s12, 0));
            classes5.insert(class5(r.b2));
            classes12.insert(class12(r.b3));
            worst = std::max(
                {worst, std::abs(volts5Graph(r.b2) / 5 - 1), std::abs(volts12(r.b3) / 12 - 1)});
        }
    EXPECT_GE(classes5.size(), 5u);
    EXPECT_GE(classes12.size(), 5u);
    EXPECT_TRUE(classes5.count(0) && classes12.count(0));
    EXPECT_LE(worst, 0.08);
}

TEST(SupplyModelTest, overPowerTripLatchesUntilSwitchedOffAndOn) {
    SupplyModel model;
    model.setOverPowerWatts(100);
    const ReplyFrame tripped = replyTo(model, controlFrame(true, 255, 0, 0)); // about 200 W
    EXPECT_TRUE(model.isTripped());
    EXPECT_EQ(tripped, (ReplyFrame{SupplyModel::statusTripped, 0, 0, 0}));

    // Taking the load away does not bring it back; only off and on does.
    EXPECT_EQ(replyTo(model, controlFrame(true, 0, 0, 0)).b2, 0);
    EXPECT_TRUE(model.isTripped());
    EXPECT_EQ(replyTo(model, controlFrame(false, 0, 0, 0)), (ReplyFrame{0, 0, 0, 0}));
    EXPECT_FALSE(model.isTripped());
    EXPECT_EQ(replyTo(model, controlFrame(true, 0, 0, 0)),
              (ReplyFrame{SupplyModel::statusOn, 128, 128, 128}));
}

TEST(SupplyModelTest, defaultTripLeavesRoomForTheManualWindowsOwnCut) {
    SupplyModel model;
    replyTo(model, controlFrame(true, 100, 80, 70)); // about 140 W
    EXPECT_FALSE(model.isTripped());
    EXPECT_GT(model.outputs().watts, 130);
    replyTo(model, controlFrame(true, 255, 255, 255));
    EXPECT_TRUE(model.isTripped());
}

TEST(SupplyModelTest, noiseIsBoundedAndRepeatableFromItsSeed) {
    SupplyModel a, b, clean;
    a.setNoise(2, 7);
    b.setNoise(2, 7);
    const ControlFrame frame = controlFrame(true, 50, 50, 50);
    a.apply(frame);
    b.apply(frame);
    const ReplyFrame exact = replyTo(clean, frame);
    bool varied = false;
    for (int i = 0; i < 50; ++i) {
        const ReplyFrame ra = a.reply();
        EXPECT_EQ(ra, b.reply());
        EXPECT_LE(std::abs(ra.b2 - exact.b2), 2);
        EXPECT_LE(std::abs(ra.b3 - exact.b3), 2);
        EXPECT_LE(std::abs(ra.b4 - exact.b4), 2);
        varied = varied || !(ra == exact);
    }
    EXPECT_TRUE(varied);
    EXPECT_EQ(clean.reply(), exact); // without noise every reply is the same
}

} // namespace

namespace {

TEST(SupplyModelTest, delayedSupplyReadsZeroUntilItComesUpThenFollowsEachLoadChange) {
    SupplyModel model;
    model.setPowerOnMs(300);
    model.setSettleMs(30);
    const ControlFrame idle{1, 255, 255, 255};
    const ControlFrame heavy12{1, 255, loadCode(200), 255};
    model.apply(idle, 1000);
    EXPECT_EQ(model.reply(1000).b2, 0);
    EXPECT_EQ(model.reply(1299).b3, 0);
    EXPECT_EQ(model.reply(1299).b1, SupplyModel::statusOn) << "switched on, not yet up";
    EXPECT_LT(model.reply(1310).b3, 100) << "rising";
    EXPECT_EQ(model.reply(1600), (ReplyFrame{1, 128, 128, 128})) << "settled";

    // A load step: the reply at once still shows the old load, 10 time constants later the new.
    SupplyModel ideal;
    const ReplyFrame loaded = replyTo(ideal, heavy12);
    model.apply(heavy12, 2000);
    EXPECT_EQ(model.reply(2000), (ReplyFrame{1, 128, 128, 128}));
    const ReplyFrame midway = model.reply(2020);
    EXPECT_LT(midway.b3, 128);
    EXPECT_GT(midway.b3, loaded.b3);
    EXPECT_EQ(model.reply(2300), loaded);

    // Switched off and on again, it waits anew.
    model.apply(allOffFrame, 3000);
    model.apply(idle, 3100);
    EXPECT_EQ(model.reply(3350).b2, 0);
}

} // namespace

namespace {

TEST(SupplyModelTest, misScaledInputsReadASourceOrTheSupplyOffTrue) {
    SupplyModel model;
    ASSERT_EQ(applyInputScales(model, {QStringLiteral("12=1.02")}, {QStringLiteral("5=-0.04")}),
              std::nullopt);
    // A source on the inputs with the supply off: +12 V reads 2 % high, +5 V 40 mV (5 steps) low.
    model.setSource(std::array{5.0, 12.0, 3.3});
    EXPECT_EQ(model.reply(), (ReplyFrame{0, readingByte(0.992), readingByte(1.02), 128}));
    model.setSource(std::nullopt);
    EXPECT_EQ(model.reply(), (ReplyFrame{0, 0, 0, 0}));
    EXPECT_EQ(replyTo(model, controlFrame(true, 0, 0, 0)),
              (ReplyFrame{SupplyModel::statusOn, readingByte(0.992), readingByte(1.02), 128}));
    for (const char* bad : {"12", "7=1", "12=x", "12=0"})
        EXPECT_NE(applyInputScales(model, {QString::fromLatin1(bad)}, {}), std::nullopt) << bad;
}

} // namespace

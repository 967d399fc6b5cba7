// The manual window against the simulated unit, through the real port and timers.
#include "Bench.h"

namespace velmor::testing {
namespace {

using ManualBenchTest = Bench;

// True when no frame from the given index on asks for more load than the limits allow.
bool withinLimits(const std::vector<ControlFrame>& frames, int limit5, int limit12, int limit33) {
    for (const ControlFrame& f : frames)
        if (maxLoadSetting - f.load5Code > limit5 || maxLoadSetting - f.load12Code > limit12 ||
            maxLoadSetting - f.load33Code > limit33)
            return false;
    return true;
}

TEST_F(ManualBenchTest, sendsNothingBeforeTheUnitFirstAnswersThenAllOffEvery200Ms) {
    unit.setUnsolicitedInterval(0); // the unit waits to be spoken to
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ASSERT_TRUE(eventually([&] { return label(manual(), "Label3")->caption() == "связи"; }));
    run(1000); // five ticks with nothing to read
    EXPECT_EQ(frameCount(), 0u);
    EXPECT_EQ(label(manual(), "Label1")->caption(), "нет");

    unit.setUnsolicitedInterval(sim::SimulatedUnit::defaultUnsolicitedMs);
    ASSERT_TRUE(waitForFrames(11));
    const auto& frames = unit.receivedFrames();
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(frames[i].frame, allOffFrame) << "frame " << i;
    const double meanMs =
        static_cast<double>(frames[10].atMicroseconds - frames[0].atMicroseconds) / 10 / 1000;
    EXPECT_GE(meanMs, 150);
    EXPECT_LE(meanMs, 300);
    EXPECT_EQ(label(manual(), "Label1")->caption(), "4.00"); // the supply is off: it reads 0
}

TEST_F(ManualBenchTest, switchedOnFramesCarryTheLoadsHeldToTheirLimits) {
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ASSERT_TRUE(waitForFrames(1));
    click(manual(), "Command1");
    EXPECT_EQ(button(manual(), "Command1")->caption(), "Выкл");
    ASSERT_TRUE(eventually(
        [&] { return unit.receivedFrames().back().frame == controlFrame(true, 0, 0, 0); },
        benchPatienceMs));

    setLoads(manual(), 30, 40, 20);
    ASSERT_TRUE(eventually(
        [&] {
            return unit.receivedFrames().back().frame == ControlFrame{1, 235, 215, 225};
        },
        benchPatienceMs));
    // The unit's readings under that load reach the readouts.
    ASSERT_TRUE(eventually([&] {
        return unit.model().lastFrame() == ControlFrame{1, 235, 215, 225};
    }));
    EXPECT_EQ(label(manual(), "Label2")->caption(), "4.71");
    EXPECT_EQ(label(manual(), "Label4")->caption(), "3.29");

    const size_t mark = frameCount();
    setLoads(manual(), 200, 40, 20); // +5 V beyond its limit of 80
    ASSERT_TRUE(eventually(
        [&] {
            return unit.receivedFrames().back().frame == ControlFrame{1, 235, 215, 175};
        },
        benchPatienceMs));
    EXPECT_EQ(scroll(manual(), "HScroll1")->value(), 80);
    EXPECT_TRUE(withinLimits(framesFrom(mark), 80, 80, 70));
    EXPECT_EQ(label(manual(), "Label2")->caption(), "12.55");
}

TEST_F(ManualBenchTest, overloadIsAnsweredWithAllThreeLoadsOff) {
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ASSERT_TRUE(waitForFrames(1));
    click(manual(), "Command1");
    ASSERT_TRUE(eventually(
        [&] { return unit.receivedFrames().back().frame == controlFrame(true, 0, 0, 0); },
        benchPatienceMs));
    // The power is worked out from the last readings: wait until those are of the supply
    // switched on. A reading still of the supply off (0 V, shown as the bottom of each window)
    // puts the full load at 133 W, which is no overload.
    ASSERT_TRUE(waitForFrames(frameCount() + 2));
    ASSERT_EQ(label(manual(), "Label1")->caption(), "5.00");

    // Every load at its limit draws about 166 W from the supply's nearly nominal outputs,
    // against the limit of 140 W.
    const size_t mark = frameCount();
    setLoads(manual(), 80, 80, 70);
    ASSERT_TRUE(
        eventually([&] { return scroll(manual(), "HScroll1")->value() == 0; }, benchPatienceMs));
    ASSERT_TRUE(waitForFrames(mark + 2));
    for (const ControlFrame& f : framesFrom(mark))
        EXPECT_EQ(f, controlFrame(true, 0, 0, 0)) << "the full load never reaches the unit";
    EXPECT_EQ(scroll(manual(), "HScroll2")->value(), 0);
    EXPECT_EQ(scroll(manual(), "HScroll3")->value(), 0);
    EXPECT_TRUE(eventually([&] { return label(manual(), "Label12")->caption() == "0.00"; }));
}

TEST_F(ManualBenchTest, limitModeIsSilentAndItsLimitsBoundTheLoadsOnceSwitchedOn) {
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ASSERT_TRUE(waitForFrames(2));
    ASSERT_NO_FATAL_FAILURE(setLimits(20, 30, 10, 255));
    const size_t mark = frameCount();
    run(100); // a frame already on its way may still land
    const size_t settled = frameCount();
    EXPECT_LE(settled, mark + 1);
    run(1500);
    EXPECT_EQ(frameCount(), settled) << "nothing is sent while the limits are set";
    EXPECT_EQ(label(manual(), "Label12")->caption(), "510.00");

    click(manual(), "Command1"); // on, with every load at 0
    EXPECT_EQ(button(manual(), "Command1")->caption(), "Выкл");
    setLoads(manual(), 100, 100, 100);
    ASSERT_TRUE(eventually(
        [&] { return unit.receivedFrames().back().frame == controlFrame(true, 20, 30, 10); },
        benchPatienceMs));
    EXPECT_TRUE(withinLimits(framesFrom(settled), 20, 30, 10));
    EXPECT_EQ(state.loadLimit1, 20);
    EXPECT_EQ(state.powerLimit, 255);
}

} // namespace
} // namespace velmor::testing

#include "LoadFrame.h"
#include "Reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace velmor;

namespace {

TEST(LoadFrameTest, ampsRoundToTheNearestSettingWithinFullScale) {
    // 10 A on +5 V is 63.75 settings, 5 A on +12 V 60.71, 1 A on +3.3 V 9.62.
    const SetLoads set = loadFrame(true, {10, 5, 1});
    EXPECT_EQ(set.settings, (LoadSettings{64, 61, 10}));
    EXPECT_EQ(set.frame, controlFrame(true, 64, 61, 10));
    EXPECT_EQ(set.amps, (LoadAmps{current5(64), current12(61), current33(10)}));

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const SetLoads held = loadFrame(false, {99, -3, nan});
    EXPECT_EQ(held.settings, (LoadSettings{255, 0, 0}));
    EXPECT_EQ(held.amps, (LoadAmps{40, 0, 0}));
    EXPECT_EQ(held.frame, (ControlFrame{0, 255, 255, 0}));
}

TEST(ReadingTest, eachWindowKeepsItsOwnFiveVoltsAndTheRawBytes) {
    int differing = 0;
    for (int b = 0; b <= 255; ++b) {
        const ReplyFrame reply{7, static_cast<quint8>(b), static_cast<quint8>(255 - b), 128};
        const Reading graph = graphReading(reply);
        const Reading manual = manualReading(reply);
        EXPECT_EQ(graph.raw, reply);
        EXPECT_EQ(manual.raw, reply);
        EXPECT_EQ(graph.volts5, static_cast<double>(b * 2) / 255 + 4) << b;
        EXPECT_EQ(manual.volts5, std::round(static_cast<double>(b * 5) / 255 * 100) / 100 / 2.5 + 4)
            << b;
        EXPECT_EQ(graph.volts12, ((255 - b) * 4.8) / 255 + 9.6) << b;
        EXPECT_EQ(manual.volts33, (128 * 1.32) / 255 + 2.64);
        differing += graph.volts5 != manual.volts5 ? 1 : 0;
    }
    EXPECT_GT(differing, 0);
}

// A byte of 0 or 255 says only that the output is at or beyond that end of the range: people
// read it as such, and a value in volts at an end is known for one.
TEST(ReadingTest, theEndsOfTheRangeAreNoValues) {
    EXPECT_FALSE(graphReading({1, 1, 254, 128}).beyondRange());
    EXPECT_TRUE(graphReading({1, 128, 255, 128}).beyondRange());
    EXPECT_TRUE(manualReading({1, 128, 128, 0}).beyondRange());
    const struct {
        const UnitOutput& output;
        const char* below;
        const char* above;
    } ends[] = {{output5, "< 4.00", "> 6.00"},
                {output12, "< 9.60", "> 14.40"},
                {output33, "< 2.64", "> 3.96"}};
    for (const auto& e : ends) {
        EXPECT_EQ(shownVolts(e.output, e.output.volts(0)), e.below);
        EXPECT_EQ(shownVolts(e.output, e.output.volts(255)), e.above);
        EXPECT_EQ(e.output.endOf(e.output.volts(1)), RangeEnd::Inside);
        EXPECT_EQ(e.output.endOf(e.output.volts(254)), RangeEnd::Inside);
        EXPECT_EQ(shownVolts(e.output, e.output.volts(128), 3),
                  QString::number(e.output.volts(128), 'f', 3));
    }
    // The manual window's +5 V, through its rounded converter voltage, meets the same ends.
    EXPECT_EQ(shownVolts(output5, manualReading({1, 255, 0, 0}).volts5), "> 6.00");
    EXPECT_EQ(output5.endOf(manualReading({1, 254, 0, 0}).volts5), RangeEnd::Inside);
}

} // namespace

// Records keep a reply as its bytes; taken back, it reads as the reply it was kept from, and a
// map's two outputs compare by the unit's resolution, not by their deviation classes.
TEST(ReadingTest, aStoredReplyReadsAsTheReplyItWasKeptFrom) {
    for (int b = 0; b <= 255; ++b) {
        const ReplyFrame reply{static_cast<quint8>(b), static_cast<quint8>(255 - b),
                               static_cast<quint8>(b / 2), static_cast<quint8>(b)};
        const ReplyFrame stored = storedReply(b, 255 - b, b / 2, b);
        EXPECT_EQ(stored, reply) << b;
        EXPECT_EQ(graphReading(stored).volts5, graphReading(reply).volts5) << b;
        EXPECT_EQ(manualReading(stored).volts5, manualReading(reply).volts5) << b;
    }
    const Reading at = graphReading({0, 100, 100, 100});
    EXPECT_TRUE(withinOneStep(at, graphReading({0, 101, 99, 3})));
    EXPECT_FALSE(withinOneStep(at, graphReading({0, 102, 100, 100})));
    EXPECT_FALSE(withinOneStep(at, graphReading({0, 100, 98, 100})));

    const Reading ends = graphReading({0, 0, 128, 255});
    EXPECT_EQ(ends.end5(), RangeEnd::Below);
    EXPECT_EQ(ends.end12(), RangeEnd::Inside);
    EXPECT_EQ(ends.end33(), RangeEnd::Above);
    EXPECT_EQ(output12.lowestVolts(), output12.volts(0));
    EXPECT_EQ(output12.highestVolts(), output12.volts(255));
}

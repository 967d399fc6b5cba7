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

} // namespace

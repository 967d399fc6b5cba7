// The command line's limits and the cell count the progress is measured against.
#include "SweepRequest.h"
#include "ProgressLines.h"
#include "SweepCourse.h"

#include <gtest/gtest.h>

using namespace velmor;

namespace {

TEST(ExpectedCellsTest, followTheWrittenShapeOfTheSweep) {
    EXPECT_EQ(expectedSweepCells({80, 80, 70}), 1640);        // 41 rows of 40
    EXPECT_EQ(expectedSweepCells({80, 81, 255}), 41 * 41);    // the wrap needs 40.5
    EXPECT_EQ(expectedSweepCells({80, 81, 70}), 41 * 41 - 1); // 141.25 W cuts row 40
    EXPECT_EQ(expectedSweepCells({255, 255, 255}), 128 * 128);
    EXPECT_EQ(expectedSweepCells({0, 80, 70}), 40); // row 0 only
    EXPECT_EQ(expectedSweepCells({80, 0, 70}), 40); // column 0 of rows 1 to 40
}

TEST(SweepLimitsTest, takeThreeBytesAndNameTheOneRefused) {
    const auto limits = parseSweepLimits("10, 20,30");
    ASSERT_TRUE(std::holds_alternative<SweepLimits>(limits));
    EXPECT_EQ(std::get<SweepLimits>(limits).loadLimit2, 20);
    EXPECT_EQ(std::get<SweepLimits>(limits).powerLimit, 30);
    for (const auto& [text, named] : {std::pair{"256,80,70", "LoadLimit1"},
                                      {"80,-1,70", "LoadLimit2"},
                                      {"80,80,x", "PowerLimit"},
                                      {"80,80", "three numbers"}}) {
        const auto refused = parseSweepLimits(text);
        ASSERT_TRUE(std::holds_alternative<QString>(refused)) << text;
        EXPECT_TRUE(std::get<QString>(refused).startsWith("--limits")) << text;
        EXPECT_TRUE(std::get<QString>(refused).contains(named)) << text;
    }
    // Limits whose sweep could judge no reading at all are refused with the reason.
    for (const char* text : {"0,0,0", "0,4,70"}) {
        const auto refused = parseSweepLimits(text);
        ASSERT_TRUE(std::holds_alternative<QString>(refused)) << text;
        EXPECT_TRUE(std::get<QString>(refused).contains("could judge none of them")) << text;
    }
    EXPECT_TRUE(std::get<QString>(parseSweepLimits("0,0,0")).contains("paints 0 cells"));
    EXPECT_EQ(judgeableSweepCells({0, 6, 70}), 1);
    EXPECT_EQ(judgeableSweepCells({80, 80, 70}), 1598); // 1640 less (0, 0), (0, 1) and 40 wraps
    EXPECT_EQ(judgeableSweepCells({80, 0, 70}), 38);    // every step moves both loads by one step
    EXPECT_TRUE(std::holds_alternative<QString>(parseLinkTimeout("0")));
    EXPECT_EQ(std::get<int>(parseLinkTimeout("45")), 45);
}

TEST(SweepProgressTest, barFitsEightyColumnsAtTheLargestSweep) {
    SweepProgress p{16383, 16384, 127, 3600000, 1000, 5.25, 12.75};
    const QString bar = progressBar(p);
    EXPECT_LE(bar.size(), 79) << bar.toStdString();
    EXPECT_TRUE(bar.contains("16383/16384  60:00 elapsed  0:01 left  +5 V 5.25  +12 V 12.75"))
        << bar.toStdString();
    EXPECT_TRUE(progressBar({}).contains("+5 V -")) << "no reading yet";
}

} // namespace

#include "Conversions.h"

#include <gtest/gtest.h>

using namespace velmor;

namespace {

TEST(VoltageTest, rangeEndsAndMidpointsShowAsSpecifiedDigits) {
    EXPECT_EQ(formatReading(volts12(0)), "9.60");
    EXPECT_EQ(formatReading(volts12(128)), "12.01");
    EXPECT_EQ(formatReading(volts12(255)), "14.40");
    EXPECT_EQ(formatReading(volts33(0)), "2.64");
    EXPECT_EQ(formatReading(volts33(128)), "3.30");
    EXPECT_EQ(formatReading(volts33(255)), "3.96");
    EXPECT_EQ(formatReading(volts5Graph(0)), "4.00");
    EXPECT_EQ(formatReading(volts5Graph(255)), "6.00");
}

TEST(VoltageTest, manualFivePicksUpTheRoundedConverterVoltage) {
    struct Case {
        int b2;
        const char* x;
        const char* manual;
        const char* graph;
    };
    for (const Case c : {Case{7, "0.14", "4.06", "4.05"}, Case{16, "0.31", "4.12", "4.13"},
                         Case{0, "0.00", "4.00", "4.00"}, Case{102, "2.00", "4.80", "4.80"},
                         Case{128, "2.51", "5.00", "5.00"}, Case{255, "5.00", "6.00", "6.00"}}) {
        SCOPED_TRACE(c.b2);
        EXPECT_EQ(formatReading(converterVolts(c.b2)), c.x);
        EXPECT_EQ(formatReading(volts5Manual(c.b2)), c.manual);
        EXPECT_EQ(formatReading(volts5Graph(c.b2)), c.graph);
    }
}

TEST(VoltageTest, exactlyThirtyByteValuesShowDifferentFiveVoltsInTheTwoWindows) {
    int differing = 0;
    for (int b2 = 0; b2 <= 255; ++b2) {
        const QString manual = formatReading(volts5Manual(b2));
        const QString graph = formatReading(volts5Graph(b2));
        if (manual != graph) {
            ++differing;
            EXPECT_NEAR(parseReading(manual), parseReading(graph), 0.0100001) << b2;
        }
    }
    EXPECT_EQ(differing, 30);
}

TEST(ConverterDigitsTest, splitsTwoDecimalVoltsIntoThreeDigits) {
    struct Case {
        double x;
        int i, t, h;
    };
    for (const Case c : {Case{2.51, 2, 5, 1}, Case{0.07, 0, 0, 7}, Case{2.30, 2, 3, 0},
                         Case{5.00, 5, 0, 0}, Case{0.14, 0, 1, 4}}) {
        const auto d = converterDigits(c.x);
        EXPECT_EQ(d.units, c.i) << c.x;
        EXPECT_EQ(d.tenths, c.t) << c.x;
        EXPECT_EQ(d.hundredths, c.h) << c.x;
    }
    for (int b2 = 0; b2 <= 255; ++b2) {
        const auto d = converterDigits(converterVolts(b2));
        EXPECT_TRUE(d.units >= 0 && d.units <= 5 && d.tenths >= 0 && d.tenths <= 9 &&
                    d.hundredths >= 0 && d.hundredths <= 9)
            << b2;
    }
}

TEST(CurrentTest, fullScaleMidpointAndZero) {
    EXPECT_EQ(formatReading(current5(0)), "0.00");
    EXPECT_EQ(formatReading(current12(0)), "0.00");
    EXPECT_EQ(formatReading(current33(0)), "0.00");
    EXPECT_EQ(formatReading(current5(255)), "40.00");
    EXPECT_EQ(formatReading(current12(255)), "21.00");
    EXPECT_EQ(formatReading(current33(255)), "26.52");
    EXPECT_EQ(formatReading(current5(128)), "20.08");
    EXPECT_EQ(formatReading(current12(128)), "10.54");
    EXPECT_EQ(formatReading(current33(128)), "13.31");
    EXPECT_EQ(formatReading(current5(80)), "12.55");
    EXPECT_EQ(formatReading(current33(70)), "7.28");
}

TEST(PowerTest, workedExamplesFromShownVoltages) {
    EXPECT_EQ(formatReading(totalPower(5.00, 12.01, 3.30, 40, 40, 40)), "84.66");
    EXPECT_EQ(formatReading(totalPower(5.00, 12.01, 3.30, 50, 50, 50)), "105.83");
    EXPECT_EQ(formatReading(totalPower(5.00, 12.01, 3.30, 80, 80, 70)), "165.89");
    EXPECT_EQ(formatReading(totalPower(6.00, 14.40, 3.96, 0, 0, 0)), "0.00");
    EXPECT_EQ(powerLimitWatts(70), 140);
}

TEST(PowerTest, usesTheShownFiveVoltsNotTheUnroundedOne) {
    const double shown = parseReading(formatReading(volts5Manual(7)));
    EXPECT_DOUBLE_EQ(shown, 4.06);
    EXPECT_DOUBLE_EQ(totalPower(shown, 0, 0, 255, 0, 0), 4.06 * 40);
}

TEST(ReadingTextTest, readsBackWhateverSeparatorWasShown) {
    bool ok = false;
    EXPECT_DOUBLE_EQ(parseReading("12.01", &ok), 12.01);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(parseReading("12,01", &ok), 12.01);
    EXPECT_TRUE(ok);
    parseReading(QStringLiteral("нет"), &ok);
    EXPECT_FALSE(ok);
}

TEST(ReadingTextTest, shapeHasOneIntegerDigitAndTwoDecimals) {
    EXPECT_EQ(formatReading(0.0), "0.00");
    EXPECT_EQ(formatReading(0.5), "0.50");
    EXPECT_EQ(formatReading(510), "510.00");
    EXPECT_EQ(formatReading(1234.567), "1234.57");
}

} // namespace

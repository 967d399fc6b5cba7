#include "Deviation.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmor;

namespace {

struct ClassCase {
    int reading;
    int expected;
};

TEST(DeviationClassTest, fiveVoltClassesAtTheirBoundaries) {
    for (int b2 = 122; b2 <= 133; ++b2)
        EXPECT_EQ(deviationClass5(b2), 0) << b2;
    for (const ClassCase c :
         {ClassCase{121, 1}, ClassCase{134, 1}, ClassCase{143, 2}, ClassCase{90, 5},
          ClassCase{89, 6}, ClassCase{0, 20}, ClassCase{255, 20}})
        EXPECT_EQ(deviationClass5(c.reading), c.expected) << c.reading;
}

TEST(DeviationClassTest, twelveVoltClassesAtTheirBoundaries) {
    for (int b3 = 122; b3 <= 133; ++b3)
        EXPECT_EQ(deviationClass12(b3), 0) << b3;
    for (const ClassCase c :
         {ClassCase{121, 1}, ClassCase{134, 1}, ClassCase{96, 4}, ClassCase{95, 5},
          ClassCase{89, 6}, ClassCase{0, 20}, ClassCase{255, 20}})
        EXPECT_EQ(deviationClass12(c.reading), c.expected) << c.reading;
}

TEST(DeviationClassTest, theWorseClassColoursTheCell) {
    EXPECT_EQ(cellClass(2, 4), 4);
    EXPECT_EQ(cellClass(4, 2), 4);
    EXPECT_EQ(cellClass(3, 3), 3);
}

TEST(ClassColourTest, tableRunsGreenToGreyAndStaysGreyBeyondSix) {
    EXPECT_EQ(classColour(0), 0x00FF00u);
    EXPECT_EQ(classColour(1), rgb(186, 255, 49));
    EXPECT_EQ(classColour(2), 0x00FFFFu); // yellow, stored blue-green-red
    EXPECT_EQ(classColour(3), 0x0080FFu); // orange
    EXPECT_EQ(classColour(4), 0x0000FFu); // red
    EXPECT_EQ(classColour(5), rgb(120, 90, 90));
    for (const int k : {6, 7, 16, 20})
        EXPECT_EQ(classColour(k), rgb(100, 100, 100)) << k;
}

// The classes as the map first worked them out, from volts of their own.
TEST(DeviationClassTest, classesEqualTheirFirstDerivationForEveryByte) {
    for (int b = 0; b <= 255; ++b) {
        const int k5 =
            static_cast<int>(std::lround(std::abs(static_cast<double>(b * 2) / 255 - 1) * 100)) / 5;
        const int k12 =
            static_cast<int>(std::lround(std::abs(b * 4.8 / 255 + 9.6 - 12) * 100)) / 12;
        const auto q = static_cast<quint8>(b);
        const DeviationClasses k = deviationClasses(ReplyFrame{0, q, q, 0});
        EXPECT_EQ(k.k5, k5) << b;
        EXPECT_EQ(k.k12, k12) << b;
    }
}

} // namespace

#include "LineSettings.h"

#include <gtest/gtest.h>

using namespace velmor;

TEST(LineSettingsTest, parsesTheUnitsLine) {
    const auto s = parseLineSettings(unitLineSettings);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->baud, 9600);
    EXPECT_EQ(s->parity, Parity::None);
    EXPECT_EQ(s->dataBits, 8);
    EXPECT_EQ(s->stopBits, 1);
    EXPECT_EQ(parseLineSettings("19200,e,7,2")->parity, Parity::Even);
}

TEST(LineSettingsTest, malformedTextIsRefused) {
    for (const char* bad : {"", "9600", "9600,N,8", "9600,N,8,1,0", "fast,N,8,1", "9600,X,8,1",
                            "9600,N,9,1", "9600,N,8,3", "-9600,N,8,1"})
        EXPECT_FALSE(parseLineSettings(bad)) << bad;
}

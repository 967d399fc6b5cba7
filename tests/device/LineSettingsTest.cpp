#include "LineSettings.h"

#include <gtest/gtest.h>

using namespace velmor;

TEST(LineSettingsTest, theUnitsLineIsNinetySixHundredEightNoneOne) {
    EXPECT_EQ(unitLineSettings, (LineSettings{9600, Parity::None, 8, 1}));
    EXPECT_EQ(lineSettingsText(unitLineSettings), QStringLiteral("9600,N,8,1"));
}

TEST(LineSettingsTest, textNamesEachParityByItsLetter) {
    const std::pair<Parity, const char*> cases[] = {{Parity::Even, "19200,E,7,2"},
                                                    {Parity::Odd, "19200,O,7,2"},
                                                    {Parity::Mark, "19200,M,7,2"},
                                                    {Parity::Space, "19200,S,7,2"}};
    for (const auto& [parity, text] : cases)
        EXPECT_EQ(lineSettingsText({19200, parity, 7, 2}), QString::fromLatin1(text));
}

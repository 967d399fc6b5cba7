#include "Twips.h"

#include <QRect>

#include <utility>

#include <gtest/gtest.h>

namespace velmor {
namespace {

TEST(TwipsTest, mapFifteenToAPixelRoundingToTheNearest) {
    const std::pair<int, int> cases[] = {{0, 0},   {7, 0},    {8, 1},      {15, 1},
                                         {80, 5},  {160, 11}, {6900, 460}, {10240, 683},
                                         {-8, -1}, {-7, 0},   {11085, 739}};
    for (const auto& [twips, pixels] : cases)
        EXPECT_EQ(twipsToPixels(twips), pixels) << twips;
    EXPECT_EQ(toPixels(TwipsRect{6120, 600, 735, 495}), QRect(408, 40, 49, 33));
}

} // namespace
} // namespace velmor

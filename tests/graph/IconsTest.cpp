#include "Icons.h"

#include <gtest/gtest.h>

using namespace velmor;

namespace {

const QColor silver(192, 192, 192);
const QColor green(0, 255, 0);

int count(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

TEST(IconsTest, everyPictureIsTwentyEightSquareOnSilver) {
    for (const QImage& image : {savePicture(), resetPicture(), pausePicture(), startPicture()}) {
        EXPECT_EQ(image.size(), QSize(iconSize, iconSize));
        EXPECT_EQ(image.pixelColor(0, 0), silver);
        EXPECT_EQ(image.pixelColor(27, 27), silver);
        EXPECT_GT(count(image, Qt::black), 0);
    }
}

TEST(IconsTest, symbolsCarryTheirFillAndEdges) {
    const QImage save = savePicture();
    EXPECT_EQ(save.pixelColor(13, 13), QColor(255, 0, 0));
    EXPECT_EQ(count(save, green), 0);
    EXPECT_GT(count(save, Qt::white), 0);

    for (const QImage& image : {resetPicture(), pausePicture(), startPicture()}) {
        EXPECT_GT(count(image, green), 30);
        EXPECT_GT(count(image, Qt::white), 10);
        EXPECT_GT(count(image, QColor(128, 128, 128)), 10);
    }
    EXPECT_EQ(resetPicture().pixelColor(13, 13), green);
    // The two pause bars stand apart on the button face.
    const QImage pause = pausePicture();
    EXPECT_EQ(pause.pixelColor(14, 13), silver);
    EXPECT_EQ(pause.pixelColor(9, 13), green);
    EXPECT_EQ(pause.pixelColor(18, 13), green);
    // The start triangle points right: wide at the left, narrow at the tip.
    const QImage start = startPicture();
    EXPECT_EQ(start.pixelColor(8, 6), green);
    EXPECT_EQ(start.pixelColor(22, 6), silver);
}

} // namespace

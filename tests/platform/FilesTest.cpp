#include "Files.h"

#include <QImage>

#include <gtest/gtest.h>

namespace velmor {
namespace {

QImage plot() {
    QImage image(97, 61, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 0));
    image.setPixelColor(3, 4, QColor(255, 0, 0));
    image.setPixelColor(96, 60, QColor(0, 255, 0));
    return image;
}

TEST(BitmapBytesTest, encodesABmpThatReadsBackPixelForPixelAndRefusesAnEmptyImage) {
    const auto bmp = bitmapBytes(plot());
    ASSERT_TRUE(bmp.has_value());
    EXPECT_TRUE(bmp->startsWith("BM"));
    const QImage back = QImage::fromData(*bmp, "BMP");
    ASSERT_EQ(back.size(), QSize(97, 61));
    EXPECT_EQ(back.pixelColor(3, 4), QColor(255, 0, 0));
    EXPECT_EQ(back.pixelColor(96, 60), QColor(0, 255, 0));
    EXPECT_EQ(back.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(bitmapBytes(QImage()), std::nullopt); // nothing to encode
}

} // namespace
} // namespace velmor

#include "Files.h"
#include "AnswerPrompt.h"
#include "Operator.h"

#include <QApplication>
#include <QInputDialog>
#include <QTimer>

#include <gtest/gtest.h>

namespace ui {
namespace {

using velmor::testing::answerPrompt;

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

TEST(PromptTest, returnsTheTypedTextOrNothingWhenCancelled) {
    answerPrompt(QStringLiteral("карта"));
    EXPECT_EQ(prompt(QStringLiteral("Имя файла"), QStringLiteral("Save"), QStringLiteral("1")),
              std::optional<QString>(QStringLiteral("карта")));
    answerPrompt(std::nullopt);
    EXPECT_EQ(prompt(QStringLiteral("Имя файла"), QStringLiteral("Save"), QStringLiteral("1")),
              std::nullopt);
}

TEST(ReportErrorTest, writesOneLineToStandardErrorWithoutADialogOffscreen) {
    if (hasDisplay())
        GTEST_SKIP() << "a display would show a message box";
    ::testing::internal::CaptureStderr();
    reportError(QStringLiteral("Velmor test"), QStringLiteral("Cannot open serial port /dev/x"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Velmor test: Cannot open serial port /dev/x\n");
}

} // namespace
} // namespace ui

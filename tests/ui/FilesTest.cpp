#include "Files.h"
#include "AnswerPrompt.h"
#include "FileContents.h"
#include "Operator.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace ui {
namespace {

using velmor::testing::fileContents;

using velmor::testing::answerPrompt;

QImage plot() {
    QImage image(97, 61, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 0));
    image.setPixelColor(3, 4, QColor(255, 0, 0));
    image.setPixelColor(96, 60, QColor(0, 255, 0));
    return image;
}

TEST(SaveBitmapTest, writesABmpThatReadsBackPixelForPixel) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("1.bmp"));
    EXPECT_EQ(saveBitmap(plot(), path), std::nullopt);
    EXPECT_TRUE(fileContents(path).startsWith("BM"));
    const QImage back(path);
    ASSERT_EQ(back.size(), QSize(97, 61));
    EXPECT_EQ(back.pixelColor(3, 4), QColor(255, 0, 0));
    EXPECT_EQ(back.pixelColor(96, 60), QColor(0, 255, 0));
    EXPECT_EQ(back.pixelColor(0, 0), QColor(0, 0, 0));
}

TEST(SaveBitmapTest, replacesAnEarlierFileAndLeavesItWholeWhenASaveFails) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("map.bmp"));
    QImage first(10, 10, QImage::Format_RGB32);
    first.fill(Qt::white);
    ASSERT_EQ(saveBitmap(first, path), std::nullopt);
    ASSERT_EQ(saveBitmap(plot(), path), std::nullopt);
    const QByteArray saved = fileContents(path);
    EXPECT_EQ(QImage(path).size(), QSize(97, 61));

    const auto error = saveBitmap(QImage(), path); // nothing to encode
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(path)) << error->toStdString();
    EXPECT_EQ(fileContents(path), saved);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("map.bmp")});
}

TEST(SaveBitmapTest, failsIntoAMissingFolderAndCreatesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Graf/1.bmp"));
    const auto error = saveBitmap(plot(), path);
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(path)) << error->toStdString();
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("Graf"))).exists());
}

TEST(SaveBitmapTest, refusesASymbolicLinkAtTheNameAndLeavesWhatItPointsAt) {
    QTemporaryDir dir;
    const QString victim = dir.filePath(QStringLiteral("elsewhere.txt"));
    const QString path = dir.filePath(QStringLiteral("map.bmp"));
    {
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a map");
    }
    ASSERT_TRUE(QFile::link(victim, path));
    const auto error = saveBitmap(plot(), path);
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(path + " — символическая ссылка")) << error->toStdString();
    EXPECT_EQ(fileContents(victim), "not a map");
}

TEST(ProgramFolderTest, isTheFolderOfTheRunningProgram) {
    EXPECT_EQ(programFolder(), QCoreApplication::applicationDirPath());
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

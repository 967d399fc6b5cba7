#include "Operator.h"
#include "AnswerPrompt.h"

#include <QApplication>
#include <QInputDialog>
#include <QTimer>

#include <gtest/gtest.h>

namespace ui {
namespace {

using velmor::testing::answerPrompt;

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

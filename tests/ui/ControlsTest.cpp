#include "CommandButton.h"
#include "Eventually.h"
#include "Form.h"
#include "HScrollBar.h"
#include "Label.h"
#include "Shape.h"
#include "Timer.h"

#include <QSignalSpy>
#include <QStyleOption>
#include <QTest>

#include <gtest/gtest.h>

namespace ui {
namespace {

Form makeForm() {
    return Form(QStringLiteral("Test"), 3000, 1500, Form::Frame::Sizable, sys::buttonFace);
}

TEST(FormTest, stacksEachControlBehindThoseAddedBeforeAndFindsThemByName) {
    Form form(QStringLiteral("Test"), 3000, 1500, Form::Frame::FixedSingle, sys::buttonFace);
    auto* front = form.add<Label>(QStringLiteral("Front"), {0, 0, 600, 300});
    auto* back = form.add<Shape>(QStringLiteral("Back"), {0, 0, 1500, 750});
    back->setFillColour(rgb(0, 0, 255));
    front->setBackColour(rgb(0, 255, 0));
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(10, 10), QColor(0, 255, 0));
    EXPECT_EQ(shot.pixelColor(60, 30), QColor(0, 0, 255));
    EXPECT_EQ(form.control<Label>(QStringLiteral("Front")), front);
    EXPECT_EQ(form.control<Shape>(QStringLiteral("Back")), back);
    EXPECT_EQ(form.control<Label>(QStringLiteral("Back")), nullptr);
    EXPECT_EQ(form.size(), QSize(200, 100));
    EXPECT_EQ(form.maximumSize(), QSize(200, 100));
}

TEST(FormTest, letsASizableWindowGrowWithoutMovingItsControls) {
    Form form = makeForm();
    auto* label = form.add<Label>(QStringLiteral("L"), {150, 150, 600, 300});
    form.resize(400, 300);
    EXPECT_EQ(form.size(), QSize(400, 300));
    EXPECT_EQ(label->geometry(), QRect(10, 10, 40, 20));
}

TEST(LabelTest, readsBackItsCaptionExactlyAndBreaksLinesAtCarriageReturnLineFeed) {
    Label label;
    label.setCaption(QStringLiteral("ТЕСТ\r\nЗАКОНЧЕН"));
    EXPECT_EQ(label.caption(), QStringLiteral("ТЕСТ\r\nЗАКОНЧЕН"));
    EXPECT_EQ(label.text(), QStringLiteral("ТЕСТ\nЗАКОНЧЕН"));
}

TEST(LabelTest, showsWhatLiesBehindWhenTransparent) {
    Form form = makeForm();
    auto* label = form.add<Label>(QStringLiteral("L"), {0, 0, 600, 300});
    auto* band = form.add<Shape>(QStringLiteral("S"), {0, 0, 600, 300});
    band->setFillColour(rgb(255, 255, 0));
    label->setBackColour(rgb(0, 0, 255));
    label->setOpaque(false);
    EXPECT_EQ(form.grab().toImage().pixelColor(20, 15), QColor(255, 255, 0));
    label->setOpaque(true);
    EXPECT_EQ(form.grab().toImage().pixelColor(20, 15), QColor(0, 0, 255));
}

TEST(CommandButtonTest, fillsItsFaceWithTheBackColourOnlyInGraphicalStyle) {
    CommandButton button;
    button.resize(49, 25);
    button.setBackColour(rgb(100, 255, 100));
    EXPECT_NE(button.grab().toImage().pixelColor(5, 5), QColor(100, 255, 100));
    button.setGraphical(true);
    EXPECT_EQ(button.grab().toImage().pixelColor(5, 5), QColor(100, 255, 100));
}

TEST(CommandButtonTest, showsItsPictureInTheMiddleAsTheStyleShowsAnIconEnabledOrNot) {
    QPixmap picture(9, 9);
    picture.fill(QColor(255, 0, 0));
    CommandButton button;
    button.resize(33, 33);
    button.setGraphical(true);
    button.setPicture(picture);
    EXPECT_EQ(button.grab().toImage().pixelColor(16, 16), QColor(255, 0, 0));
    button.setEnabled(false);
    QStyleOption option;
    option.initFrom(&button);
    const QImage greyed =
        button.style()->generatedIconPixmap(QIcon::Disabled, picture, &option).toImage();
    EXPECT_EQ(button.grab().toImage().pixelColor(16, 16), greyed.pixelColor(4, 4));
    EXPECT_NE(greyed.pixelColor(4, 4), QColor(255, 0, 0));
}

TEST(CommandButtonTest, raisesItsClickOnlyWhileEnabled) {
    CommandButton button;
    button.resize(49, 33);
    int clicks = 0;
    button.onClick([&] { ++clicks; });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    button.click();
    EXPECT_EQ(clicks, 1);
}

TEST(HScrollBarTest, takesAValueFromCodeQuietlyWithinItsRange) {
    HScrollBar bar;
    bar.setMin(0);
    bar.setMax(255);
    QSignalSpy changed(&bar, &QScrollBar::valueChanged);
    bar.setValue(80);
    EXPECT_EQ(bar.value(), 80);
    bar.setValue(300);
    EXPECT_EQ(bar.value(), 255);
    EXPECT_EQ(changed.count(), 0);
}

TEST(ShapeTest, paintsASquareAsTheLargestCentredSquare) {
    Shape shape;
    shape.resize(30, 10);
    shape.setKind(Shape::Kind::Square);
    EXPECT_EQ(shape.shapeRect(), QRect(10, 0, 10, 10));
    shape.setFillColour(rgb(255, 0, 0));
    shape.setOutlineColour(sys::window);
    const QImage shot = shape.grab().toImage();
    EXPECT_EQ(shot.pixelColor(15, 5), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(10, 0), QColor(255, 255, 255));
}

TEST(TimerTest, ticksWhileEnabledAndStopsWhenDisabled) {
    Timer timer;
    timer.setInterval(10);
    int ticks = 0;
    timer.onTick([&] { ++ticks; });
    EXPECT_FALSE(timer.enabled());
    timer.setEnabled(true);
    EXPECT_TRUE(timer.enabled());
    ASSERT_TRUE(velmor::testing::eventually([&] { return ticks >= 2; }, 10000));
    timer.setEnabled(false);
    const int stoppedAt = ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticks, stoppedAt);
}

} // namespace
} // namespace ui

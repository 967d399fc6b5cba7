#include "PictureBox.h"
#include "Form.h"
#include "Label.h"
#include "Shape.h"

#include <QTest>

#include <gtest/gtest.h>

namespace ui {
namespace {

const QColor black(0, 0, 0);
const QColor red(255, 0, 0);

class PictureBoxTest : public ::testing::Test {
protected:
    Form form{QStringLiteral("Test"), 4500, 3000, Form::Frame::Sizable, sys::buttonFace};
    PictureBox* box = form.add<PictureBox>(QStringLiteral("Picture1"), {120, 120, 3000, 2400});

    void SetUp() override { box->setBackColour(sys::menuText); }
};

TEST_F(PictureBoxTest, keepsAnImageOfItsInteriorInTheBackColour) {
    EXPECT_EQ(box->image().size(), box->contentsRect().size());
    EXPECT_EQ(box->image().size(), QSize(196, 156)); // 200 x 160 less the border
    EXPECT_EQ(box->image().pixelColor(0, 0), black);
    EXPECT_EQ(box->image().pixelColor(195, 155), black);
}

TEST_F(PictureBoxTest, drawsBoxesInTwipsThatMeetWithoutGapOrOverlap) {
    // Two cells of 80 twips (5 1/3 pixels) side by side, the second drawn corner-first.
    box->drawBox(0, 240, 80, 160, rgb(255, 0, 0));
    box->drawBox(160, 160, 80, 240, rgb(0, 255, 0));
    const QImage& image = box->image();
    EXPECT_EQ(image.pixelColor(0, 11), red);
    EXPECT_EQ(image.pixelColor(4, 15), red);
    EXPECT_EQ(image.pixelColor(5, 11), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(10, 15), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(11, 11), black);
    EXPECT_EQ(image.pixelColor(0, 10), black);
    EXPECT_EQ(image.pixelColor(0, 16), black);
}

TEST_F(PictureBoxTest, drawsAtLeastOnePixelForABoxSmallerThanAPixel) {
    box->drawBox(15, 15, 15, 15, rgb(255, 0, 0));
    EXPECT_EQ(box->image().pixelColor(1, 1), red);
    EXPECT_EQ(box->image().pixelColor(2, 1), black);
}

TEST_F(PictureBoxTest, showsItsDrawingAgainAfterBeingCovered) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    box->drawBox(0, 0, 300, 300, rgb(255, 0, 0));
    auto* cover = new QWidget(&form);
    cover->setAutoFillBackground(true);
    cover->setGeometry(box->geometry());
    cover->show();
    QCoreApplication::processEvents();
    delete cover;
    QCoreApplication::processEvents();
    const QImage shot = form.grab().toImage();
    const QPoint inside = box->mapTo(&form, box->contentsRect().topLeft());
    EXPECT_EQ(shot.pixelColor(inside + QPoint(5, 5)), red);
    EXPECT_EQ(shot.pixelColor(inside + QPoint(25, 25)), black);
}

TEST_F(PictureBoxTest, clearFillsTheInteriorAndEmptiesTheImage) {
    box->drawBox(0, 0, 1500, 1500, rgb(255, 0, 0));
    box->clear();
    EXPECT_EQ(box->image().pixelColor(10, 10), black);
    const QPoint inside = box->mapTo(&form, box->contentsRect().topLeft());
    EXPECT_EQ(form.grab().toImage().pixelColor(inside + QPoint(10, 10)), black);
}

TEST_F(PictureBoxTest, placesControlsFromTheTopLeftOfItsInteriorOverTheDrawing) {
    auto* square = form.addInside<Shape>(box, QStringLiteral("Shape1"), {1500, 0, 135, 135});
    square->setKind(Shape::Kind::Square);
    square->setFillColour(rgb(255, 255, 0));
    box->drawBox(1500, 0, 1650, 150, rgb(255, 0, 0));
    EXPECT_EQ(square->mapTo(box, QPoint(0, 0)), box->contentsRect().topLeft() + QPoint(100, 0));
    EXPECT_EQ(form.control<Shape>(QStringLiteral("Shape1")), square);
    const QPoint at = square->mapTo(&form, QPoint(4, 4));
    EXPECT_EQ(form.grab().toImage().pixelColor(at), QColor(255, 255, 0));
}

} // namespace
} // namespace ui

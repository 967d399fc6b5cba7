#include "ManualWindowFixture.h"

#include <QImage>

namespace velmor::testing {
namespace {

using LayoutTest = ManualWindow;

struct Placed {
    const char* name;
    QRect pixels; // at 96 DPI, 15 twips to the pixel
};

// Front to back, as the window stacks them.
const Placed placed[] = {
    {"Command3", {408, 40, 49, 33}},  {"HScroll4", {16, 192, 193, 17}},
    {"Command2", {408, 80, 49, 33}},  {"Command1", {408, 8, 49, 25}},
    {"HScroll3", {16, 144, 193, 17}}, {"HScroll2", {16, 48, 193, 17}},
    {"HScroll1", {16, 96, 193, 17}},  {"Text1", {336, 232, 113, 25}},
    {"Label13", {40, 176, 145, 25}},  {"Label12", {216, 184, 177, 25}},
    {"Label11", {96, 120, 57, 25}},   {"Label10", {88, 24, 57, 25}},
    {"Label9", {88, 72, 57, 25}},     {"Line5", {560, 112, 1, 169}},
    {"Line4", {208, 264, 393, 1}},    {"Line3", {520, 112, 1, 145}},
    {"Line1", {544, 96, 1, 169}},     {"Label5", {312, 128, 81, 33}},
    {"Label6", {216, 128, 81, 33}},   {"Shape3", {8, 120, 393, 49}},
    {"Label3", {312, 32, 81, 33}},    {"Label4", {216, 32, 81, 33}},
    {"Label1", {312, 80, 81, 33}},    {"Label2", {216, 80, 81, 33}},
    {"Shape1", {8, 72, 393, 49}},     {"Shape2", {8, 24, 393, 49}},
    {"Label7", {320, 0, 73, 25}},     {"Label8", {232, 0, 57, 25}},
    {"Shape4", {8, 176, 393, 41}},
};

TEST_F(LayoutTest, isAFixedWindowOfTheDesignedClientSize) {
    EXPECT_EQ(form->caption(), QStringLiteral("Velmor test"));
    EXPECT_EQ(form->minimumSize(), QSize(460, 220));
    EXPECT_EQ(form->maximumSize(), QSize(460, 220));
}

TEST_F(LayoutTest, placesEveryControlAtItsTwipsInPixels) {
    for (const Placed& p : placed) {
        const auto* control = form->control<QWidget>(QString::fromLatin1(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->geometry(), p.pixels) << p.name;
    }
}

TEST_F(LayoutTest, stacksTheControlsFrontToBackInTheDesignedOrder) {
    QStringList frontToBack;
    const QObjectList children = form->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if ((*it)->isWidgetType())
            frontToBack << (*it)->objectName();
    QStringList expected;
    for (const Placed& p : placed)
        expected << QString::fromLatin1(p.name);
    EXPECT_EQ(frontToBack, expected);
}

TEST_F(LayoutTest, keepsTheDiagnosticBoxAndTheLinesOutsideTheClientArea) {
    for (const char* name : {"Text1", "Line1", "Line3", "Line4", "Line5"})
        EXPECT_FALSE(form->rect().intersects(form->control<QWidget>(name)->geometry())) << name;
}

struct LabelDesign {
    const char* name;
    const char* caption;
    const char* face;
    double points;
    bool bold;
    ui::Colour back;
    bool opaque;
    bool border;
};

TEST_F(LayoutTest, givesEveryLabelItsCaptionFontBackgroundAndBorder) {
    const LabelDesign labels[] = {
        {"Label2", "---", "Arial", 20.25, true, ui::sys::highlightText, true, true},
        {"Label3", "---", "Arial", 20.25, true, ui::sys::highlightText, true, true},
        {"Label4", "---", "Arial", 20.25, true, ui::sys::highlightText, true, true},
        {"Label5", "---", "Arial", 20.25, true, ui::sys::captionText, true, true},
        {"Label6", "---", "Arial", 20.25, true, ui::sys::captionText, true, true},
        {"Label12", "P, W", "Times New Roman", 14.25, true, ui::sys::captionText, true, true},
        {"Label7", "U, V", "Times New Roman", 14.25, false, ui::sys::buttonFace, true, false},
        {"Label8", "I ,A", "Times New Roman", 14.25, false, ui::sys::buttonFace, true, false},
        {"Label10", "+12V", "Times New Roman", 14.25, false, 0, false, false},
        {"Label9", "+5V", "Times New Roman", 14.25, false, 0, false, false},
        {"Label11", "+3,3V", "Times New Roman", 14.25, false, 0, false, false},
        {"Label13", "Мощность, Вт", "Times New Roman", 9.75, false, 0, false, false},
    };
    for (const LabelDesign& d : labels) {
        SCOPED_TRACE(d.name);
        const ui::Label* l = label(d.name);
        EXPECT_EQ(l->caption(), QString::fromUtf8(d.caption));
        EXPECT_EQ(l->font().family(), QString::fromLatin1(d.face));
        EXPECT_DOUBLE_EQ(l->font().pointSizeF(), d.points);
        EXPECT_EQ(l->font().bold(), d.bold);
        EXPECT_EQ(l->autoFillBackground(), d.opaque);
        if (d.opaque) {
            EXPECT_EQ(l->backColour(), d.back);
        }
        EXPECT_EQ(l->frameShape() == QFrame::Box, d.border);
        EXPECT_TRUE(l->alignment() & Qt::AlignHCenter);
        EXPECT_TRUE(l->visible());
    }
}

TEST_F(LayoutTest, startsWithTheBandsAndBarsHiddenAndTheButtonsCaptioned) {
    for (const char* name : {"Shape1", "Shape2", "Shape3", "Shape4"})
        EXPECT_FALSE(shape(name)->visible()) << name;
    for (const char* name : {"HScroll1", "HScroll2", "HScroll3", "HScroll4"}) {
        EXPECT_FALSE(scroll(name)->visible()) << name;
        EXPECT_EQ(scroll(name)->minimum(), 0);
        EXPECT_EQ(scroll(name)->maximum(), 255);
        EXPECT_EQ(scroll(name)->singleStep(), 1);
        EXPECT_EQ(scroll(name)->pageStep(), QByteArray(name) == "HScroll4" ? 16 : 8);
    }
    EXPECT_EQ(shape("Shape2")->fillColour(), ui::rgb(255, 255, 0));
    EXPECT_EQ(shape("Shape1")->fillColour(), ui::rgb(255, 0, 0));
    EXPECT_EQ(shape("Shape3")->fillColour(), ui::rgb(255, 128, 0));
    EXPECT_EQ(shape("Shape4")->fillColour(), ui::rgb(128, 128, 255));
    EXPECT_EQ(button("Command2")->caption(), QStringLiteral("График    КНХ"));
    EXPECT_EQ(button("Command3")->caption(), QStringLiteral("Предел"));
    EXPECT_EQ(timer("Timer1")->interval(), 200);
    EXPECT_EQ(timer("Timer2")->interval(), 10);
}

TEST_F(LayoutTest, showsTheRowCaptionsOverTheirBandsWhenSwitchedOn) {
    button("Command1")->click();
    const QImage shot = form->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(460, 220));
    // Band corners outside every control, and a corner of the transparent "+12V" caption.
    EXPECT_EQ(shot.pixelColor(12, 40), QColor(255, 255, 0));
    EXPECT_EQ(shot.pixelColor(12, 100), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(12, 160), QColor(255, 128, 0));
    EXPECT_EQ(shot.pixelColor(12, 212), QColor(128, 128, 255));
    EXPECT_EQ(shot.pixelColor(89, 47), QColor(255, 255, 0));
    // The green On/Off face and the white readouts lie over the bands.
    EXPECT_EQ(shot.pixelColor(412, 12), QColor(255, 100, 100));
    EXPECT_EQ(shot.pixelColor(314, 110), QColor(255, 255, 255));
}

} // namespace
} // namespace velmor::testing

#include "Colour.h"
#include "Font.h"

#include <QApplication>
#include <QPalette>

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(ColourTest, combinesRedGreenAndBlueAsTheWindowsStoreThem) {
    EXPECT_EQ(rgb(255, 255, 255), 0xFFFFFFu);
    EXPECT_EQ(rgb(255, 0, 0), 255u);
    EXPECT_EQ(rgb(255, 128, 0), 0x0080FFu);
    EXPECT_EQ(rgb(128, 128, 255), 0xFF8080u);
    EXPECT_EQ(toQColor(rgb(100, 255, 30)), QColor(100, 255, 30));
    EXPECT_EQ(toQColor(0x00FFFF), QColor(255, 255, 0));
}

TEST(ColourTest, mapsTheSchemeColoursOfTheStandardScheme) {
    const QColor white(255, 255, 255), black(0, 0, 0), grey(192, 192, 192);
    const std::pair<Colour, QColor> cases[] = {
        {0x80000005u, white}, {0x80000009u, white}, {0x8000000Eu, white}, {0x80000007u, black},
        {0x80000008u, black}, {0x80000012u, black}, {0x8000000Au, grey},  {0x8000000Fu, grey},
    };
    for (const auto& [colour, expected] : cases)
        EXPECT_EQ(toQColor(colour), expected) << std::hex << colour;
    EXPECT_EQ(sys::buttonFace, 0x8000000Fu);
}

TEST(ColourTest, takesTheSchemeColoursFromTheDesktopsPaletteWhenItHasOne) {
    const QPalette none = QApplication::palette(); // the style's own: no desktop scheme here
    QPalette desktop = none;
    desktop.setColor(QPalette::Button, QColor(10, 20, 30));
    desktop.setColor(QPalette::Base, QColor(250, 240, 230));
    QApplication::setPalette(desktop);
    EXPECT_EQ(toQColor(sys::buttonFace), QColor(10, 20, 30));
    EXPECT_EQ(toQColor(sys::window), QColor(250, 240, 230));
    EXPECT_EQ(toQColor(rgb(1, 2, 3)), QColor(1, 2, 3));
    QApplication::setPalette(none);
    EXPECT_EQ(toQColor(sys::buttonFace), QColor(192, 192, 192));
}

TEST(FontTest, carriesFaceSizeAndWeight) {
    const QFont f = toQFont(Font{QStringLiteral("Times New Roman"), 14.25, true});
    EXPECT_EQ(f.family(), QStringLiteral("Times New Roman"));
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 14.25);
    EXPECT_TRUE(f.bold());
}

} // namespace
} // namespace ui

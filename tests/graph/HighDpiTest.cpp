#include "GrafWindow.h"

#include "Icons.h"
#include "Sweep.h"

#include <QGuiApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>

using namespace velmor;
using namespace velmor::testing;

namespace {

const char* const scaleFactor = "1.5";

// The scale factor is read once, when the application starts: a process at scale 1 runs these
// tests again in a process of their own at 1.5, which does the checking.
bool checkedInScaledProcess() {
    if (qApp->devicePixelRatio() != 1)
        return false;
    if (qEnvironmentVariableIsSet("VELMOR_SCALED_RUN")) {
        ADD_FAILURE() << "QT_SCALE_FACTOR=" << scaleFactor << " left the screen unscaled";
        return true;
    }
    QProcess scaled;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", scaleFactor);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VELMOR_SCALED_RUN", "1");
    scaled.setProcessEnvironment(env);
    scaled.setProcessChannelMode(QProcess::MergedChannels);
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString test = QStringLiteral("%1.%2").arg(info->test_suite_name(), info->name());
    scaled.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=" + test});
    EXPECT_TRUE(scaled.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(scaled.readAll());
    EXPECT_EQ(scaled.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(scaled.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
    return true;
}

// A short sweep of 3 x 3 cells in three colours.
class HighDpiTest : public ::testing::Test {
protected:
    void sweep() {
        ratio = qApp->devicePixelRatio();
        ASSERT_FALSE(w.form->load());
        w.button("Command3")->click();
        for (const int b2 : {128, 143, 155, 128, 143, 155, 128, 143, 155, 128}) {
            w.port->queueReply(bytes({0, b2, 128, 128}));
            w.form->tick();
        }
        ASSERT_TRUE(w.button("Command5")->isEnabled());
    }

    // A cell's box in the picture's image pixels.
    QRect cellPixels(int column, int row) const {
        const TwipBox box = cellBox(column, row);
        const auto px = [this](int twips) {
            return static_cast<int>(std::lround(twips * ratio / 15));
        };
        return QRect(QPoint(px(box.x1), px(box.y2)), QPoint(px(box.x2) - 1, px(box.y1) - 1));
    }

    GrafWindow w{4, 6, 255};
    qreal ratio = 1;
};

TEST_F(HighDpiTest, mapIsKeptAndPaintedInTheScreensOwnPixels) {
    if (checkedInScaledProcess())
        return;
    ASSERT_NO_FATAL_FAILURE(sweep());
    const QImage& image = w.picture1()->image();
    const QSize logical = w.picture1()->contentsRect().size();
    EXPECT_EQ(image.size(), QSize(static_cast<int>(std::ceil(logical.width() * ratio)),
                                  static_cast<int>(std::ceil(logical.height() * ratio))));

    // Every cell is a whole block of one colour, and neighbours meet without a gap.
    const QColor colours[] = {{0, 255, 0}, {255, 255, 0}, {255, 0, 0}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const QRect cell = cellPixels(column, row);
            EXPECT_EQ(cell.width(), std::lround(80 * ratio / 15)) << column << "," << row;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    ASSERT_EQ(image.pixelColor(x, y), colours[column]) << x << "," << y;
        }
    EXPECT_EQ(cellPixels(1, 0).left(), cellPixels(0, 0).right() + 1);
    EXPECT_EQ(cellPixels(0, 1).bottom(), cellPixels(0, 0).top() - 1);

    // On screen the window shows the image pixel for pixel, where the layout puts the plot:
    // neither resampled (blurred) nor shifted.
    const QImage shot = w.form->grab().toImage();
    EXPECT_EQ(shot.devicePixelRatio(), ratio);
    const QPoint interior = w.picture1()->interior()->mapTo(w.form.get(), QPoint(0, 0));
    const QPoint origin(qRound(interior.x() * ratio), qRound(interior.y() * ratio));
    const QRect plot = cellPixels(0, 2).united(cellPixels(2, 0)).adjusted(0, -4, 4, 4);
    EXPECT_EQ(shot.copy(plot.translated(origin)), image.copy(plot));
}

TEST_F(HighDpiTest, buttonPicturesAreDrawnAtTheScreensRatio) {
    if (checkedInScaledProcess())
        return;
    ASSERT_NO_FATAL_FAILURE(sweep());
    for (const char* name : {"Command2", "Command3", "Command4", "Command5"}) {
        const QPixmap& picture = w.button(name)->picture();
        EXPECT_EQ(picture.devicePixelRatio(), ratio) << name;
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(iconSize, iconSize)) << name;
    }
    // The start button shows its picture image pixel for pixel somewhere on its face (the face
    // is a little smaller than the picture and cuts off some of its silver margin).
    const QImage face = w.button("Command3")->grab().toImage();
    const QImage full = startPicture(ratio).convertToFormat(face.format());
    const QImage picture = full.copy(full.rect().adjusted(2, 2, -2, -2));
    bool found = false;
    for (int y = 0; !found && y + picture.height() <= face.height(); ++y)
        for (int x = 0; !found && x + picture.width() <= face.width(); ++x)
            found = face.copy(x, y, picture.width(), picture.height()) == picture;
    EXPECT_TRUE(found);
}

TEST(ScaledIconsTest, keepTheirDesignAtOneAndAHalf) {
    const QColor silver(192, 192, 192);
    const QColor green(0, 255, 0);
    for (const QImage& image :
         {savePicture(1.5), resetPicture(1.5), pausePicture(1.5), startPicture(1.5)}) {
        EXPECT_EQ(image.size(), QSize(42, 42));
        EXPECT_EQ(image.devicePixelRatio(), 1.5);
        EXPECT_EQ(image.pixelColor(0, 0), silver);
        EXPECT_EQ(image.pixelColor(41, 41), silver);
    }
    // Places inside the symbols and between them, as at 28 x 28 but half as far again from
    // the corner.
    EXPECT_EQ(savePicture(1.5).pixelColor(20, 20), QColor(255, 0, 0));
    EXPECT_EQ(resetPicture(1.5).pixelColor(20, 20), green);
    const QImage pause = pausePicture(1.5);
    EXPECT_EQ(pause.pixelColor(21, 20), silver);
    EXPECT_EQ(pause.pixelColor(12, 20), green);
    EXPECT_EQ(pause.pixelColor(26, 20), green);
    const QImage start = startPicture(1.5);
    EXPECT_EQ(start.pixelColor(12, 9), green);
    EXPECT_EQ(start.pixelColor(33, 9), silver);
}

} // namespace

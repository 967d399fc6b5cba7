// Both windows worked from the keyboard alone: Tab walks the controls in the order of the layout
// tables over those the operator can reach, Space presses a button, the keys move a scroll bar.
#include "CommandButton.h"
#include "Form1.h"
#include "FormGraf.h"
#include "MapsFolder.h"
#include "ScriptedPort.h"

#include <QApplication>
#include <QTest>

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmor::testing {
namespace {

class KeyboardTest : public ::testing::Test {
protected:
    PortFactory makePort = [this] {
        auto made = std::make_unique<ScriptedPort>();
        port = made.get();
        return made;
    };

    static void activate(QWidget* window) {
        window->show();
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    // The control with the focus, then the one after each of `count` presses of Tab.
    static QStringList tabWalk(int count) {
        QStringList stops{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < count; ++i) {
            press(Qt::Key_Tab);
            stops << QApplication::focusWidget()->objectName();
        }
        return stops;
    }

    // The +12 V byte of the frame the next measurement tick sends.
    quint8 nextFrame12(Form1& form) {
        port->clearWritten();
        port->queueReply({0, 128, 128, 128});
        form.timer1Tick();
        return port->written().size() == 4 ? port->written()[2] : 0;
    }

    SharedState state;
    ScriptedPort* port = nullptr;
};

TEST_F(KeyboardTest, theManualWindowIsWorkedInTabOrderAndItsScrollBarsSetTheNextFrame) {
    QString error;
    auto form = Form1::load(state, makePort, &error);
    ASSERT_TRUE(form) << error.toStdString();
    activate(form.get());
    // Text1 lies below the client area but is a stop of its own, first in the order.
    EXPECT_EQ(tabWalk(4), (QStringList{"Text1", "Command1", "Command2", "Command3", "Text1"}));

    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    EXPECT_EQ(form->findChild<ui::CommandButton*>("Command1")->caption(), "Выкл");
    EXPECT_EQ(tabWalk(6), (QStringList{"Command1", "Command2", "Text1", "HScroll1", "HScroll2",
                                       "HScroll3", "Command1"}));

    form->findChild<QWidget*>("HScroll2")->setFocus();
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    press(Qt::Key_PageDown); // LargeChange 8
    press(Qt::Key_Left);
    EXPECT_EQ(nextFrame12(*form), 255 - 9);
    press(Qt::Key_End);
    EXPECT_EQ(nextFrame12(*form), 255 - 80); // held at LoadLimit2
    press(Qt::Key_PageUp);
    EXPECT_EQ(nextFrame12(*form), 255 - 72);
    press(Qt::Key_Home);
    EXPECT_EQ(nextFrame12(*form), 255);

    // Switched off, then Limit mode, from the keyboard.
    form->findChild<QWidget*>("Command1")->setFocus();
    press(Qt::Key_Space);
    form->findChild<QWidget*>("Command3")->setFocus();
    press(Qt::Key_Space); // Command3 disables itself: the focus moves on
    EXPECT_EQ(tabWalk(7), (QStringList{"Text1", "HScroll1", "HScroll2", "HScroll3", "Command1",
                                       "Command2", "HScroll4", "Text1"}));
}

TEST_F(KeyboardTest, theGraphWindowStartsOnItsPlotAndWalksItsButtonsInTabOrder) {
    QTemporaryDir maps;
    FormGraf form(state, makePort, MapsFolder{maps.path(), false});
    ASSERT_FALSE(form.load());
    activate(&form);
    // Save stays out of the walk until a sweep has ended.
    EXPECT_EQ(tabWalk(5), (QStringList{"Picture1", "Command1", "Command3", "Command2", "Command4",
                                       "Picture1"}));
    form.findChild<QWidget*>("Command5")->setEnabled(true);
    EXPECT_EQ(tabWalk(6), (QStringList{"Picture1", "Command1", "Command3", "Command2", "Command4",
                                       "Command5", "Picture1"}));
}

} // namespace
} // namespace velmor::testing

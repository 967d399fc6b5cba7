#include "ManualWindowFixture.h"

#include "Eventually.h"

namespace velmor::testing {
namespace {

using CommandsTest = ManualWindow;

const QString on = QStringLiteral("Выкл");
const QString off = QStringLiteral("Вкл");

TEST_F(CommandsTest, loadOpensPortOneThenPresetsTheLimitsAndLeavesTheWindowReady) {
    EXPECT_EQ(port->log()->events, QStringList{QStringLiteral("open 1 9600,N,8,1")});
    EXPECT_EQ(caption("Label1"), QStringLiteral("АЦП"));
    EXPECT_EQ(button("Command1")->caption(), off);
    EXPECT_EQ(button("Command1")->backColour(), ui::rgb(100, 255, 100));
    EXPECT_TRUE(timer("Timer1")->enabled());
    EXPECT_FALSE(timer("Timer2")->enabled());
    EXPECT_EQ(state.loadLimit1, 80);
    EXPECT_EQ(state.loadLimit2, 80);
    EXPECT_EQ(state.loadLimit3, 70);
    EXPECT_EQ(state.powerLimit, 70);
}

TEST_F(CommandsTest, switchOnShowsTheBandsAndLoadBarsAndLocksTheLimitCommand) {
    button("Command1")->click();
    EXPECT_EQ(button("Command1")->caption(), on);
    EXPECT_EQ(button("Command1")->backColour(), ui::rgb(255, 100, 100));
    EXPECT_FALSE(button("Command3")->isEnabled());
    for (const char* name : {"Shape1", "Shape2", "Shape3", "Shape4"})
        EXPECT_TRUE(shape(name)->visible()) << name;
    for (const char* name : {"HScroll1", "HScroll2", "HScroll3"})
        EXPECT_TRUE(scroll(name)->visible()) << name;
    EXPECT_FALSE(scroll("HScroll4")->visible());
    for (const char* name : {"Label1", "Label3", "Label5", "Label7", "Label9", "Label10"})
        EXPECT_TRUE(label(name)->visible()) << name;
}

TEST_F(CommandsTest, clickingOnOffTwiceFromOffEndsSwitchedOffWithEveryLoadAtZero) {
    button("Command1")->click();
    scroll("HScroll1")->setValue(40);
    scroll("HScroll3")->setValue(12);
    button("Command1")->click();
    EXPECT_EQ(button("Command1")->caption(), off);
    EXPECT_EQ(button("Command1")->backColour(), ui::rgb(100, 255, 100));
    EXPECT_TRUE(button("Command3")->isEnabled());
    EXPECT_TRUE(button("Command3")->visible());
    for (const char* name : {"HScroll1", "HScroll2", "HScroll3", "HScroll4"}) {
        EXPECT_EQ(scroll(name)->value(), 0) << name;
        EXPECT_FALSE(scroll(name)->visible()) << name;
    }
    for (const char* name : {"Shape1", "Shape2", "Shape3", "Shape4"})
        EXPECT_FALSE(shape(name)->visible()) << name;
    for (const char* name : {"Label9", "Label10", "Label11"})
        EXPECT_FALSE(label(name)->visible()) << name;
    EXPECT_TRUE(label("Label1")->visible());
}

TEST_F(CommandsTest, theLimitCommandDoesNothingWhileSwitchedOn) {
    button("Command1")->click();
    button("Command3")->click();
    EXPECT_TRUE(timer("Timer1")->enabled());
    EXPECT_FALSE(timer("Timer2")->enabled());
    EXPECT_FALSE(scroll("HScroll4")->visible());
    EXPECT_EQ(scroll("HScroll1")->value(), 0);
}

TEST_F(CommandsTest, limitModeShowsTheLimitsOnTheBarsAndStopsTheMeasurement) {
    button("Command3")->click();
    EXPECT_EQ(scroll("HScroll1")->value(), 80);
    EXPECT_EQ(scroll("HScroll2")->value(), 80);
    EXPECT_EQ(scroll("HScroll3")->value(), 70);
    EXPECT_EQ(scroll("HScroll4")->value(), 70);
    EXPECT_FALSE(button("Command3")->isEnabled());
    EXPECT_FALSE(timer("Timer1")->enabled());
    EXPECT_TRUE(timer("Timer2")->enabled());
    for (const char* name : {"HScroll1", "HScroll2", "HScroll3", "HScroll4"})
        EXPECT_TRUE(scroll(name)->visible()) << name;
    for (const char* name : {"Label1", "Label3", "Label5", "Label7"})
        EXPECT_FALSE(label(name)->visible()) << name;
    EXPECT_EQ(button("Command1")->caption(), off);
}

TEST_F(CommandsTest, onOffDuringLimitModeSwitchesOnWithNoLoadAndHidesThePowerBar) {
    button("Command3")->click();
    button("Command1")->click();
    EXPECT_EQ(button("Command1")->caption(), on);
    EXPECT_TRUE(timer("Timer1")->enabled());
    EXPECT_FALSE(timer("Timer2")->enabled());
    EXPECT_FALSE(scroll("HScroll4")->visible());
    for (const char* name : {"HScroll1", "HScroll2", "HScroll3", "HScroll4"})
        EXPECT_EQ(scroll(name)->value(), 0) << name;
    for (const char* name : {"Label1", "Label3", "Label5", "Label7"})
        EXPECT_TRUE(label(name)->visible()) << name;
}

TEST_F(CommandsTest, theGraphButtonOnlyCallsItsHook) {
    int calls = 0;
    form->onCommand2([&] { ++calls; });
    button("Command2")->click();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(port->log()->events.size(), 1); // the load's open, nothing since
}

TEST_F(CommandsTest, closePortStopsBothTimersAndReleasesThePort) {
    form->closePort();
    EXPECT_FALSE(timer("Timer1")->enabled());
    EXPECT_FALSE(timer("Timer2")->enabled());
    EXPECT_FALSE(port->isOpen());
}

using LimitModeTest = ManualWindow;

struct LimitCase {
    int p1, p2, p3, p4;
    const char *shown2, *shown4, *shown6, *shown12;
};

TEST_F(LimitModeTest, showsEachPositionAsTheLimitItStandsForAndStoresIt) {
    const LimitCase cases[] = {
        {80, 80, 70, 70, "12.55", "6.59", "7.28", "140.00"},
        {255, 255, 255, 255, "40.00", "21.00", "26.52", "510.00"},
        {0, 0, 0, 0, "0.00", "0.00", "0.00", "0.00"},
    };
    button("Command3")->click();
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.shown12);
        scroll("HScroll1")->setValue(c.p1);
        scroll("HScroll2")->setValue(c.p2);
        scroll("HScroll3")->setValue(c.p3);
        scroll("HScroll4")->setValue(c.p4);
        form->timer2Tick();
        EXPECT_EQ(caption("Label2"), QString::fromLatin1(c.shown2));
        EXPECT_EQ(caption("Label4"), QString::fromLatin1(c.shown4));
        EXPECT_EQ(caption("Label6"), QString::fromLatin1(c.shown6));
        EXPECT_EQ(caption("Label12"), QString::fromLatin1(c.shown12));
        EXPECT_EQ(state.loadLimit1, c.p1);
        EXPECT_EQ(state.loadLimit2, c.p2);
        EXPECT_EQ(state.loadLimit3, c.p3);
        EXPECT_EQ(state.powerLimit, c.p4);
    }
    EXPECT_EQ(port->log()->events.size(), 1); // no read or write in Limit mode
}

TEST_F(LimitModeTest, newLimitsGovernTheMeasurementAfterSwitchingOn) {
    button("Command3")->click();
    scroll("HScroll1")->setValue(20);
    scroll("HScroll4")->setValue(10); // 20 W
    form->timer2Tick();
    button("Command1")->click();
    scroll("HScroll1")->setValue(60);
    tickWith({0, 128, 128, 128});
    EXPECT_EQ(caption("Label2"), QStringLiteral("3.14")); // held to 20
    EXPECT_EQ(caption("Label12"), QStringLiteral("15.69"));
    EXPECT_EQ(port->written(), (std::vector<quint8>{1, 255, 255, 235}));
}

TEST_F(LimitModeTest, sleepsWhileNoScrollBarMovesAndFollowsEachMoveWithinOneTick) {
    button("Command3")->click();
    // The first tick shows the limits as they stand; then nothing ticks until a move.
    ASSERT_TRUE(eventually([&] { return !timer("Timer2")->enabled(); }));
    EXPECT_EQ(caption("Label12"), QStringLiteral("140.00"));

    scroll("HScroll4")->triggerAction(QAbstractSlider::SliderSingleStepAdd); // an arrow click
    scroll("HScroll1")->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_TRUE(timer("Timer2")->enabled());
    ASSERT_TRUE(eventually([&] { return !timer("Timer2")->enabled(); }));
    EXPECT_EQ(caption("Label12"), QStringLiteral("142.00"));
    EXPECT_EQ(caption("Label2"), QStringLiteral("11.29")); // 72 x 40 / 255
    EXPECT_EQ(state.powerLimit, 71);
    EXPECT_EQ(state.loadLimit1, 72);

    button("Command1")->click(); // measuring: a load move is no limit
    scroll("HScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_FALSE(timer("Timer2")->enabled());
    EXPECT_EQ(state.loadLimit1, 72);
}

TEST_F(LimitModeTest, keepsThePowerReadoutColour) {
    switchOnWith(80, 80, 70);
    tickWith({65, 128, 128, 128});
    button("Command1")->click();
    button("Command3")->click();
    form->timer2Tick();
    EXPECT_EQ(label("Label12")->backColour(), ui::red);
    EXPECT_EQ(caption("Label12"), QStringLiteral("140.00"));
}

} // namespace
} // namespace velmor::testing

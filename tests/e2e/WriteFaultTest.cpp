// A byte that cannot be written: the rest of the tick, and of the command, goes on.
#include "Form1.h"
#include "GrafWindow.h"
#include "HScrollBar.h"
#include "Label.h"
#include "SweepFrames.h"

#include <gtest/gtest.h>

namespace velmor::testing {
namespace {

std::vector<quint8> without(std::vector<quint8> frame, int index) {
    frame.erase(frame.begin() + index);
    return frame;
}

class FailedByteWriteTest : public ::testing::TestWithParam<int> {};

TEST_P(FailedByteWriteTest, manualTickStillShowsEverythingAndSendsTheOtherBytes) {
    const int failing = GetParam();
    SharedState state;
    ScriptedPort* port = nullptr;
    QString error;
    auto form = Form1::load(
        state,
        [&] {
            auto made = std::make_unique<ScriptedPort>();
            port = made.get();
            return made;
        },
        &error);
    ASSERT_TRUE(form) << error.toStdString();
    form->command1Click();                                       // on
    form->findChild<ui::HScrollBar*>("HScroll1")->setValue(100); // beyond the limit of 80
    form->findChild<ui::HScrollBar*>("HScroll2")->setValue(40);
    form->findChild<ui::HScrollBar*>("HScroll3")->setValue(20);
    port->failWritesFrom(failing);
    port->queueReply({0x41, 128, 128, 128});
    form->timer1Tick();

    EXPECT_EQ(port->written(), without({1, 235, 215, 175}, failing));
    EXPECT_EQ(form->findChild<ui::Label*>("Label1")->caption(), "5.00");
    EXPECT_EQ(form->findChild<ui::Label*>("Label2")->caption(), "12.55");
    EXPECT_EQ(form->findChild<ui::Label*>("Label12")->caption(), "109.17");
    EXPECT_EQ(form->findChild<ui::HScrollBar*>("HScroll1")->value(), 80);

    port->clearWritten(); // the next tick is whole again
    port->queueReply({0x41, 128, 128, 128});
    form->timer1Tick();
    EXPECT_EQ(port->written(), (std::vector<quint8>{1, 235, 215, 175}));
}

using Graph = GrafWindow;

TEST_P(FailedByteWriteTest, sweepTickStillPaintsAdvancesAndSendsTheOtherBytes) {
    const int failing = GetParam();
    Graph g;
    ASSERT_FALSE(g.form->load());
    g.button("Command3")->click();
    g.port->clearWritten();
    g.port->failWritesFrom(4 + failing); // after the four of the load
    g.port->queueReply({0, 128, 128, 128});
    g.form->tick();
    EXPECT_EQ(g.port->written(), without({1, 255, 253, 255}, failing));
    EXPECT_EQ(g.state.load12Step, 1);
    EXPECT_EQ(unpaintedCells(*g.picture1(), 1, 1), 0);
    EXPECT_TRUE(g.label1()->caption().startsWith("5.00")) << g.label1()->caption().toStdString();
}

INSTANTIATE_TEST_SUITE_P(EachByte, FailedByteWriteTest, ::testing::Values(0, 1, 2, 3),
                         [](const auto& info) { return "byte" + std::to_string(info.param + 1); });

TEST(FailedWriteTest, endOfSweepStillEnablesSaveAndStopsTheTimer) {
    Graph g(0, 80, 70); // the first row wrap ends the sweep
    ASSERT_FALSE(g.form->load());
    g.button("Command3")->click();
    g.port->queueReply({0, 128, 128, 128});
    g.form->tick(); // cell (0, 0)
    g.port->failWritesFrom(8, 4);
    g.state.load12Step = 40; // the row is done
    g.port->queueReply({0, 128, 128, 128});
    g.form->tick();
    EXPECT_EQ(g.label1()->caption(), "ТЕСТ\r\nЗАКОНЧЕН");
    EXPECT_TRUE(g.button("Command5")->isEnabled());
    EXPECT_FALSE(g.timer1()->enabled());
}

TEST(FailedWriteTest, loadAndResetStillDoEverythingElse) {
    Graph g;
    ASSERT_TRUE(g.port);
    g.port->failWritesFrom(0, 4); // the all-off frame of the load
    ASSERT_FALSE(g.form->load());
    EXPECT_TRUE(g.port->written().empty());
    EXPECT_FALSE(g.timer1()->enabled());
    EXPECT_FALSE(g.button("Command5")->isEnabled());

    g.button("Command3")->click();
    g.port->queueReply({0, 128, 128, 128});
    g.form->tick();
    g.port->failWritesFrom(8, 4); // the all-off frame of the reset
    g.button("Command4")->click();
    EXPECT_EQ(g.state.load12Step, 0);
    EXPECT_EQ(g.state.graphSupplyOn, 0);
    EXPECT_FALSE(g.timer1()->enabled());
    EXPECT_EQ(unpaintedCells(*g.picture1(), 1, 1), 1);
}

} // namespace
} // namespace velmor::testing

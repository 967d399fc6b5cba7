#include "Eventually.h"
#include "GrafWindow.h"

#include "Deviation.h"
#include "Sweep.h"
#include "Twips.h"

#include <QTest>

#include <gtest/gtest.h>

#include <set>

using namespace velmor;
using namespace velmor::testing;

namespace {

const QByteArray nominal = bytes({0, 128, 128, 128});

QColor cellPixel(const QImage& image, int column, int row) {
    const TwipBox box = cellBox(column, row);
    return image.pixelColor(velmor::toPixels((box.x1 + box.x2) / 2, (box.y1 + box.y2) / 2));
}

std::vector<quint8> frameBytes(std::initializer_list<int> values) {
    std::vector<quint8> out;
    for (const int v : values)
        out.push_back(static_cast<quint8>(v));
    return out;
}

class FormGrafTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(w.form->load());
        w.port->clearWritten();
    }

    // One tick with a reply, as the message loop delivers it.
    void tickWith(const QByteArray& reply) {
        w.port->queueReply(reply);
        w.form->tick();
    }

    GrafWindow w;
};

TEST(FormGrafLoadTest, loadOpensThePortStopsTheTimerAndSendsAllOff) {
    GrafWindow w;
    w.state.load12Step = 12;
    w.state.load5Step = 7;
    w.state.graphSupplyOn = 1;
    ASSERT_FALSE(w.form->load());
    EXPECT_EQ(w.log->events,
              (QStringList{"open 1 9600,N,8,1", "write 0", "write 255", "write 255", "write 255"}));
    EXPECT_EQ(w.state.load12Step, 0);
    EXPECT_EQ(w.state.load5Step, 0);
    EXPECT_EQ(w.state.graphSupplyOn, 1); // kept across visits
    EXPECT_FALSE(w.timer1()->enabled());
    EXPECT_FALSE(w.button("Command5")->isEnabled());
    EXPECT_EQ(w.form->caption(), "Grafik");
    EXPECT_EQ(w.shape("Shape1")->fillColour(), ui::rgb(255, 0, 0));
    EXPECT_EQ(w.shape("Shape2")->fillColour(), ui::rgb(255, 255, 0));
    EXPECT_EQ(w.label1()->caption(), "Label1");
    EXPECT_EQ(w.button("Command1")->caption(), "Ручной режим");
    // The indicators and the readout are drawn over the plot, inside it.
    EXPECT_EQ(w.label1()->parentWidget(), w.picture1()->interior());
}

TEST(FormGrafLoadTest, failedOpenIsReturnedAndNothingIsSent) {
    GrafWindow w;
    w.openError = "Cannot open serial port /dev/ttyS0: busy";
    w.form = std::make_unique<FormGraf>(
        w.state,
        [&w] {
            auto port = std::make_unique<ScriptedPort>(w.log);
            port->failOpenWith(*w.openError);
            return port;
        },
        w.mapsFolder);
    EXPECT_EQ(w.form->load(), QString("Cannot open serial port /dev/ttyS0: busy"));
    EXPECT_TRUE(w.log->written.empty());
}

TEST_F(FormGrafTest, presetSweepRunsToItsEndThroughTheWindow) {
    w.button("Command3")->click();
    EXPECT_TRUE(w.timer1()->enabled());
    w.timer1()->setEnabled(false); // the test delivers the ticks itself
    w.form->tick();                // nothing arrived yet
    EXPECT_EQ(w.label1()->caption(), "нет\r\nСвязи");
    EXPECT_TRUE(w.port->written().empty());

    tickWith(nominal);
    EXPECT_EQ(w.port->written(), frameBytes({1, 255, 253, 255}));
    EXPECT_EQ(w.label1()->caption(), "5.00     0.00\r\n12.01   0.00\r\n3.30");
    for (int tick = 2; tick <= 1640; ++tick)
        tickWith(nominal);
    EXPECT_FALSE(w.button("Command5")->isEnabled());
    w.port->clearWritten();
    w.timer1()->setEnabled(true);
    tickWith(nominal); // tick 1,641
    EXPECT_EQ(w.label1()->caption(), "ТЕСТ\r\nЗАКОНЧЕН");
    EXPECT_EQ(w.port->written(), frameBytes({1, 255, 255, 255}));
    EXPECT_FALSE(w.timer1()->enabled());
    EXPECT_TRUE(w.button("Command5")->isEnabled());
    EXPECT_EQ(w.state.load5Step, 41);

    const QImage& map = w.picture1()->image();
    EXPECT_EQ(cellPixel(map, 0, 0), QColor(0, 255, 0));
    EXPECT_EQ(cellPixel(map, 39, 40), QColor(0, 255, 0));
    EXPECT_EQ(cellPixel(map, 40, 0), QColor(0, 0, 0)); // beyond the +12 V bound
    EXPECT_EQ(cellPixel(map, 0, 41), QColor(0, 0, 0)); // beyond the +5 V bound
}

TEST_F(FormGrafTest, worseClassColoursTheCellAndEachIndicatorItsOwn) {
    w.button("Command3")->click();
    tickWith(bytes({0, 143, 96, 128}));
    EXPECT_EQ(w.shape("Shape1")->fillColour(), ui::rgb(255, 255, 0));
    EXPECT_EQ(w.shape("Shape2")->fillColour(), ui::rgb(255, 0, 0));
    EXPECT_EQ(cellPixel(w.picture1()->image(), 0, 0), QColor(255, 0, 0));
    tickWith(bytes({0, 89, 128, 128}));
    EXPECT_EQ(cellPixel(w.picture1()->image(), 1, 0), QColor(100, 100, 100));
}

TEST_F(FormGrafTest, missingOrBlankReplyShowsNoLinkAndChangesNothingElse) {
    w.button("Command3")->click();
    tickWith(bytes({0, 143, 96, 128}));
    const QImage before = w.picture1()->image();
    w.port->clearWritten();
    for (const QByteArray& reply : {QByteArray(), bytes({1, 2}), QByteArray(" ")}) {
        tickWith(reply);
        EXPECT_EQ(w.label1()->caption(), "нет\r\nСвязи");
        EXPECT_TRUE(w.port->written().empty());
        EXPECT_EQ(w.state.load12Step, 1);
        EXPECT_EQ(w.state.load5Step, 0);
        EXPECT_EQ(w.shape("Shape1")->fillColour(), ui::rgb(255, 255, 0));
        EXPECT_EQ(w.picture1()->image(), before);
        EXPECT_TRUE(w.timer1()->enabled());
    }
}

TEST_F(FormGrafTest, pauseAndStartContinueTheSameMapWithoutRepeatingACell) {
    w.button("Command3")->click();
    for (int i = 0; i < 5; ++i)
        tickWith(nominal);
    w.button("Command2")->click();
    EXPECT_FALSE(w.timer1()->enabled());
    EXPECT_TRUE(w.port->written().size() == 20u); // pause sends nothing
    w.button("Command3")->click();
    EXPECT_TRUE(w.timer1()->enabled());
    for (int i = 0; i < 5; ++i)
        tickWith(nominal);
    std::set<int> codes;
    const auto& sent = w.port->written();
    for (std::size_t i = 2; i < sent.size(); i += 4)
        codes.insert(sent[i]);
    EXPECT_EQ(codes.size(), 10u); // ten different +12 V steps, 1..10
    EXPECT_EQ(*codes.begin(), 255 - 20);
    EXPECT_EQ(w.state.load12Step, 10);
}

TEST_F(FormGrafTest, startAfterTheEndEndsAtOnce) {
    GrafWindow small(0, 2, 70); // one row of one cell
    ASSERT_FALSE(small.form->load());
    small.button("Command3")->click();
    small.port->queueReply(nominal);
    small.form->tick();
    small.port->queueReply(nominal);
    small.form->tick();
    ASSERT_TRUE(small.button("Command5")->isEnabled());
    small.button("Command3")->click();
    EXPECT_FALSE(small.button("Command5")->isEnabled());
    small.port->clearWritten();
    small.port->queueReply(nominal);
    small.form->tick();
    EXPECT_TRUE(small.button("Command5")->isEnabled());
    EXPECT_FALSE(small.timer1()->enabled());
    EXPECT_EQ(small.port->written(), frameBytes({1, 255, 255, 255}));
    EXPECT_EQ(small.label1()->caption(), "ТЕСТ\r\nЗАКОНЧЕН");
}

TEST_F(FormGrafTest, resetSendsAllOffBeforeStoppingAndClearsTheMap) {
    w.button("Command3")->click();
    tickWith(nominal);
    tickWith(nominal);
    w.log->events.clear();
    w.button("Command4")->click();
    EXPECT_EQ(w.log->events,
              (QStringList{"drop", "write 0", "write 255", "write 255", "write 255"}));
    EXPECT_FALSE(w.timer1()->enabled());
    EXPECT_EQ(w.state.load12Step, 0);
    EXPECT_EQ(w.state.load5Step, 0);
    EXPECT_EQ(w.state.graphSupplyOn, 0);
    EXPECT_FALSE(w.button("Command5")->isEnabled());
    EXPECT_EQ(cellPixel(w.picture1()->image(), 0, 0), QColor(0, 0, 0));
    // After a reset the sweep starts over from cell 0 with the supply off until start.
    w.port->clearWritten();
    tickWith(nominal);
    EXPECT_EQ(w.port->written(), frameBytes({0, 255, 253, 255}));
}

TEST_F(FormGrafTest, theFirstCellAfterAResetIsColouredByTheReplyToTheAllOffFrame) {
    w.button("Command3")->click();
    tickWith(nominal);
    w.port->queueReply(bytes({0, 0, 0, 0})); // the reply to the last sweep frame, still unread
    w.button("Command4")->click();
    w.port->queueReply(nominal); // the reply to the all-off frame
    w.button("Command3")->click();
    w.form->tick();
    ASSERT_EQ(w.form->mapRecord().size(), 1U);
    EXPECT_EQ(w.form->mapRecord().front().b2, 128);
    EXPECT_EQ(cellPixel(w.picture1()->image(), 0, 0), ui::toQColor(classColour(0)));
}

TEST_F(FormGrafTest, lostPortShowsNoLinkAndTheSweepGoesOnWhenItIsBack) {
    w.button("Command3")->click();
    tickWith(nominal);
    tickWith(nominal);
    w.port->loseLink("/dev/ttyUSB0: device gone");
    w.port->failOpenWith("no such device");
    w.log->events.clear();
    w.form->tick();
    EXPECT_EQ(w.label1()->caption(), "нет\r\nСвязи");
    EXPECT_EQ(w.log->events.first(), "open 1 9600,N,8,1"); // tried to reopen
    EXPECT_EQ(w.form->caption(), "Grafik — порт недоступен");
    w.port->allowOpen();
    w.form->tick(); // reopened; nothing has arrived yet
    EXPECT_TRUE(w.port->isOpen());
    EXPECT_EQ(w.form->caption(), "Grafik");
    EXPECT_EQ(w.label1()->caption(), "нет\r\nСвязи");
    EXPECT_FALSE(w.log->events.join(' ').contains("write")); // nothing sent while it was gone
    w.port->clearWritten();
    tickWith(nominal);
    EXPECT_EQ(w.port->written(), frameBytes({1, 255, 255 - 6, 255}));
}

TEST_F(FormGrafTest, timerDrivesTheSweepFromTheMessageLoop) {
    for (int i = 0; i < 3; ++i)
        w.port->queueReply(nominal);
    w.button("Command3")->click();
    ASSERT_TRUE(velmor::testing::eventually([&] { return w.state.load12Step == 3; }));
    w.button("Command2")->click();
    EXPECT_EQ(w.port->written().size(), 12u);
}

} // namespace

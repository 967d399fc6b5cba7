#include "WindowSwitcher.h"

#include "CommandButton.h"
#include "HScrollBar.h"
#include "Label.h"
#include "ScriptedPort.h"
#include "Timer.h"

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace velmor;
using namespace velmor::testing;

namespace {

// The program's two windows on scripted ports that all write to one log, so the order of the
// closes and opens across the hand-over shows.
class WindowSwitcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        auto manual = Form1::load(state, makePort, &error);
        ASSERT_TRUE(manual) << error.toStdString();
        switcher.showManualWindow(std::move(manual));
        log->events.clear();
        log->written.clear();
    }

    // The windows' timers are left out: the test delivers what it needs itself.
    QStringList portSteps() const {
        QStringList steps;
        for (const QString& e : log->events)
            if (e != "read")
                steps << e;
        return steps;
    }

    // Lets the message loop destroy the windows that were unloaded.
    static void finishUnloads() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class Control> static Control* find(QWidget* window, const char* name) {
        return window->findChild<Control*>(QString::fromLatin1(name));
    }

    static void click(QWidget* window, const char* button) {
        find<ui::CommandButton>(window, button)->click();
    }

    SharedState state;
    std::shared_ptr<PortLog> log = std::make_shared<PortLog>();
    std::optional<QString> openError; // the next port made fails to open with it
    PortFactory makePort = [this] {
        auto port = std::make_unique<ScriptedPort>(log);
        if (openError)
            port->failOpenWith(*openError);
        lastPort = port.get();
        return port;
    };
    ScriptedPort* lastPort = nullptr;
    QStringList fatal;
    QTemporaryDir dir;
    WindowSwitcher switcher{
        state, makePort, MapsFolder{dir.filePath("Graf"), false},
        [this](const QString& title, const QString& error) { fatal << title << error; }};
};

TEST_F(WindowSwitcherTest, eachHandOverClosesThePortOnceBeforeTheOtherWindowOpensIt) {
    QPointer<Form1> manual = switcher.manualWindow();
    click(manual, "Command2");
    EXPECT_EQ(portSteps(), (QStringList{"close", "open 1 9600,N,8,1", "write 0", "write 255",
                                        "write 255", "write 255"}));
    finishUnloads();
    EXPECT_TRUE(manual.isNull());
    ASSERT_TRUE(switcher.graphWindow());
    EXPECT_TRUE(switcher.graphWindow()->isVisible());

    log->events.clear();
    QPointer<FormGraf> graph = switcher.graphWindow();
    click(graph, "Command1");
    EXPECT_EQ(portSteps(), (QStringList{"close", "open 1 9600,N,8,1"})); // no frame on the way back
    finishUnloads();
    EXPECT_TRUE(graph.isNull());
    ASSERT_TRUE(switcher.manualWindow());
    EXPECT_TRUE(switcher.manualWindow()->isVisible());
    EXPECT_TRUE(fatal.isEmpty());
}

TEST_F(WindowSwitcherTest, aSecondClickBeforeTheHandOverHasFinishedIsIgnored) {
    QPointer<Form1> manual = switcher.manualWindow();
    click(manual, "Command2");
    click(manual, "Command2"); // the window is not yet destroyed
    QPointer<FormGraf> graph = switcher.graphWindow();
    click(graph, "Command1");
    click(graph, "Command1");
    finishUnloads();
    EXPECT_EQ(portSteps(), (QStringList{"close", "open 1 9600,N,8,1", "write 0", "write 255",
                                        "write 255", "write 255", "close", "open 1 9600,N,8,1"}));
    EXPECT_TRUE(manual.isNull());
    EXPECT_TRUE(graph.isNull());
    ASSERT_TRUE(switcher.manualWindow());
    EXPECT_TRUE(switcher.manualWindow()->isVisible());
    EXPECT_TRUE(fatal.isEmpty());
}

// The message loop ends the program when its last window closes; it must not take the moment
// between two windows of a hand-over for that.
TEST_F(WindowSwitcherTest, handOversInTheRunningProgramDoNotEndIt) {
    bool bothWays = false;
    QTimer::singleShot(0, [this] { click(switcher.manualWindow(), "Command2"); });
    QTimer::singleShot(100, [this] { click(switcher.graphWindow(), "Command1"); });
    QTimer::singleShot(200, [this, &bothWays] {
        bothWays = switcher.manualWindow() && switcher.manualWindow()->isVisible();
        QCoreApplication::exit(7);
    });
    EXPECT_EQ(QApplication::exec(), 7);
    EXPECT_TRUE(bothWays);
}

TEST_F(WindowSwitcherTest, limitsSetInLimitModeBoundTheNextSweepAndReturnToPresetsAfterwards) {
    Form1* manual = switcher.manualWindow();
    click(manual, "Command3"); // Limit mode
    find<ui::HScrollBar>(manual, "HScroll1")->setValue(10);
    find<ui::HScrollBar>(manual, "HScroll2")->setValue(10);
    find<ui::HScrollBar>(manual, "HScroll3")->setValue(5);
    find<ui::HScrollBar>(manual, "HScroll4")->setValue(255);
    manual->timer2Tick();
    click(manual, "Command2");
    finishUnloads();

    FormGraf* graph = switcher.graphWindow();
    ASSERT_TRUE(graph);
    click(graph, "Command3");
    find<ui::Timer>(graph, "Timer1")->setEnabled(false); // ticks are delivered below
    int ticks = 0;
    while (!find<ui::CommandButton>(graph, "Command5")->isEnabled() && ticks < 1000) {
        lastPort->queueReply(bytes({0, 128, 128, 128}));
        graph->tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 6 * 5 + 1); // rows 0..5, columns 0..4, then the end
    EXPECT_EQ(state.graphSupplyOn, 1);

    click(graph, "Command1");
    finishUnloads();
    manual = switcher.manualWindow();
    ASSERT_TRUE(manual);
    EXPECT_EQ(state.loadLimit1, 80);
    EXPECT_EQ(state.loadLimit2, 80);
    EXPECT_EQ(state.loadLimit3, 70);
    EXPECT_EQ(state.powerLimit, 70);
    EXPECT_EQ(state.graphSupplyOn, 1); // kept for the next visit
    // The manual window is back as it starts: switched off, measuring, Limit mode left.
    EXPECT_EQ(find<ui::CommandButton>(manual, "Command1")->caption(), "Вкл");
    EXPECT_EQ(find<ui::Label>(manual, "Label1")->caption(), "АЦП");
    EXPECT_TRUE(find<ui::Timer>(manual, "Timer1")->enabled());
    EXPECT_FALSE(find<ui::Timer>(manual, "Timer2")->enabled());
    EXPECT_FALSE(find<ui::HScrollBar>(manual, "HScroll1")->isVisible());
}

TEST_F(WindowSwitcherTest, graphWindowStartsEmptyOnEveryVisit) {
    click(switcher.manualWindow(), "Command2");
    finishUnloads();
    FormGraf* graph = switcher.graphWindow();
    click(graph, "Command3");
    lastPort->queueReply(bytes({0, 143, 96, 128}));
    graph->tick();
    click(graph, "Command1");
    finishUnloads();
    click(switcher.manualWindow(), "Command2");
    finishUnloads();
    graph = switcher.graphWindow();
    ASSERT_TRUE(graph);
    EXPECT_EQ(state.load12Step, 0);
    EXPECT_EQ(find<ui::Label>(graph, "Label1")->caption(), "Label1");
    const QImage map = find<ui::PictureBox>(graph, "Picture1")->image();
    EXPECT_EQ(map.pixelColor(map.width() / 2, map.height() - 3), QColor(0, 0, 0));
}

// The graph window shows the design's volts, but its sweep's record names the bench's
// calibration: unknown (uncalibrated, "missing") until the store has answered, then the one it
// gave, for the window open then and every one after.
TEST_F(WindowSwitcherTest, theGraphWindowsSweepRecordNamesTheBenchsCalibration) {
    struct Started final : SweepRecorder {
        QStringList named;
        void sweepStarted(const SweepLimits&, QSize, qreal, const Calibration& calibration,
                          const QString& warning) override {
            named << calibration.id + '|' + warning;
        }
        void cellPainted(const MapCell&) override {}
        void sweepEnded(SweepEnd) override {}
        void sweepSaved(const QString&, const MapFiles&) override {}
    } recorder;
    switcher.setRecorders(nullptr, &recorder);
    Calibration overdue;
    overdue.id = QStringLiteral("c-1");
    overdue.date = QDate(2024, 1, 10);
    overdue.due = QDate(2025, 1, 10);
    const auto sweep = [this](const std::function<void()>& onceOpen = {}) {
        click(switcher.manualWindow(), "Command2");
        finishUnloads();
        FormGraf* graph = switcher.graphWindow();
        ASSERT_TRUE(graph);
        if (onceOpen)
            onceOpen();
        click(graph, "Command3");
        click(graph, "Command1");
        finishUnloads();
    };
    sweep();
    sweep([&] { switcher.setCalibration(overdue, QStringLiteral("overdue")); });
    sweep();
    EXPECT_EQ(recorder.named, (QStringList{"|missing", "c-1|overdue", "c-1|overdue"}));
}

TEST_F(WindowSwitcherTest, portThatCannotBeOpenedOnTheWayToTheGraphWindowIsFatal) {
    QPointer<Form1> manual = switcher.manualWindow();
    openError = "Cannot open serial port /dev/ttyS0: Permission denied";
    click(manual, "Command2");
    EXPECT_EQ(fatal, (QStringList{"Grafik", *openError}));
    EXPECT_EQ(portSteps(), (QStringList{"close", "open 1 9600,N,8,1"}));
    finishUnloads();
    EXPECT_TRUE(manual.isNull()); // no falling back to the window that was left
    EXPECT_FALSE(switcher.manualWindow());
    EXPECT_FALSE(switcher.graphWindow());
}

TEST_F(WindowSwitcherTest, portThatCannotBeOpenedOnTheWayBackIsFatal) {
    click(switcher.manualWindow(), "Command2");
    finishUnloads();
    QPointer<FormGraf> graph = switcher.graphWindow();
    log->events.clear();
    openError = "Cannot open serial port /dev/ttyS0: Device or resource busy";
    click(graph, "Command1");
    EXPECT_EQ(fatal, (QStringList{"Velmor test", *openError}));
    EXPECT_EQ(portSteps(), (QStringList{"close", "open 1 9600,N,8,1"}));
    finishUnloads();
    EXPECT_TRUE(graph.isNull());
    EXPECT_FALSE(switcher.manualWindow());
}

TEST_F(WindowSwitcherTest, closingAWindowByItsFrameDestroysItAndEndsTheProgram) {
    click(switcher.manualWindow(), "Command2");
    finishUnloads();
    QPointer<FormGraf> graph = switcher.graphWindow();
    QTimer::singleShot(0, [&graph] { graph->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(7); }); // only if it did not end
    EXPECT_EQ(QApplication::exec(), 0);
    finishUnloads();
    EXPECT_TRUE(graph.isNull());
    EXPECT_TRUE(fatal.isEmpty());
}

} // namespace

#pragma once

// The whole program in this process: the real windows, shown (offscreen), on the real serial
// port class, talking over a real pseudo-terminal to the simulated unit, with every timer
// running. Tests click the real buttons and check what the unit received.

#include "CommandButton.h"
#include "Eventually.h"
#include "Form1.h"
#include "FormGraf.h"
#include "HScrollBar.h"
#include "Label.h"
#include "PictureBox.h"
#include "QtPrinters.h"
#include "Shape.h"
#include "SimulatedUnit.h"
#include "TextBox.h"
#include "Wiring.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace velmor {

// Frames in failure messages as their four bytes.
inline void PrintTo(const ControlFrame& f, std::ostream* os) {
    *os << '{' << int{f.supplySwitch} << ", " << int{f.load33Code} << ", " << int{f.load12Code}
        << ", " << int{f.load5Code} << '}';
}

} // namespace velmor

namespace velmor::testing {

// Long enough for a loaded machine; the tests never depend on how quickly it holds.
inline constexpr int benchPatienceMs = 15000;
inline constexpr int programPatienceMs = 30000;

// The bench program itself, built beside the tests.
inline QString programPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/velmor-test");
}

// Runs the event loop (the simulated unit lives on it) until the process ends or the patience
// runs out; a process still running then is killed.
inline bool finishes(QProcess& process, int timeoutMs = programPatienceMs) {
    const bool ended =
        eventually([&] { return process.state() == QProcess::NotRunning; }, timeoutMs);
    if (!ended) {
        process.kill();
        process.waitForFinished(5000);
    }
    return ended;
}

class Bench : public ::testing::Test {
protected:
    // Starts the unit behind a symlink (so it can come back after a drop) and the program with
    // port 1 on that link, put together as velmor-test does; the manual window is loaded and
    // shown. With a trace path, every port records its traffic there, as --trace does.
    void startProgram(const QString& tracePath = {}) {
        ASSERT_TRUE(dir.isValid());
        const auto started = unit.start(linkPath());
        ASSERT_FALSE(started) << started->toStdString();
        auto wired = Program::wire({linkPath(), tracePath, QStringLiteral("off"), {}});
        ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Program>>(wired))
            << std::get<QString>(wired).toStdString();
        program = std::move(std::get<0>(wired));
        ASSERT_TRUE(QDir().mkpath(mapsFolder.path));
        ASSERT_TRUE(program->openWindows(
            state, mapsFolder,
            [this](const QString& title, const QString& error) { fatal << title << error; }));
        ASSERT_TRUE(eventually([&] { return unit.hasListener(); }, benchPatienceMs));
    }

    void TearDown() override {
        program.reset(); // the windows go before the unit
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A name of its own, so the port's lock file cannot meet another test's.
    QString linkPath() const {
        return dir.filePath(
            QStringLiteral("velmor-e2e-%1").arg(QCoreApplication::applicationPid()));
    }

    Form1* manual() const { return program->switcher()->manualWindow(); }
    FormGraf* graph() const { return program->switcher()->graphWindow(); }

    template <class Control> static Control* find(QWidget* window, const char* name) {
        auto* control = window ? window->findChild<Control*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    static ui::Label* label(QWidget* window, const char* name) {
        return find<ui::Label>(window, name);
    }
    static ui::HScrollBar* scroll(QWidget* window, const char* name) {
        return find<ui::HScrollBar>(window, name);
    }
    static ui::CommandButton* button(QWidget* window, const char* name) {
        return find<ui::CommandButton>(window, name);
    }

    // A mouse click on the button, as the operator makes it.
    static void click(QWidget* window, const char* name) {
        ui::CommandButton* b = button(window, name);
        ASSERT_TRUE(b);
        ASSERT_TRUE(b->isVisible() && b->isEnabled()) << name << " cannot be clicked";
        QTest::mouseClick(b, Qt::LeftButton);
    }

    static void setLoads(QWidget* window, int s5, int s12, int s33) {
        scroll(window, "HScroll1")->setValue(s5);
        scroll(window, "HScroll2")->setValue(s12);
        scroll(window, "HScroll3")->setValue(s33);
    }

    // Limit mode from the initial or switched-off manual window, the limits set with the scroll
    // bars and taken by the Limit-mode timer.
    void setLimits(int limit1, int limit2, int limit3, int power) {
        click(manual(), "Command3");
        scroll(manual(), "HScroll4")->setValue(power);
        setLoads(manual(), limit1, limit2, limit3);
        ASSERT_TRUE(eventually(
            [&] {
                return state.loadLimit1 == limit1 && state.loadLimit2 == limit2 &&
                       state.loadLimit3 == limit3 && state.powerLimit == power;
            },
            benchPatienceMs));
    }

    // The manual window's Command2, and the graph window loaded, shown and holding the port.
    void toGraph() {
        click(manual(), "Command2");
        ASSERT_TRUE(fatal.isEmpty()) << fatal.join(": ").toStdString();
        ASSERT_TRUE(graph());
        ASSERT_TRUE(eventually([&] { return !manual() && graph()->isVisible(); }));
    }

    size_t frameCount() const { return unit.receivedFrames().size(); }

    // The frames the unit received from the given index on.
    std::vector<ControlFrame> framesFrom(size_t first) const {
        std::vector<ControlFrame> frames;
        const auto& all = unit.receivedFrames();
        for (size_t i = first; i < all.size(); ++i)
            frames.push_back(all[i].frame);
        return frames;
    }

    bool waitForFrames(size_t count, int timeoutMs = benchPatienceMs) {
        return eventually([&] { return frameCount() >= count; }, timeoutMs);
    }

    // Lets the program run for a while; no assertion depends on how much happens meanwhile.
    static void run(int milliseconds) { QTest::qWait(milliseconds); }

    QTemporaryDir dir;
    sim::SimulatedUnit unit;
    SharedState state;
    MapsFolder mapsFolder{dir.filePath(QStringLiteral("Graf")), false};
    QStringList fatal;
    std::unique_ptr<Program> program;
};

} // namespace velmor::testing

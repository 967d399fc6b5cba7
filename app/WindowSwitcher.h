#pragma once

#include "Form1.h"
#include "FormGraf.h"
#include "SerialPort.h"
#include "SharedState.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

namespace velmor {

// Hands the screen and the port from one window to the other. Outside a hand-over exactly one
// window exists and only it holds the port; the shared state outlives both. Each hand-over
// closes the old window's port before the new window opens its own, and is started by a click
// inside the window being left, so that window is destroyed only once its handler has returned.
// Closing a window with its frame's close control destroys it with its port.
class WindowSwitcher final {
public:
    // Called when the new window's port cannot be opened during a hand-over, with that window's
    // caption and the error; the program cannot go on (the old window is gone or closed its port).
    using Fatal = std::function<void(const QString& title, const QString& error)>;

    // The graph window saves its maps into mapsFolder.
    WindowSwitcher(SharedState& state, PortFactory makePort, MapsFolder mapsFolder, Fatal fatal);
    ~WindowSwitcher();
    WindowSwitcher(const WindowSwitcher&) = delete;
    WindowSwitcher& operator=(const WindowSwitcher&) = delete;

    // Who keeps the test records of the windows made from now on; none by default.
    void setRecorders(SessionRecorder* sessions, SweepRecorder* sweeps) {
        sessionRecorder_ = sessions;
        sweepRecorder_ = sweeps;
    }

    // The bench's calibration the graph windows' sweeps are recorded with, now and from now on
    // (FormGraf::setCalibration).
    void setCalibration(const Calibration& calibration, const QString& warning);

    // Takes the loaded start-up window and shows it.
    void showManualWindow(std::unique_ptr<Form1> manual);

    // The window that exists now, if it is that one.
    Form1* manualWindow() const { return manual_; }
    FormGraf* graphWindow() const { return graph_; }

private:
    void toGraph();  // the manual window's Command2
    void toManual(); // the graph window's Command1
    void adopt(QWidget* window);

    SharedState& state_;
    PortFactory makePort_;
    MapsFolder mapsFolder_;
    Fatal fatal_;
    QPointer<Form1> manual_;
    QPointer<FormGraf> graph_;
    SessionRecorder* sessionRecorder_ = nullptr;
    SweepRecorder* sweepRecorder_ = nullptr;
    Calibration calibration_{};
    QString calibrationWarning_ = QStringLiteral("missing"); // until the store has answered
};

} // namespace velmor

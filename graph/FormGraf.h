#pragma once

#include "Calibration.h"
#include "Form.h"
#include "MapRecord.h"
#include "MapsFolder.h"
#include "PortRecovery.h"
#include "SerialPort.h"
#include "SharedState.h"
#include "SweepRecorder.h"

#include <functional>
#include <memory>
#include <optional>

namespace ui {
class CommandButton;
class Label;
class PictureBox;
class Shape;
class Timer;
} // namespace ui

namespace velmor {

// The graph window: the cross-load map on Picture1 with the two deviation indicators and the
// readout over it, the save, reset, pause and start buttons, and the way back to manual mode.
// The sweep's steps and supply switch live in the shared state, so they outlive the window.
class FormGraf : public ui::Form {
    Q_OBJECT
public:
    // Creates the window as designed, with its own port object (closed until load()); saved
    // maps go into the given folder.
    FormGraf(SharedState& state, const PortFactory& makePort, MapsFolder mapsFolder,
             QWidget* parent = nullptr);
    ~FormGraf() override;

    // The load handler: both steps to 0, the port opened, Timer1 stopped, the all-off frame
    // sent, save disabled. Returns the port's error when it cannot be opened; nothing after
    // the open has run then.
    std::optional<QString> load();

    // The tick of Timer1: one step of the sweep.
    void tick();

    // What "Ручной режим" does once the window has closed its port: load the manual window
    // and unload this one. Set by whoever switches between the windows.
    void onManualMode(std::function<void()> handler) { manualMode_ = std::move(handler); }

    // Stops the sweep timer and closes the window's port, before another window opens one.
    void closePort();

    // The cells painted since the window loaded or was reset, in painting order.
    const MapRecord& mapRecord() const { return mapRecord_; }

    // Who keeps the test record of each sweep; none by default. It must outlive the window.
    void setRecorder(SweepRecorder* recorder) { recorder_ = recorder; }
    // The bench's calibration each recorded sweep names, so that its verdict can be judged again
    // with it, and "overdue" or "missing" where the bench's calibration was; the window itself
    // shows the design's volts. Until told, the calibration is unknown: uncalibrated, "missing".
    void setCalibration(Calibration calibration, QString warning) {
        calibration_ = std::move(calibration);
        calibrationWarning_ = std::move(warning);
    }

    // Tells the operator why a map was not saved; a message box by default.
    void onSaveError(std::function<void(const QString&)> report) { saveError_ = std::move(report); }

private:
    void buildControls();
    void linkChanged(const std::optional<QString>& lostReason);

    void start();        // Command3
    void pause();        // Command2
    void reset();        // Command4
    void save();         // Command5
    void backToManual(); // Command1
    void endRecordedSweep(SweepEnd end);

    SharedState& state_;
    std::unique_ptr<SerialPort> port_;
    PortRecovery recovery_;
    std::function<void()> manualMode_;
    std::function<void(const QString&)> saveError_;
    MapRecord mapRecord_;
    MapsFolder mapsFolder_;
    SweepRecorder* recorder_ = nullptr;
    Calibration calibration_{};
    QString calibrationWarning_ = QStringLiteral("missing");
    bool sweepRecorded_ = false; // a recorded sweep is open
    bool linkDown_ = false;

    ui::PictureBox* mapPicture_ = nullptr;      // Picture1
    ui::Shape* indicator5_ = nullptr;           // Shape1: the +5 V deviation's colour
    ui::Shape* indicator12_ = nullptr;          // Shape2: the +12 V deviation's colour
    ui::Label* readout_ = nullptr;              // Label1
    ui::CommandButton* manualButton_ = nullptr; // Command1
    ui::CommandButton* pauseButton_ = nullptr;  // Command2
    ui::CommandButton* startButton_ = nullptr;  // Command3
    ui::CommandButton* resetButton_ = nullptr;  // Command4
    ui::CommandButton* saveButton_ = nullptr;   // Command5
    ui::Timer* sweepTimer_ = nullptr;           // Timer1
};

} // namespace velmor

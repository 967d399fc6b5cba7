#pragma once

#include "Form.h"
#include "MeasurementCycle.h"
#include "PortRecovery.h"
#include "SerialPort.h"
#include "SessionRecorder.h"
#include "SharedState.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace ui {
class CommandButton;
class HScrollBar;
class Label;
class Shape;
class TextBox;
class Timer;
} // namespace ui

namespace velmor {

// The manual test window: the On/Off button, a load scroll bar per output, the voltage,
// current and power readouts, Limit mode and the way to the graph window. It keeps whether the
// supply is switched on and whether the limits are being set; the measurement cycle's decisions
// come from measurementStep, and the window applies them to its controls and port.
class Form1 final : public ui::Form {
    Q_OBJECT
public:
    // Creates the window as designed and runs its load handler: "АЦП" in Label1, the
    // measurement timer on, port 1 opened (a port object from makePort), Command1 green and the
    // limits preset to 80, 80, 70, 70. When the port cannot be opened, returns nothing and puts
    // the reason (naming the device) in *error; no window is left behind.
    static std::unique_ptr<Form1> load(SharedState& state, const PortFactory& makePort,
                                       QString* error);

    ~Form1() override;

    // What a click on Command2 ("График    КНХ") does: the hand-over to the graph window. The
    // handler runs inside the click, so it must not destroy this window directly (deleteLater).
    void onCommand2(std::function<void()> handler) { command2Handler_ = std::move(handler); }

    // Who keeps the test record of each session; none by default. It must outlive the window.
    void setRecorder(SessionRecorder* recorder) { recorder_ = recorder; }

    // Stops both timers and closes the port; the first step of handing the port to the graph
    // window.
    void closePort();

    // The handlers, as the message loop runs them (tests call them directly).
    void command1Click(); // switch the supply on or off
    void command2Click(); // to the graph window
    void command3Click(); // enter Limit mode
    void timer1Tick();    // the measurement cycle
    void timer2Tick();    // Limit mode: the displays and the limits follow the scroll bars

private:
    Form1(SharedState& state, std::unique_ptr<SerialPort> port);

    std::optional<QString> loadHandler();
    void switchOff();
    void switchOn();
    void setBands(bool visible);
    void setRowCaptions(bool visible);
    void setVoltageColumn(bool visible);
    void setLoadScrollsVisible(bool visible);
    void setLoadSettings(const LoadSettings& settings);
    void showMeasured(const ManualMeasurement& measured);
    void limitScrollMoved();
    void linkChanged(const std::optional<QString>& lostReason);
    void recordReading(const ReplyFrame& reply, const ManualMeasurement& measured, bool clamped);

    SharedState& state_;
    std::unique_ptr<SerialPort> port_;
    PortRecovery recovery_; // reads, and opens the port again after an unplugged adapter
    std::function<void()> command2Handler_;
    bool supplyOn_ = false;
    bool settingLimits_ = false;
    SessionRecorder* recorder_ = nullptr;

    ui::CommandButton* supplyButton_;       // Command1
    ui::CommandButton* graphButton_;        // Command2
    ui::CommandButton* limitButton_;        // Command3
    ui::HScrollBar* load5Scroll_;           // HScroll1
    ui::HScrollBar* load12Scroll_;          // HScroll2
    ui::HScrollBar* load33Scroll_;          // HScroll3
    ui::HScrollBar* powerLimitScroll_;      // HScroll4
    ui::Label* volts5Readout_;              // Label1
    ui::Label* amps5Readout_;               // Label2
    ui::Label* volts12Readout_;             // Label3
    ui::Label* amps12Readout_;              // Label4
    ui::Label* volts33Readout_;             // Label5
    ui::Label* amps33Readout_;              // Label6
    ui::Label* voltageHeading_;             // Label7
    std::array<ui::Label*, 3> rowCaptions_; // Label9, Label10, Label11: +5V, +12V, +3,3V
    ui::Label* powerReadout_;               // Label12
    std::array<ui::Shape*, 4> bands_;       // Shape1 to Shape4
    ui::TextBox* diagnosticBox_;            // Text1
    ui::Timer* measurementTimer_;           // Timer1
    ui::Timer* limitTimer_;                 // Timer2
};

} // namespace velmor

#pragma once

#include "Form.h"
#include "PortRecovery.h"
#include "SerialPort.h"
#include "SessionRecorder.h"
#include "SharedState.h"

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
// current and power readouts, Limit mode and the way to the graph window. Its mode lives in
// its controls: the caption of Command1, the visibility of the scroll bars and which timer
// runs.
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
    void timer2Tick();    // Limit mode

private:
    Form1(SharedState& state, std::unique_ptr<SerialPort> port);

    std::optional<QString> loadHandler();
    void switchOff();
    void switchOn();
    void setBands(bool visible);
    void setRowCaptions(bool visible);
    void setVoltageColumn(bool visible);
    void showNoLink();
    void linkChanged(const std::optional<QString>& lostReason);
    void recordReading(const ReplyFrame& reply, double power, bool clamped);

    SharedState& state_;
    std::unique_ptr<SerialPort> port_;
    PortRecovery recovery_; // reads, and opens the port again after an unplugged adapter
    std::function<void()> command2Handler_;
    SessionRecorder* recorder_ = nullptr;

    ui::CommandButton* command1_;
    ui::CommandButton* command2_;
    ui::CommandButton* command3_;
    ui::HScrollBar* hScroll1_;
    ui::HScrollBar* hScroll2_;
    ui::HScrollBar* hScroll3_;
    ui::HScrollBar* hScroll4_;
    ui::Label* label1_;
    ui::Label* label2_;
    ui::Label* label3_;
    ui::Label* label4_;
    ui::Label* label5_;
    ui::Label* label6_;
    ui::Label* label7_;
    ui::Label* label9_;
    ui::Label* label10_;
    ui::Label* label11_;
    ui::Label* label12_;
    ui::Shape* shape1_;
    ui::Shape* shape2_;
    ui::Shape* shape3_;
    ui::Shape* shape4_;
    ui::TextBox* text1_;
    ui::Timer* timer1_;
    ui::Timer* timer2_;
};

} // namespace velmor

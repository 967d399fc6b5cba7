#include "Form1.h"

#include "CommandButton.h"
#include "Conversions.h"
#include "Form1Layout.h"
#include "Frames.h"
#include "HScrollBar.h"
#include "Label.h"
#include "LimitSetting.h"
#include "LineSettings.h"
#include "MeasurementCycle.h"
#include "Operator.h"
#include "Shape.h"
#include "TextBox.h"
#include "Timer.h"

namespace velmor {

namespace {

const QString switchedOff = QStringLiteral("Вкл"); // offers to switch on
const QString switchedOn = QStringLiteral("Выкл");
constexpr ui::Colour green = ui::rgb(100, 255, 100);
constexpr ui::Colour pink = ui::rgb(255, 100, 100);

template <class Control> Control* need(const ui::Form& form, const char* name) {
    auto* control = form.control<Control>(QString::fromLatin1(name));
    if (!control)
        qFatal("Form1 has no control %s", name);
    return control;
}

} // namespace

std::unique_ptr<Form1> Form1::load(SharedState& state, const PortFactory& makePort,
                                   QString* error) {
    std::unique_ptr<Form1> form(new Form1(state, makePort()));
    if (auto failure = form->loadHandler()) {
        if (error)
            *error = *failure;
        return nullptr;
    }
    return form;
}

Form1::Form1(SharedState& state, std::unique_ptr<SerialPort> port)
    : ui::Form(form1Caption, form1ClientWidth, form1ClientHeight, Frame::FixedSingle,
               ui::sys::buttonFace),
      state_(state), port_(std::move(port)),
      recovery_(*port_, [this](const std::optional<QString>& lost) { linkChanged(lost); }) {
    setObjectName(QStringLiteral("Form1"));
    buildForm1Layout(*this);

    command1_ = need<ui::CommandButton>(*this, "Command1");
    command2_ = need<ui::CommandButton>(*this, "Command2");
    command3_ = need<ui::CommandButton>(*this, "Command3");
    hScroll1_ = need<ui::HScrollBar>(*this, "HScroll1");
    hScroll2_ = need<ui::HScrollBar>(*this, "HScroll2");
    hScroll3_ = need<ui::HScrollBar>(*this, "HScroll3");
    hScroll4_ = need<ui::HScrollBar>(*this, "HScroll4");
    label1_ = need<ui::Label>(*this, "Label1");
    label2_ = need<ui::Label>(*this, "Label2");
    label3_ = need<ui::Label>(*this, "Label3");
    label4_ = need<ui::Label>(*this, "Label4");
    label5_ = need<ui::Label>(*this, "Label5");
    label6_ = need<ui::Label>(*this, "Label6");
    label7_ = need<ui::Label>(*this, "Label7");
    label9_ = need<ui::Label>(*this, "Label9");
    label10_ = need<ui::Label>(*this, "Label10");
    label11_ = need<ui::Label>(*this, "Label11");
    label12_ = need<ui::Label>(*this, "Label12");
    shape1_ = need<ui::Shape>(*this, "Shape1");
    shape2_ = need<ui::Shape>(*this, "Shape2");
    shape3_ = need<ui::Shape>(*this, "Shape3");
    shape4_ = need<ui::Shape>(*this, "Shape4");
    text1_ = need<ui::TextBox>(*this, "Text1");
    timer1_ = need<ui::Timer>(*this, "Timer1");
    timer2_ = need<ui::Timer>(*this, "Timer2");

    command1_->onClick([this] { command1Click(); });
    command2_->onClick([this] { command2Click(); });
    command3_->onClick([this] { command3Click(); });
    timer1_->onTick([this] { timer1Tick(); });
    timer2_->onTick([this] { timer2Tick(); });
}

Form1::~Form1() {
    if (recorder_)
        recorder_->sessionEnded(SessionEnd::Exited);
}

std::optional<QString> Form1::loadHandler() {
    label1_->setCaption(QStringLiteral("АЦП"));
    timer1_->setEnabled(true);
    if (auto error = port_->open(unitPortNumber, unitLineSettings)) {
        timer1_->setEnabled(false);
        return error;
    }
    command1_->setBackColour(green);
    state_.loadLimit1 = 80;
    state_.loadLimit2 = 80;
    state_.loadLimit3 = 70;
    state_.powerLimit = 70;
    return std::nullopt;
}

void Form1::closePort() {
    timer1_->setEnabled(false);
    timer2_->setEnabled(false);
    port_->close();
}

void Form1::command1Click() {
    timer1_->setEnabled(true);
    timer2_->setEnabled(false);
    const QString caption = command1_->caption();
    if (caption == switchedOn)
        switchOff();
    else if (caption == switchedOff)
        switchOn();
    hScroll1_->setValue(0);
    hScroll2_->setValue(0);
    hScroll3_->setValue(0);
    hScroll4_->setValue(0);
}

void Form1::switchOff() {
    if (recorder_)
        recorder_->sessionEnded(SessionEnd::SwitchedOff);
    command1_->setCaption(switchedOff);
    command1_->setBackColour(green);
    setBands(false);
    setRowCaptions(false);
    command3_->setEnabled(true);
    command3_->setVisible(true);
    hScroll1_->setVisible(false);
    hScroll2_->setVisible(false);
    hScroll3_->setVisible(false);
    hScroll4_->setVisible(false);
}

void Form1::switchOn() {
    if (recorder_)
        recorder_->sessionStarted();
    command1_->setCaption(switchedOn);
    command1_->setBackColour(pink);
    command3_->setEnabled(false);
    setBands(true);
    setRowCaptions(true);
    hScroll1_->setVisible(true);
    hScroll2_->setVisible(true);
    hScroll3_->setVisible(true);
    hScroll4_->setVisible(false);
    setVoltageColumn(true);
}

void Form1::command2Click() {
    if (recorder_)
        recorder_->sessionEnded(SessionEnd::HandedOver);
    if (command2Handler_)
        command2Handler_();
}

void Form1::command3Click() {
    hScroll1_->setValue(state_.loadLimit1);
    hScroll2_->setValue(state_.loadLimit2);
    hScroll3_->setValue(state_.loadLimit3);
    hScroll4_->setValue(state_.powerLimit);
    command3_->setEnabled(false);
    timer2_->setEnabled(true);
    timer1_->setEnabled(false);
    setBands(true);
    setRowCaptions(true);
    hScroll1_->setVisible(true);
    hScroll2_->setVisible(true);
    hScroll3_->setVisible(true);
    hScroll4_->setVisible(true);
    setVoltageColumn(false);
}

void Form1::setBands(bool visible) {
    shape1_->setVisible(visible);
    shape2_->setVisible(visible);
    shape3_->setVisible(visible);
    shape4_->setVisible(visible);
}

void Form1::setRowCaptions(bool visible) {
    label9_->setVisible(visible);
    label10_->setVisible(visible);
    label11_->setVisible(visible);
}

void Form1::setVoltageColumn(bool visible) {
    label1_->setVisible(visible);
    label3_->setVisible(visible);
    label5_->setVisible(visible);
    label7_->setVisible(visible);
}

void Form1::timer1Tick() {
    label12_->setBackColour(ui::white);
    state_.lastReply = recovery_.read();
    const auto reply = replyFrame(state_.lastReply);
    if (!reply) {
        showNoLink();
        return;
    }

    text1_->setText(diagnosticLine(*reply));
    label1_->setCaption(formatReading(volts5Manual(reply->b2)));
    label3_->setCaption(formatReading(volts12(reply->b3)));
    label5_->setCaption(formatReading(volts33(reply->b4)));

    const bool clamped = hScroll1_->value() > state_.loadLimit1 ||
                         hScroll2_->value() > state_.loadLimit2 ||
                         hScroll3_->value() > state_.loadLimit3;
    hScroll1_->setValue(clampToLimit(hScroll1_->value(), state_.loadLimit1));
    hScroll2_->setValue(clampToLimit(hScroll2_->value(), state_.loadLimit2));
    hScroll3_->setValue(clampToLimit(hScroll3_->value(), state_.loadLimit3));

    label2_->setCaption(formatReading(current5(hScroll1_->value())));
    label4_->setCaption(formatReading(current12(hScroll2_->value())));
    label6_->setCaption(formatReading(current33(hScroll3_->value())));

    // The power is worked out from the voltages as shown, read back from the readouts.
    const double power =
        totalPower(parseReading(label1_->caption()), parseReading(label3_->caption()),
                   parseReading(label5_->caption()), hScroll1_->value(), hScroll2_->value(),
                   hScroll3_->value());
    label12_->setCaption(formatReading(power));
    recordReading(*reply, power, clamped); // the settings before an overload cut
    if (isOverload(power, state_.powerLimit)) {
        hScroll1_->setValue(0);
        hScroll2_->setValue(0);
        hScroll3_->setValue(0);
        label12_->setBackColour(ui::red);
    }

    // Last, so the unit never gets more load than the clamp and the cut allow.
    sendFrame(*port_, controlFrame(hScroll1_->visible(), hScroll1_->value(), hScroll2_->value(),
                                   hScroll3_->value()));
}

void Form1::showNoLink() {
    label1_->setCaption(noLink5);
    label3_->setCaption(noLink12);
    label5_->setCaption(noLink33);
}

void Form1::linkChanged(const std::optional<QString>& lostReason) {
    // Told once when the port goes and once when it is back; the readouts meanwhile show no link.
    ui::showLinkState(this, form1Caption, lostReason, timer1Interval);
    if (recorder_)
        recorder_->linkChanged(lostReason);
}

void Form1::recordReading(const ReplyFrame& reply, double power, bool clamped) {
    if (recorder_)
        recorder_->reading({reply, hScroll1_->value(), hScroll2_->value(), hScroll3_->value(),
                            power, isOverload(power, state_.powerLimit), clamped});
}

void Form1::timer2Tick() {
    const LimitDisplays shown = limitDisplays(hScroll1_->value(), hScroll2_->value(),
                                              hScroll3_->value(), hScroll4_->value());
    label2_->setCaption(shown.current5);
    label4_->setCaption(shown.current12);
    label6_->setCaption(shown.current33);
    label12_->setCaption(shown.powerWatts);
    state_.loadLimit1 = static_cast<qint16>(hScroll1_->value());
    state_.loadLimit2 = static_cast<qint16>(hScroll2_->value());
    state_.loadLimit3 = static_cast<qint16>(hScroll3_->value());
    state_.powerLimit = static_cast<qint16>(hScroll4_->value());
}

} // namespace velmor

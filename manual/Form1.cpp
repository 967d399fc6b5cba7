#include "Form1.h"

#include "CommandButton.h"
#include "Conversions.h"
#include "Form1Layout.h"
#include "Frames.h"
#include "HScrollBar.h"
#include "Label.h"
#include "LimitSetting.h"
#include "LineSettings.h"
#include "Operator.h"
#include "Shape.h"
#include "TextBox.h"
#include "Timer.h"

namespace velmor {

namespace {

const QString switchedOff = QStringLiteral("Вкл"); // offers to switch on
const QString switchedOn = QStringLiteral("Выкл");
constexpr Colour green = rgb(100, 255, 100); // offers to switch on
constexpr Colour pink = rgb(255, 100, 100);

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

    supplyButton_ = need<ui::CommandButton>(*this, "Command1");
    graphButton_ = need<ui::CommandButton>(*this, "Command2");
    limitButton_ = need<ui::CommandButton>(*this, "Command3");
    load5Scroll_ = need<ui::HScrollBar>(*this, "HScroll1");
    load12Scroll_ = need<ui::HScrollBar>(*this, "HScroll2");
    load33Scroll_ = need<ui::HScrollBar>(*this, "HScroll3");
    powerLimitScroll_ = need<ui::HScrollBar>(*this, "HScroll4");
    volts5Readout_ = need<ui::Label>(*this, "Label1");
    amps5Readout_ = need<ui::Label>(*this, "Label2");
    volts12Readout_ = need<ui::Label>(*this, "Label3");
    amps12Readout_ = need<ui::Label>(*this, "Label4");
    volts33Readout_ = need<ui::Label>(*this, "Label5");
    amps33Readout_ = need<ui::Label>(*this, "Label6");
    voltageHeading_ = need<ui::Label>(*this, "Label7");
    rowCaptions_ = {need<ui::Label>(*this, "Label9"), need<ui::Label>(*this, "Label10"),
                    need<ui::Label>(*this, "Label11")};
    powerReadout_ = need<ui::Label>(*this, "Label12");
    bands_ = {need<ui::Shape>(*this, "Shape1"), need<ui::Shape>(*this, "Shape2"),
              need<ui::Shape>(*this, "Shape3"), need<ui::Shape>(*this, "Shape4")};
    diagnosticBox_ = need<ui::TextBox>(*this, "Text1");
    measurementTimer_ = need<ui::Timer>(*this, "Timer1");
    limitTimer_ = need<ui::Timer>(*this, "Timer2");

    supplyButton_->onClick([this] { command1Click(); });
    graphButton_->onClick([this] { command2Click(); });
    limitButton_->onClick([this] { command3Click(); });
    measurementTimer_->onTick([this] { timer1Tick(); });
    limitTimer_->onTick([this] { timer2Tick(); });
    // Limit mode ticks only after a move, so the program sleeps while no scroll bar moves.
    for (ui::HScrollBar* scroll : {load5Scroll_, load12Scroll_, load33Scroll_, powerLimitScroll_})
        connect(scroll, &QAbstractSlider::valueChanged, this, [this] { limitScrollMoved(); });
}

Form1::~Form1() {
    if (recorder_)
        recorder_->sessionEnded(SessionEnd::Exited);
}

std::optional<QString> Form1::loadHandler() {
    volts5Readout_->setCaption(QStringLiteral("АЦП"));
    measurementTimer_->setEnabled(true);
    if (auto error = port_->open(unitPortNumber, unitLineSettings)) {
        measurementTimer_->setEnabled(false);
        return error;
    }
    supplyButton_->setBackColour(green);
    static_cast<LoadLimits&>(state_) = presetLimits;
    return std::nullopt;
}

void Form1::closePort() {
    measurementTimer_->setEnabled(false);
    limitTimer_->setEnabled(false);
    settingLimits_ = false;
    port_->close();
}

void Form1::command1Click() {
    measurementTimer_->setEnabled(true);
    limitTimer_->setEnabled(false);
    settingLimits_ = false;
    port_->holdInput(false);
    if (supplyOn_)
        switchOff();
    else
        switchOn();
    setLoadSettings({});
    powerLimitScroll_->setValue(0);
}

void Form1::switchOff() {
    if (recorder_)
        recorder_->sessionEnded(SessionEnd::SwitchedOff);
    supplyOn_ = false;
    supplyButton_->setCaption(switchedOff);
    supplyButton_->setBackColour(green);
    setBands(false);
    setRowCaptions(false);
    limitButton_->setEnabled(true);
    limitButton_->setVisible(true);
    setLoadScrollsVisible(false);
    powerLimitScroll_->setVisible(false);
}

void Form1::switchOn() {
    if (recorder_)
        recorder_->sessionStarted();
    supplyOn_ = true;
    supplyButton_->setCaption(switchedOn);
    supplyButton_->setBackColour(pink);
    limitButton_->setEnabled(false);
    setBands(true);
    setRowCaptions(true);
    setLoadScrollsVisible(true);
    powerLimitScroll_->setVisible(false);
    setVoltageColumn(true);
}

void Form1::command2Click() {
    if (recorder_)
        recorder_->sessionEnded(SessionEnd::HandedOver);
    if (command2Handler_)
        command2Handler_();
}

void Form1::command3Click() {
    setLoadSettings({state_.loadLimit1, state_.loadLimit2, state_.loadLimit3});
    powerLimitScroll_->setValue(state_.powerLimit);
    limitButton_->setEnabled(false);
    settingLimits_ = true;
    port_->holdInput(true);        // nothing is read until the measurement resumes
    limitTimer_->setEnabled(true); // the first tick shows the limits as they stand
    measurementTimer_->setEnabled(false);
    setBands(true);
    setRowCaptions(true);
    setLoadScrollsVisible(true);
    powerLimitScroll_->setVisible(true);
    setVoltageColumn(false);
}

void Form1::setBands(bool visible) {
    for (ui::Shape* band : bands_)
        band->setVisible(visible);
}

void Form1::setRowCaptions(bool visible) {
    for (ui::Label* caption : rowCaptions_)
        caption->setVisible(visible);
}

void Form1::setVoltageColumn(bool visible) {
    volts5Readout_->setVisible(visible);
    volts12Readout_->setVisible(visible);
    volts33Readout_->setVisible(visible);
    voltageHeading_->setVisible(visible);
}

void Form1::setLoadScrollsVisible(bool visible) {
    load5Scroll_->setVisible(visible);
    load12Scroll_->setVisible(visible);
    load33Scroll_->setVisible(visible);
}

void Form1::setLoadSettings(const LoadSettings& settings) {
    load5Scroll_->setValue(settings.load5);
    load12Scroll_->setValue(settings.load12);
    load33Scroll_->setValue(settings.load33);
}

void Form1::timer1Tick() {
    state_.lastReply = recovery_.read();
    const LoadSettings settings{load5Scroll_->value(), load12Scroll_->value(),
                                load33Scroll_->value()};
    const ManualMeasurement measured =
        measurementStep(replyFrame(state_.lastReply), settings, state_, supplyOn_);
    showMeasured(measured);
    if (measured.linked)
        recordReading(*replyFrame(state_.lastReply), measured, settings != measured.clamped);
    if (measured.frame)
        sendFrame(*port_, *measured.frame);
}

void Form1::showMeasured(const ManualMeasurement& measured) {
    powerReadout_->setBackColour(measured.powerBack);
    volts5Readout_->setCaption(measured.volts5Caption);
    volts12Readout_->setCaption(measured.volts12Caption);
    volts33Readout_->setCaption(measured.volts33Caption);
    if (!measured.linked)
        return; // the rest stays as the last usable reply left it
    diagnosticBox_->setText(measured.diagnostic);
    amps5Readout_->setCaption(measured.amps5Caption);
    amps12Readout_->setCaption(measured.amps12Caption);
    amps33Readout_->setCaption(measured.amps33Caption);
    powerReadout_->setCaption(measured.powerCaption);
    setLoadSettings(measured.settings);
}

void Form1::linkChanged(const std::optional<QString>& lostReason) {
    // Told once when the port goes and once when it is back; the readouts meanwhile show no link.
    ui::showLinkState(this, form1Caption, lostReason, timer1Interval);
    if (recorder_)
        recorder_->linkChanged(lostReason);
}

void Form1::recordReading(const ReplyFrame& reply, const ManualMeasurement& measured,
                          bool clamped) {
    // The settings the power was worked out from: clamped, before an overload cut.
    if (recorder_)
        recorder_->reading({reply, measured.clamped.load5, measured.clamped.load12,
                            measured.clamped.load33, measured.power, measured.overload, clamped});
}

void Form1::limitScrollMoved() {
    if (settingLimits_)
        limitTimer_->setEnabled(true); // a tick within 10 ms; further moves meanwhile join it
}

void Form1::timer2Tick() {
    const LimitDisplays shown = limitDisplays(load5Scroll_->value(), load12Scroll_->value(),
                                              load33Scroll_->value(), powerLimitScroll_->value());
    amps5Readout_->setCaption(shown.current5);
    amps12Readout_->setCaption(shown.current12);
    amps33Readout_->setCaption(shown.current33);
    powerReadout_->setCaption(shown.powerWatts);
    state_.loadLimit1 = static_cast<qint16>(load5Scroll_->value());
    state_.loadLimit2 = static_cast<qint16>(load12Scroll_->value());
    state_.loadLimit3 = static_cast<qint16>(load33Scroll_->value());
    state_.powerLimit = static_cast<qint16>(powerLimitScroll_->value());
    limitTimer_->setEnabled(false); // until the next move
}

} // namespace velmor

#include "moc_Form1.cpp"

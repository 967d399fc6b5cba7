#include "FormGraf.h"

#include "CommandButton.h"
#include "Files.h"
#include "Frames.h"
#include "GrafLayout.h"
#include "Icons.h"
#include "Label.h"
#include "LineSettings.h"
#include "MapFile.h"
#include "MapPicture.h"
#include "MapSave.h"
#include "Operator.h"
#include "PictureBox.h"
#include "Shape.h"
#include "Sweep.h"
#include "SweepCourse.h"
#include "SweepSave.h"
#include "Timer.h"

#include <QPixmap>
#include <QSysInfo>

namespace velmor {

namespace {

const QString windowCaption = QStringLiteral("Grafik");
constexpr int timer1Interval = sweepTickMs;

QImage pictureOf(const QString& button, qreal ratio) {
    if (button == QLatin1String("Command5"))
        return savePicture(ratio);
    if (button == QLatin1String("Command4"))
        return resetPicture(ratio);
    if (button == QLatin1String("Command2"))
        return pausePicture(ratio);
    return startPicture(ratio);
}

} // namespace

FormGraf::FormGraf(SharedState& state, const PortFactory& makePort, MapsFolder mapsFolder,
                   QWidget* parent)
    : ui::Form(windowCaption, grafClientWidth, grafClientHeight, ui::Form::Frame::Sizable,
               ui::sys::buttonFace, parent),
      state_(state), port_(makePort()),
      recovery_(*port_, [this](const std::optional<QString>& lost) { linkChanged(lost); }),
      mapsFolder_(std::move(mapsFolder)) {
    setObjectName(QStringLiteral("FormGraf"));
    saveError_ = [this](const QString& message) { ui::reportError(windowCaption, message, this); };
    setDefaultFont(ui::Font{QStringLiteral("Arial"), 8.25, false});
    buildControls();
}

FormGraf::~FormGraf() {
    endRecordedSweep(linkDown_ ? SweepEnd::LinkLost : SweepEnd::Abandoned);
}

void FormGraf::buildControls() {
    for (const GrafPlace& p : grafLayout) {
        const QString name = QString::fromLatin1(p.name);
        switch (p.kind) {
        case GrafControl::PictureButton: {
            auto* button = add<ui::CommandButton>(name, p.place, p.tabIndex);
            button->setGraphical(true);
            button->setPicture(QPixmap::fromImage(pictureOf(name, devicePixelRatioF())));
            break;
        }
        case GrafControl::Button:
            add<ui::CommandButton>(name, p.place, p.tabIndex)->setCaption(tr("Ручной режим"));
            break;
        case GrafControl::Picture:
            mapPicture_ = add<ui::PictureBox>(name, p.place, p.tabIndex);
            mapPicture_->setBackColour(mapBackColour);
            break;
        case GrafControl::Square: {
            auto* square = addInside<ui::Shape>(mapPicture_, name, p.place, p.tabIndex);
            square->setKind(ui::Shape::Kind::Square);
            square->setOutlineColour(ui::sys::window);
            break;
        }
        case GrafControl::Label:
            readout_ = addInside<ui::Label>(mapPicture_, name, p.place, p.tabIndex);
            readout_->setCaption(QStringLiteral("Label1"));
            readout_->setBackColour(ui::sys::buttonText);
            readout_->setForeColour(ui::sys::highlightText);
            readout_->setTextAlignment(ui::Alignment::Left);
            break;
        }
    }
    indicator5_ = control<ui::Shape>(QStringLiteral("Shape1"));
    indicator12_ = control<ui::Shape>(QStringLiteral("Shape2"));
    indicator5_->setFillColour(ui::rgb(255, 0, 0));
    indicator12_->setFillColour(ui::rgb(255, 255, 0));
    manualButton_ = control<ui::CommandButton>(QStringLiteral("Command1"));
    pauseButton_ = control<ui::CommandButton>(QStringLiteral("Command2"));
    startButton_ = control<ui::CommandButton>(QStringLiteral("Command3"));
    resetButton_ = control<ui::CommandButton>(QStringLiteral("Command4"));
    saveButton_ = control<ui::CommandButton>(QStringLiteral("Command5"));
    applyTabOrder();

    sweepTimer_ = addTimer(QStringLiteral("Timer1"), timer1Interval, true);
    sweepTimer_->onTick([this] { tick(); });
    manualButton_->onClick([this] { backToManual(); });
    pauseButton_->onClick([this] { pause(); });
    startButton_->onClick([this] { start(); });
    resetButton_->onClick([this] { reset(); });
    saveButton_->onClick([this] { save(); });
}

std::optional<QString> FormGraf::load() {
    state_.load12Step = 0;
    state_.load5Step = 0;
    if (auto error = port_->open(unitPortNumber, unitLineSettings))
        return error;
    sweepTimer_->setEnabled(false);
    sendFrame(*port_, allOffFrame);
    saveButton_->setEnabled(false);
    return std::nullopt;
}

void FormGraf::closePort() {
    sweepTimer_->setEnabled(false);
    port_->close();
}

void FormGraf::linkChanged(const std::optional<QString>& lostReason) {
    // The sweep stands still while the port is gone and goes on where it stood once it is back.
    linkDown_ = lostReason.has_value();
    ui::showLinkState(this, windowCaption, lostReason, timer1Interval);
}

void FormGraf::tick() {
    state_.lastReply = recovery_.read();
    const SweepTick step = advanceSweep(state_, replyFrame(state_.lastReply), mapRecord_);
    readout_->setCaption(step.caption);
    if (step.outcome == SweepTick::Outcome::NoLink)
        return;
    indicator5_->setFillColour(step.indicator5);
    indicator12_->setFillColour(step.indicator12);
    if (step.outcome == SweepTick::Outcome::Ended) {
        saveButton_->setEnabled(true);
        sweepTimer_->setEnabled(false);
        sendFrame(*port_, *step.frame);
        endRecordedSweep(SweepEnd::Completed);
        return;
    }
    mapPicture_->drawBox(step.cell.x1, step.cell.y1, step.cell.x2, step.cell.y2, step.cellColour);
    sendFrame(*port_, *step.frame);
    if (sweepRecorded_)
        recorder_->cellPainted(mapRecord_.back());
}

void FormGraf::start() {
    sweepTimer_->setEnabled(true);
    saveButton_->setEnabled(false);
    state_.graphSupplyOn = 1;
    // A start from Ready begins a record; a start after a pause goes on with the open one.
    const bool ready = mapRecord_.empty() && state_.load5Step == 0 && state_.load12Step == 0;
    if (recorder_ && ready && !sweepRecorded_) {
        // The window shows the design's volts; its record names the bench's calibration.
        recorder_->sweepStarted(sweepLimitsOf(state_), mapPicture_->image().size(),
                                mapPicture_->devicePixelRatioF(), calibration_,
                                calibrationWarning_);
        sweepRecorded_ = true;
    }
}

void FormGraf::pause() {
    sweepTimer_->setEnabled(false);
}

void FormGraf::reset() {
    state_.load12Step = 0;
    state_.load5Step = 0;
    state_.graphSupplyOn = 0;
    // The reply to the last frame of the sweep is not the unit's answer to the all-off frame,
    // which colours the first cell of the next start.
    port_->dropInput();
    sendFrame(*port_, allOffFrame);
    sweepTimer_->setEnabled(false);
    mapPicture_->clear();
    mapRecord_.clear();
    saveButton_->setEnabled(false);
    endRecordedSweep(SweepEnd::Reset);
}

void FormGraf::save() {
    const auto name =
        ui::prompt(tr("Введите имя файла (без расширения)"), tr("Ввод"), QStringLiteral("1"), this);
    if (!name)
        return; // cancelled: nothing is saved
    const auto target = mapFilePath(mapsFolder_.path, *name);
    if (const auto* refused = std::get_if<MapNameRefused>(&target)) {
        saveError_(refused->reason);
        return;
    }
    const MapPath& map = std::get<MapPath>(target);
    if (const auto error = prepareMapsFolder(mapsFolder_)) {
        saveError_(*error);
        return;
    }
    // The map, its cross-load data, a summary and the report, all four or none.
    const FinishedSweep sweep{map.name,
                              mapPicture_->image(),
                              mapPicture_->devicePixelRatioF(),
                              mapRecord_,
                              sweepLimitsOf(state_),
                              port_->device(),
                              QDateTime::currentDateTime(),
                              QSysInfo::machineHostName(),
                              state_.unit};
    if (const auto error = saveSweep(mapsFolder_.path, map.relative, sweep, true))
        saveError_(*error);
    else if (recorder_)
        recorder_->sweepSaved(map.name, mapFilesBeside(map.shown));
}

void FormGraf::endRecordedSweep(SweepEnd end) {
    if (sweepRecorded_)
        recorder_->sweepEnded(end);
    sweepRecorded_ = false;
}

void FormGraf::backToManual() {
    closePort();
    if (manualMode_)
        manualMode_();
}

} // namespace velmor

#include "moc_FormGraf.cpp"

#include "AutomaticSweep.h"

#include "FinishedSweep.h"
#include "MapPicture.h"
#include "MapSave.h"
#include "Reading.h"
#include "SweepCourse.h"
#include "SweepSave.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QSysInfo>

#include <algorithm>

namespace velmor {

namespace {

std::unique_ptr<SweepRunRecorder> recording(const SweepRunSettings& settings,
                                            const SweepRunStep& step, qreal ratio) {
    if (!settings.recorder)
        return nullptr;
    return std::make_unique<SweepRunRecorder>(*settings.recorder, step, mapPicturePixels(ratio),
                                              ratio, settings.calibration,
                                              settings.calibrationWarning);
}

} // namespace

AutomaticSweep::AutomaticSweep(SweepRunSettings settings, const PortFactory& makePort)
    : AutomaticRun(tr("cross-load sweep \"%1\" under way").arg(settings.target.name)),
      settings_(std::move(settings)), ratio_(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0),
      step_(settings_.limits), recording_(velmor::recording(settings_, step_, ratio_)) {
    compose(step_, makePort, settings_.linkTimeoutSeconds, recording_.get());
}

AutomaticSweep::~AutomaticSweep() = default;

void AutomaticSweep::taken(const StepReading& reading) {
    if (!reading.reply)
        return;
    const Reading volts = graphReading(*reading.reply);
    volts5_ = volts.volts5;
    volts12_ = volts.volts12;
}

SweepProgress AutomaticSweep::progress(const StepReading& reading) const {
    SweepProgress p;
    p.cellsExpected = expectedSweepCells(settings_.limits);
    p.cellsDone = static_cast<int>(step_.record().size());
    p.elapsedMs = reading.sinceStartMs;
    p.remainingMs = qint64{sweepTickMs} * (std::max(p.cellsExpected - p.cellsDone, 0) + 1);
    p.volts5 = volts5_;
    p.volts12 = volts12_;
    return p;
}

std::optional<QString> AutomaticSweep::save() {
    const MapRecord& record = step_.record();
    const FinishedSweep sweep{settings_.target.name,
                              drawMap(record, mapPicturePixels(ratio_), ratio_),
                              ratio_,
                              record,
                              settings_.limits,
                              device(),
                              QDateTime::currentDateTime(),
                              QSysInfo::machineHostName(),
                              settings_.unit,
                              true,
                              settings_.calibration,
                              settings_.calibrationWarning};
    if (auto error =
            saveSweep(settings_.mapsFolder, settings_.target.relative, sweep, settings_.report))
        return error;
    if (settings_.recorder)
        settings_.recorder->sweepSaved(settings_.target.name,
                                       mapFilesBeside(settings_.target.shown));
    return std::nullopt;
}

} // namespace velmor

#include "moc_AutomaticSweep.cpp"

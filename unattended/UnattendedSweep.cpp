#include "UnattendedSweep.h"

#include "MapExport.h"
#include "MapPicture.h"
#include "MapSave.h"
#include "Reading.h"
#include "RunOutput.h"
#include "SweepCourse.h"
#include "SweepSave.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QSysInfo>

#include <algorithm>

namespace velmor {

namespace {

void say(const QString& line) {
    std::fprintf(stderr, "velmor-test: %s\n", qPrintable(line));
    std::fflush(stderr);
}

std::unique_ptr<SweepRunRecorder> recording(SweepRecorder* recorder, const SweepRunStep& step,
                                            qreal ratio) {
    if (!recorder)
        return nullptr;
    return std::make_unique<SweepRunRecorder>(*recorder, step, mapPicturePixels(ratio), ratio);
}

} // namespace

UnattendedSweep::UnattendedSweep(SweepRequest request, QString mapsFolder, MapPath target,
                                 const PortFactory& makePort, Output output,
                                 SweepRecorder* recorder)
    : request_(std::move(request)), mapsFolder_(std::move(mapsFolder)), target_(std::move(target)),
      output_(output), ratio_(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0), step_(request_.limits),
      recorder_(recorder), recording_(velmor::recording(recorder, step_, ratio_)),
      run_(step_, makePort, request_.linkTimeoutSeconds, recording_.get()) {
    progress_.cellsExpected = expectedSweepCells(request_.limits);
    connect(&run_, &TestRun::ticked, this, &UnattendedSweep::ticked);
    connect(&run_, &TestRun::linkChanged, this, &UnattendedSweep::linkChanged);
    connect(&run_, &TestRun::switchedOff, this, &UnattendedSweep::switchedOff);
    connect(&run_, &TestRun::finished, this, [this] { emit finished(status_); });
}

UnattendedSweep::~UnattendedSweep() = default;

std::optional<QString> UnattendedSweep::start() {
    return run_.start();
}

void UnattendedSweep::interrupt() {
    run_.interrupt();
}

void UnattendedSweep::flush() {
    // Stopped once the tick that wrote has been answered.
    if (outputJustLost(output_.stream, outputLost_))
        QMetaObject::invokeMethod(this, &UnattendedSweep::interrupt, Qt::QueuedConnection);
}

void UnattendedSweep::ticked(const StepReading& reading, const StepAnswer& answer) {
    if (!reading.reply)
        return;
    const int row = row_;
    row_ = step_.position().load5Step;
    const int cells = static_cast<int>(step_.record().size());
    // The tick that ends the sweep finishes its last row; a wrap paints the first cell of the
    // next row.
    if (answer.done)
        showProgress(reading, row, cells);
    else
        showProgress(reading, row_ != row ? std::optional<int>(row) : std::nullopt, cells - 1);
}

void UnattendedSweep::showProgress(const StepReading& reading, std::optional<int> rowDone,
                                   int cellsThroughRow) {
    SweepProgress& p = progress_;
    p.cellsDone = static_cast<int>(step_.record().size());
    p.elapsedMs = reading.sinceStartMs;
    p.remainingMs = qint64{sweepTickMs} * (std::max(p.cellsExpected - p.cellsDone, 0) + 1);
    const Reading volts = graphReading(*reading.reply);
    p.volts5 = volts.volts5;
    p.volts12 = volts.volts12;
    if (output_.terminal) {
        std::fprintf(output_.stream, "\r%s", qPrintable(progressBar(p)));
    } else if (rowDone) {
        SweepProgress line = p;
        line.row = *rowDone;
        line.cellsDone = cellsThroughRow;
        std::fprintf(output_.stream, "%s\n", qPrintable(progressRowLine(line)));
    }
    flush();
}

void UnattendedSweep::linkChanged(const std::optional<QString>& lostReason) {
    if (output_.terminal)
        std::fputc('\n', output_.stream);
    if (lostReason)
        say(tr("serial port lost (%1); waiting up to %2 s for it")
                .arg(*lostReason)
                .arg(request_.linkTimeoutSeconds));
    else
        say(tr("serial port open again; the sweep goes on"));
}

void UnattendedSweep::switchedOff(RunEnd end) {
    switch (end) {
    case RunEnd::Completed:
        status_ = save(); // while the last frames leave
        return;
    case RunEnd::Aborted:
        if (output_.terminal)
            std::fputc('\n', output_.stream);
        say(tr("interrupted; supply and loads off"));
        return;
    case RunEnd::LinkLost:
        if (const auto& lost = run_.portLostReason())
            say(tr("port lost: %1; the sweep is given up").arg(*lost));
        else
            say(tr("no reply from the unit for %1 s; the sweep is given up")
                    .arg(request_.linkTimeoutSeconds));
        return;
    }
}

int UnattendedSweep::save() {
    if (output_.terminal)
        std::fputc('\n', output_.stream);
    const MapRecord& record = step_.record();
    const FinishedSweep sweep{target_.name,
                              drawMap(record, mapPicturePixels(ratio_), ratio_),
                              ratio_,
                              record,
                              request_.limits,
                              run_.device(),
                              QDateTime::currentDateTime(),
                              QSysInfo::machineHostName(),
                              request_.unit};
    if (const auto error = saveSweep(mapsFolder_, target_.relative, sweep, request_.report)) {
        say(*error);
        return sweepCouldNotRun;
    }
    if (recorder_)
        recorder_->sweepSaved(target_.name, mapFilesBeside(target_.shown));
    const MapSummary s = summarize(record);
    std::fprintf(output_.stream, "%s\n", qPrintable(verdictLine(s, record)));
    std::fprintf(output_.stream, "%s\n",
                 qPrintable(tr("Saved %1 with its .csv and .txt%2")
                                .arg(target_.path, request_.report ? tr(" and .pdf") : QString())));
    flush();
    return s.verdict == Verdict::Pass   ? sweepPassed
           : s.verdict == Verdict::Fail ? sweepFailed
                                        : sweepNoVerdict;
}

} // namespace velmor

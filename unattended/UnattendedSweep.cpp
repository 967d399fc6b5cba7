#include "UnattendedSweep.h"

#include "Conversions.h"
#include "GrafLayout.h"
#include "LineSettings.h"
#include "MapExport.h"
#include "MapPicture.h"
#include "MapSave.h"
#include "PictureBox.h"
#include "SweepCourse.h"
#include "SweepSave.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSysInfo>

#include <algorithm>

namespace velmor {

namespace {

constexpr int tickMs = 100;  // the graph window's Timer1
constexpr int drainMs = 100; // lets the last frame leave before the port closes
// The start follows the load half a tick later, as a click on start follows the window's load:
// a unit that speaks on its own every 100 ms after a frame then does so before the first tick
// rather than between the first and the second, where its reply to the all-off frame would
// colour cell (0, 1).
constexpr int startAfterLoadMs = 50;

void say(const QString& line) {
    std::fprintf(stderr, "velmor-test: %s\n", qPrintable(line));
    std::fflush(stderr);
}

// A map of the graph window's Picture1, never shown.
std::unique_ptr<ui::PictureBox> graphWindowMap() {
    auto map = std::make_unique<ui::PictureBox>();
    for (const GrafPlace& place : grafLayout)
        if (place.kind == GrafControl::Picture)
            map->setGeometry(ui::toPixels(place.place));
    map->setBackColour(mapBackColour);
    return map;
}

} // namespace

UnattendedSweep::UnattendedSweep(SweepRequest request, QString mapsFolder, MapPath target,
                                 const PortFactory& makePort, Output output,
                                 SweepRecorder* recorder)
    : request_(std::move(request)), mapsFolder_(std::move(mapsFolder)), target_(std::move(target)),
      output_(output), port_(makePort()),
      recovery_(*port_, [this](const std::optional<QString>& lost) { linkChanged(lost); }),
      map_(graphWindowMap()), recorder_(recorder) {
    state_.loadLimit1 = static_cast<qint16>(request_.limits.loadLimit1);
    state_.loadLimit2 = static_cast<qint16>(request_.limits.loadLimit2);
    state_.powerLimit = static_cast<qint16>(request_.limits.powerLimit);
    progress_.cellsExpected = expectedSweepCells(request_.limits);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(tickMs);
    connect(&timer_, &QTimer::timeout, this, &UnattendedSweep::tick);
}

UnattendedSweep::~UnattendedSweep() = default;

std::optional<QString> UnattendedSweep::start() {
    // The graph window's load, then its start.
    if (auto error = port_->open(unitPortNumber, unitLineSettings))
        return error;
    sendFrame(*port_, allOffFrame);
    state_.graphSupplyOn = 1;
    if (recorder_)
        recorder_->sweepStarted(request_.limits, map_->image().size(), map_->devicePixelRatioF());
    clock_.start();
    lastHeard_.start();
    QTimer::singleShot(startAfterLoadMs, Qt::PreciseTimer, this, [this] {
        if (!finishing_)
            timer_.start();
    });
    return std::nullopt;
}

void UnattendedSweep::tick() {
    state_.lastReply = recovery_.read();
    const auto reply = replyFrame(state_.lastReply);
    const int row = state_.load5Step;
    const SweepTick step = advanceSweep(state_, reply, record_);
    if (step.outcome == SweepTick::Outcome::NoLink) {
        if (lastHeard_.hasExpired(1000LL * request_.linkTimeoutSeconds)) {
            say(tr("no reply from the unit for %1 s; the sweep is given up")
                    .arg(request_.linkTimeoutSeconds));
            if (!port_->isOpen())
                port_->open(unitPortNumber, unitLineSettings); // loads off if it is back
            finish(sweepCouldNotRun, true, SweepEnd::LinkLost);
        }
        return;
    }
    lastHeard_.restart();
    if (step.outcome == SweepTick::Outcome::Ended) {
        timer_.stop();
        sendFrame(*port_, *step.frame);
        switchOff(false); // before the save, which may take a while
        showProgress(reply, row, static_cast<int>(record_.size()));
        if (recorder_)
            recorder_->sweepEnded(SweepEnd::Completed);
        finish(save(), false, std::nullopt);
        return;
    }
    map_->drawBox(step.cell.x1, step.cell.y1, step.cell.x2, step.cell.y2, step.cellColour);
    sendFrame(*port_, *step.frame);
    if (recorder_)
        recorder_->cellPainted(record_.back());
    // A wrap paints the first cell of the next row.
    showProgress(reply, state_.load5Step != row ? std::optional<int>(row) : std::nullopt,
                 static_cast<int>(record_.size()) - 1);
}

void UnattendedSweep::showProgress(const std::optional<ReplyFrame>& reply,
                                   std::optional<int> rowDone, int cellsThroughRow) {
    SweepProgress& p = progress_;
    p.cellsDone = static_cast<int>(record_.size());
    p.elapsedMs = clock_.elapsed();
    p.remainingMs = qint64{tickMs} * (std::max(p.cellsExpected - p.cellsDone, 0) + 1);
    if (reply) {
        p.volts5 = volts5Graph(reply->b2);
        p.volts12 = volts12(reply->b3);
    }
    if (output_.terminal) {
        std::fprintf(output_.stream, "\r%s", qPrintable(progressBar(p)));
    } else if (rowDone) {
        SweepProgress line = p;
        line.row = *rowDone;
        line.cellsDone = cellsThroughRow;
        std::fprintf(output_.stream, "%s\n", qPrintable(progressRowLine(line)));
    }
    std::fflush(output_.stream);
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

int UnattendedSweep::save() {
    if (output_.terminal)
        std::fputc('\n', output_.stream);
    const FinishedSweep sweep{
        target_.name,    map_->image(),   map_->devicePixelRatioF(),    record_,
        request_.limits, port_->device(), QDateTime::currentDateTime(), QSysInfo::machineHostName(),
        request_.unit};
    if (const auto error = saveSweep(mapsFolder_, target_.relative, sweep, request_.report)) {
        say(*error);
        return sweepCouldNotRun;
    }
    if (recorder_)
        recorder_->sweepSaved(target_.name, mapFilesBeside(target_.shown));
    const MapSummary s = summarize(record_);
    std::fprintf(output_.stream, "%s\n", qPrintable(verdictLine(s)));
    std::fprintf(output_.stream, "%s\n",
                 qPrintable(tr("Saved %1 with its .csv and .txt%2")
                                .arg(target_.path, request_.report ? tr(" and .pdf") : QString())));
    std::fflush(output_.stream);
    return s.verdict == Verdict::Pass   ? sweepPassed
           : s.verdict == Verdict::Fail ? sweepFailed
                                        : sweepNoVerdict;
}

void UnattendedSweep::interrupt() {
    if (finishing_)
        return;
    if (output_.terminal)
        std::fputc('\n', output_.stream);
    say(tr("interrupted; supply and loads off"));
    finish(sweepCouldNotRun, true, SweepEnd::Abandoned);
}

void UnattendedSweep::switchOff(bool sendEndFrame) {
    if (switchedOff_ || !port_->isOpen())
        return;
    switchedOff_ = true;
    if (sendEndFrame)
        sendFrame(*port_, sweepEndFrame(state_.graphSupplyOn));
    // The graph window keeps the supply on after its end frame while it stays open; a run from
    // the command line ends here, so the supply goes off with the loads.
    sendFrame(*port_, allOffFrame);
}

void UnattendedSweep::finish(int status, bool sendEndFrame, std::optional<SweepEnd> recordEnd) {
    finishing_ = true;
    if (recorder_ && recordEnd)
        recorder_->sweepEnded(*recordEnd);
    timer_.stop();
    switchOff(sendEndFrame);
    QTimer::singleShot(drainMs, this, [this, status] {
        port_->close();
        emit finished(status);
    });
}

} // namespace velmor

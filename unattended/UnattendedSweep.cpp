#include "UnattendedSweep.h"

#include "ProgressLines.h"
#include "SweepRequest.h"

namespace velmor {

UnattendedSweep::UnattendedSweep(SweepRunSettings settings, const PortFactory& makePort,
                                 Output output)
    : UnattendedRun(output, sweepCouldNotRun), run_(std::move(settings), makePort) {
    follow(run_, run_.settings().linkTimeoutSeconds,
           tr("serial port open again; the sweep goes on"));
    connect(&run_, &AutomaticRun::ticked, this, &UnattendedSweep::ticked);
    connect(&run_, &AutomaticRun::switchedOff, this, &UnattendedSweep::switchedOff);
}

UnattendedSweep::~UnattendedSweep() = default;

void UnattendedSweep::ticked(const StepReading& reading, const StepAnswer& answer) {
    if (!reading.reply)
        return;
    const int row = row_;
    row_ = run_.step().position().load5Step;
    const int cells = static_cast<int>(run_.step().record().size());
    // The tick that ends the sweep finishes its last row; a wrap paints the first cell of the
    // next row.
    if (answer.done)
        showProgress(reading, row, cells);
    else
        showProgress(reading, row_ != row ? std::optional<int>(row) : std::nullopt, cells - 1);
}

void UnattendedSweep::showProgress(const StepReading& reading, std::optional<int> rowDone,
                                   int cellsThroughRow) {
    SweepProgress p = run_.progress(reading);
    if (output_.terminal) {
        redraw(progressBar(p));
    } else if (rowDone) {
        p.row = *rowDone;
        p.cellsDone = cellsThroughRow;
        line(progressRowLine(p));
    }
}

void UnattendedSweep::switchedOff(RunEnd end) {
    switch (end) {
    case RunEnd::Completed:
        status_ = save(); // while the last frames leave
        return;
    case RunEnd::Aborted:
        keepRedrawn();
        say(tr("interrupted; supply and loads off"));
        return;
    case RunEnd::LinkLost:
        if (const auto& lost = run_.portLostReason())
            say(tr("port lost: %1; the sweep is given up").arg(*lost));
        else
            say(tr("no reply from the unit for %1 s; the sweep is given up")
                    .arg(run_.settings().linkTimeoutSeconds));
        return;
    }
}

int UnattendedSweep::save() {
    keepRedrawn();
    if (const auto error = run_.save()) {
        say(*error);
        return sweepCouldNotRun;
    }
    const Calibration& calibration = run_.settings().calibration;
    const MapSummary s = summarize(run_.step().record(), calibration);
    line(verdictLine(s, run_.step().record()));
    line(calibration.isCalibrated() ? tr("Judged with calibration %1").arg(calibration.id)
                                    : tr("Judged uncalibrated"));
    line(tr("Saved %1 with its .csv and .txt%2")
             .arg(run_.settings().target.path,
                  run_.settings().report ? tr(" and .pdf") : QString()));
    return s.verdict == Verdict::Pass   ? sweepPassed
           : s.verdict == Verdict::Fail ? sweepFailed
                                        : sweepNoVerdict;
}

} // namespace velmor

#include "moc_UnattendedSweep.cpp"

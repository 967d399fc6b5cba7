#include "SweepStep.h"

#include "FirstFindings.h"
#include "LineSettings.h"
#include "LoadFrame.h"
#include "NumberText.h"
#include "StepKinds.h"
#include "SweepCourse.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmor {

namespace {

struct SweepStepText {
    Q_DECLARE_TR_FUNCTIONS(SweepStep)
};

ControlFrame cellFrame(const MapCell& place) {
    return sweepFrame(1, place.column, place.row);
}

// The plan's dwell, or what a cell takes without one.
qint64 cellDwellMs(std::optional<qint64> dwellMs, bool pacedByReplies) {
    return dwellMs.value_or(pacedByReplies ? 0 : planTickMs);
}

// How far a reading strays towards the limit on its side, as a share of that side's tolerance.
double towardsLimit(double volts, const UnitOutput& output, const Tolerance& tolerance) {
    const double percent = (volts / output.nominalVolts - 1) * 100;
    const double side = percent < 0 ? -tolerance.lowPercent : tolerance.highPercent;
    return side > 0 ? std::abs(percent) / side : std::abs(percent);
}

QString cellName(const MapCell& cell) {
    return QStringLiteral("cell %1, %2").arg(cell.row).arg(cell.column);
}

// The cell's reading on one output that comes closest to its limit (or farthest past it), and
// what it crossed where it is not a pass.
struct WorstOutput {
    Measurement measurement;
    std::optional<Finding> finding;
};
WorstOutput worstOutput(const MapRecord& record, const QString& name, Output which,
                        const Tolerance& tolerance, double guardPercent,
                        const Calibration& calibration) {
    const UnitOutput& output = which == Output::Plus5 ? output5 : output12;
    double worstVolts = 0;
    double worstShare = -1;
    const MapCell* worstCell = nullptr;
    for (const MapCell& cell : record) {
        const Reading r = calibration.corrected(cellReading(cell));
        const double volts = which == Output::Plus5 ? r.volts5 : r.volts12;
        // An end of the range lies beyond every limit.
        const double share = output.endOf(volts) != RangeEnd::Inside
                                 ? std::numeric_limits<double>::infinity()
                                 : towardsLimit(volts, output, tolerance);
        if (share > worstShare) {
            worstShare = share;
            worstVolts = volts;
            worstCell = &cell;
        }
    }
    const Limits limits = voltsLimits(output, tolerance, guardPercent);
    WorstOutput worst{measuredVolts(name, output, worstVolts, limits,
                                    calibration.uncertainty(inputOf(output), worstVolts)),
                      std::nullopt};
    if (worstCell)
        if (auto what = voltsCrossing(which == Output::Plus5 ? QStringLiteral("+5 V")
                                                             : QStringLiteral("+12 V"),
                                      output, worstVolts, worst.measurement.outcome, limits))
            worst.finding = Finding{Finding::Kind::Crossed, *what, cellName(*worstCell),
                                    loadsText(loadAmps(loadSettings(cellFrame(*worstCell))))};
    return worst;
}

bool insideProfile(const MapCell& cell, const Profile& profile, const Calibration& calibration) {
    const Reading r = calibration.corrected(cellReading(cell));
    return r.end5() == RangeEnd::Inside && r.end12() == RangeEnd::Inside &&
           judge(r.volts5, voltsLimits(output5, profile.out5, 0)) != Outcome::Fail &&
           judge(r.volts12, voltsLimits(output12, profile.out12, 0)) != Outcome::Fail;
}

} // namespace

SweepStepSpec::SweepStepSpec(const SweepLimits& limits, std::optional<qint64> dwellMs)
    : limits_(limits), dwellMs_(dwellMs) {
    name = kind();
}

qint64 SweepStepSpec::estimatedMs(const PlanContext& context) const {
    const std::vector<MapCell> places = sweepPlaces(limits_);
    const auto cells = static_cast<qint64>(places.size());
    // A cell is read once its frame has been held for the dwell and the settle time is out.
    const qint64 wait = std::max(cellDwellMs(dwellMs_, context.paceByReplies), context.settleMs);
    if (context.paceByReplies) {
        // The wait counts from the first reply to the cell's frame, an exchange on the line after
        // it went out, and the reading judged answers a frame sent once the wait is out.
        const qint64 exchangeUs = 2 * lineMicroseconds(unitLineSettings, frameBytes);
        return cells * (wait * 1000 + 2 * exchangeUs) / 1000;
    }
    const qint64 ticksPerCell = std::max<qint64>(1, (wait + planTickMs / 2) / planTickMs);
    // Each row after the first begins with a load jump, which costs a tick more.
    const auto rows = std::count_if(places.begin(), places.end(),
                                    [](const MapCell& place) { return place.column == 0; });
    const qint64 ticks = cells * ticksPerCell + std::max<qint64>(0, rows - 1);
    return ticks * planTickMs;
}

QString SweepStepSpec::describe() const {
    const int cells = static_cast<int>(sweepPlaces(limits_).size());
    const QString map =
        SweepStepText::tr("cross-load map, LoadLimit1 %1, LoadLimit2 %2, PowerLimit %3, cells: %4")
            .arg(limits_.loadLimit1)
            .arg(limits_.loadLimit2)
            .arg(limits_.powerLimit)
            .arg(cells);
    if (!dwellMs_)
        return map;
    return SweepStepText::tr("%1, %2 s each").arg(map, QString::number(*dwellMs_ / 1000.0, 'g', 6));
}

std::unique_ptr<PlanStep> SweepStepSpec::make(const PlanContext& context) const {
    return std::make_unique<SweepStep>(limits_, cellDwellMs(dwellMs_, context.paceByReplies),
                                       context);
}

SweepStep::SweepStep(const SweepLimits& limits, qint64 dwellMs, const PlanContext& context)
    : places_(sweepPlaces(limits)), profile_(context.profile), calibration_(context.calibration),
      hold_(dwellMs, context.paceByReplies, planTickMs) {
    record_.reserve(places_.size());
}

ControlFrame SweepStep::firstFrame() {
    return places_.empty() ? sweepEndFrame(1) : cellFrame(places_.front());
}

StepAnswer SweepStep::take(const StepReading& reading, Settling settling) {
    StepAnswer answer;
    if (!reading.reply || record_.size() >= places_.size())
        return answer;
    const MapCell& place = places_[record_.size()];
    const bool held = hold_.held(reading);
    if (settling != Settling::Judged || !held || reading.answers != cellFrame(place)) {
        ++unsettled_;
        answer.use = ReadingUse::Unsettled;
        answer.frame = cellFrame(place);
        return answer;
    }
    record_.push_back(mapCell(place.row, place.column, *reading.reply));
    answer.use = ReadingUse::Judged;
    if (record_.size() == places_.size()) {
        answer.frame = sweepEndFrame(1);
        answer.done = true;
    } else {
        answer.frame = cellFrame(places_[record_.size()]);
        hold_.sent(reading);
    }
    return answer;
}

StepResult SweepStep::result() const {
    return sweepStepResult(record_, profile_, unsettled_, calibration_);
}

QString SweepStep::where() const {
    return places_.empty() ? QString()
                           : cellName(places_[std::min(record_.size(), places_.size() - 1)]);
}

double SweepStep::progress() const {
    return places_.empty()
               ? 1.0
               : static_cast<double>(record_.size()) / static_cast<double>(places_.size());
}

MapRecord sweepStepRecord(const std::vector<KeptReading>& readings) {
    MapRecord record;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const KeptReading& r = readings[i];
        const bool lastOfFrame = i + 1 == readings.size() ||
                                 readings[i + 1].supplyOn != r.supplyOn ||
                                 readings[i + 1].loads != r.loads;
        if (!lastOfFrame || !r.reply || !r.supplyOn || r.settling != Settling::Judged ||
            r.loads.load33 != 0 || r.loads.load5 % 2 != 0)
            continue;
        // Column 128 asks for setting 256, sent as 255; every other step is an even setting.
        const int column =
            r.loads.load12 == maxLoadSetting ? sweepStepsFullScale : r.loads.load12 / 2;
        if (r.loads.load12 != maxLoadSetting && r.loads.load12 % 2 != 0)
            continue;
        record.push_back(mapCell(r.loads.load5 / 2, column, *r.reply));
    }
    return record;
}

MapSummary sweepStepSummary(const MapRecord& record) {
    SettledRun settled;
    settled.settling.assign(record.size(), Settling::Judged);
    settled.judged = static_cast<int>(record.size());
    return summarize(record, settled);
}

StepResult sweepStepResult(const MapRecord& record, const Profile& profile, int unsettled,
                           const Calibration& calibration) {
    // Measurement names and the key figure are record data, in English whatever the run's
    // language; they are translated where they are shown.
    StepResult result;
    const int cells = static_cast<int>(record.size());
    const int inside =
        static_cast<int>(std::count_if(record.begin(), record.end(), [&](const MapCell& cell) {
            return insideProfile(cell, profile, calibration);
        }));
    result.measurements.push_back(measured(QStringLiteral("cells judged"), cells, QString()));
    result.measurements.push_back(measured(QStringLiteral("cells inside"), inside, QString()));
    result.measurements.push_back(measured(QStringLiteral("cells outside"), cells - inside,
                                           QString(),
                                           Limits{std::nullopt, 0, std::nullopt, std::nullopt}));
    FirstFindings findings;
    if (cells > 0) {
        const WorstOutput worst[] = {
            worstOutput(record, QStringLiteral("worst +5 V"), Output::Plus5, profile.out5,
                        profile.guardPercent, calibration),
            worstOutput(record, QStringLiteral("worst +12 V"), Output::Plus12, profile.out12,
                        profile.guardPercent, calibration)};
        for (const WorstOutput& w : worst) {
            result.measurements.push_back(w.measurement);
            findings.keep(w.measurement.outcome, w.finding);
        }
    }
    result.outcome = worstOf(result.measurements);
    result.finding = findings.deciding(result.outcome);
    result.keyFigure = QStringLiteral("%1 of %2 cells inside").arg(inside).arg(cells);
    result.judged = cells;
    result.unsettled = unsettled;
    return result;
}

std::shared_ptr<StepSpec> readSweepStep(PlanTable& table) {
    const auto limit1 = table.integer("load_limit1", 0, maxLoadSetting);
    const auto limit2 = table.integer("load_limit2", 0, maxLoadSetting);
    const auto power = table.integer("power_limit", 0, maxLoadSetting);
    const auto dwell = table.seconds("dwell", PlanTable::Need::Optional);
    if (limit1 && limit2 && power) {
        const SweepLimits limits{*limit1, *limit2, *power};
        const std::vector<MapCell> places = sweepPlaces(limits);
        double heaviest = 0;
        for (const MapCell& place : places)
            heaviest = std::max(heaviest, nominalWatts(loadAmps(loadSettings(cellFrame(place)))));
        if (places.empty())
            table.fail(SweepStepText::tr("these limits give a map without cells"));
        else if (heaviest > table.context().powerBoundWatts)
            table.fail(
                "power_limit",
                SweepStepText::tr("the map's heaviest cell draws %1 W, above the plan's power "
                                  "bound of %2 W")
                    .arg(fixed(heaviest, 1), fixed(table.context().powerBoundWatts, 1)));
        if (table.finish())
            return std::make_shared<SweepStepSpec>(limits, dwell);
        return nullptr;
    }
    table.finish();
    return nullptr;
}

} // namespace velmor

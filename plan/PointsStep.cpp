#include "PointsStep.h"

#include "LoadFrame.h"
#include "Reading.h"
#include "StepKinds.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace velmor {

namespace {

// The three outputs as the step judges them. Measurement names and key figures are record data
// and stay English, as the data files' summaries do.
struct PointsOutput {
    const UnitOutput* unit;
    Tolerance Profile::*tolerance;
    const char* name;
    double Reading::*volts;
    double LoadAmps::*amps;
};
constexpr std::array<PointsOutput, 3> outputs{{
    {&output5, &Profile::out5, "+5 V", &Reading::volts5, &LoadAmps::amps5},
    {&output12, &Profile::out12, "+12 V", &Reading::volts12, &LoadAmps::amps12},
    {&output33, &Profile::out33, "+3.3 V", &Reading::volts33, &LoadAmps::amps33},
}};

QString pointName(std::size_t point) {
    return QStringLiteral("P%1").arg(point + 1);
}

} // namespace

qint64 PointsSpec::estimatedMs(const PlanContext&) const {
    return static_cast<qint64>(points.size()) * std::max<qint64>(dwellMs, planTickMs);
}

QString PointsSpec::describe() const {
    return QCoreApplication::translate("velmor::Plan", "load points: %1, %2 s each")
        .arg(points.size())
        .arg(QString::number(static_cast<double>(dwellMs) / 1000, 'g', 6));
}

std::unique_ptr<PlanStep> PointsSpec::make(const PlanContext& context) const {
    return std::make_unique<PointsStep>(*this, context);
}

std::shared_ptr<StepSpec> readPointsStep(PlanTable& table) {
    const auto points = table.loads("points");
    const auto dwell = table.seconds("dwell");
    if (points && points->empty())
        table.fail("points", QCoreApplication::translate("velmor::Plan", "no load points"));
    if (!table.finish() || !points || !dwell)
        return nullptr;
    auto spec = std::make_shared<PointsSpec>();
    spec->points = *points;
    spec->dwellMs = *dwell;
    return spec;
}

PointsStep::PointsStep(const PointsSpec& spec, const PlanContext& context)
    : spec_(spec), context_(context), hold_(spec.dwellMs, context.paceByReplies, planTickMs) {}

ControlFrame PointsStep::frameOf(std::size_t point) const {
    return loadFrame(true, point < spec_.points.size() ? spec_.points[point].amps : LoadAmps{})
        .frame;
}

ControlFrame PointsStep::firstFrame() {
    return frameOf(0);
}

StepAnswer PointsStep::take(const StepReading& reading, Settling settling) {
    StepAnswer answer;
    if (point_ >= spec_.points.size()) {
        answer.done = true;
        return answer;
    }
    if (settling == Settling::Judged && reading.reply) {
        const Reading volts = context_.calibration.corrected(graphReading(*reading.reply));
        for (std::size_t i = 0; i < outputs.size(); ++i) {
            const double v = volts.*outputs[i].volts;
            const double nominal = outputs[i].unit->nominalVolts;
            // An end of the range is as far as a reading goes: the point fails on it, and it
            // is no value to take a regulation from.
            const bool beyond = outputs[i].unit->endOf(v) != RangeEnd::Inside;
            if (!furthest_[i] || std::abs(v - nominal) > std::abs(*furthest_[i] - nominal) ||
                beyond)
                furthest_[i] = v;
            if (beyond)
                continue;
            spread_[i] = spread_[i]
                             ? Spread{std::min(spread_[i]->low, v), std::max(spread_[i]->high, v)}
                             : Spread{v, v};
        }
        ++judged_;
        answer.use = ReadingUse::Judged;
    } else {
        ++unsettled_;
        answer.use = ReadingUse::Unsettled;
    }
    const bool held = hold_.held(reading);
    heldMs_ = hold_.heldMs(reading);
    if (held) {
        endPoint();
        if (point_ < spec_.points.size()) {
            answer.frame = frameOf(point_);
            hold_.sent(reading);
            heldMs_ = 0;
        } else {
            answer.done = true;
        }
    }
    return answer;
}

void PointsStep::endPoint() {
    const QString at = pointName(point_);
    const LoadAmps set = loadFrame(true, spec_.points[point_].amps).amps;
    if (!furthest_[0]) {
        if (!unsettledPoint_)
            unsettledPoint_ = point_;
        measurements_.push_back({QStringLiteral("%1: no settled reading").arg(at),
                                 0,
                                 QString(),
                                 {},
                                 Outcome::Error,
                                 std::nullopt});
    }
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (furthest_[i]) {
            const Limits limits =
                voltsLimits(*outputs[i].unit, context_.profile.*outputs[i].tolerance,
                            context_.profile.guardPercent);
            const Measurement m = measuredVolts(
                QStringLiteral("%1 at %2").arg(QLatin1String(outputs[i].name), at),
                *outputs[i].unit, *furthest_[i], limits,
                context_.calibration.uncertainty(inputOf(*outputs[i].unit), *furthest_[i]));
            measurements_.push_back(m);
            findings_.note(
                QLatin1String(outputs[i].name), *outputs[i].unit, m.value, m.outcome, limits,
                [&at] { return at; }, [&set] { return loadsText(set); });
        }
    }
    for (const PointsOutput& out : outputs) {
        Measurement load =
            measured(QStringLiteral("%1 load at %2").arg(QLatin1String(out.name), at),
                     set.*out.amps, QStringLiteral("A"));
        load.asked = spec_.points[point_].amps.*out.amps;
        measurements_.push_back(load);
    }
    furthest_ = {};
    ++point_;
}

StepResult PointsStep::result() const {
    StepResult result;
    result.measurements = measurements_;
    QStringList figures;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const QString name = QLatin1String(outputs[i].name);
        if (!spread_[i]) {
            if (judged_ > 0) // every judged reading at an end of the unit's range
                figures << QStringLiteral("%1 beyond the range").arg(name);
            continue;
        }
        const double percent =
            (spread_[i]->high - spread_[i]->low) / outputs[i].unit->nominalVolts * 100;
        result.measurements.push_back(
            measured(QStringLiteral("regulation %1").arg(name), percent, QStringLiteral("%")));
        figures << QStringLiteral("%1 %2 %").arg(name, QString::number(percent, 'f', 1));
    }
    if (unsettledPoint_)
        result.keyFigure =
            QStringLiteral("no settled reading at %1").arg(pointName(*unsettledPoint_));
    else if (!figures.isEmpty())
        result.keyFigure = QStringLiteral("regulation ") + figures.join(QStringLiteral(", "));
    result.outcome = worstOf(result.measurements);
    result.finding = findings_.deciding(result.outcome);
    result.judged = judged_;
    result.unsettled = unsettled_;
    return result;
}

QString PointsStep::where() const {
    return spec_.points.empty() ? QString() : pointName(std::min(point_, spec_.points.size() - 1));
}

double PointsStep::progress() const {
    const double dwell = static_cast<double>(std::max<qint64>(spec_.dwellMs, 1));
    const double total = static_cast<double>(spec_.points.size()) * dwell;
    if (total <= 0)
        return 1;
    return std::min(
        1.0, (static_cast<double>(point_) * dwell + std::min(static_cast<double>(heldMs_), dwell)) /
                 total);
}

} // namespace velmor

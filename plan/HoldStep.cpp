#include "HoldStep.h"

#include "LoadFrame.h"
#include "PlanSummary.h"
#include "Reading.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace velmor {

namespace {

// This file's texts, looked up in the catalogue under "HoldStep".
struct HoldStepText {
    Q_DECLARE_TR_FUNCTIONS(HoldStep)
};

constexpr std::array<const UnitOutput*, 3> units{&output5, &output12, &output33};

QString outputName(int i) {
    static const char* const names[] = {"+5 V", "+12 V", "+3.3 V"};
    return QLatin1String(names[i]);
}

// Measurement names and key figures are record data and stay English, as the data files'
// summaries do: "8 h", "1 h 30 min", "30 min", "1 min 30 s", "0.5 s".
QString heldFor(qint64 ms) {
    if (ms < 1000)
        return QStringLiteral("%1 s").arg(static_cast<double>(ms) / 1000);
    const qint64 s = ms / 1000;
    QStringList parts;
    if (s >= 3600)
        parts << QStringLiteral("%1 h").arg(s / 3600);
    if (s % 3600 >= 60)
        parts << QStringLiteral("%1 min").arg(s % 3600 / 60);
    if (s % 60 && s < 3600)
        parts << QStringLiteral("%1 s").arg(s % 60);
    return parts.join(QLatin1Char(' '));
}

// 287,400: counts of an eight-hour hold stay readable.
QString count(int n) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::DefaultNumberOptions);
    return c.toString(n);
}

qint64 heldMs(const HoldSpec& spec) {
    qint64 ms = 0;
    for (const HoldSpec::Level& level : spec.levels)
        ms += level.ms;
    return ms * spec.repeat;
}

int positions(const HoldSpec& spec) {
    return static_cast<int>(spec.levels.size()) * spec.repeat;
}

} // namespace

qint64 HoldSpec::estimatedMs(const PlanContext&) const {
    return heldMs(*this) + (powerCycle ? offMs * (positions(*this) - 1) : 0);
}

QString HoldSpec::describe() const {
    QString text = levels.size() == 1
                       ? HoldStepText::tr("1 level for %1").arg(durationText(levels.front().ms))
                       : HoldStepText::tr("%1 levels, %2 in all")
                             .arg(levels.size())
                             .arg(durationText(heldMs(*this) / repeat));
    if (repeat > 1)
        text += HoldStepText::tr(", %1 times").arg(repeat);
    if (powerCycle)
        text += HoldStepText::tr(", the supply switched off %1 between levels")
                    .arg(durationText(offMs));
    return text;
}

std::unique_ptr<PlanStep> HoldSpec::make(const PlanContext& context) const {
    return std::make_unique<HoldStep>(*this, context);
}

HoldStep::HoldStep(const HoldSpec& spec, const PlanContext& context)
    : spec_(spec), limits_{voltsLimits(output5, context.profile.out5, context.profile.guardPercent),
                           voltsLimits(output12, context.profile.out12,
                                       context.profile.guardPercent),
                           voltsLimits(output33, context.profile.out33,
                                       context.profile.guardPercent)},
      calibration_(context.calibration) {}

ControlFrame HoldStep::levelFrame(int position) const {
    const auto& level = spec_.levels[static_cast<std::size_t>(position) % spec_.levels.size()];
    return loadFrame(true, level.load.amps).frame;
}

ControlFrame HoldStep::firstFrame() {
    return levelFrame(0);
}

void HoldStep::judge(const ReplyFrame& reply, const LoadSettings& loads) {
    const Reading r = calibration_.corrected(graphReading(reply));
    const std::array<double, 3> volts{r.volts5, r.volts12, r.volts33};
    bool outside = false;
    for (std::size_t i = 0; i < 3; ++i) {
        Output& o = outputs_[i];
        o.lowest = judged_ == 0 ? volts[i] : std::min(o.lowest, volts[i]);
        o.highest = judged_ == 0 ? volts[i] : std::max(o.highest, volts[i]);
        const Outcome outcome = judgeVolts(*units[i], volts[i], limits_[i],
                                           calibration_.uncertainty(allInputs[i], volts[i]));
        findings_.note(
            outputName(static_cast<int>(i)), *units[i], volts[i], outcome, limits_[i],
            [this] { return where(); }, [&loads] { return loadsText(loadAmps(loads)); });
        if (outcome == Outcome::Fail) {
            ++o.outside;
            outside = true;
        }
    }
    if (outside)
        ++outside_;
    ++judged_;
}

StepAnswer HoldStep::take(const StepReading& reading, Settling settling) {
    StepAnswer answer;
    if (done_)
        return answer;
    const qint64 now = reading.sinceStartMs;
    if (!started_) {
        started_ = true;
        phaseStartMs_ = now;
    }
    lastMs_ = now;
    if (reading.reply) {
        if (settling == Settling::Judged) {
            judge(*reading.reply, loadSettings(reading.answers));
            answer.use = ReadingUse::Judged;
        } else {
            ++unsettled_;
            answer.use = ReadingUse::Unsettled;
        }
    }
    const qint64 phaseMs =
        off_ ? HoldSpec::offMs
             : spec_.levels[static_cast<std::size_t>(position_) % spec_.levels.size()].ms;
    if (now - phaseStartMs_ < phaseMs) {
        // The same frame every tick: the unit answers each, and nothing jumps.
        answer.frame = off_ ? allOffFrame : levelFrame(position_);
        return answer;
    }
    doneMs_ += phaseMs;
    phaseStartMs_ = now;
    if (off_) {
        off_ = false;
        answer.frame = levelFrame(position_);
    } else if (++position_ == positions(spec_)) {
        done_ = true;
        answer.done = true;
    } else if (spec_.powerCycle) {
        off_ = true;
        answer.frame = allOffFrame;
    } else {
        answer.frame = levelFrame(position_);
    }
    return answer;
}

StepResult HoldStep::result() const {
    StepResult r;
    r.judged = judged_;
    r.unsettled = unsettled_;
    if (judged_ > 0) {
        for (std::size_t i = 0; i < 3; ++i) {
            const QString name = outputName(static_cast<int>(i));
            for (const auto& [which, volts] :
                 {std::pair{QStringLiteral("lowest"), outputs_[i].lowest},
                  std::pair{QStringLiteral("highest"), outputs_[i].highest}})
                r.measurements.push_back(
                    measuredVolts(QStringLiteral("%1 %2").arg(name, which), *units[i], volts,
                                  limits_[i], calibration_.uncertainty(allInputs[i], volts)));
            r.measurements.push_back(measured(QStringLiteral("%1 readings outside").arg(name),
                                              outputs_[i].outside, QString(),
                                              {std::nullopt, 0, std::nullopt, std::nullopt}));
        }
    }
    r.measurements.push_back(measured(QStringLiteral("readings judged"), judged_, QString()));
    r.measurements.push_back(
        measured(QStringLiteral("readings not judged"), unsettled_, QString()));
    const QString held = heldFor(elapsedMs());
    if (judged_ == 0) {
        r.outcome = Outcome::Error; // nothing to judge the supply by
        r.keyFigure = QStringLiteral("%1, no reading judged").arg(held);
        return r;
    }
    r.outcome = worstOf(r.measurements);
    r.finding = findings_.deciding(r.outcome);
    r.keyFigure = outside_ == 0
                      ? QStringLiteral("%1, %2 judged, none outside").arg(held, count(judged_))
                      : QStringLiteral("%1, %2 judged, %3 outside")
                            .arg(held, count(judged_), count(outside_));
    return r;
}

qint64 HoldStep::elapsedMs() const {
    return doneMs_ + (done_ ? 0 : lastMs_ - phaseStartMs_);
}

QString HoldStep::where() const {
    return heldFor(elapsedMs());
}

double HoldStep::progress() const {
    const qint64 total = spec_.estimatedMs({});
    if (done_ || total <= 0)
        return 1;
    const qint64 inPhase = started_ ? lastMs_ - phaseStartMs_ : 0;
    return std::clamp(static_cast<double>(doneMs_ + inPhase) / static_cast<double>(total), 0.0,
                      1.0);
}

std::shared_ptr<StepSpec> readHoldStep(PlanTable& table) {
    auto spec = std::make_shared<HoldSpec>();
    const auto repeat = table.integer("repeat", 1, 10000, PlanTable::Need::Optional);
    const auto powerCycle = table.flag("power_cycle", PlanTable::Need::Optional);
    auto levels = table.tables("level");
    bool good = true;
    if (levels) {
        if (levels->empty()) {
            table.fail("level", HoldStepText::tr("a hold needs at least one level"));
            good = false;
        }
        for (PlanTable& level : *levels) {
            const auto ms = level.seconds("seconds");
            const auto load = level.load("load");
            good = level.finish() && good;
            if (ms && load)
                spec->levels.push_back({*ms, *load});
        }
    }
    if (!table.finish() || !good || !levels || spec->levels.size() != levels->size())
        return nullptr;
    spec->repeat = repeat.value_or(1);
    spec->powerCycle = powerCycle.value_or(false);
    return spec;
}

} // namespace velmor

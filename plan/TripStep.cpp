#include "TripStep.h"

#include "LoadFrame.h"
#include "NumberText.h"
#include "Settling.h"
#include "StepKinds.h"
#include "Sweep.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmor {

namespace {

struct TripStepText {
    Q_DECLARE_TR_FUNCTIONS(TripStep)
};

// More levels than this make a ramp no bench would run.
constexpr int maxTripLevels = 10000;

LoadAmps plus(const LoadAmps& a, const LoadAmps& b, double times) {
    return {a.amps5 + times * b.amps5, a.amps12 + times * b.amps12, a.amps33 + times * b.amps33};
}

// What the ramp climbs in: watts at nominal volts, or the one output's amperes.
double climbed(TripOutput output, const LoadAmps& amps) {
    switch (output) {
    case TripOutput::Plus5:
        return amps.amps5;
    case TripOutput::Plus12:
        return amps.amps12;
    case TripOutput::Plus33:
        return amps.amps33;
    case TripOutput::All:
        break;
    }
    return nominalWatts(amps);
}

QString outputName(TripOutput output) {
    switch (output) {
    case TripOutput::Plus5:
        return QStringLiteral("+5 V");
    case TripOutput::Plus12:
        return QStringLiteral("+12 V");
    case TripOutput::Plus33:
        return QStringLiteral("+3.3 V");
    case TripOutput::All:
        break;
    }
    return {};
}

// The label's rating the window is a percentage of.
double rating(TripOutput output, const SupplyLabel& label) {
    return output == TripOutput::All ? label.ratedWatts : climbed(output, label.ratedAmps);
}

QString climbedUnit(TripOutput output) {
    return output == TripOutput::All ? QStringLiteral("W") : QStringLiteral("A");
}

std::vector<LoadAmps> rampLevels(const TripStepSpec::Ramp& ramp) {
    std::vector<LoadAmps> levels;
    const double per = climbed(ramp.output, ramp.step);
    if (per <= 0)
        return levels;
    const double top = climbed(ramp.output, ramp.end) + 1e-9;
    for (int k = 0; k <= maxTripLevels; ++k) {
        const LoadAmps level = plus(ramp.start, ramp.step, k);
        if (climbed(ramp.output, level) > top)
            break;
        levels.push_back(level);
    }
    return levels;
}

ControlFrame levelFrame(const LoadAmps& amps) {
    return loadFrame(true, amps).frame;
}

RunReading ratios(const Reading& r) {
    return runReading(0, true, {}, r.volts5, r.volts12, r.volts33);
}

// All three outputs below power-good: the supply has shut down.
bool collapsed(const Reading& r) {
    return belowPowerGood(ratios(r));
}

bool isPowerGood(const Reading& r) {
    return powerGood(ratios(r));
}

// The load of a level as set, its power and each loaded output's current, with what was asked.
void loadMeasurements(std::vector<Measurement>& into, const QString& what, const LoadAmps& asked,
                      const Limits& powerLimits, const Limits& ampsLimits, TripOutput output) {
    const LoadAmps set = loadFrame(true, asked).amps;
    Measurement watts = measured(QStringLiteral("%1 power").arg(what), nominalWatts(set),
                                 QStringLiteral("W"), powerLimits);
    watts.asked = nominalWatts(asked);
    into.push_back(watts);
    const struct {
        TripOutput output;
        double set;
        double asked;
    } outputs[] = {{TripOutput::Plus5, set.amps5, asked.amps5},
                   {TripOutput::Plus12, set.amps12, asked.amps12},
                   {TripOutput::Plus33, set.amps33, asked.amps33}};
    for (const auto& o : outputs) {
        if (o.asked <= 0 && o.output != output)
            continue;
        Measurement amps =
            measured(QStringLiteral("%1 current %2").arg(what, outputName(o.output)), o.set,
                     QStringLiteral("A"), o.output == output ? ampsLimits : Limits{});
        amps.asked = o.asked;
        into.push_back(amps);
    }
}

} // namespace

TripStepSpec::TripStepSpec(const Ramp& ramp) : ramp_(ramp), levels_(rampLevels(ramp)) {
    name = kind();
}

qint64 TripStepSpec::estimatedMs(const PlanContext&) const {
    // No trip: every level for its dwell; a trip ends it sooner but adds the off and power-on.
    return static_cast<qint64>(levels_.size()) * ramp_.dwellMs + tripOffMs + powerOnTimeoutMs;
}

QString TripStepSpec::describe() const {
    const TripOutput o = ramp_.output;
    const QString unit = climbedUnit(o);
    const QString what = o == TripOutput::All
                             ? TripStepText::tr("over-power trip")
                             : TripStepText::tr("over-current trip on %1").arg(outputName(o));
    return TripStepText::tr("%1 from %2 %3 by %4 %3 every %5 s up to %6 %3, window %7..%8 %")
        .arg(what, fixed(climbed(o, ramp_.start), 1), unit, fixed(climbed(o, ramp_.step), 2),
             QString::number(ramp_.dwellMs / 1000.0, 'g', 6), fixed(climbed(o, ramp_.end), 1),
             QString::number(ramp_.windowLow, 'g', 6), QString::number(ramp_.windowHigh, 'g', 6));
}

std::unique_ptr<PlanStep> TripStepSpec::make(const PlanContext& context) const {
    return std::make_unique<TripStep>(ramp_, levels_, context);
}

TripStep::TripStep(const TripStepSpec::Ramp& ramp, std::vector<LoadAmps> levels,
                   const PlanContext& context)
    : spec_(ramp), levels_(std::move(levels)), label_(context.label),
      calibration_(context.calibration), hold_(ramp.dwellMs, context.paceByReplies, planTickMs),
      offHold_(tripOffMs, context.paceByReplies, planTickMs) {}

ControlFrame TripStep::firstFrame() {
    return levels_.empty() ? controlFrame(true, LoadSettings{}) : levelFrame(levels_.front());
}

StepAnswer TripStep::take(const StepReading& reading, Settling settling) {
    if (!reading.reply || phase_ == Phase::Done)
        return {};
    const StepAnswer answer =
        phase_ == Phase::Ramp ? ramp(reading, settling) : recover(reading, settling);
    (answer.use == ReadingUse::Judged ? judged_ : unsettled_) += 1;
    return answer;
}

StepAnswer TripStep::ramp(const StepReading& reading, Settling settling) {
    StepAnswer answer;
    answer.use = ReadingUse::Unsettled;
    if (levels_.empty()) {
        phase_ = Phase::Done;
        answer.done = true;
        return answer;
    }
    const Reading r = calibration_.corrected(graphReading(*reading.reply));
    const bool held = hold_.held(reading);
    const bool up = settling == Settling::Judged || settling == Settling::LoadJump;
    if (up && collapsed(r)) {
        tripLevel_ = level_;
        phase_ = Phase::Off;
        answer.frame = allOffFrame;
        offHold_.sent(reading);
        return answer;
    }
    if (settling != Settling::Judged || reading.answers != levelFrame(levels_[level_]))
        return answer;
    answer.use = ReadingUse::Judged;
    before_ = r;
    if (!held)
        return answer;
    if (level_ + 1 < static_cast<int>(levels_.size())) {
        ++level_;
        answer.frame = levelFrame(levels_[level_]);
        hold_.sent(reading);
    } else {
        // Held the end without a trip: the loads off, the supply left on.
        phase_ = Phase::Done;
        answer.frame = controlFrame(true, LoadSettings{});
        answer.done = true;
    }
    return answer;
}

StepAnswer TripStep::recover(const StepReading& reading, Settling settling) {
    StepAnswer answer;
    answer.use = ReadingUse::Unsettled;
    if (phase_ == Phase::Off) {
        if (offHold_.held(reading) && settling == Settling::SupplyOff) {
            phase_ = Phase::PoweringOn;
            answer.frame = controlFrame(true, LoadSettings{});
        }
        return answer;
    }
    if (reading.answers.supplyOn() &&
        isPowerGood(calibration_.corrected(graphReading(*reading.reply)))) {
        phase_ = Phase::Done;
        answer.done = true;
    }
    return answer;
}

StepResult TripStep::result() const {
    // Measurement names and the key figure are record data, in English whatever the run's
    // language; they are translated where they are shown.
    StepResult result;
    result.judged = judged_;
    result.unsettled = unsettled_;
    const TripOutput o = spec_.output;
    const double rated = rating(o, label_);
    const Limits window{rated * spec_.windowLow / 100, rated * spec_.windowHigh / 100, std::nullopt,
                        std::nullopt};
    const Limits powerWindow = o == TripOutput::All ? window : Limits{};
    const Limits ampsWindow = o == TripOutput::All ? Limits{} : window;
    if (tripLevel_) {
        const LoadAmps at = levels_[*tripLevel_];
        loadMeasurements(result.measurements, QStringLiteral("trip"), at, powerWindow, ampsWindow,
                         o);
        if (*tripLevel_ > 0)
            loadMeasurements(result.measurements, QStringLiteral("held"), levels_[*tripLevel_ - 1],
                             {}, {}, o);
        const double value = climbed(o, loadFrame(true, at).amps);
        result.keyFigure =
            o == TripOutput::All
                ? QStringLiteral("trip at %1 W").arg(fixed(value, 1))
                : QStringLiteral("trip at %1 A on %2").arg(fixed(value, 2), outputName(o));
    } else if (phase_ == Phase::Done) {
        const double top = levels_.empty() ? 0 : climbed(o, loadFrame(true, levels_.back()).amps);
        Measurement none = measured(QStringLiteral("no trip up to"), top, climbedUnit(o), window);
        none.outcome = Outcome::Fail;
        result.measurements.push_back(none);
        result.keyFigure = QStringLiteral("no trip up to %1 %2")
                               .arg(fixed(top, o == TripOutput::All ? 1 : 2), climbedUnit(o));
    }
    if (before_) {
        // Recorded, not judged: no limit holds them, but each keeps its uncertainty.
        for (const Input input : allInputs) {
            const double volts = input == Input::Volts5    ? before_->volts5
                                 : input == Input::Volts12 ? before_->volts12
                                                           : before_->volts33;
            Measurement m = measured(QStringLiteral("%1 before the trip").arg(inputName(input)),
                                     volts, QStringLiteral("V"));
            m.uncertainty = calibration_.uncertainty(input, volts);
            result.measurements.push_back(m);
        }
    }
    result.outcome = worstOf(result.measurements);
    return result;
}

double TripStep::progress() const {
    switch (phase_) {
    case Phase::Ramp:
        return levels_.empty() ? 0.0
                               : static_cast<double>(level_) / static_cast<double>(levels_.size());
    case Phase::Off:
    case Phase::PoweringOn:
        return 0.95;
    case Phase::Done:
        break;
    }
    return 1.0;
}

std::shared_ptr<StepSpec> readTripStep(PlanTable& table) {
    TripStepSpec::Ramp ramp;
    const auto output = table.text("output");
    if (output) {
        if (*output == QLatin1String("all"))
            ramp.output = TripOutput::All;
        else if (*output == QLatin1String("5"))
            ramp.output = TripOutput::Plus5;
        else if (*output == QLatin1String("12"))
            ramp.output = TripOutput::Plus12;
        else if (*output == QLatin1String("33"))
            ramp.output = TripOutput::Plus33;
        else
            table.fail("output", TripStepText::tr("output is \"all\", \"5\", \"12\" or \"33\""));
    }
    const auto start = table.load("start");
    const auto step = table.load("step");
    const auto end = table.load("end");
    const auto dwell = table.seconds("dwell");
    const auto window = table.range("window", 0, 1000);
    if (!output || !start || !step || !end || !dwell || !window) {
        table.finish();
        return nullptr;
    }
    ramp.start = start->amps;
    ramp.step = step->amps;
    ramp.end = end->amps;
    ramp.dwellMs = *dwell;
    ramp.windowLow = window->first;
    ramp.windowHigh = window->second;
    const QString unit = climbedUnit(ramp.output);
    const std::vector<LoadAmps> levels = rampLevels(ramp);
    if (climbed(ramp.output, ramp.step) <= 0) {
        table.fail(
            "step",
            ramp.output == TripOutput::All
                ? TripStepText::tr("the step adds no power")
                : TripStepText::tr("the step adds nothing to %1").arg(outputName(ramp.output)));
    } else if (climbed(ramp.output, ramp.end) < climbed(ramp.output, ramp.start)) {
        table.fail("end", TripStepText::tr("the end (%1 %2) is below the start (%3 %2)")
                              .arg(fixed(climbed(ramp.output, ramp.end), 2), unit,
                                   fixed(climbed(ramp.output, ramp.start), 2)));
    } else if (levels.size() > static_cast<std::size_t>(maxTripLevels)) {
        table.fail("step",
                   TripStepText::tr("the step is too small: more than %1 levels up to the end")
                       .arg(maxTripLevels));
    } else if (rating(ramp.output, table.context().label) <= 0) {
        table.fail("window",
                   TripStepText::tr("the label rates nothing the window could be a share of"));
    } else {
        const LoadAmps top = levels.back();
        for (const TripOutput o : {TripOutput::Plus5, TripOutput::Plus12, TripOutput::Plus33}) {
            const double fullScale =
                climbed(o, loadAmps({maxLoadSetting, maxLoadSetting, maxLoadSetting}));
            if (climbed(o, top) > fullScale + 1e-9) {
                table.fail("step", TripStepText::tr("the ramp passes the %1 full scale (%2 A)")
                                       .arg(outputName(o), fixed(fullScale, 2)));
                break;
            }
        }
        if (nominalWatts(top) > table.context().powerBoundWatts + 1e-9)
            table.fail(
                "step",
                TripStepText::tr("the ramp's last load draws %1 W, above the plan's power "
                                 "bound of %2 W")
                    .arg(fixed(nominalWatts(top), 1), fixed(table.context().powerBoundWatts, 1)));
    }
    if (!table.finish())
        return nullptr;
    return std::make_shared<TripStepSpec>(ramp);
}

} // namespace velmor

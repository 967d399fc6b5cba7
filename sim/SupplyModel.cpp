#include "SupplyModel.h"

#include "LoadFrame.h"

#include <algorithm>
#include <cmath>

namespace velmor::sim {

namespace {

// Relative drop per ampere of each output's own load (rectifier, choke, wiring).
constexpr double drop5PerAmp = 0.0048;
constexpr double drop12PerAmp = 0.0114;
constexpr double drop33PerAmp = 0.0006;
// Share of the +5 V output in the regulator's feedback; the +12 V output has the rest.
constexpr double feedbackShare5 = 0.5;
// Common sag of the group-regulated outputs with the total power (finite loop gain).
constexpr double sagPerWatt = 0.00004;
// How close to its steady value a settling output counts as settled, relative to nominal.
constexpr double settledWithin = 0.0001;

using Ratios = SupplyModel::Ratios;

// Each output's voltage relative to its nominal, on and under the given loads.
Ratios ratiosUnderLoad(double amps5, double amps12, double amps33) {
    const double own5 = drop5PerAmp * amps5;
    const double own12 = drop12PerAmp * amps12;
    // The regulator raises both outputs until the weighted average of the two is nominal.
    const double raise = feedbackShare5 * own5 + (1 - feedbackShare5) * own12;
    const double sag = sagPerWatt * (output5.nominalVolts * amps5 + output12.nominalVolts * amps12);
    return {1 + raise - own5 - sag, 1 + raise - own12 - sag, 1 - drop33PerAmp * amps33};
}

} // namespace

quint8 readingByte(double ratioToNominal) {
    // (V - 0.8 nom) / (0.4 nom) * 255, written around nominal so nominal is exactly 127.5.
    constexpr double perNominal = maxReading * 100.0 / (readingHighPercent - readingLowPercent);
    const double b = maxReading / 2.0 + (ratioToNominal - 1) * perNominal;
    return static_cast<quint8>(std::clamp(std::lround(b), 0L, long{maxReading}));
}

void SupplyModel::apply(const ControlFrame& frame, qint64 atMs) {
    const bool wasOn = isOn();
    from_ = ratiosAt(atMs);
    movingAtMs_ = std::max(atMs, movingAtMs_);
    frame_ = frame;
    switchedOn_ = frame.supplySwitch != 0;
    if (!switchedOn_)
        tripped_ = false; // switching off resets the protection
    else if (!tripped_ && outputs().watts > overPowerWatts_)
        tripped_ = true;
    if (!wasOn && isOn()) {
        from_ = {};
        movingAtMs_ = atMs + powerOnMs_;
    }
}

Ratios SupplyModel::ratiosAt(qint64 atMs) const {
    if (!isOn() || atMs < movingAtMs_)
        return isOn() ? from_ : Ratios{};
    const LoadAmps amps = loadAmps(loadSettings(frame_));
    const Ratios target = ratiosUnderLoad(amps.amps5, amps.amps12, amps.amps33);
    if (settleMs_ == 0)
        return target;
    const double left = std::exp(-static_cast<double>(atMs - movingAtMs_) / settleMs_);
    // Within a ten-thousandth of nominal (a fifteenth of a reading step) the output has settled:
    // the reading of a settled output is its steady reading, whatever the rounding.
    const auto follow = [left](double from, double to) {
        const double now = to + (from - to) * left;
        return std::abs(now - to) < settledWithin ? to : now;
    };
    return {follow(from_.v5, target.v5), follow(from_.v12, target.v12),
            follow(from_.v33, target.v33)};
}

SupplyOutputs SupplyModel::outputs() const {
    SupplyOutputs out;
    if (!isOn())
        return out;
    const LoadAmps amps = loadAmps(loadSettings(frame_));
    out.amps5 = amps.amps5;
    out.amps12 = amps.amps12;
    out.amps33 = amps.amps33;
    const Ratios r = ratiosUnderLoad(out.amps5, out.amps12, out.amps33);
    out.volts5 = output5.nominalVolts * r.v5;
    out.volts12 = output12.nominalVolts * r.v12;
    out.volts33 = output33.nominalVolts * r.v33;
    out.watts = out.volts5 * out.amps5 + out.volts12 * out.amps12 + out.volts33 * out.amps33;
    return out;
}

ReplyFrame SupplyModel::reply(qint64 atMs) {
    ReplyFrame r;
    r.b1 = static_cast<quint8>((isOn() ? statusOn : 0) | (tripped_ ? statusTripped : 0));
    if (!isOn() && !source_)
        return r; // an unpowered supply reads 0 V, below every window
    const Ratios ratio =
        isOn() ? ratiosAt(atMs)
               : Ratios{(*source_)[0] / output5.nominalVolts, (*source_)[1] / output12.nominalVolts,
                        (*source_)[2] / output33.nominalVolts};
    r.b2 = readAs(0, ratio.v5);
    r.b3 = readAs(1, ratio.v12);
    r.b4 = readAs(2, ratio.v33);
    if (noiseLsb_ > 0) {
        std::uniform_int_distribution<int> offset(-noiseLsb_, noiseLsb_);
        for (quint8* b : {&r.b2, &r.b3, &r.b4})
            *b = static_cast<quint8>(std::clamp(*b + offset(noise_), 0, 255));
    }
    return r;
}

void SupplyModel::setInputScale(int output, InputScale scale) {
    scales_.at(static_cast<std::size_t>(output)) = scale;
}

quint8 SupplyModel::readAs(int output, double ratioToNominal) const {
    const InputScale& scale = scales_[static_cast<std::size_t>(output)];
    if (scale.gain == 1 && scale.offset == 0)
        return readingByte(ratioToNominal); // to the bit as without a scale
    const double nominal =
        std::array{output5, output12, output33}[static_cast<std::size_t>(output)].nominalVolts;
    return readingByte((scale.gain * ratioToNominal * nominal + scale.offset) / nominal);
}

std::optional<std::pair<int, double>> parseOutputValue(const QString& text) {
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    const QString output = text.left(equals).trimmed();
    bool ok = false;
    const double value = text.mid(equals + 1).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const QStringList names{QStringLiteral("5"), QStringLiteral("12"), QStringLiteral("3.3")};
    const auto index = names.indexOf(output);
    if (index < 0)
        return std::nullopt;
    return std::pair{static_cast<int>(index), value};
}

std::optional<QString> applyInputScales(SupplyModel& model, const QStringList& gains,
                                        const QStringList& offsets) {
    std::array<SupplyModel::InputScale, 3> scales{};
    for (const QString& text : gains) {
        const auto value = parseOutputValue(text);
        if (!value || value->second <= 0)
            return QStringLiteral("--input-gain needs output=gain with the output 5, 12 or 3.3 and "
                                  "a positive gain, not \"%1\"")
                .arg(text);
        scales[static_cast<std::size_t>(value->first)].gain = value->second;
    }
    for (const QString& text : offsets) {
        const auto value = parseOutputValue(text);
        if (!value)
            return QStringLiteral("--input-offset needs output=volts with the output 5, 12 or "
                                  "3.3, not \"%1\"")
                .arg(text);
        scales[static_cast<std::size_t>(value->first)].offset = value->second;
    }
    for (int output = 0; output < 3; ++output)
        model.setInputScale(output, scales[static_cast<std::size_t>(output)]);
    return std::nullopt;
}

void SupplyModel::setNoise(int lsb, unsigned seed) {
    noiseLsb_ = std::max(lsb, 0);
    noise_.seed(seed);
}

} // namespace velmor::sim

#include "Calibration.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace velmor {

int readingByte(const ReplyFrame& reply, Input input) {
    switch (input) {
    case Input::Volts5:
        return reply.b2;
    case Input::Volts12:
        return reply.b3;
    case Input::Volts33:
        break;
    }
    return reply.b4;
}

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Calibration)
};

// The design's volts of a mean reading, which need not be a whole byte.
double designVolts(Input input, double rawMean) {
    const UnitOutput& output = unitOutputOf(input);
    return rawMean * output.spanVolts() / maxReading + output.lowVolts();
}

} // namespace

const UnitOutput& unitOutputOf(Input input) {
    switch (input) {
    case Input::Volts5:
        return output5;
    case Input::Volts12:
        return output12;
    case Input::Volts33:
        break;
    }
    return output33;
}

Input inputOf(const UnitOutput& output) {
    return output.nominalVolts == output5.nominalVolts    ? Input::Volts5
           : output.nominalVolts == output12.nominalVolts ? Input::Volts12
                                                          : Input::Volts33;
}

QString inputName(Input input) {
    switch (input) {
    case Input::Volts5:
        return QStringLiteral("+5 V");
    case Input::Volts12:
        return QStringLiteral("+12 V");
    case Input::Volts33:
        break;
    }
    return QStringLiteral("+3.3 V");
}

QString shownInputName(Input input) {
    switch (input) {
    case Input::Volts5:
        return Text::tr("+5 V");
    case Input::Volts12:
        return Text::tr("+12 V");
    case Input::Volts33:
        break;
    }
    return Text::tr("+3.3 V");
}

std::optional<Input> parseInput(QStringView name) {
    for (const Input input : allInputs)
        if (name == inputName(input))
            return input;
    return std::nullopt;
}

double stepVolts(Input input) {
    return unitOutputOf(input).spanVolts() / maxReading;
}

double ReferenceMeter::limitAt(double volts) const {
    return accuracyPercent / 100 * std::abs(volts) + accuracyVolts;
}

double Calibration::corrected(Input input, double designVolts) const {
    return of(input).corrected(designVolts);
}

Reading Calibration::corrected(const Reading& reading) const {
    Reading out = reading;
    const auto correct = [this](Input input, quint8 raw, double& volts) {
        if (rangeEnd(raw) == RangeEnd::Inside)
            volts = corrected(input, volts);
    };
    correct(Input::Volts5, reading.raw.b2, out.volts5);
    correct(Input::Volts12, reading.raw.b3, out.volts12);
    correct(Input::Volts33, reading.raw.b4, out.volts33);
    return out;
}

double Calibration::uncertainty(Input input, double volts) const {
    const InputCorrection& c = of(input);
    const double resolution = c.gain * stepVolts(input) / std::sqrt(12.0);
    const double meterPart = meter.limitAt(volts) / std::sqrt(3.0);
    return 2 * std::sqrt(resolution * resolution + c.standardError * c.standardError +
                         meterPart * meterPart);
}

std::variant<InputFit, FitRefused> fitInput(Input input,
                                            const std::vector<CalibrationPoint>& points) {
    std::vector<double> x; // design volts
    std::vector<double> y; // meter volts
    for (const CalibrationPoint& p : points) {
        if (p.input != input)
            continue;
        if (p.rawMean < 1 || p.rawMean > maxReading - 1)
            return FitRefused{input, FitRefusal::RangeEnd, p.rawMean};
        x.push_back(designVolts(input, p.rawMean));
        y.push_back(p.meterVolts);
    }
    const auto n = static_cast<double>(x.size());
    if (x.size() < minimumPoints)
        return FitRefused{input, FitRefusal::TooFewPoints, n};
    const auto [low, high] = std::minmax_element(y.begin(), y.end());
    const double share = (*high - *low) / unitOutputOf(input).spanVolts();
    if (share < minimumSpanShare)
        return FitRefused{input, FitRefusal::NarrowSpan, share};

    double meanX = 0;
    double meanY = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        meanX += x[i] / n;
        meanY += y[i] / n;
    }
    double sxx = 0;
    double sxy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxx += (x[i] - meanX) * (x[i] - meanX);
        sxy += (x[i] - meanX) * (y[i] - meanY);
    }
    InputFit fit;
    if (sxx <= 0) // every point read the same: the readings do not follow the source
        return FitRefused{input, FitRefusal::NarrowSpan, 0};
    fit.correction.gain = sxy / sxx;
    fit.correction.offset = meanY - fit.correction.gain * meanX;
    double squares = 0;
    double worst = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double residual = y[i] - fit.correction.corrected(x[i]);
        fit.residuals.push_back(residual);
        squares += residual * residual;
        worst = std::max(worst, std::abs(residual));
    }
    const double step = fit.correction.gain * stepVolts(input);
    if (worst > step)
        return FitRefused{input, FitRefusal::ResidualTooLarge, worst / step};
    // Two figures fitted: n - 2 degrees of freedom remain.
    fit.correction.standardError = std::sqrt(squares / (n - 2));
    return fit;
}

QString refusalText(const FitRefused& refused) {
    const QString input = shownInputName(refused.input);
    switch (refused.why) {
    case FitRefusal::TooFewPoints:
        return Text::tr("%1: %2 points, at least %3 are needed")
            .arg(input)
            .arg(static_cast<int>(refused.figure))
            .arg(minimumPoints);
    case FitRefusal::NarrowSpan:
        return Text::tr("%1: the points span %2 % of the input's range, at least %3 % are needed")
            .arg(input)
            .arg(refused.figure * 100, 0, 'f', 1)
            .arg(minimumSpanShare * 100, 0, 'f', 0);
    case FitRefusal::RangeEnd:
        return Text::tr("%1: a point reads at an end of the unit's range (mean %2); set the "
                        "source inside it")
            .arg(input)
            .arg(refused.figure, 0, 'f', 1);
    case FitRefusal::ResidualTooLarge:
        break;
    }
    return Text::tr("%1: a point lies %2 reading steps off the fitted line, more than one; "
                    "measure it again")
        .arg(input)
        .arg(refused.figure, 0, 'f', 2);
}

} // namespace velmor

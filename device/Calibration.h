#pragma once

#include "Reading.h"
#include "Unit.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace velmor {

// The unit's three voltage inputs, in the order of their reply bytes b2, b3, b4.
enum class Input { Volts5, Volts12, Volts33 };
inline constexpr std::array<Input, 3> allInputs{Input::Volts5, Input::Volts12, Input::Volts33};
inline constexpr int inputCount = 3;

constexpr std::size_t indexOf(Input input) {
    return static_cast<std::size_t>(input);
}
const UnitOutput& unitOutputOf(Input input);
Input inputOf(const UnitOutput& output);
// "+5 V", "+12 V", "+3.3 V": the names records keep.
QString inputName(Input input);
// The name as people read it in the run's language: "+12 В", "+3,3 В" in Russian.
QString shownInputName(Input input);
std::optional<Input> parseInput(QStringView name);

// An input's reading byte in a reply, and whether it lies at an end of the unit's range.
int readingByte(const ReplyFrame& reply, Input input);
inline bool atRangeEnd(const ReplyFrame& reply, Input input) {
    return rangeEnd(readingByte(reply, input)) != RangeEnd::Inside;
}

// One reading step of an input in the design's volts (7.8 mV, 18.8 mV, 5.2 mV).
double stepVolts(Input input);

// How one input reads against a reference: true volts = gain * design volts + offset, the design
// volts being those of the unit's formulas (Unit.h). The standard error is the fit's residual
// standard deviation, in volts.
struct InputCorrection {
    double gain = 1;
    double offset = 0;
    double standardError = 0;
    double corrected(double designVolts) const { return gain * designVolts + offset; }
    friend bool operator==(const InputCorrection&, const InputCorrection&) = default;
};

// The reference meter as its certificate states it. Its accuracy is a limit of
// ±(percent of the reading + volts), taken as a rectangular distribution: its standard
// uncertainty is the limit / sqrt(3).
struct ReferenceMeter {
    QString name;
    QString certificate;
    double accuracyPercent = 0;
    double accuracyVolts = 0;
    double limitAt(double volts) const;
    friend bool operator==(const ReferenceMeter&, const ReferenceMeter&) = default;
};

// The corrections the bench judges with. Without a date it is the uncalibrated state: the
// design's formulas as they are, and nothing known beyond their resolution.
struct Calibration {
    QString id; // given by the store; empty before it is stored
    QDate date;
    QDate due;
    ReferenceMeter meter;
    std::array<InputCorrection, inputCount> inputs{};

    bool isCalibrated() const { return date.isValid(); }
    bool isOverdue(const QDate& today) const { return !isCalibrated() || today > due; }
    const InputCorrection& of(Input input) const { return inputs[indexOf(input)]; }

    // The volts of an input's design reading, corrected.
    double corrected(Input input, double designVolts) const;
    // A reading with each output's volts corrected; the raw bytes stay as they came. A byte at an
    // end of the range keeps its design volts: it is no value to correct.
    Reading corrected(const Reading& reading) const;
    // The expanded uncertainty (k = 2, about 95 %) of a corrected reading of the input: one step
    // over sqrt(12) for the resolution, the fit's standard error and the meter's accuracy
    // over sqrt(3), combined as the root of the sum of squares.
    double uncertainty(Input input, double volts) const;
    friend bool operator==(const Calibration&, const Calibration&) = default;
};

// One point of the procedure: an input's readings averaged while the reference source was steady
// (their mean and standard deviation in reading bytes) and what the meter showed.
struct CalibrationPoint {
    Input input = Input::Volts5;
    double rawMean = 0;
    double rawSpread = 0;
    double meterVolts = 0;
    friend bool operator==(const CalibrationPoint&, const CalibrationPoint&) = default;
};

// An input's least-squares fit, with each point's residual (meter less corrected, in volts) in the
// order of its points.
struct InputFit {
    InputCorrection correction;
    std::vector<double> residuals;
};

enum class FitRefusal {
    TooFewPoints,    // fewer than three points
    NarrowSpan,      // the meter readings span less than a quarter of the range
    RangeEnd,        // a raw mean at 0 or 255: beyond the unit's range, no value to fit
    ResidualTooLarge // a residual beyond one reading step
};

struct FitRefused {
    Input input = Input::Volts5;
    FitRefusal why = FitRefusal::TooFewPoints;
    double figure = 0; // the points, the span's share of the range, or the worst residual in steps
};

// The input's points (those of other inputs are passed over) fitted, or why not.
inline constexpr int minimumPoints = 3;
inline constexpr double minimumSpanShare = 0.25;
std::variant<InputFit, FitRefused> fitInput(Input input,
                                            const std::vector<CalibrationPoint>& points);

// A refusal as the operator reads it, in the run's language.
QString refusalText(const FitRefused& refused);

} // namespace velmor

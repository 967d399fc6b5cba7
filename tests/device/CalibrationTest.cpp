#include "Calibration.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmor;

namespace {

// What an input whose readings are gain * true + offset averages to, in bytes.
double rawMeanOf(Input input, double trueVolts, double gain, double offset = 0) {
    const UnitOutput& output = unitOutputOf(input);
    return (gain * trueVolts + offset - output.lowVolts()) / output.spanVolts() * maxReading;
}

std::vector<CalibrationPoint> pointsOf(Input input, std::initializer_list<double> volts,
                                       double gain, double offset = 0) {
    std::vector<CalibrationPoint> points;
    for (const double v : volts)
        points.push_back({input, rawMeanOf(input, v, gain, offset), 0.3, v});
    return points;
}

TEST(CalibrationFitTest, anInputReadingHighIsCorrectedOntoTheMeter) {
    auto points = pointsOf(Input::Volts12, {10.6, 12.0, 13.4}, 1.02);
    // Another input's points are no part of this fit.
    points.push_back({Input::Volts5, 3, 0, 9});
    const auto fitted = fitInput(Input::Volts12, points);
    ASSERT_TRUE(std::holds_alternative<InputFit>(fitted));
    const InputFit& fit = std::get<InputFit>(fitted);
    EXPECT_NEAR(fit.correction.gain, 1 / 1.02, 1e-12);
    EXPECT_NEAR(fit.correction.offset, 0, 1e-9);
    EXPECT_NEAR(fit.correction.standardError, 0, 1e-9);
    ASSERT_EQ(fit.residuals.size(), 3u);

    Calibration calibration;
    calibration.date = QDate(2026, 12, 1);
    calibration.due = calibration.date.addMonths(12);
    calibration.inputs[indexOf(Input::Volts12)] = fit.correction;
    // A supply 6 % low on +12 V reads 4.12 % low; corrected, it is 6 % low within a step.
    const quint8 byte = static_cast<quint8>(std::lround(rawMeanOf(Input::Volts12, 11.28, 1.02)));
    const Reading reading = calibration.corrected(graphReading({1, 128, byte, 0}));
    EXPECT_NEAR(reading.volts12, 11.28, stepVolts(Input::Volts12));
    EXPECT_EQ(reading.raw.b3, byte);
    // The +5 V input keeps its design volts (gain 1), the +3.3 V byte of 0 is no value.
    EXPECT_EQ(reading.volts5, output5.volts(128));
    EXPECT_EQ(reading.volts33, output33.volts(0));
    EXPECT_FALSE(calibration.isOverdue(QDate(2027, 12, 1)));
    EXPECT_TRUE(calibration.isOverdue(QDate(2027, 12, 2)));
    EXPECT_TRUE(Calibration{}.isOverdue(QDate(2026, 1, 1)));
}

TEST(CalibrationFitTest, refusesWhatCannotBeFittedWithItsReason) {
    const auto refusal = [](const std::vector<CalibrationPoint>& points) {
        const auto fitted = fitInput(Input::Volts5, points);
        EXPECT_TRUE(std::holds_alternative<FitRefused>(fitted));
        return std::holds_alternative<FitRefused>(fitted) ? std::get<FitRefused>(fitted)
                                                          : FitRefused{};
    };
    // A wild point: 40 mV (five steps) off the others' line.
    auto wild = pointsOf(Input::Volts5, {4.4, 5.0, 5.6, 4.7}, 1.0);
    wild[3].meterVolts += 0.04;
    const FitRefused wildRefused = refusal(wild);
    EXPECT_EQ(wildRefused.why, FitRefusal::ResidualTooLarge);
    EXPECT_GT(wildRefused.figure, 1);
    EXPECT_TRUE(refusalText(wildRefused).contains(QStringLiteral("+5 V")));

    EXPECT_EQ(refusal(pointsOf(Input::Volts5, {4.4, 5.6}, 1.0)).why, FitRefusal::TooFewPoints);
    // 4.9..5.3 V is a fifth of the 4..6 V range.
    const FitRefused narrow = refusal(pointsOf(Input::Volts5, {4.9, 5.0, 5.3}, 1.0));
    EXPECT_EQ(narrow.why, FitRefusal::NarrowSpan);
    EXPECT_NEAR(narrow.figure, 0.2, 1e-9);
    // 6.2 V reads beyond the range's top: the point averaged 255s.
    EXPECT_EQ(refusal(pointsOf(Input::Volts5, {4.4, 5.0, 6.2}, 1.0)).why, FitRefusal::RangeEnd);
}

TEST(CalibrationUncertaintyTest, combinesResolutionFitAndMeterAtTwoSigma) {
    const Calibration uncalibrated;
    EXPECT_FALSE(uncalibrated.isCalibrated());
    // Resolution alone: 2 * step / sqrt(12) = step / sqrt(3).
    EXPECT_NEAR(uncalibrated.uncertainty(Input::Volts12, 12),
                stepVolts(Input::Volts12) / std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(stepVolts(Input::Volts5), 0.00784, 1e-5);

    Calibration calibration;
    calibration.date = QDate(2026, 12, 1);
    calibration.meter = {QStringLiteral("meter"), QStringLiteral("C-1"), 0.05, 0.002};
    calibration.inputs[indexOf(Input::Volts33)] = {1.01, -0.02, 0.003};
    const double step = 1.01 * stepVolts(Input::Volts33);
    const double meter = (0.0005 * 3.3 + 0.002) / std::sqrt(3.0);
    EXPECT_NEAR(calibration.uncertainty(Input::Volts33, 3.3),
                2 * std::sqrt(step * step / 12 + 0.003 * 0.003 + meter * meter), 1e-12);
    EXPECT_EQ(calibration.corrected(Input::Volts33, 3.0), 1.01 * 3.0 - 0.02);
}

} // namespace

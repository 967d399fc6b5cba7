#pragma once

#include "Calibration.h"
#include "PlanError.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace velmor {

// What the source is set to at a point of the calibration and, where given, what the reference
// meter showed then.
struct ReferencePoint {
    Input input = Input::Volts5;
    double sourceVolts = 0;
    std::optional<double> meterVolts;
};

// The calibration's figures given by file instead of typed (TOML):
//
//   [meter]                          # the reference meter
//   name = "..."; certificate = "..."; accuracy_percent = 0.05; accuracy_volts = 0.002
//   [calibration]                    # optional
//   operator = "..."; unit = "..."; due_months = 12
//   [[point]]                        # one table per point, in the order they are measured
//   input = "+12 V"; source = 10.6; meter = 10.598
//
// A point's source defaults to its meter reading.
struct ReferenceFile {
    ReferenceMeter meter;
    QString operatorName;
    QString unit;
    int dueMonths = 12;
    std::vector<ReferencePoint> points;
};

inline constexpr int maxDueMonths = 60;

// The file read and checked, or why not with its file, line and column.
std::variant<ReferenceFile, PlanError> readReferenceFile(const QString& path);
std::variant<ReferenceFile, PlanError> parseReferenceFile(const QByteArray& text,
                                                          const QString& file);

// The points a calibration takes when no file gives them: low, nominal and high on each input.
std::vector<ReferencePoint> suggestedPoints();

} // namespace velmor

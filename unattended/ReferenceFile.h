#pragma once

#include "Calibration.h"
#include "CalibrationPoints.h"
#include "PlanError.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace velmor {

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
    int dueMonths = defaultDueMonths;
    std::vector<ReferencePoint> points;
};

// The file read and checked, or why not with its file, line and column.
std::variant<ReferenceFile, PlanError> readReferenceFile(const QString& path);
std::variant<ReferenceFile, PlanError> parseReferenceFile(const QByteArray& text,
                                                          const QString& file);

} // namespace velmor

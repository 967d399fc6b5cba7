#pragma once

#include "Calibration.h"
#include "CalibrationPoints.h"
#include "Calibrations.h"
#include "SerialPort.h"

#include <QString>

#include <functional>
#include <optional>

namespace velmor {

// What the command line gives the calibration: the file of meter readings, if any, and the
// operator and unit it names.
struct CalibrateRequest {
    std::optional<QString> referenceFile;
    QString operatorName;
    QString unit;
};

// Keeps a calibration; returns why it could not, or nothing.
using KeepCalibration = std::function<std::optional<QString>(results::CalibrationRecord&)>;

// The bench's current calibration from the store, looked up on a thread of its own; none (no
// store, or none kept) is the uncalibrated state. A missing or overdue calibration is warned of
// on stderr and named in *warning ("missing", "overdue"), which the run's record keeps.
Calibration currentCalibration(const std::optional<results::StoreAddress>& store, QString* warning);

// --calibrate on a terminal: per point the operator sets the source, the bench averages the
// input's readings with the supply off and no load (each point a run of its own: the all-off
// frame first, every reply answered with it, the all-off frame and the close last), then the
// meter's reading is typed or taken from the reference file. The fit per input is shown and kept,
// or refused with its reason. Returns the exit status: 0 kept, 1 refused, stopped or not kept.
int runCalibration(const CalibrateRequest& request, const QString& port,
                   const PortFactory& makePort, const KeepCalibration& keep,
                   const SetSource& setSource = {});

} // namespace velmor

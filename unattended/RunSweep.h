#pragma once

#include "MapsFolder.h"
#include "SerialPort.h"
#include "SweepRecorder.h"
#include "SweepRequest.h"

namespace velmor {

// Runs the requested sweep on port 1 to its end, or until SIGINT, SIGTERM or SIGHUP, and returns
// the exit status: 0 passed, 2 failed, 1 when it could not run, was given up or was interrupted.
// The map is saved in the maps folder, as the graph window saves it; a name that cannot be saved
// there is refused before the sweep starts. The recorder, if any, keeps the sweep's test record.
// The verdict is judged with the calibration, which the record names with the warning, if any.
int runUnattendedSweep(const SweepRequest& request, const PortFactory& makePort,
                       const MapsFolder& maps, SweepRecorder* recorder = nullptr,
                       const Calibration& calibration = {}, const QString& calibrationWarning = {});

} // namespace velmor

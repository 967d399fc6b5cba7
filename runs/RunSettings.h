#pragma once

#include "Calibration.h"
#include "MapFile.h"
#include "MapsFolder.h"
#include "PlanRecorder.h"
#include "Sweep.h"
#include "SweepRecorder.h"
#include "UnitIdentity.h"

namespace velmor {

// What a plan run is asked with, wherever it is asked for (the command line, the station, a
// test): everything a run takes besides its plan and its port enters here, and AutomaticPlanRun
// hands it on to the plan run and its records.
struct PlanRunSettings {
    UnitIdentity unit{};              // the unit under test, its model and the operator
    int linkTimeoutSeconds = 30;      // how long to wait for a lost or silent unit
    bool report = false;              // keep the run's PDF report, saved at its end
    MapsFolder reports;               // where the report goes
    PlanRecorder* recorder = nullptr; // the store's record of the run, if one is kept
};

// What a cross-load sweep is asked with: the graph window's sweep without the window, its map and
// files saved at the end as the graph window saves them.
struct SweepRunSettings {
    SweepLimits limits = sweepLimitsOf(presetLimits); // the manual window's presets
    UnitIdentity unit{};
    int linkTimeoutSeconds = 30;
    bool report = false;               // also write "<name>.pdf"
    QString mapsFolder;                // the "Graf" folder the map goes into
    MapPath target;                    // the map inside it
    SweepRecorder* recorder = nullptr; // the store's record of the sweep, if one is kept
    // The bench's calibration its verdict is judged with (the map keeps the design's volts), and
    // "overdue" or "missing" where the bench's calibration was; both named in its record.
    Calibration calibration{};
    QString calibrationWarning{};
};

} // namespace velmor

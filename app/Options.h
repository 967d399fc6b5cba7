#pragma once

#include "PlanRequest.h"
#include "SweepRequest.h"
#include "UnitIdentity.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace velmor {

// What the command line chooses: which device port 1 is or the built-in simulated unit, a file to
// trace the link into, the sweep without a window and its limits or a test plan, where test
// records go and the unit under test. The windows' own behaviour (their ticks, presets and limits'
// ranges) is fixed.
struct Options {
    QString port1Device; // the platform's first serial port unless --port says otherwise
    bool simulate = false;
    QString tracePath;                 // empty: no link trace
    std::optional<SweepRequest> sweep; // --sweep: the cross-load sweep without a window
    std::optional<PlanRequest> plan;   // --plan: a test plan without a window
    std::optional<QString> checkPlan;  // --check-plan: the plan file to check and describe
    // --station: the operator's station window; with --plan, that plan for every unit, else the
    // model's from the models file.
    bool station = false;
    // --calibrate: the unit's inputs calibrated on the terminal; --reference: the meter's
    // readings from a file.
    bool calibrate = false;
    std::optional<QString> reference;
    // --input-gain, --input-offset: how the simulated unit's inputs read.
    QStringList simulatedInputGains;
    QStringList simulatedInputOffsets;
    // Where test records go, when given on the command line.
    std::optional<QString> resultsUrl;
    // The unit under test and the operator as given on the command line (--unit, --model,
    // --operator); empty where not given.
    UnitIdentity unit;
};

// True when the command line only asks for text (help, version, the port list), which needs
// no display.
bool wantsTextOnly(const QStringList& arguments);

// True when the command line asks for the sweep without a window, which needs no display.
bool wantsUnattendedSweep(const QStringList& arguments);

// True when the command line asks for the calibration, which needs no display.
bool wantsCalibration(const QStringList& arguments);

// True when the command line asks for a test plan to be run or checked, which needs no display.
bool wantsPlan(const QStringList& arguments);

// Parses the command line; on --help, --version, --list-ports or a bad option prints, and returns
// the exit status in *exitCode with nothing returned.
std::optional<Options> parseOptions(const QStringList& arguments, int* exitCode);

} // namespace velmor

#pragma once

#include "Sweep.h"
#include "UnitIdentity.h"

#include <QString>

#include <variant>

namespace velmor {

// A cross-load sweep asked for on the command line: run without a window and saved under the
// name, as the graph window saves a map.
struct SweepRequest {
    QString name;
    SweepLimits limits = sweepLimitsOf(presetLimits); // the manual window's presets
    bool report = false;                              // also write "<name>.pdf"
    int linkTimeoutSeconds = 30;                      // how long to wait for a lost or silent unit
    UnitIdentity unit{};                              // --unit, --model, --operator
};

// How an unattended sweep ends, as the program's exit status.
enum SweepExit { sweepPassed = 0, sweepCouldNotRun = 1, sweepFailed = 2, sweepNoVerdict = 3 };

// "L1,L2,P", each 0..255, of a sweep that can judge a reading; or why not, naming the option.
std::variant<SweepLimits, QString> parseSweepLimits(const QString& text);

// Whole seconds, at least 1; or why not, naming the option.
std::variant<int, QString> parseLinkTimeout(const QString& text);

} // namespace velmor

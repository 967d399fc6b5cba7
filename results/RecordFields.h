#pragma once

#include "Records.h"

#include <tuple>

namespace velmor::results {

// Each record's fields in the order the journal keeps them and, for a record that adds a row, the
// order of its columns (StoreRow.cpp). A new field goes at the end (the journal reads older
// entries without it; see JournalEntry.cpp) and, for a row, its column at the end of the row's.
inline auto fields(SweepBegan& r) {
    return std::tie(r.id, r.at, r.host, r.port, r.loadLimit1, r.loadLimit2, r.powerLimit,
                    r.mapWidth, r.mapHeight, r.mapRatio, r.unit.serial, r.unit.model,
                    r.unit.operatorName, r.calibration, r.calibrationWarning);
}
inline auto fields(CellPainted& r) {
    return std::tie(r.sweepId, r.seq, r.at, r.row, r.column, r.b2, r.b3, r.b4, r.k5, r.k12);
}
inline auto fields(SweepSaved& r) {
    return std::tie(r.sweepId, r.name, r.bmp, r.csv, r.txt);
}
inline auto fields(SessionBegan& r) {
    return std::tie(r.id, r.at, r.host, r.port, r.unit.serial, r.unit.model, r.unit.operatorName);
}
inline auto fields(TickRead& r) {
    return std::tie(r.sessionId, r.seq, r.at, r.b1, r.b2, r.b3, r.b4, r.load5, r.load12, r.load33,
                    r.power, r.overload);
}
inline auto fields(SessionEvent& r) {
    return std::tie(r.sessionId, r.seq, r.at, r.kind, r.detail);
}
inline auto fields(RecordEnded& r) {
    return std::tie(r.id, r.sweep, r.at, r.state);
}
inline auto fields(RunBegan& r) {
    return std::tie(r.id, r.at, r.host, r.port, r.planName, r.planFile, r.planText, r.profile,
                    r.unit.serial, r.unit.model, r.unit.operatorName, r.calibration,
                    r.calibrationWarning);
}
inline auto fields(RunReadingTaken& r) {
    return std::tie(r.runId, r.seq, r.at, r.stepSeq, r.supplyOn, r.load5, r.load12, r.load33, r.b1,
                    r.b2, r.b3, r.b4, r.settling);
}
inline auto fields(RunStepEnded& r) {
    return std::tie(r.runId, r.seq, r.at, r.startedAt, r.kind, r.name, r.outcome, r.keyFigure,
                    r.judged, r.unsettled, r.reason);
}
inline auto fields(RunMeasurement& r) {
    return std::tie(r.runId, r.stepSeq, r.seq, r.name, r.value, r.unit, r.low, r.high, r.guardLow,
                    r.guardHigh, r.asked, r.outcome, r.uncertainty);
}
inline auto fields(RunEnded& r) {
    return std::tie(r.id, r.at, r.state, r.outcome, r.failingStep, r.keyFigure, r.reason);
}

} // namespace velmor::results

#pragma once

#include "RunRead.h"

#include <QSqlDatabase>

#include <variant>
#include <vector>

namespace velmor::results {

// A long run's readings as its envelope (the schema's run_envelopes) stands for them: for each
// slot, step and settling, a reading of the lowest load settings and bytes at the slot's first
// time and one of the highest at its last, in time order within each step. A picture that keeps
// the lowest and highest volts of each pixel column across draws them as it draws every reading:
// a single reading's dip or spike, and a byte at an end of the unit's range, stay as they were
// read. None where the run keeps no envelope (a short or open run, a store before version 8).
// Each row is checked as the bench writes it, and against the run: its steps, its times, and
// its number of readings; the first one that breaks that is the answer, naming the slot.
std::variant<std::vector<StoredRunReading>, QString> envelopeReadings(QSqlDatabase& db, int version,
                                                                      const StoredRun& run);

} // namespace velmor::results

#pragma once

#include "Reading.h"
#include "SessionRead.h"
#include "SessionSheet.h"

#include <vector>

namespace velmor::results {

// A stored tick in the manual window's volts; the store checked its bytes are 0..255.
Reading tickReading(const TickRead& tick);

// The session's readings as its report and its statistics take them.
std::vector<SessionSample> samplesOf(const StoredSession& session);

// The session as its report draws it: times from its start, the voltages in volts.
SessionSheet sessionSheet(const StoredSession& session);

} // namespace velmor::results

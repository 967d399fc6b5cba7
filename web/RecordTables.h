#pragma once

#include "SessionRead.h"
#include "SweepRead.h"

#include <QString>

namespace velmor::web {

// A sweep's figures as tables: its cells judged and not (and why), those inside the band, the
// worst cell of each output, a supply that did not power on or shut down. Markup, escaped.
QString sweepTables(const results::StoredSweep& sweep);

// A session's figures as tables: its readings judged and not, each output's lowest, highest and
// mean, and the bench's events (each overload cut with its time). Markup, escaped.
QString sessionTables(const results::StoredSession& session);

} // namespace velmor::web

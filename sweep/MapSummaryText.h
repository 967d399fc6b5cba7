#pragma once

#include "MapRecord.h"
#include "MapSummary.h"
#include "Sweep.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmor {

// The summary text saved beside a map, numbers with "." as the decimal point whatever the locale.

// The summary's line of unjudged cells, e.g. "1 answers the all-off frame, 3 before the supply
// was up, 40 just after a load jump", or "none".
QString unjudgedReasons(const MapSummary& summary);

// "the supply shut down at row 12, column 40 (+5 V 3.75 A, +12 V 6.56 A)" in the run's language,
// or nothing when it did not.
std::optional<QString> shutDownText(const MapRecord& record, const MapSummary& summary);

// The summary text of the map saved under the name, lines ending in "\n"; the verdict is
// "incomplete" for a sweep that did not complete.
QByteArray crossLoadSummary(const MapRecord& record, const SweepLimits& limits, const QString& name,
                            bool completed = true);
// The same from a summary of the record.
QByteArray crossLoadSummary(const MapRecord& record, const MapSummary& summary,
                            const SweepLimits& limits, const QString& name, bool completed);

} // namespace velmor

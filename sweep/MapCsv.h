#pragma once

#include "MapRecord.h"

#include <QByteArray>

namespace velmor {

// The cross-load data saved beside a map: one CSV row per painted cell, numbers with "." as the
// decimal point whatever the locale.

// The CSV's first line.
extern const QByteArray crossLoadCsvHeader;

// The header, then one line per cell in painting order, each line ending in "\n".
QByteArray crossLoadCsv(const MapRecord& record);

} // namespace velmor

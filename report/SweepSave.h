#pragma once

#include "FinishedSweep.h"

#include <QString>

#include <optional>

namespace velmor {

// Saves the sweep in the maps folder under its map's path inside it ("<name>.bmp"): the map, the
// cross-load data, the summary and, with the report, the one-page report ("<name>.pdf"), all or
// none (see saveMapFiles). Returns what went wrong, naming the file and the reason, or nothing.
std::optional<QString> saveSweep(const QString& mapsFolder, const QString& relativeBmpPath,
                                 const FinishedSweep& sweep, bool withReport);

} // namespace velmor

#pragma once

#include "MapExport.h"
#include "MapRecord.h"
#include "UnitIdentity.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <optional>

namespace velmor {

// A finished sweep as it is saved: the name it is saved under, the map as drawn, its cells, the
// limits it ran with, when and where it ran, and the unit it tested.
struct FinishedSweep {
    QString name;
    QImage map;
    qreal mapPixelRatio = 1; // the map's pixels per logical pixel of the screen it was drawn on
    MapRecord record;
    SweepLimits limits;
    QString port; // the unit's device
    QDateTime finishedAt;
    QString bench{}; // the host it ran on
    UnitIdentity unit{};
    bool completed = true; // a sweep that did not complete has no verdict
};

// Saves the sweep in the maps folder under its map's path inside it ("<name>.bmp"): the map, the
// cross-load data, the summary and, with the report, the one-page report ("<name>.pdf"), all or
// none (see saveMapFiles). Returns what went wrong, naming the file and the reason, or nothing.
std::optional<QString> saveSweep(const QString& mapsFolder, const QString& relativeBmpPath,
                                 const FinishedSweep& sweep, bool withReport);

} // namespace velmor

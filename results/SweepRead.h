#pragma once

#include "Calibration.h"
#include "MapRecord.h"
#include "RecordHeader.h"
#include "Sweep.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <variant>

namespace velmor::results {

// A sweep read back from a store, of any schema version it reads. Every value is checked against
// what the bench can write; a sweep that breaks that is refused by name, never shown or drawn.

struct SweepHeader : RecordHeader {
    SweepLimits limits;
    int mapWidth = 0, mapHeight = 0;
    double mapRatio = 1;
    QString savedName;
    QString bmp, csv, txt; // the saved files
    QString calibration{}; // as a run's: an id or "uncalibrated"; empty before calibrations
    QString calibrationWarning{};
    bool completed() const { return endState == QLatin1String("completed"); }
};

struct StoredSweep {
    SweepHeader header;
    MapRecord cells;         // in painting order
    Calibration calibration; // the one the header names, its cells judged with
};

// The summary a sweep's row keeps once it has ended, judged with the sweep's calibration.
struct SweepTally {
    int cells = 0;
    int judged = 0;
    int insideBand = 0;
    QString verdict;
};
SweepTally tallyOf(const StoredSweep& sweep);

// version is the store's schema version, which says which columns its rows have.
std::variant<StoredSweep, QString> loadSweep(QSqlDatabase& db, int version, const QString& id);

// The latest completed sweep of the unit with these limits whose verdict was pass, if any.
std::variant<std::optional<StoredSweep>, QString>
lastPassedSweep(QSqlDatabase& db, const QString& serial, const SweepLimits& limits);

} // namespace velmor::results

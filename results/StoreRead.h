#pragma once

#include "MapExport.h"
#include "MapRecord.h"
#include "UnitIdentity.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace velmor::results {

// What velmor-results reads back from a store.

struct SweepHeader {
    QString id;
    QString startedAt;
    QString endedAt;
    QString endState; // empty while open
    QString host;
    QString port;
    SweepLimits limits;
    int mapWidth = 0;
    int mapHeight = 0;
    double mapRatio = 1;
    QString savedName;
    QString bmp;
    QString csv;
    QString txt;
    UnitIdentity unit{};
};

struct StoredSweep {
    SweepHeader header;
    MapRecord cells; // in painting order
    std::vector<QString> cellTimes;
};

struct StoredTick {
    QString at;
    int b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    int load5 = 0, load12 = 0, load33 = 0;
    double power = 0;
    bool overload = false;
};

struct StoredEvent {
    QString at;
    QString kind;
    QString detail;
};

struct StoredSession {
    QString id;
    QString startedAt;
    QString endedAt;
    QString endState;
    QString host;
    QString port;
    std::vector<StoredTick> ticks;
    std::vector<StoredEvent> events;
    UnitIdentity unit{};
};

// One line of the list.
struct Listed {
    QString id;
    bool sweep = true;
    QString startedAt;
    QString endState;
    QString host;
    QString name;    // a sweep's saved name
    int count = 0;   // cells or ticks
    QString verdict; // a sweep's "pass" or "fail"
    QString unit{};  // the unit's serial number, or empty
};

struct ListFilter {
    QString since; // records started at or after this time (ISO 8601), or empty
    QString name;  // saved names containing this, or empty
    QString verdict;
    QString kind;    // "sweep", "session" or empty for both
    QString unit{};  // records of the unit of exactly this serial number, or empty
    QString model{}; // records of units of exactly this model, or empty
};

// Newest first.
std::variant<std::vector<Listed>, QString> listRecords(QSqlDatabase& db, const ListFilter& filter);

// The one record whose id starts with the prefix (at least 4 characters): its id and whether it
// is a sweep; an error when none or several match.
std::variant<std::pair<QString, bool>, QString> findRecord(QSqlDatabase& db, const QString& prefix);

std::variant<StoredSweep, QString> loadSweep(QSqlDatabase& db, const QString& id);
std::variant<StoredSession, QString> loadSession(QSqlDatabase& db, const QString& id);

// The ids of every sweep (true) and session (false) of the unit, oldest first.
std::variant<std::vector<std::pair<QString, bool>>, QString> unitRecords(QSqlDatabase& db,
                                                                         const QString& serial);

// The latest completed sweep of the unit with these limits whose verdict was pass, if any.
std::variant<std::optional<StoredSweep>, QString>
lastPassedSweep(QSqlDatabase& db, const QString& serial, const SweepLimits& limits);

} // namespace velmor::results

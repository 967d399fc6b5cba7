#pragma once

#include "Calibration.h"
#include "MapRecord.h"
#include "Sweep.h"
#include "UnitIdentity.h"
#include "Verdict.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace velmor::results {

// What velmor-results reads back from a store, of any schema version it reads. Every value is
// checked against what the bench can write; a record that breaks that is refused by name, never
// shown or drawn.

struct SweepHeader {
    QString id;
    QString startedAt, endedAt;
    QString endState; // empty while open
    QString host, port;
    SweepLimits limits;
    int mapWidth = 0, mapHeight = 0;
    double mapRatio = 1;
    QString savedName;
    QString bmp, csv, txt; // the saved files
    UnitIdentity unit{};
    QString calibration{}; // as a run's: an id or "uncalibrated"; empty before calibrations
    QString calibrationWarning{};
    bool completed() const { return endState == QLatin1String("completed"); }
};

struct StoredSweep {
    SweepHeader header;
    MapRecord cells;         // in painting order
    Calibration calibration; // the one the header names, its cells judged with
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
    bool run = false; // a plan run: name is its plan's, count its readings, verdict its outcome
    QString startedAt;
    QString endState;
    QString host;
    QString name;     // a sweep's saved name
    int count = 0;    // cells or ticks
    QString verdict;  // a sweep's verdictName
    QString unit{};   // the unit's serial number, or empty
    QString reason{}; // what decided a run that did not pass, as stored, or empty
};

struct ListFilter {
    QString since;          // records started at or after this time (ISO 8601), or empty
    QString name;           // saved names containing this, in any case, or empty
    QString verdict;        // a verdictName, or empty
    QString kind;           // "sweep", "session", "run" or empty for all
    QString unit{};         // records of the unit of exactly this serial number, or empty
    QString model{};        // records of units of exactly this model, or empty
    QString host{};         // records of the bench of exactly this host name, or empty
    QString operatorName{}; // records of exactly this operator, or empty
    QString before{};       // records started before this time (ISO 8601), or empty
    int first = 0;          // the newest so many records only, or 0 for all
    bool countRest = false; // with first: count the records beyond it too (Listing::unread)
};

struct Listing;

// Ends a list's query of the table with " ORDER BY started_at DESC, id DESC LIMIT n" where the
// filter asks for the newest n records only and no row of it is filtered out after the query, and,
// where the filter asks, counts in the listing's unread the rows the limit leaves out. `rows` is
// the query's " FROM table WHERE …" that picks them, counted without the columns the list reads.
std::optional<QString> newestFirst(QSqlDatabase& db, const char* table, const ListFilter& filter,
                                   bool filteredAfter, const QString& rows, QString& statement,
                                   const QVariantList& values, Listing& listing);

// The records listed, newest first, and why each record left out was refused.
struct Listing {
    std::vector<Listed> records;
    QStringList refused;
    qint64 unread = 0; // with countRest: records that matched but lie beyond the first n
    // When set, each record goes here as it is read instead, in no order, while the server is
    // still sending the rest, and records stays empty.
    std::function<void(Listed&&)> each;
    void add(Listed&& record);
};

// Whether a record that started at `started` (stored time) with this id lists before another:
// newest first, records started in the same millisecond by id.
bool listsBefore(QStringView started, QStringView id, QStringView otherStarted,
                 QStringView otherId);

// The summary a sweep's row keeps once it has ended, judged with the sweep's calibration.
struct SweepTally {
    int cells = 0;
    int judged = 0;
    int insideBand = 0;
    QString verdict;
};
SweepTally tallyOf(const StoredSweep& sweep);

// `version` is the store's schema version as the caller read it (looking it up costs a query of
// the server's catalogue).
// With each, the records are handed to it as they are read and the answer holds only the refused
// (the filter's `first` does not apply).
std::variant<Listing, QString> listRecords(QSqlDatabase& db, int version, const ListFilter& filter,
                                           const std::function<void(Listed&&)>& each = {});

enum class RecordKind { Sweep, Session, Run };
struct FoundRecord {
    QString id;
    RecordKind kind = RecordKind::Sweep;
};

// The records whose ids start with the prefix (4 to 36 hex digits and dashes), at most 100 of
// each kind, or why the prefix is none.
std::variant<std::vector<FoundRecord>, QString> recordsStartingWith(QSqlDatabase& db,
                                                                    const QString& prefix);

// The one record whose id starts with the prefix; an error when none or several match.
std::variant<FoundRecord, QString> findRecord(QSqlDatabase& db, const QString& prefix);

// version is the store's schema version, which says which columns its rows have.
std::variant<StoredSweep, QString> loadSweep(QSqlDatabase& db, int version, const QString& id);
std::variant<StoredSession, QString> loadSession(QSqlDatabase& db, int version, const QString& id);

// The ids of every sweep (true) and session (false) of the unit, oldest first; version is the
// store's schema version.
std::variant<std::vector<std::pair<QString, bool>>, QString>
unitRecords(QSqlDatabase& db, int version, const QString& serial);

// The latest completed sweep of the unit with these limits whose verdict was pass, if any.
std::variant<std::optional<StoredSweep>, QString>
lastPassedSweep(QSqlDatabase& db, const QString& serial, const SweepLimits& limits);

} // namespace velmor::results

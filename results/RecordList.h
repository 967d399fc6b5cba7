#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace velmor::results {

// The list of the records of every kind, newest first.

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

// The start of a list's conditions: " WHERE started_at >= ?" with the filter's time bound in
// values, or a condition every row meets when the filter has no time, so that the server may
// count a whole table from an index alone rather than test every row against an empty string.
QString whereSince(const ListFilter& filter, QVariantList& values);

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

// `version` is the store's schema version as the caller read it (looking it up costs a query of
// the server's catalogue).
// With each, the records are handed to it as they are read and the answer holds only the refused
// (the filter's `first` does not apply).
std::variant<Listing, QString> listRecords(QSqlDatabase& db, int version, const ListFilter& filter,
                                           const std::function<void(Listed&&)>& each = {});

} // namespace velmor::results

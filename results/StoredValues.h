#pragma once

#include "Sql.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace velmor::results {

// The largest reading byte or load setting a row may hold: the unit's bytes are 0..255.
constexpr int maxByte = 255;

// Reads the values of one stored row, each checked against what the bench can write; the first
// value that breaks that is kept as the problem, naming the column and the value.
class StoredValues {
public:
    StoredValues(const Row& row, QString* problem) : row_(row), problem_(problem) {}

    // An integer within low..high.
    int number(const Column& column, int low, int high);
    // A finite number within low..high.
    double real(const Column& column, double low, double high);
    // A measured value, limit or asked load: finite and within +-1e9, which no figure of the
    // bench comes near.
    double measured(const Column& column) { return real(column, -1e9, 1e9); }
    // A text, empty for NULL, no longer than textLimit of the column's name.
    QString text(const Column& column);
    // An id as the bench makes them: hex digits and dashes, at most 36.
    QString id(const Column& column);
    // A time as the records write them (UTC, ISO 8601 with milliseconds) from this century up
    // to a day ahead of this machine's clock; empty for NULL when it may be missing.
    QString time(const Column& column, bool mayBeMissing = false);
    // An end state: empty while open, else lower-case words joined by dashes.
    QString state(const Column& column);

    bool null(const Column& column) const { return row_.value(column.index).isNull(); }

private:
    bool fail(const QString& problem);

    const Row& row_;
    QString* problem_;
};

// The most characters the bench writes into a text column of the name: an id 36, a time 32, a
// unit's serial, model and operator 64 (as the command line and the station take them), a
// plan's text as long as a plan file may be. 0 for a column of numbers.
int textLimit(QStringView column);

// A query's list of columns ("id, host, s.name AS step_name") with each text column read as at
// most one character more than its limit (in SQLite as many bytes as that could take): a longer
// text, which StoredValues::text refuses, never reaches the program whole.
QString boundedColumns(const QSqlDatabase& db, QStringView columns);

// Why a record is not read: the value of it that breaks what the bench writes.
QString refusal(const QString& kind, const QString& id, const QString& problem);

// Whether `at` lies within the record that started and ended (empty while open) at these times.
bool withinRecord(const QString& at, const QString& started, const QString& ended);

} // namespace velmor::results

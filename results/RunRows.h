#pragma once

#include "RunRead.h"
#include "StoredRows.h"
#include "Text.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>
#include <utility>

namespace velmor::results {

// A run's own row as loading it, a list, a history and a search read it.

// The columns of a run's own row.
extern const char16_t* const runColumns;
// The columns a list and a selection read: all but the plan's text.
extern const char16_t* const headerColumns;
// What a history's line shows of a run and what its checks need: a third fewer values to read
// over 10,000 runs. The others read empty.
extern const char16_t* const historyColumns;

// Those columns and, in a store that has it, the run's or step's reason.
QString withReason(const char16_t* columns, int version);

// A word read from the store, quoted and printable, for a refusal.
QString quotedWord(const QString& word);

// An outcome word the bench writes, else the problem.
void checkOutcome(const QString& column, const QString& word, QString& problem);

// One run's row but its id, which the caller reads; a value that breaks what the bench writes
// refuses the row.
void readRun(StoredRow& row, StoredRun& r);

// The number of the run's readings, as a list counts them: kept in its row once it ended, counted
// while it is open or where the store is older than the count.
QString readingCountOf(int version);

// Every run of the statement, or why one could not be read, its refusals into refused. each must
// not use the connection.
template <typename Each>
std::optional<QString> eachRun(QSqlDatabase& db, const QString& statement,
                               const QVariantList& values, QStringList& refused, Each each) {
    return eachStoredRow(db, statement, values, {Text::tr("run")}, refused,
                         [&](const QString& id, StoredRow& row) {
                             StoredRun run;
                             run.id = id;
                             readRun(row, run);
                             if (!row.refused())
                                 each(std::move(run), row);
                         });
}

} // namespace velmor::results

#pragma once

#include <QSqlDatabase>
#include <QString>

#include <array>
#include <variant>
#include <vector>

namespace velmor::results {

// One record of a unit's history as its line shows it: the whole id and the cells of the line
// (short id, kind, start, bench, operator, end state, outcome and key figures: a sweep's limits,
// cells and share inside the band; a session's ticks and lowest +12 V; a plan run's plan and what
// decided it or its key figure), the stored texts made printable.
using HistoryCells = std::array<QString, 8>;
struct HistoryEntry {
    QString id;
    HistoryCells cells;
};

// The records of one unit, oldest first: every one, or with newest > 0 the newest that many, and
// how many earlier ones that leaves out. `version` is the store's schema version.
struct UnitEntries {
    std::vector<HistoryEntry> entries;
    qint64 earlier = 0;
};
std::variant<UnitEntries, QString> unitEntries(QSqlDatabase& db, int version, const QString& serial,
                                               int newest = 0);

// The same, one aligned line each under a header, with the count beneath.
struct UnitHistory {
    QString text;
};
std::variant<UnitHistory, QString> unitHistory(QSqlDatabase& db, int version, const QString& serial,
                                               int newest = 0);

} // namespace velmor::results

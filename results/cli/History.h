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

// Every record of one unit, oldest first. `version` is the store's schema version.
std::variant<std::vector<HistoryEntry>, QString> unitEntries(QSqlDatabase& db, int version,
                                                             const QString& serial);

// The same, one aligned line each under a header, with the count beneath.
struct UnitHistory {
    QString text;
};
std::variant<UnitHistory, QString> unitHistory(QSqlDatabase& db, int version,
                                               const QString& serial);

} // namespace velmor::results

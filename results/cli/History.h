#pragma once

#include <QSqlDatabase>
#include <QString>

#include <variant>

namespace velmor::results {

// Every record of one unit, oldest first, one aligned line each: its kind, start, bench,
// operator, end state, outcome and key figures (a sweep's limits, cells and share inside the
// band; a session's ticks and lowest +12 V; a plan run's plan and key figure). `version` is the
// store's schema version.
struct UnitHistory {
    QString text;
};
std::variant<UnitHistory, QString> unitHistory(QSqlDatabase& db, int version,
                                               const QString& serial);

} // namespace velmor::results

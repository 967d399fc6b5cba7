#pragma once

#include <QSqlDatabase>
#include <QString>

#include <variant>
#include <vector>

namespace velmor::results {

// A record of any kind found by its id or the start of it.

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

} // namespace velmor::results

#pragma once

#include "RecordHeader.h"
#include "Records.h"

#include <QSqlDatabase>
#include <QString>

#include <variant>
#include <vector>

namespace velmor::results {

// A session read back from a store, of any schema version it reads. Every value is checked
// against what the bench can write; a session that breaks that is refused by name, never shown.

struct StoredEvent {
    QString at;
    QString kind;
    QString detail;
};

struct StoredSession : RecordHeader {
    std::vector<TickRead> ticks; // as the bench recorded them
    std::vector<StoredEvent> events;
};

// version is the store's schema version, which says which columns its rows have.
std::variant<StoredSession, QString> loadSession(QSqlDatabase& db, int version, const QString& id);

} // namespace velmor::results

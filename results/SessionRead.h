#pragma once

#include "UnitIdentity.h"

#include <QSqlDatabase>
#include <QString>

#include <variant>
#include <vector>

namespace velmor::results {

// A session read back from a store, of any schema version it reads. Every value is checked
// against what the bench can write; a session that breaks that is refused by name, never shown.

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

// version is the store's schema version, which says which columns its rows have.
std::variant<StoredSession, QString> loadSession(QSqlDatabase& db, int version, const QString& id);

} // namespace velmor::results

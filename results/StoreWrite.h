#pragma once

#include "Records.h"

#include <QSqlDatabase>

#include <optional>

namespace velmor::results {

struct StoreFailure {
    QString reason;
    bool refused = false; // the store refused a record's values: trying again will not help
};

// Stores the records, in order, in one transaction: all or none. A record stored before (the same
// id, or the same id and seq) is left as it was, and a record's first end stays its end, so
// delivering a batch again changes nothing. Returns what went wrong.
std::optional<StoreFailure> storeRecords(QSqlDatabase& db, const std::vector<Record>& records);

} // namespace velmor::results

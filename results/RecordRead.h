#pragma once

#include "RecordHeader.h"
#include "StoredRows.h"

#include <QString>

#include <optional>

namespace velmor::results {

// What loading one record of any kind shares.

// Why a record could not be read: the store failed, or a value breaks what the bench writes.
struct Failed {
    QString message;
    bool refused = true;
};

inline std::optional<Failed> queryFailed(const QString& error) {
    return Failed{error, false};
}

// The header's columns of a sweep's or a session's row (id, started_at, ended_at, end_state,
// host, port and, from version 3 on, the unit's); a record that ended before it started is refused.
void readRecordHeader(StoredRow& row, RecordHeader& header);

} // namespace velmor::results

#pragma once

#include "StoredRows.h"
#include "UnitIdentity.h"

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

// The unit under test, its model and the operator, which rows have from version 3 on; empty in
// older ones.
inline UnitIdentity unitOf(StoredRow& row) {
    return {row.text("unit_serial"), row.text("unit_model"), row.text("operator")};
}

} // namespace velmor::results

#pragma once

#include "Records.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

namespace velmor::results {

// The row a record adds to the store: its table, and each field's column and value in the
// order of the record's fields. Nothing for a record that changes a row (SweepSaved,
// RecordEnded).
struct StoreRow {
    QString table;
    QStringList columns;
    QVariantList values;
};
std::optional<StoreRow> storeRow(const Record& record);

} // namespace velmor::results

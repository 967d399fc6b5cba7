#include "StoredRows.h"

namespace velmor::results {

Column StoredColumns::operator[](const char* name) const {
    const QLatin1StringView wanted(name);
    for (const Column& column : found_)
        if (column.name == wanted)
            return column;
    return found_.emplace_back(header_.column(name));
}

std::optional<double> StoredRow::optionalMeasured(const char* column) {
    if (null(column))
        return std::nullopt;
    return measured(column);
}

void StoredRow::refuse(const QString& problem) {
    if (problem_.isEmpty())
        problem_ = problem;
}

std::optional<QString>
eachStoredRow(QSqlDatabase& db, const QString& statement, const QVariantList& values,
              const StoredKind& kind, QStringList& refused,
              const std::function<void(const QString& id, StoredRow& row)>& each) {
    std::optional<StoredColumns> columns;
    return eachRow(db, statement, values, [&](const Rows& header, const Row& values) {
        if (!columns)
            columns.emplace(header);
        StoredRow row(*columns, values);
        const QString id = row.id(kind.idColumn);
        each(id, row);
        if (row.refused())
            refused << refusal(kind.name, id, row.problem());
    });
}

} // namespace velmor::results

#include "StoredRows.h"

namespace velmor::results {

const Column& StoredColumns::operator[](const char* name) const {
    for (const auto& [known, column] : found_)
        if (known == name)
            return column;
    // The same name from another file's literal is found once more under its own address.
    const QLatin1StringView wanted(name);
    for (std::size_t i = 0; i < found_.size(); ++i)
        if (found_[i].second.name == wanted) {
            const Column column = found_[i].second; // a copy: the list may move as it grows
            return found_.emplace_back(name, column).second;
        }
    return found_.emplace_back(name, header_.column(name)).second;
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

std::optional<QString> readRecordRow(QSqlDatabase& db, const QString& statement, const QString& id,
                                     const QString& kind, const QString& none,
                                     const std::function<void(StoredRow& row)>& read) {
    auto rows = selectRows(db, statement, {id});
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    const Rows& found = std::get<Rows>(rows);
    if (found.rows.empty())
        return none;
    const StoredColumns columns(found);
    StoredRow row(columns, found.rows.front());
    read(row);
    if (row.refused())
        return refusal(kind, id, row.problem());
    return std::nullopt;
}

} // namespace velmor::results

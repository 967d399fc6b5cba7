#pragma once

#include "Sql.h"
#include "StoredValues.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace velmor::results {

// The columns of a query's answer, each found by its name once for all its rows. Names are
// string literals: one asked for again is known by its address, so a row of a long answer (an
// eight-hour hold's 288,000 readings) costs no comparison of texts.
class StoredColumns {
public:
    explicit StoredColumns(const Rows& header) : header_(header) {}
    const Column& operator[](const char* name) const;

private:
    const Rows& header_;
    mutable std::vector<std::pair<const char*, Column>> found_;
};

// One row of a query's answer, its values read by column name and each checked as StoredValues
// checks it. The first value that breaks what the bench writes, or the first problem refuse()
// names, refuses the row.
class StoredRow {
public:
    StoredRow(const StoredColumns& columns, const Row& row)
        : columns_(columns), values_(row, &problem_) {}

    int number(const char* column, int low, int high) {
        return values_.number(columns_[column], low, high);
    }
    double real(const char* column, double low, double high) {
        return values_.real(columns_[column], low, high);
    }
    double measured(const char* column) { return values_.measured(columns_[column]); }
    // A limit or an asked value: nothing where NULL says there is none.
    std::optional<double> optionalMeasured(const char* column);
    QString text(const char* column) { return values_.text(columns_[column]); }
    QString id(const char* column) { return values_.id(columns_[column]); }
    QString time(const char* column, bool mayBeMissing = false) {
        return values_.time(columns_[column], mayBeMissing);
    }
    QString state(const char* column) { return values_.state(columns_[column]); }
    bool null(const char* column) const { return values_.null(columns_[column]); }
    // Whether the answer has the column (an older schema's lacks some).
    bool has(const char* column) const { return columns_[column].present(); }

    // Refuses the row for a problem of its values together, unless one refused it already.
    void refuse(const QString& problem);
    bool refused() const { return !problem_.isEmpty(); }
    const QString& problem() const { return problem_; }

private:
    const StoredColumns& columns_;
    QString problem_;
    StoredValues values_;
};

// What a query's rows are: the kind of record a refusal names ("run", "measurement of run") and
// the column holding that record's id.
struct StoredKind {
    QString name;
    const char* idColumn = "id";
};

// Runs a query and hands each row to `each` as it is read, its record's id read first. A row that
// `each` leaves refused adds its refusal, naming the record, to `refused`. `each` must not use
// the connection: the query's answer is still being read.
std::optional<QString>
eachStoredRow(QSqlDatabase& db, const QString& statement, const QVariantList& values,
              const StoredKind& kind, QStringList& refused,
              const std::function<void(const QString& id, StoredRow& row)>& each);

// Reads the one row of a record (statement asks for it by its id) with `read`; why it is not
// read: the query failed, the store has no such row (`none` says so), or `read` left it refused
// (named as the record of that kind and id).
std::optional<QString> readRecordRow(QSqlDatabase& db, const QString& statement, const QString& id,
                                     const QString& kind, const QString& none,
                                     const std::function<void(StoredRow& row)>& read);

} // namespace velmor::results

#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace velmor::results {

// Small helpers over Qt SQL that turn a failure into a sentence naming the database.

bool isPostgres(const QSqlDatabase& db);

// "/home/op/.local/share/velmor-test/results.sqlite" or "bench@host:5432/results".
QString describe(const QSqlDatabase& db);

// Whether the database refused the values themselves (a constraint they break, a value it cannot
// hold), which no later attempt changes, rather than failing for a reason of its own (down,
// read-only, full, busy).
bool refusesValues(const QSqlDatabase& db, const QSqlError& error);

// Whether the database has the table, asked of its catalogue for that one table: the driver's
// list of every table costs a PostgreSQL server 5 ms of a new connection's time. False when it
// cannot be asked.
bool hasTable(const QSqlDatabase& db, const QString& name);

// Runs one statement with its bound values; the error, if any.
std::optional<QString> run(QSqlDatabase& db, const QString& statement,
                           const QVariantList& values = {});
std::optional<QString> run(QSqlQuery& prepared, const QVariantList& values);

// A column of a query's answer, found by its name once per query. A column the answer lacks (one
// an older schema version has not got) has no index, and every row reads NULL there.
struct Column {
    int index = -1;
    QString name;
    bool present() const { return index >= 0; }
};

// A query's answer: its columns' names and its rows.
using Row = QVariantList;
struct Rows {
    QStringList columns;
    std::vector<Row> rows;
    Column column(const char* name) const;
};

// Runs a query with its bound values and reads every row before it returns, so the connection is
// free for the next query (PostgreSQL hands a forward-only query's rows over one at a time, and a
// second query on the connection meanwhile loses the rest). A query that fails part-way is an
// error, never a shorter answer.
std::variant<Rows, QString> selectRows(QSqlDatabase& db, const QString& statement,
                                       const QVariantList& values = {});

// The same, each row handed to `each` as it is read and not kept (`header` names the columns and
// holds no rows). `each` must not use the connection: the query's answer is still being read.
std::optional<QString> eachRow(QSqlDatabase& db, const QString& statement,
                               const QVariantList& values,
                               const std::function<void(const Rows& header, const Row& row)>& each);

// A LIKE pattern matching text that starts with the prefix, its wildcards taken literally; the
// statement says "LIKE ? ESCAPE '!'".
QString likePrefix(const QString& prefix);

// A transaction rolled back unless committed.
class Transaction {
public:
    explicit Transaction(QSqlDatabase& db) : db_(db) {}
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    std::optional<QString> begin();
    std::optional<QString> commit();

private:
    QSqlDatabase& db_;
    bool open_ = false;
};

} // namespace velmor::results

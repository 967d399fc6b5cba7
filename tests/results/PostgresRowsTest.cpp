// A query's rows read through libpq itself come back as Qt's driver reads them: the same values of
// the same kinds, NULLs, numbers PostgreSQL writes in words, placeholders beside quoted question
// marks, and a failed query that leaves the connection free for the next.
#include "PostgresRows.h"
#include "PgServer.h"
#include "RecordsTest.h"
#include "StoreAddress.h"

#include <QSqlRecord>

#include <gtest/gtest.h>

using namespace velmor::results;
using namespace velmor::testing;

namespace {

// Read through libpq, and no error.
const std::optional<std::optional<QString>> readWithoutError{std::optional<QString>()};

Rows throughQt(QSqlDatabase& db, const QString& statement, const QVariantList& values) {
    Rows answer;
    QSqlQuery query(db);
    EXPECT_TRUE(query.prepare(statement)) << query.lastError().text().toStdString();
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    EXPECT_TRUE(query.exec()) << query.lastError().text().toStdString();
    for (int i = 0; i < query.record().count(); ++i)
        answer.columns << query.record().fieldName(i);
    while (query.next()) {
        Row row;
        for (int i = 0; i < answer.columns.size(); ++i)
            row << query.value(i);
        answer.rows.push_back(row);
    }
    return answer;
}

TEST(PostgresRowsTest, rowsReadThroughLibpqAreTheRowsQtsDriverReads) {
    PrivateHome home;
    PgServer server;
    ASSERT_EQ(server.start(), std::nullopt);
    ASSERT_EQ(server.sql("CREATE TABLE t (n INTEGER, big BIGINT, x DOUBLE PRECISION, s TEXT, "
                         "b BOOLEAN); INSERT INTO t VALUES (1, 9000000000, 0.1, 'a?b', true), "
                         "(-7, NULL, 'NaN', '', false), (NULL, 0, 'Infinity', 'бп''s', NULL), "
                         "(2147483647, -1, '-Infinity', NULL, true), (0, 1, 1e-300, '?', false)"),
              std::nullopt);
    withStore(std::get<StoreAddress>(parseResultsUrl(server.url())), [&](QSqlDatabase& db) {
        const QString statement = "SELECT n, big, x, s, b, COUNT(*) OVER () AS c FROM t WHERE "
                                  "COALESCE(s, '?') <> '?' OR n >= ? OR s = ? ORDER BY n";
        const QVariantList values{-7, QString("?")};
        const Rows qt = throughQt(db, statement, values);
        Rows ours;
        ASSERT_EQ(readPostgresRows(db, statement, values, ours, nullptr), readWithoutError);
        EXPECT_EQ(ours.columns, qt.columns);
        ASSERT_EQ(ours.rows.size(), 5u);
        ASSERT_EQ(ours.rows.size(), qt.rows.size());
        for (std::size_t r = 0; r < qt.rows.size(); ++r)
            for (int i = 0; i < qt.columns.size(); ++i) {
                const QVariant& a = ours.rows[r][i];
                const QVariant& b = qt.rows[r][i];
                EXPECT_EQ(a.isNull(), b.isNull()) << r << " " << i;
                EXPECT_EQ(a.toString(), b.toString()) << r << " " << i;
                EXPECT_EQ(a.metaType(), b.metaType()) << r << " " << i;
            }

        // A failed query names the database and the fault, and the next query runs.
        Rows failed;
        const auto error = readPostgresRows(db, "SELECT nothing FROM t", {}, failed, nullptr);
        ASSERT_TRUE(error && *error);
        EXPECT_TRUE((*error)->contains("postgresql://") && (*error)->contains("nothing"))
            << (*error)->toStdString();
        Rows again;
        std::vector<Row> handed;
        const std::function<void(const Row&)> each = [&](const Row& row) { handed.push_back(row); };
        EXPECT_EQ(readPostgresRows(db, "SELECT COUNT(*) FROM t", {}, again, &each),
                  readWithoutError);
        ASSERT_EQ(handed.size(), 1u);
        EXPECT_EQ(handed[0].value(0).toInt(), 5);
        EXPECT_TRUE(again.rows.empty());
    });
}

} // namespace

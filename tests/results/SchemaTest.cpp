// The schema's versions on a real SQLite file: an older one is brought up to date with its
// records kept, a newer one or one no program wrote is refused and left exactly as it was.
#include "Schema.h"
#include "RecordList.h"
#include "Recorder.h"
#include "RecordsTest.h"
#include "Sql.h"
#include "StoredValues.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

using namespace velmor;
using namespace velmor::results;
using namespace velmor::testing;

namespace {

QByteArray fileHash(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

class SchemaTest : public ::testing::Test {
protected:
    // A store made by a program that knew only the given version, with one sweep in it.
    void makeStoreOfVersion(qint64 version) {
        const bool known = version >= 1 && version <= schemaVersion;
        withStore(home.sqliteStore(), [&](QSqlDatabase& db) {
            ASSERT_EQ(prepareSchema(db, known ? static_cast<int>(version) : schemaVersion),
                      std::nullopt);
            ASSERT_EQ(run(db, QStringLiteral("INSERT INTO sweeps (id, started_at, host, port, "
                                             "load_limit1, load_limit2, power_limit) VALUES "
                                             "('old', '2026-01-01T00:00:00.000Z', 'b', 'p', 80, "
                                             "80, 70)")),
                      std::nullopt);
            if (!known) {
                ASSERT_EQ(
                    run(db, QStringLiteral("UPDATE schema_version SET version = %1").arg(version)),
                    std::nullopt);
            }
        });
    }

    PrivateHome home;
};

TEST_F(SchemaTest, olderStoreIsMigratedWithItsRecordsAndTakesNewOnes) {
    makeStoreOfVersion(1);
    {
        RecordWriter writer(home.sqliteStore(), home.file("spool.sqlite"));
        writer.post(SweepBegan{newRecordId(), recordTime(), "b", "p", 80, 80, 70, 693, 685, 1.5});
        ASSERT_TRUE(writer.drain(10000));
        EXPECT_EQ(writer.trouble(), std::nullopt);
    }
    EXPECT_EQ(scalar(home.sqliteStore(), "SELECT MAX(version) FROM schema_version").toInt(),
              schemaVersion);
    EXPECT_EQ(scalar(home.sqliteStore(), "SELECT COUNT(*) FROM sweeps").toInt(), 2);
    EXPECT_EQ(scalar(home.sqliteStore(), "SELECT map_width FROM sweeps WHERE id = 'old'").toInt(),
              0);
    EXPECT_EQ(
        scalar(home.sqliteStore(), "SELECT map_ratio FROM sweeps WHERE id <> 'old'").toDouble(),
        1.5);
}

// A newer version, and versions no program wrote, one of them past what an int holds: each is
// refused by name before it can index anything.
TEST_F(SchemaTest, unknownVersionsAreRefusedLeftAsTheyWereAndTheRecordsWait) {
    for (const qint64 version :
         {qint64{schemaVersion} + 1, qint64{2147483648}, qint64{-100000}, qint64{-1}}) {
        SCOPED_TRACE(version);
        QFile::remove(home.sqliteStore().path);
        QFile::remove(home.file("spool.sqlite"));
        makeStoreOfVersion(version);
        const QString file = home.sqliteStore().path;
        const QByteArray before = fileHash(file);
        {
            RecordWriter writer(home.sqliteStore(), home.file("spool.sqlite"));
            writer.post(SweepBegan{newRecordId(), recordTime(), "b", "p", 80, 80, 70, 693, 685, 1});
            EXPECT_FALSE(writer.drain(1500));
            ASSERT_TRUE(writer.trouble().has_value());
            const QString why = *writer.trouble();
            EXPECT_TRUE(why.contains(QStringLiteral("%1 has schema version %2, ")
                                         .arg(QFileInfo(file).fileName())
                                         .arg(version)))
                << why.toStdString();
            if (version > 0) {
                EXPECT_TRUE(why.contains(
                    QStringLiteral("newer than this program knows (%1)").arg(schemaVersion)))
                    << why.toStdString();
            }
        }
        EXPECT_EQ(fileHash(file), before);
        // The record is kept in the spool for a program that knows the schema.
        EXPECT_EQ(
            scalar(std::get<StoreAddress>(parseResultsUrl("sqlite:" + home.file("spool.sqlite"))),
                   "SELECT COUNT(*) FROM journal")
                .toInt(),
            1);
    }
}

QString velmorResults(const QString& store, const QStringList& arguments, int* status,
                      QString* err) {
    QProcess program;
    program.start(QCoreApplication::applicationDirPath() + "/velmor-results",
                  QStringList{"--language", "en", "--results", "sqlite:" + store} + arguments);
    EXPECT_TRUE(program.waitForFinished(20000));
    *status = program.exitCode();
    *err = QString::fromUtf8(program.readAllStandardError());
    return QString::fromUtf8(program.readAllStandardOutput());
}

TEST_F(SchemaTest, velmorResultsReadsOlderVersionsAsTheyAreAndRefusesNewerOnes) {
    // Version 2 rows as the bench left them: a completed sweep with a judged cell out of the band
    // (cell 0 answers the all-off frame, cell 1 the switch-on) and a reset one, neither with a
    // summary in its row.
    makeStoreOfVersion(2);
    withStore(home.sqliteStore(), [&](QSqlDatabase& db) {
        for (const char* statement :
             {"UPDATE sweeps SET id = 'aaaa0000', ended_at = '2026-01-01T00:01:00.000Z', "
              "end_state = 'completed'",
              "INSERT INTO sweeps (id, started_at, ended_at, end_state, host, port, load_limit1, "
              "load_limit2, power_limit) VALUES ('bbbb0000', '2026-01-02T00:00:00.000Z', "
              "'2026-01-02T00:01:00.000Z', 'reset', 'b', 'p', 80, 80, 70)",
              "INSERT INTO sweep_cells VALUES ('aaaa0000', 0, '2026-01-01T00:00:01.000Z', 0, 0, "
              "128, 128, 128, 0, 0, 0)",
              "INSERT INTO sweep_cells VALUES ('aaaa0000', 1, '2026-01-01T00:00:01.100Z', 0, 1, "
              "128, 128, 128, 0, 0, 0)",
              "INSERT INTO sweep_cells VALUES ('aaaa0000', 2, '2026-01-01T00:00:01.200Z', 0, 2, "
              "60, 128, 128, 10, 0, 10)",
              "INSERT INTO sweep_cells VALUES ('bbbb0000', 0, '2026-01-02T00:00:01.000Z', 0, 1, "
              "128, 128, 128, 0, 0, 0)"})
            ASSERT_EQ(run(db, QString::fromLatin1(statement)), std::nullopt);
    });
    const QString file = home.sqliteStore().path;
    int status = -1;
    QString err;
    const auto verdicts = [&] {
        const QString list = velmorResults(file, {"list"}, &status, &err);
        EXPECT_EQ(status, 0) << err.toStdString();
        return list.contains("bbbb0000  sweep") && list.contains("incomplete") &&
               list.contains("aaaa0000  sweep") && list.contains("3            fail");
    };
    EXPECT_TRUE(verdicts());
    EXPECT_TRUE(err.contains("schema version 2 of an older velmor-test; it is read as it is"))
        << err.toStdString();
    EXPECT_TRUE(err.contains("velmor-test brings it up to date"));
    EXPECT_EQ(scalar(home.sqliteStore(), "SELECT MAX(version) FROM schema_version").toInt(), 2);

    // Brought up to date by the bench, the rows without a summary still list rightly.
    withStore(home.sqliteStore(),
              [](QSqlDatabase& db) { ASSERT_EQ(prepareSchema(db), std::nullopt); });
    EXPECT_TRUE(verdicts());
    EXPECT_EQ(err, "");

    withStore(home.sqliteStore(), [](QSqlDatabase& db) {
        ASSERT_EQ(
            run(db,
                QStringLiteral("UPDATE schema_version SET version = %1").arg(schemaVersion + 1)),
            std::nullopt);
    });
    EXPECT_EQ(velmorResults(file, {"list"}, &status, &err), "");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(err.contains("newer than this program knows")) << err.toStdString();
}

TEST_F(SchemaTest, velmorResultsReadsAFirstVersionStoreWithoutTheColumnsAddedSince) {
    // No map size, unit or summary columns: a sweep of then lists and shows, never refused.
    makeStoreOfVersion(1);
    withStore(home.sqliteStore(), [](QSqlDatabase& db) {
        ASSERT_EQ(run(db, QStringLiteral("UPDATE sweeps SET id = 'cccc0000'")), std::nullopt);
    });
    int status = -1;
    QString err;
    for (const QStringList& arguments : {QStringList{"list"}, QStringList{"show", "cccc"}}) {
        const QString out = velmorResults(home.sqliteStore().path, arguments, &status, &err);
        EXPECT_EQ(status, 0) << arguments.front().toStdString() << ": " << err.toStdString();
        EXPECT_TRUE(out.contains("cccc0000")) << out.toStdString();
        EXPECT_FALSE(err.contains("refused")) << err.toStdString();
    }
}

// The newest records a list shows are found through the index of their start times: ordered by
// the bounded columns the query returns under the same names, the engine read and sorted every row
// of the table to keep 50.
TEST_F(SchemaTest, theNewestRecordsOfEachKindAreFoundThroughTheIndexNotByASortOfAll) {
    withStore(home.sqliteStore(), [&](QSqlDatabase& db) {
        ASSERT_EQ(prepareSchema(db, schemaVersion), std::nullopt);
        for (const char* table : {"sweeps", "sessions", "runs"}) {
            const QString rows =
                QStringLiteral(" FROM %1 WHERE started_at >= ?").arg(QLatin1String(table));
            QString statement =
                QStringLiteral("SELECT ") + boundedColumns(db, u"id, started_at") + rows;
            ListFilter filter;
            filter.first = 50;
            Listing listing;
            ASSERT_EQ(newestFirst(db, table, filter, false, rows, statement, {QString()}, listing),
                      std::nullopt);
            auto plan =
                selectRows(db, QStringLiteral("EXPLAIN QUERY PLAN ") + statement, {QString()});
            ASSERT_TRUE(std::holds_alternative<Rows>(plan))
                << std::get<QString>(plan).toStdString();
            QStringList steps;
            for (const Row& row : std::get<Rows>(plan).rows)
                steps << row.value(3).toString();
            EXPECT_TRUE(steps.join(u'\n').contains(QLatin1String("USING INDEX")))
                << table << ": " << steps.join(QStringLiteral("; ")).toStdString();
            EXPECT_FALSE(steps.contains(QStringLiteral("USE TEMP B-TREE FOR ORDER BY")))
                << table << ": " << steps.join(QStringLiteral("; ")).toStdString();
        }
    });
}

} // namespace

// velmor-results over an SQLite file and a PostgreSQL server holding the same few hundred
// records: every command answers alike, and only a completed sweep has a verdict.
#include "ReadOnlyStore.h"
#include "Recorder.h"
#include "RecordsTest.h"
#include "Schema.h"
#include "StoreWrite.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>

#include <map>

using namespace velmor;
using namespace velmor::results;
using namespace velmor::testing;

namespace {

QString fileText(const QString& path) {
    if (path.endsWith(".pdf")) {
        QProcess reader;
        reader.start("pdftotext", {path, "-"});
        return reader.waitForFinished(30000) ? QString::fromUtf8(reader.readAllStandardOutput())
                                             : QString();
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().toHex()) : QString();
}

// One record in ten names one of two units, of one model.
UnitIdentity unitOf(int record) {
    if (record % 10 != 0)
        return {};
    return {QStringLiteral("PSU-%1").arg(record % 20 == 0 ? 1 : 2), "ATX-500", "A. Petrov"};
}

// Sweeps of every end state, some passing, some failing, some judging nothing, and sessions
// with readings and events; started a second apart an hour ago.
class Records {
public:
    Records() {
        const QStringList ends{"completed", "completed", "completed", "reset",
                               "abandoned", "link-lost", ""};
        for (int i = 0; i < 300; ++i) {
            const QString id =
                QStringLiteral("%1-0000-4000-8000-000000000000").arg(i, 8, 16, QChar('0'));
            const int kind = i % 7;
            sweeps.push_back(id);
            list.push_back(SweepBegan{id, at(i, 0), "bench-" + QString::number(i % 3), "/dev/ttyS0",
                                      4, 6, 70, 693, 685, 1, unitOf(i)});
            // A sweep that judged nothing painted only cell (0, 0); the others judge from cell 2
            // on (cell 1 answers the switch-on), and a failing one fails there.
            const int cells = kind == 2 ? 1 : 3 + i % 5;
            for (int seq = 0; seq < cells; ++seq) {
                const int b2 = kind == 1 && seq == 2 ? 60 : 128 + i % 3;
                list.push_back(CellPainted{id, seq, at(i, 10 + seq), seq / 2, seq % 2, b2, 128, 128,
                                           deviationClass5(b2), 0});
            }
            if (i % 4 == 0)
                list.push_back(SweepSaved{id, i % 8 == 0 ? "БП-" + QString::number(i) : "psu",
                                          "Graf/x.bmp", "Graf/x.csv", "Graf/x.txt"});
            if (i == 5)
                list.push_back(SweepSaved{id, "a_b%c", "Graf/y.bmp", "Graf/y.csv", "Graf/y.txt"});
            if (!ends[kind].isEmpty())
                list.push_back(RecordEnded{id, true, at(i, 500), ends[kind]});
            const QString verdict = kind == 0   ? "pass"
                                    : kind == 1 ? "fail"
                                    : kind == 2 ? "none"
                                                : "incomplete";
            ++verdicts[verdict];
        }
        for (int i = 300; i < 360; ++i) {
            const QString id =
                QStringLiteral("%1-0000-4000-8000-000000000000").arg(i, 8, 16, QChar('0'));
            sessions.push_back(id);
            list.push_back(SessionBegan{id, at(i, 0), "bench-1", "/dev/ttyUSB0", unitOf(i)});
            for (int seq = 0; seq < 5; ++seq)
                list.push_back(TickRead{id, seq, at(i, 10 * seq + 10), 65, 120 + seq, 128, 130, 20,
                                        20, 10, 100.25 + seq, seq == 4});
            list.push_back(SessionEvent{id, 0, at(i, 20), "clamp", ""});
            list.push_back(SessionEvent{id, 1, at(i, 50), "overload-cut", "104.2 W"});
            if (i % 5 != 0)
                list.push_back(RecordEnded{id, false, at(i, 900), "switched-off"});
        }
    }
    // Record number `record`'s start, and `ms` after it.
    QString at(int record, int ms) const {
        return base.addMSecs(record * 1000 + ms).toString(Qt::ISODateWithMs);
    }

    QDateTime base = QDateTime::currentDateTimeUtc().addSecs(-3600);
    std::vector<Record> list;
    QStringList sweeps;
    QStringList sessions;
    std::map<QString, int> verdicts;
};

class ResultsEnginesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(server.start(), std::nullopt);
        for (const StoreAddress& store : {home.sqliteStore(), pgStore(server)})
            withStore(store, [&](QSqlDatabase& db) {
                ASSERT_EQ(prepareSchema(db), std::nullopt);
                const auto failed = storeRecords(db, records.list);
                ASSERT_FALSE(failed) << failed->reason.toStdString();
            });
    }

    // The command over both stores: both succeed and answer alike; the files written compared
    // by their contents (a report by its text). The folders start empty, so that each file is
    // compared after the command that wrote it and not again after every later one.
    QString alike(QStringList arguments) {
        for (const char* folder : {"out-sqlite", "out-pg"}) {
            QDir(home.file(folder)).removeRecursively();
            QDir(home.file("")).mkpath(folder);
        }
        const bool writes = arguments.contains("--to");
        const auto run = [&](const QString& url, const QString& folder) {
            QStringList args = arguments;
            if (writes)
                args << folder;
            Answer answer = askResults(url, args);
            EXPECT_EQ(answer.status, 0) << answer.err.toStdString();
            answer.out.replace(folder, "OUT");
            return answer;
        };
        const Answer sqlite = run("sqlite:" + home.sqliteStore().path, home.file("out-sqlite"));
        const Answer pg = run(server.url(), home.file("out-pg"));
        EXPECT_EQ(sqlite.out.toStdString(), pg.out.toStdString())
            << arguments.join(' ').toStdString();
        EXPECT_EQ(sqlite.err, pg.err);
        for (const QString& name : QDir(home.file("out-sqlite")).entryList(QDir::Files))
            EXPECT_EQ(fileText(home.file("out-sqlite") + "/" + name),
                      fileText(home.file("out-pg") + "/" + name))
                << name.toStdString();
        return sqlite.out;
    }

    PrivateHome home;
    PgServer server;
    Records records;
};

int rows(const QString& list) {
    return static_cast<int>(list.count('\n')) - 2; // the header and the count
}

// Three cases, so that the lists, the records' other commands and the reports run side by side:
// each is a few dozen program starts over both engines.
TEST_F(ResultsEnginesTest, everyListAnswersAlikeOverSqliteAndPostgresql) {
    EXPECT_TRUE(alike({"list", "--all"}).endsWith("(360 records)\n"));
    // By default the newest 50, and how many more; the newest so many of the whole list.
    const QString newest = alike({"list"});
    EXPECT_EQ(rows(newest), 50);
    EXPECT_TRUE(newest.endsWith("(the newest 50 records; 310 more: --all lists every one, --limit "
                                "N the newest N)\n"));
    const auto ids = [](const QString& list) {
        QStringList shown;
        for (const QString& line : list.split('\n').mid(1, 50))
            shown << line.left(8);
        return shown;
    };
    EXPECT_EQ(ids(newest), ids(alike({"list", "--all"})));
    EXPECT_EQ(rows(alike({"list", "--limit", "7", "--kind", "session"})), 7);
    // The count beyond the newest few is of the records the filters pick, no more.
    for (const QStringList& filter :
         {QStringList{"--kind", "session"}, QStringList{"--unit", "PSU-1"},
          QStringList{"--model", "ATX-500", "--kind", "sweep"},
          QStringList{"--since", "2000-01-01"}}) {
        const int all = rows(alike(QStringList{"list", "--all"} + filter));
        const QString newest = alike(QStringList{"list", "--limit", "3"} + filter);
        EXPECT_TRUE(newest.contains(QStringLiteral("records; %1 more:").arg(all - 3)))
            << filter.join(' ').toStdString() << ": " << newest.toStdString();
    }
    for (const char* verdict : {"pass", "fail", "none", "incomplete"}) {
        const QString listed = alike({"list", "--all", "--verdict", verdict});
        EXPECT_EQ(rows(listed), records.verdicts[verdict]) << verdict;
        // Only a completed sweep has a verdict; every other one is incomplete.
        EXPECT_EQ(listed.count(" completed "),
                  QString(verdict) == "incomplete" ? 0 : records.verdicts[verdict])
            << verdict;
    }
    EXPECT_EQ(rows(alike({"list", "--all", "--kind", "session"})), 60);
    EXPECT_EQ(rows(alike({"list", "--all", "--name", "бп"})), 38); // any case, Cyrillic too
    // LIKE's wildcards are plain characters.
    EXPECT_EQ(rows(alike({"list", "--all", "--name", "_"})), 1);
    EXPECT_EQ(rows(alike({"list", "--all", "--name", "%"})), 1);
    alike({"list", "--all", "--since", QDate::currentDate().addDays(-1).toString(Qt::ISODate)});
    EXPECT_EQ(rows(alike({"list", "--all", "--unit", "PSU-0001"})), 0); // exactly, not as a pattern
    EXPECT_EQ(rows(alike({"list", "--all", "--unit", "PSU-1"})), 18);
    EXPECT_EQ(rows(alike({"list", "--all", "--model", "ATX-500"})), 36);
    EXPECT_EQ(rows(alike({"history", "PSU-2"})), 18);

    // A unit's plan runs among its sweeps and sessions (records 10, 30, 50, … 350), two at a time
    // in the same millisecond, and at 10 and 190 in the same millisecond as its sweep: its
    // history's newest so many are those of the whole history, however the kinds interleave.
    std::vector<Record> runs;
    for (int j = 0; j < 40; ++j) {
        const QString id =
            QStringLiteral("%1-0000-4000-8000-000000000001").arg(j, 8, 16, QChar('0'));
        const int record = j / 2 * 18 + 10;
        runs.push_back(RunBegan{id, records.at(record, 0), "b", "p", "quick", "q.toml", "", "atx",
                                unitOf(10)});
        runs.push_back(RunEnded{id, records.at(record, 400), "completed", "pass", {}, "-"});
    }
    for (const StoreAddress& store : {home.sqliteStore(), pgStore(server)})
        withStore(store, [&](QSqlDatabase& db) { ASSERT_FALSE(storeRecords(db, runs)); });
    const auto shownIds = [](const QString& history) {
        QStringList shown;
        for (const QString& line : history.split('\n').mid(1))
            if (!line.isEmpty() && !line.startsWith('('))
                shown << line.left(8);
        return shown;
    };
    const QString all = alike({"history", "PSU-2", "--all"});
    EXPECT_TRUE(all.endsWith("(58 records)\n")) << all.toStdString();
    const QStringList every = shownIds(all);
    for (const int n : {1, 3, 21, 57}) {
        const QString newest = alike({"history", "PSU-2", "--limit", QString::number(n)});
        EXPECT_EQ(shownIds(newest), every.mid(58 - n)) << n;
        const QString shownCount = n == 1 ? QStringLiteral("the newest record")
                                          : QStringLiteral("the newest %1 records").arg(n);
        EXPECT_TRUE(newest.endsWith(
            QStringLiteral("(%1; %2 earlier: --all shows every one, --limit N the newest N)\n")
                .arg(shownCount)
                .arg(58 - n)))
            << newest.toStdString();
    }
    EXPECT_EQ(rows(alike({"history", "PSU-2"})), 50);
}

TEST_F(ResultsEnginesTest, everyRecordCommandAnswersAlikeOverSqliteAndPostgresql) {
    for (const int i : {0, 1, 2, 3, 6, 8}) {
        const QString shown = alike({"show", records.sweeps[i].left(8)});
        EXPECT_TRUE(shown.contains(i % 7 == 0   ? "Verdict (ATX ±5 %): pass"
                                   : i % 7 == 1 ? "Verdict (ATX ±5 %): fail"
                                   : i % 7 == 2 ? "Verdict (ATX ±5 %): none"
                                                : "Verdict (ATX ±5 %): incomplete"))
            << shown.toStdString();
        alike({"export", records.sweeps[i].left(8), "--to"});
    }
    alike({"compare", records.sweeps[0].left(8), records.sweeps[1].left(8), "--to"});
    alike({"show", records.sessions[0].left(8)});
    alike({"export", records.sessions[1].left(8), "--to"});
}

TEST_F(ResultsEnginesTest, everyReportIsAlikeOverSqliteAndPostgresql) {
    for (const int i : {0, 1, 2, 3, 6, 8})
        alike({"report", records.sweeps[i].left(8), "--to"});
    alike({"report", records.sessions[0].left(8), "--to"});
}

TEST_F(ResultsEnginesTest, aFailedQueryIsAnErrorNeverAShorterList) {
    // Open sweeps whose count an earlier bench did not keep, and the cells' table gone: a list
    // that must count their cells cannot be made.
    ASSERT_EQ(server.sql("UPDATE sweeps SET cell_count = NULL WHERE end_state IS NULL"),
              std::nullopt);
    ASSERT_EQ(server.sql("DROP TABLE sweep_cells"), std::nullopt);
    const Answer answer = askResults(server.url(), {"list"});
    EXPECT_EQ(answer.status, 1);
    EXPECT_EQ(answer.out, "");
    EXPECT_TRUE(answer.err.contains("sweep_cells")) << answer.err.toStdString();
}

// The reading session's settings hold over options the URL gives to the contrary.
TEST_F(ResultsEnginesTest, aReadingSessionWritesNothingWhateverOptionsTheUrlGives) {
    StoreAddress address = pgStore(server);
    address.parameters.append(std::pair<QString, QString>(
        "options", "-c default_transaction_read_only=off -c statement_timeout=0"));
    auto opened = openReadOnly(address, "reading");
    ASSERT_TRUE(std::holds_alternative<QSqlDatabase>(opened))
        << std::get<QString>(opened).toStdString();
    {
        QSqlQuery query(std::get<QSqlDatabase>(opened));
        ASSERT_TRUE(query.exec("SHOW statement_timeout") && query.next());
        EXPECT_EQ(query.value(0).toString(), "30s");
        EXPECT_FALSE(query.exec("DELETE FROM sweeps"));
        ASSERT_TRUE(query.exec("SELECT COUNT(*) FROM sweeps") && query.next());
        EXPECT_GT(query.value(0).toInt(), 0);
    }
    std::get<QSqlDatabase>(opened).close();
    opened = QString();
    QSqlDatabase::removeDatabase("reading");
}

TEST_F(ResultsEnginesTest, anOpenRecordKeepsItsCountOfRowsEachStoredOnce) {
    const QString at = QDateTime::currentDateTimeUtc().addSecs(-60).toString(Qt::ISODateWithMs);
    const QString sweep = newRecordId(), session = newRecordId(), planRun = newRecordId();
    const auto rows = [&](int from, int to) {
        std::vector<Record> batch;
        for (int seq = from; seq < to; ++seq) {
            batch.push_back(CellPainted{sweep, seq, at, seq / 4, seq % 4, 128, 128, 128, 0, 0});
            batch.push_back(TickRead{session, seq, at, 65, 128, 128, 128, 20, 20, 10, 50, false});
            batch.push_back(RunReadingTaken{planRun, seq, at, 0, true, 20, 20, 10, 65, 128, 128,
                                            128, "judged"});
        }
        return batch;
    };
    for (const StoreAddress& store : {home.sqliteStore(), pgStore(server)})
        withStore(store, [&](QSqlDatabase& db) {
            std::vector<Record> first{
                SweepBegan{sweep, at, "b", "p", 20, 80, 70, 693, 685, 1},
                SessionBegan{session, at, "b", "p"},
                RunBegan{planRun, at, "b", "p", "quick", "q.toml", "", "atx"}};
            for (Record& r : rows(0, 3))
                first.push_back(std::move(r));
            ASSERT_FALSE(storeRecords(db, first));
            // Delivered again after a lost answer, with two rows more; then one more row of a
            // record whose count an earlier bench left unkept.
            ASSERT_FALSE(storeRecords(db, rows(0, 5)));
            ASSERT_EQ(run(db, "UPDATE sessions SET tick_count = NULL WHERE id = ?", {session}),
                      std::nullopt);
            ASSERT_FALSE(storeRecords(db, rows(5, 6)));
            const auto kept =
                selectRows(db,
                           "SELECT (SELECT cell_count FROM sweeps WHERE id = ?), (SELECT "
                           "tick_count FROM sessions WHERE id = ?), (SELECT reading_count FROM "
                           "runs WHERE id = ?)",
                           {sweep, session, planRun});
            ASSERT_TRUE(std::holds_alternative<Rows>(kept));
            const Row& counts = std::get<Rows>(kept).rows.at(0);
            EXPECT_EQ(counts[0].toInt(), 6) << describe(db).toStdString();
            EXPECT_EQ(counts[1].toInt(), 6) << describe(db).toStdString();
            EXPECT_EQ(counts[2].toInt(), 6) << describe(db).toStdString();
        });
}

} // namespace

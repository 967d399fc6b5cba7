// The store's faults: a server stopped mid-sweep, a read-only database, a record it refuses, a
// crash, two benches on one server. Real SQLite files and real PostgreSQL servers of the test's
// own.
#include "Recorder.h"
#include "RecordsTest.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <atomic>
#include <future>

using namespace velmor;
using namespace velmor::results;
using namespace velmor::testing;

namespace {

// The cells of the sweep as the store holds them: seq and column, in stored order.
QString storedCells(const StoreAddress& store, const QString& id) {
    QString cells;
    withStore(store, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT seq, cell_row * 40 + cell_column FROM sweep_cells "
                                     "WHERE sweep_id = ? ORDER BY seq"));
        query.addBindValue(id);
        EXPECT_TRUE(query.exec());
        while (query.next())
            cells += query.value(0).toString() + '=' + query.value(1).toString() + ' ';
    });
    return cells;
}

QString expectedCells(int count) {
    QString cells;
    for (int i = 0; i < count; ++i)
        cells += QString::number(i) + '=' + QString::number(i) + ' ';
    return cells;
}

bool eventually(const std::function<bool()>& condition, int timeoutMs = recordsPatienceMs) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

class DeliveryTest : public ::testing::Test {
protected:
    PrivateHome home;
    PgServer server;
};

TEST_F(DeliveryTest, serverStoppedMidSweepGetsEveryCellOnceInOrderWhenBack) {
    ASSERT_EQ(server.start(), std::nullopt);
    RecordWriter writer(pgStore(server), home.file("spool.sqlite"));
    const QString id = newRecordId();
    writer.post(sweepBegan(id));
    for (int i = 0; i < 100; ++i)
        writer.post(cell(id, i));
    ASSERT_TRUE(writer.drain(recordsPatienceMs));

    server.stop();
    QElapsedTimer posting;
    posting.start();
    for (int i = 100; i < 300; ++i)
        writer.post(cell(id, i));
    EXPECT_LT(posting.elapsed(), 50); // the bench never waits for the store
    ASSERT_TRUE(eventually([&] { return writer.trouble().has_value(); }));
    EXPECT_FALSE(writer.drain(500));

    ASSERT_EQ(server.start(), std::nullopt);
    ASSERT_TRUE(writer.drain(recordsPatienceMs));
    EXPECT_EQ(writer.trouble(), std::nullopt);
    EXPECT_EQ(storedCells(pgStore(server), id), expectedCells(300));
}

// A server frozen while the bench records: the program's end waits for it a bounded time, and
// the records wait in the journal until the server is back.
TEST_F(DeliveryTest, frozenServerHoldsTheEndABoundedTimeAndTheRecordsWait) {
    ASSERT_EQ(server.start(), std::nullopt);
    const QString spool = home.file("spool.sqlite");
    const QString id = newRecordId();
    std::promise<void> ended;
    std::future<void> thawed;
    {
        RecordWriter writer(pgStore(server), spool);
        writer.post(sweepBegan(id));
        ASSERT_TRUE(writer.drain(recordsPatienceMs));
        server.signalAll(SIGSTOP);
        // Thawed after 30 s in any case, so that an end that waits for the server comes.
        thawed = std::async(std::launch::async, [&server = server, done = ended.get_future()] {
            done.wait_for(std::chrono::seconds(30));
            server.signalAll(SIGCONT);
        });
        for (int i = 0; i < 50; ++i)
            writer.post(cell(id, i));
        QThread::msleep(500); // a delivery under way, waiting for the server
        QElapsedTimer ending;
        ending.start();
        EXPECT_EQ(writer.finish(), 0);
        EXPECT_LT(ending.elapsed(), 8000);
    }
    ended.set_value();
    thawed.wait();
    RecordWriter writer(pgStore(server), spool);
    EXPECT_TRUE(eventually([&] { return storedCells(pgStore(server), id) == expectedCells(50); }));
}

TEST_F(DeliveryTest, readOnlyDatabaseLeavesTheBenchGoingTellsOnceAndDeliversLater) {
    ASSERT_EQ(server.start(), std::nullopt);
    { RecordWriter creates(pgStore(server), home.file("spool.sqlite")); } // the schema
    ASSERT_EQ(server.sql("ALTER DATABASE postgres SET default_transaction_read_only = on"),
              std::nullopt);

    std::atomic<int> told{0}; // outlives the writer, whose thread counts into it to the end
    RecordWriter writer(pgStore(server), home.file("spool.sqlite"));
    QObject::connect(
        &writer, &RecordWriter::troubleChanged, &writer,
        [&](const std::optional<QString>&) { ++told; }, Qt::DirectConnection);
    const QString id = newRecordId();
    writer.post(sweepBegan(id));
    for (int i = 0; i < 50; ++i) {
        writer.post(cell(id, i));
        QThread::msleep(20); // a second of ticks against the refusing store
    }
    // Told once, however long a slow (sanitized, busy) build takes to hear the refusal.
    ASSERT_TRUE(eventually([&] { return writer.trouble().has_value(); }));
    EXPECT_TRUE(writer.trouble()->contains("read-only")) << writer.trouble()->toStdString();
    EXPECT_EQ(told, 1);

    ASSERT_EQ(server.sql("ALTER DATABASE postgres SET default_transaction_read_only = off"),
              std::nullopt);
    ASSERT_TRUE(writer.drain(recordsPatienceMs));
    EXPECT_EQ(told, 2); // and once more when it is over
    EXPECT_EQ(storedCells(pgStore(server), id), expectedCells(50));
}

TEST_F(DeliveryTest, recordTheStoreRefusesIsSetAsideAndTheOthersGoOn) {
    const StoreAddress store = home.sqliteStore();
    const QString spool = home.file("spool.sqlite");
    { RecordWriter creates(store, spool); } // the schema
    withStore(store, [](QSqlDatabase& db) {
        QSqlQuery refuse(db);
        EXPECT_TRUE(
            refuse.exec("CREATE TRIGGER refuse BEFORE INSERT ON sweep_cells WHEN NEW.seq = 5 "
                        "BEGIN SELECT RAISE(ABORT, 'cell 5 refused'); END"));
    });
    const QString id = newRecordId();
    {
        RecordWriter writer(store, spool);
        writer.post(sweepBegan(id));
        for (int i = 0; i < 12; ++i)
            writer.post(cell(id, i));
        ASSERT_TRUE(writer.drain(recordsPatienceMs));
        EXPECT_EQ(writer.trouble(), std::nullopt);
    }
    EXPECT_EQ(storedCells(store, id), expectedCells(12).remove("5=5 "));
    const auto kept = std::get<StoreAddress>(parseResultsUrl("sqlite:" + spool));
    EXPECT_EQ(scalar(kept, "SELECT count(*) FROM journal").toInt(), 0);
    EXPECT_TRUE(scalar(kept, "SELECT reason FROM refused").toString().contains("cell 5 refused"));
}

TEST_F(DeliveryTest, recordLeftOpenByACrashEndsAbandonedAtTheNextStart) {
    const StoreAddress store = home.sqliteStore();
    const QString id = newRecordId();
    QString lastAt;
    {
        RecordWriter crashed(store, home.file("spool.sqlite"));
        crashed.post(sweepBegan(id));
        for (int i = 0; i < 3; ++i) {
            const CellPainted painted = cell(id, i);
            lastAt = painted.at;
            crashed.post(painted);
        }
        ASSERT_TRUE(crashed.drain(recordsPatienceMs));
    } // gone without an end, as in a crash
    EXPECT_TRUE(scalar(store, "SELECT end_state FROM sweeps").isNull());

    RecordWriter next(store, home.file("spool.sqlite"));
    ASSERT_TRUE(
        eventually([&] { return !scalar(store, "SELECT end_state FROM sweeps").isNull(); }));
    EXPECT_EQ(scalar(store, "SELECT end_state FROM sweeps").toString(), "abandoned");
    EXPECT_EQ(scalar(store, "SELECT ended_at FROM sweeps").toString(), lastAt);
}

// Run by twoBenchesWriteToOneServerAtOnce as a bench process of its own.
TEST(TwoBenchesTest, benchProcess) {
    const QString url = qEnvironmentVariable("VELMOR_BENCH_RESULTS");
    if (url.isEmpty())
        GTEST_SKIP() << "run as a bench process by twoBenchesWriteToOneServerAtOnce";
    PrivateHome home;
    RecordWriter writer(std::get<StoreAddress>(parseResultsUrl(url)), home.file("spool.sqlite"));
    const QString id = newRecordId();
    writer.post(sweepBegan(id));
    for (int i = 0; i < 1000; ++i)
        writer.post(cell(id, i));
    writer.post(RecordEnded{id, true, recordTime(), QStringLiteral("completed")});
    ASSERT_TRUE(writer.drain(recordsPatienceMs));
}

TEST_F(DeliveryTest, twoBenchesWriteToOneServerAtOnce) {
    ASSERT_EQ(server.start(), std::nullopt);
    QProcess benches[2];
    for (QProcess& bench : benches) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELMOR_BENCH_RESULTS"), server.url());
        bench.setProcessEnvironment(env);
        bench.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=TwoBenchesTest.benchProcess")});
    }
    for (QProcess& bench : benches) {
        ASSERT_TRUE(bench.waitForFinished(recordsPatienceMs));
        EXPECT_EQ(bench.exitCode(), 0) << bench.readAllStandardOutput().toStdString();
    }
    const StoreAddress store = pgStore(server);
    EXPECT_EQ(scalar(store, "SELECT COUNT(*) FROM sweeps WHERE end_state = 'completed'").toInt(),
              2);
    EXPECT_EQ(scalar(store, "SELECT COUNT(*) FROM sweep_cells").toInt(), 2000);
    EXPECT_EQ(
        scalar(store, "SELECT COUNT(DISTINCT sweep_id || '/' || seq) FROM sweep_cells").toInt(),
        2000);
}

} // namespace

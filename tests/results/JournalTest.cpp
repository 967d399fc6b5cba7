// The journal's own faults: records of another store, a truncated or garbled file, a full folder,
// entries of another version, and who may read the files. Real SQLite files on real disks.
#include "JournalEntry.h"
#include "Recording.h"
#include "RecordsTest.h"
#include "Spool.h"
#include "StoreAddress.h"
#include "StoreChoice.h"

#include <QDataStream>
#include <QFile>
#include <QTest>

#include <random>

#include <sys/stat.h>
#include <unistd.h>

using namespace velmor::results;
using namespace velmor::testing;

namespace {

void postSweep(RecordWriter& writer, const QString& id, int cells) {
    writer.post(sweepBegan(id));
    for (int i = 0; i < cells; ++i)
        writer.post(cell(id, i));
}

int cellsOf(const StoreAddress& store, const QString& id) {
    return scalar(store,
                  QStringLiteral("SELECT count(*) FROM sweep_cells WHERE sweep_id = '%1'").arg(id))
        .toInt();
}

// What the program writes to stderr meanwhile.
class StderrCapture {
public:
    StderrCapture() {
        std::fflush(stderr);
        saved_ = ::dup(2);
        const int fd = ::open(qPrintable(dir_.filePath("stderr")), O_WRONLY | O_CREAT, 0600);
        ::dup2(fd, 2);
        ::close(fd);
    }
    ~StderrCapture() { restore(); }
    QString text() {
        restore();
        QFile file(dir_.filePath("stderr"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

private:
    void restore() {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, 2);
        ::close(saved_);
        saved_ = -1;
    }
    QTemporaryDir dir_;
    int saved_ = -1;
};

// An SQLite store that cannot be opened until open() removes the file standing where its folder
// goes.
struct StoreAway {
    explicit StoreAway(const PrivateHome& home) : blocker(home.file("away")) {
        QFile file(blocker);
        file.open(QIODevice::WriteOnly);
    }
    QString url() const { return QStringLiteral("sqlite:") + blocker + "/results.sqlite"; }
    StoreAddress address() const { return std::get<StoreAddress>(parseResultsUrl(url())); }
    void open() const { QFile::remove(blocker); }
    QString blocker;
};

TEST(JournalTest, recordsWaitingForOneStoreReachItAndNoOtherWhateverTheNextRunRecordsInto) {
    PrivateHome home;
    const StoreAway away(home);
    const QString forAway = newRecordId();
    {
        auto run = Recording::start(away.url(), "p");
        auto& recording = std::get<std::unique_ptr<Recording>>(run);
        postSweep(*recording->writer(), forAway, 5);
        EXPECT_EQ(recording->finish(), 0); // in the journal, waiting
    }
    const QString forDefault = newRecordId();
    {
        auto run = Recording::start(std::nullopt, "p");
        auto& recording = std::get<std::unique_ptr<Recording>>(run);
        postSweep(*recording->writer(), forDefault, 3);
        ASSERT_TRUE(recording->writer()->drain(recordsPatienceMs));
    }
    const StoreAddress local = defaultStore();
    EXPECT_EQ(scalar(local, "SELECT count(*) FROM sweeps").toInt(), 1);
    EXPECT_EQ(cellsOf(local, forDefault), 3);

    away.open();
    auto run = Recording::start(away.url(), "p");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return cellsOf(away.address(), forAway) == 5; }, recordsPatienceMs));
    EXPECT_EQ(scalar(away.address(), "SELECT id FROM sweeps").toString(), forAway);
}

// A second program recording into the same store: it keeps nothing, and its records are lost,
// said at its start and counted at its end.
TEST(JournalTest, recordsOfASecondProgramOnTheSameStoreAreCountedLost) {
    PrivateHome home;
    auto first = Recording::start(std::nullopt, "p");
    ASSERT_TRUE(std::get<std::unique_ptr<Recording>>(first));
    StderrCapture stderrText;
    auto second = Recording::start(std::nullopt, "p");
    auto& recording = std::get<std::unique_ptr<Recording>>(second);
    ASSERT_TRUE(recording);
    recording->recorder().sessionStarted();
    recording->recorder().sessionEnded(SessionEnd::Exited);
    EXPECT_EQ(recording->finish(), 2);
    const QString told = stderrText.text();
    EXPECT_TRUE(told.contains("cannot be kept") && told.contains("2 test records are lost"))
        << told.toStdString();
}

// A journal in the place of the default store's that names another store (the data folder moved,
// or was restored from another machine): the default store records as usual, and the other's
// records go to it at once where it is there, else wait for it or are handed over by command.
TEST(JournalTest, journalOfAnotherStoreGoesToThatStoreAndTheRunRecordsAsUsual) {
    PrivateHome home;
    const StoreAway away(home);
    const QString spool = journalPath(defaultStore());
    const QString forAway = newRecordId();
    {
        RecordWriter writer(away.address(), spool);
        postSweep(writer, forAway, 5);
    }
    const auto recordSweep = [](const QString& id) {
        auto run = Recording::start(std::nullopt, "p");
        auto& recording = std::get<std::unique_ptr<Recording>>(run);
        postSweep(*recording->writer(), id, 3);
        ASSERT_TRUE(recording->writer()->drain(recordsPatienceMs));
        EXPECT_EQ(recording->finish(), 0);
    };
    const QString forDefault = newRecordId();
    StderrCapture stderrText;
    recordSweep(forDefault);
    const QString told = stderrText.text();
    EXPECT_EQ(cellsOf(defaultStore(), forDefault), 3);
    const QString kept = journalPathOf(addressText(away.address()));
    ASSERT_TRUE(QFileInfo::exists(kept)) << told.toStdString();
    EXPECT_TRUE(told.contains(away.url()) && told.contains(kept) && told.contains("deliver"))
        << told.toStdString();

    const Answer handed = askResults("sqlite:" + defaultStore().path, {"deliver", kept});
    EXPECT_EQ(handed.status, 0) << handed.err.toStdString();
    EXPECT_EQ(cellsOf(defaultStore(), forAway), 5);
    EXPECT_FALSE(QFileInfo::exists(kept));
    EXPECT_EQ(askResults("sqlite:" + defaultStore().path, {"deliver", kept}).status, 1);

    // The other store is there: its records reach it during the run.
    const StoreAddress other = home.sqliteStore();
    { RecordWriter makesIt(other, home.file("other-spool.sqlite")); }
    const QString forOther = newRecordId();
    QFile::remove(spool);
    withStore(std::get<StoreAddress>(parseResultsUrl("sqlite:" + spool)), [&](QSqlDatabase& db) {
        ASSERT_EQ(prepareSpool(db, other), std::nullopt);
        ASSERT_EQ(spoolRecords(db, {sweepBegan(forOther), cell(forOther, 0)}), std::nullopt);
    });
    recordSweep(newRecordId());
    EXPECT_EQ(cellsOf(other, forOther), 1);
}

TEST(JournalTest, filesOfTheRecordsAreTheUsersAlone) {
    PrivateHome home;
    const mode_t before = ::umask(022);
    auto run = Recording::start(std::nullopt, "p");
    auto& recording = std::get<std::unique_ptr<Recording>>(run);
    postSweep(*recording->writer(), newRecordId(), 1);
    ASSERT_TRUE(recording->writer()->drain(recordsPatienceMs));
    const QString folder = QFileInfo(defaultStore().path).absolutePath();
    const auto mode = [](const QString& path) {
        struct stat info {};
        return ::lstat(qPrintable(path), &info) == 0 ? info.st_mode & 0777 : 01000;
    };
    EXPECT_EQ(mode(folder), 0700u);
    for (const char* file :
         {"results.sqlite", "results.sqlite-wal", "results.sqlite-shm", "spool.sqlite",
          "spool.sqlite-wal", "spool.sqlite-shm", "spool.sqlite.lock"})
        EXPECT_EQ(mode(folder + '/' + file), 0600u) << file;
    ::umask(before);
}

// A journal with 160 undelivered cells, then damaged the way a disk or a bad copy damages one.
TEST(JournalTest, damagedJournalIsSetAsideAndWhatCanBeReadIsDelivered) {
    struct Damage {
        const char* what;
        std::function<void(QFile&)> apply;
    };
    const Damage damages[] = {
        {"truncated", [](QFile& file) { file.resize(8192); }},
        {"garbled",
         [](QFile& file) {
             file.seek(file.size() - 2 * 4096 + 100); // one of the journal's latest pages
             file.write(QByteArray(500, '\xa5'));
         }},
        {"emptied", [](QFile& file) { file.resize(0); }},
        {"no database",
         [](QFile& file) {
             file.resize(0);
             file.write("a text saved over the journal\n");
         }},
    };
    for (const Damage& damage : damages) {
        PrivateHome home;
        const StoreAway away(home);
        const QString spool = home.file("spool.sqlite");
        const QString before = newRecordId();
        {
            RecordWriter writer(away.address(), spool);
            postSweep(writer, before, 160);
        }
        QFile file(spool);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const qint64 size = file.size();
        damage.apply(file);
        file.close();

        away.open();
        StderrCapture stderrText;
        const QString after = newRecordId();
        {
            RecordWriter writer(away.address(), spool);
            postSweep(writer, after, 20);
            ASSERT_TRUE(writer.drain(recordsPatienceMs)) << damage.what;
        }
        const QString told = stderrText.text();
        EXPECT_EQ(cellsOf(away.address(), after), 20) << damage.what << told.toStdString();
        const QStringList kept =
            QDir(home.dir.path()).entryList({"spool.sqlite.damaged-*"}, QDir::Files);
        ASSERT_EQ(kept.size(), 1) << damage.what << " " << told.toStdString();
        const bool truncated = QByteArray(damage.what) == "truncated";
        const bool garbled = QByteArray(damage.what) == "garbled";
        if (truncated || garbled) {
            EXPECT_EQ(QFileInfo(home.dir.filePath(kept[0])).size(), truncated ? 8192 : size);
        }
        EXPECT_EQ(told.count("is damaged"), 1) << told.toStdString();
        EXPECT_TRUE(told.contains(spool) && told.contains(kept[0])) << told.toStdString();
        // The garbled page is one of several: the cells on the others arrive.
        if (garbled) {
            EXPECT_GT(cellsOf(away.address(), before), 28) << told.toStdString();
        }
    }
}

// Bits flipped on the disk under a journal of 160 undelivered cells: what is delivered is what
// was recorded, and an entry the flips changed is set aside with the reason.
TEST(JournalTest, bitsFlippedInTheJournalAreNeverDeliveredAsValues) {
    PrivateHome home;
    const StoreAddress store = home.sqliteStore();
    const QString id = newRecordId();
    {
        RecordWriter writer(store, home.file("first-spool.sqlite"));
        writer.post(sweepBegan(id));
        ASSERT_TRUE(writer.drain(recordsPatienceMs));
    }
    const QString spool = home.file("spool.sqlite");
    withStore(std::get<StoreAddress>(parseResultsUrl("sqlite:" + spool)), [&](QSqlDatabase& db) {
        ASSERT_EQ(prepareSpool(db, store), std::nullopt);
        std::vector<Record> cells;
        for (int i = 0; i < 160; ++i)
            cells.push_back(cell(id, i));
        ASSERT_EQ(spoolRecords(db, cells), std::nullopt);
    });
    QFile file(spool);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray whole = file.readAll();
    QByteArray flipped = whole;
    // The entries fill the pages after the one naming the store (the other tables come first).
    const qsizetype tablesEnd = (whole.indexOf(addressText(store).toUtf8()) / 4096 + 1) * 4096;
    ASSERT_GT(whole.size(), tablesEnd + 4 * 4096);
    std::mt19937 random(31);
    std::uniform_int_distribution<qsizetype> at(tablesEnd, whole.size() - 1);
    for (int i = 0; i < 40; ++i)
        flipped[at(random)] ^= static_cast<char>(1 << (random() % 8));
    file.seek(0);
    file.write(flipped);
    file.close();

    StderrCapture stderrText;
    {
        RecordWriter writer(store, spool);
        postSweep(writer, newRecordId(), 1);
        ASSERT_TRUE(writer.drain(recordsPatienceMs));
    }
    const QString told = stderrText.text();
    int delivered = 0;
    withStore(store, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec("SELECT seq, cell_row, cell_column, b2, b3, b4, k5, k12, at FROM "
                               "sweep_cells WHERE sweep_id = '" +
                               id + "'"));
        const CellPainted recorded = cell(id, 0);
        while (query.next()) {
            const int seq = query.value(0).toInt();
            EXPECT_TRUE(
                seq >= 0 && seq < 160 && query.value(1).toInt() == seq / 40 &&
                query.value(2).toInt() == seq % 40 && query.value(3).toInt() == recorded.b2 &&
                query.value(4).toInt() == recorded.b3 && query.value(5).toInt() == recorded.b4 &&
                query.value(6).toInt() == 0 && query.value(7).toInt() == 0 &&
                query.value(8).toString().left(10) == recorded.at.left(10))
                << seq << " " << query.value(8).toString().toStdString();
            ++delivered;
        }
    });
    EXPECT_GT(delivered, 100) << told.toStdString();
    EXPECT_LT(delivered, 160);
    EXPECT_TRUE(told.contains("checksum fails")) << told.toStdString();
}

TEST(JournalTest, fullJournalFolderSaysSoAndCountsTheRecordsLostAtExit) {
    PrivateHome home;
    SmallDisk disk;
    if (!disk.mounted)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    QDir().mkdir(disk.dir.filePath("data"));
    disk.fill(8 * 1024);
    StderrCapture stderrText;
    qint64 lost = 0;
    {
        RecordWriter writer(home.sqliteStore(), disk.dir.filePath("spool.sqlite"));
        postSweep(writer, newRecordId(), 162);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return writer.trouble().has_value(); }, recordsPatienceMs));
        EXPECT_TRUE(writer.trouble()->contains("full")) << writer.trouble()->toStdString();
        lost = writer.finish();
    }
    EXPECT_EQ(lost, 163);
    const QString told = stderrText.text();
    EXPECT_TRUE(told.contains("163 test records could not be written to the journal " +
                              disk.dir.filePath("spool.sqlite")))
        << told.toStdString();
    EXPECT_FALSE(told.contains("wait")) << told.toStdString();

    // No room for the lock file either: said so, not that another program records.
    disk.fill(0);
    qputenv("XDG_DATA_HOME", disk.dir.filePath("data").toLocal8Bit());
    const auto refused = Recording::start(std::nullopt, "p");
    ASSERT_TRUE(std::holds_alternative<QString>(refused));
    EXPECT_TRUE(std::get<QString>(refused).contains("is full"))
        << std::get<QString>(refused).toStdString();
}

// A step's and a run's end as programs wrote them before they kept a reason: read, without one.
TEST(JournalTest, runEndsWrittenBeforeTheirReasonAreReadWithNone) {
    const std::vector<Record> ends{
        RunStepEnded{"r", 0, "t1", "t0", "points", "rows", "fail", "figure", 3, 1, "no-power|||"},
        RunEnded{"r", "t1", "completed", "fail", "rows", "figure", "no-power|||"}};
    for (const Record& record : ends) {
        const QByteArray current = encode(record);
        // The kind without a header, then the fields before the reason (its last four bytes are
        // its length, then 22 bytes of text).
        const QByteArray earlier = QByteArray(1, static_cast<char>(record.index())) +
                                   current.mid(7, current.size() - 7 - 4 - 22);
        const auto decoded = decode(earlier);
        ASSERT_TRUE(std::holds_alternative<Record>(decoded))
            << std::get<QString>(decoded).toStdString();
        std::visit(
            [](const auto& r) {
                if constexpr (requires { r.reason; }) {
                    EXPECT_EQ(r.keyFigure, "figure");
                    EXPECT_TRUE(r.reason.isEmpty());
                } else {
                    ADD_FAILURE() << "read as another kind of record";
                }
            },
            std::get<Record>(decoded));
    }
}

// Entries of earlier and later programs, and bytes that are no entry at all.
TEST(JournalTest, entryThatCannotBeReadIsSetAsideAndTheRecordsBehindItGoOn) {
    const QString id = newRecordId();
    const QByteArray current = encode(sweepBegan(id));
    // Today's header (mark, layout, kind, length), then the fields.
    ASSERT_EQ(current.left(3), QByteArray("\xff\x01\x00", 3));
    const QByteArray fields = current.mid(7);
    const QByteArray earlier = QByteArray(1, '\0') + fields; // no header yet
    QByteArray extra;
    {
        QDataStream out(&extra, QIODevice::WriteOnly);
        out << QStringLiteral("a field of a later program");
    }
    QByteArray later = current.left(3);
    {
        QDataStream out(&later, QIODevice::Append);
        out << quint32(fields.size() + extra.size());
    }
    later += fields + extra;
    for (const QByteArray& entry : {current, earlier, later}) {
        const auto decoded = decode(entry);
        ASSERT_TRUE(std::holds_alternative<Record>(decoded))
            << std::get<QString>(decoded).toStdString();
        EXPECT_EQ(std::get<SweepBegan>(std::get<Record>(decoded)).mapHeight, 685);
    }
    for (const QByteArray& entry :
         {current.left(current.size() - 2), QByteArray("\xff\x02", 2) + current.mid(2),
          QByteArray("\x09", 1), QByteArray()})
        EXPECT_TRUE(std::holds_alternative<QString>(decode(entry))) << entry.toHex().toStdString();

    // In a journal: the earlier entry begins the sweep, the unreadable ones are set aside.
    PrivateHome home;
    const StoreAddress store = home.sqliteStore();
    const auto journal =
        std::get<StoreAddress>(parseResultsUrl("sqlite:" + home.file("spool.sqlite")));
    withStore(journal, [&](QSqlDatabase& db) {
        ASSERT_EQ(prepareSpool(db, store), std::nullopt);
        for (const QByteArray& body :
             {earlier, QByteArray("\xff\x07\x01", 3) + current.mid(3), encode(cell(id, 0)),
              QByteArray("no entry"), encode(cell(id, 1))}) {
            QSqlQuery insert(db);
            insert.prepare("INSERT INTO journal (body) VALUES (?)");
            insert.addBindValue(body);
            EXPECT_TRUE(insert.exec());
        }
    });
    {
        RecordWriter writer(store, home.file("spool.sqlite"));
        writer.post(cell(id, 2));
        ASSERT_TRUE(writer.drain(recordsPatienceMs));
    }
    EXPECT_EQ(cellsOf(store, id), 3);
    EXPECT_EQ(scalar(journal, "SELECT count(*) FROM refused").toInt(), 2);
    EXPECT_TRUE(scalar(journal, "SELECT group_concat(reason) FROM refused")
                    .toString()
                    .contains("layout 7 is newer"));
}

} // namespace

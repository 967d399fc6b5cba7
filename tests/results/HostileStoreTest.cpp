// A store filled with values the bench never writes, as a broken or hostile bench or a hand in
// the database would leave it: each such record is refused by name, never drawn, and what the
// program prints from the store is never raw.
#include "Recorder.h"
#include "RecordsTest.h"
#include "Schema.h"
#include "StoreWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace velmor;
using namespace velmor::results;
using namespace velmor::testing;

namespace {

class HostileStoreTest : public ::testing::Test {
protected:
    // One record made from the bench's own records with one value changed by `spoil`.
    QString sweep(const std::function<void(SweepBegan&, CellPainted&, SweepSaved&)>& spoil,
                  const QString& end = "completed") {
        const QString id = newRecordId();
        SweepBegan began{id, recordTime(), "bench", "/dev/ttyS0", 4, 6, 70, 693, 685, 1};
        CellPainted cell{id, 0, recordTime(), 0, 1, 128, 128, 128, 0, 0};
        SweepSaved saved{id, "good", "Graf/good.bmp", "Graf/good.csv", "Graf/good.txt"};
        spoil(began, cell, saved);
        put({began, cell, saved, RecordEnded{id, true, recordTime(), end}});
        return id.left(8);
    }
    QString session(const std::function<void(TickRead&)>& spoil) {
        const QString id = newRecordId();
        TickRead tick{id, 0, recordTime(), 65, 128, 128, 128, 20, 20, 10, 100, false};
        spoil(tick);
        put({SessionBegan{id, recordTime(), "bench", "/dev/ttyS0"}, tick,
             RecordEnded{id, false, recordTime(), "switched-off"}});
        return id.left(8);
    }
    void put(const std::vector<Record>& records) {
        withStore(home.sqliteStore(), [&](QSqlDatabase& db) {
            ASSERT_EQ(prepareSchema(db), std::nullopt);
            ASSERT_FALSE(storeRecords(db, records));
        });
    }

    struct Answer {
        int status;
        QByteArray out;
        QString err;
    };
    Answer results(const QStringList& arguments) {
        QProcess program;
        program.start(
            QCoreApplication::applicationDirPath() + "/velmor-results",
            QStringList{"--language", "en", "--results", "sqlite:" + home.sqliteStore().path} +
                arguments);
        EXPECT_TRUE(program.waitForFinished(30000));
        return {program.exitCode(), program.readAllStandardOutput(),
                QString::fromUtf8(program.readAllStandardError())};
    }
    // Refused with status 1, naming the record and the value, and nothing written.
    void refused(const QStringList& arguments, const QString& id, const QString& value) {
        QTemporaryDir out;
        const Answer a = results(arguments + QStringList{"--to", out.path()});
        EXPECT_EQ(a.status, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(a.err.contains(id) && a.err.contains(value)) << a.err.toStdString();
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList());
    }

    PrivateHome home;
};

TEST_F(HostileStoreTest, valuesTheBenchCannotWriteAreRefusedByNameNeverDrawn) {
    const QString good = sweep([](auto&, auto&, auto&) {});
    const QString byte = sweep([](auto&, CellPainted& c, auto&) { c.b4 = 2147483647; });
    const QString huge =
        sweep([](SweepBegan& b, auto&, auto&) { b.mapWidth = b.mapHeight = 30000; });
    const QString widest = sweep([](SweepBegan& b, auto&, auto&) { b.mapWidth = 2147483647; });
    const QString limit = sweep([](SweepBegan& b, auto&, auto&) { b.powerLimit = 2147483647; });
    const QString place = sweep([](auto&, CellPainted& c, auto&) { c.row = 128; });
    const QString tickByte = session([](TickRead& t) { t.b4 = 2147483647; });
    const QString tickTime = session([](TickRead& t) { t.at = "9999-12-31T23:59:59.999Z"; });

    refused({"report", byte}, byte, "b4 = 2147483647, outside 0..255");
    refused({"export", huge}, huge, "map_width = 30000");
    refused({"report", widest}, widest, "map_width = 2147483647");
    refused({"report", limit}, limit, "power_limit = 2147483647");
    refused({"report", place}, place, "cell_row = 128");
    refused({"report", tickByte}, tickByte, "b4 = 2147483647");
    refused({"report", tickTime}, tickTime, "9999-12-31T23:59:59.999Z");
    EXPECT_FALSE(results({"show", limit}).out.contains("-2 W"));

    // The list shows what can be read and names each record it leaves out.
    const Answer list = results({"list"});
    EXPECT_EQ(list.status, 1);
    EXPECT_TRUE(list.out.contains(good.toLatin1())) << list.out.toStdString();
    for (const QString& id : {byte, huge, limit, place})
        EXPECT_TRUE(list.err.contains(id)) << id.toStdString() << list.err.toStdString();
    EXPECT_EQ(results({"show", good}).status, 0);
}

TEST_F(HostileStoreTest, storedTextsArePrintedEscapedAndNamesAreNoWildcardsOrPaths) {
    const QString escapes = sweep([](SweepBegan& b, auto&, SweepSaved& s) {
        s.name = "\x1b]0;owned\x07\x1b[2J";
        b.host = "evil\nfake  sweep  row";
    });
    const QString nul =
        sweep([](auto&, auto&, SweepSaved& s) { s.name = QString::fromLatin1("nul\0hidden", 10); });
    const QString last = sweep([](auto&, auto&, SweepSaved& s) { s.name = "after"; });

    const Answer list = results({"list"});
    EXPECT_EQ(list.status, 0) << list.err.toStdString();
    EXPECT_FALSE(list.out.contains('\x1b') || list.out.contains('\0'));
    EXPECT_TRUE(list.out.contains("\\x1b]0;owned\\x07\\x1b[2J")) << list.out.toStdString();
    EXPECT_TRUE(list.out.contains("evil\\nfake")) << list.out.toStdString();
    EXPECT_TRUE(list.out.contains("nul\\0hidden"));
    EXPECT_TRUE(list.out.contains(last.toLatin1())); // nothing after the NUL is lost
    EXPECT_EQ(list.out.count('\n'), 5);              // header, three sweeps, count
    EXPECT_FALSE(results({"show", escapes}).out.contains('\x1b'));

    EXPECT_TRUE(results({"list", "--name", "_"}).out.endsWith("(0 records)\n"));
    EXPECT_TRUE(results({"list", "--name", "%"}).out.endsWith("(0 records)\n"));
    const Answer wild = results({"show", "%%%%"});
    EXPECT_EQ(wild.status, 1);
    EXPECT_TRUE(wild.err.contains("hex digits and dashes")) << wild.err.toStdString();

    // A name that cannot be a file's: refused, nothing written anywhere.
    refused({"export", nul}, nul, "control characters");
    refused({"report", nul}, nul, "control characters");
    // Nor a hidden file.
    const QString dots = sweep([](auto&, auto&, SweepSaved& s) { s.name = "..hidden"; });
    QTemporaryDir out;
    EXPECT_EQ(results({"export", dots, "--to", out.path()}).status, 0);
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"__hidden.bmp", "__hidden.csv", "__hidden.txt"}));
}

// Texts far longer than the bench writes: each command refuses the record by its field, never
// reading the text whole.
TEST_F(HostileStoreTest, hugeStoredTextsAreRefusedByTheirField) {
    const QString swept = sweep([](SweepBegan& b, auto&, auto&) { b.unit.serial = "HUGE"; });
    const QString run = newRecordId();
    put({RunBegan{run, recordTime(), "bench", "/dev/ttyUSB0", "quick", "plans/quick.toml", "#",
                  "atx3", UnitIdentity{"HUGE", "ATX", "A. Petrov"}},
         RunEnded{run, recordTime(), "completed", "pass", QString(), QString()}});
    withStore(home.sqliteStore(), [](QSqlDatabase& db) {
        QSqlQuery query(db);
        for (const char* table : {"sweeps", "runs"})
            ASSERT_TRUE(query.exec(QStringLiteral("UPDATE %1 SET unit_serial = "
                                                  "replace(hex(zeroblob(10000000)), '0', 'x')")
                                       .arg(QLatin1String(table))));
    });
    const QString field = "unit_serial is longer than 64 characters";
    const Answer list = results({"list"});
    EXPECT_EQ(list.status, 1);
    EXPECT_TRUE(list.err.contains(swept) && list.err.contains(run.left(8)) &&
                list.err.contains(field))
        << list.err.toStdString();
    EXPECT_FALSE(list.out.contains("xxxx"));
    const Answer show = results({"show", swept});
    EXPECT_EQ(show.status, 1);
    EXPECT_TRUE(show.err.contains(field)) << show.err.toStdString();
    refused({"report", run.left(8)}, run.left(8), field);
    QTemporaryDir out;
    const Answer csv = results({"export", "--format", "csv", "--to", out.path()});
    EXPECT_EQ(csv.status, 1);
    EXPECT_TRUE(csv.err.contains(run.left(8)) && csv.err.contains(field)) << csv.err.toStdString();
}

} // namespace

// The whole bench against the simulated unit with recording on, into an SQLite file and a
// PostgreSQL server at once: a session in the manual window and a sweep in the graph window.
#include "AnswerPrompt.h"
#include "Bench.h"
#include "Commands.h"
#include "FileContents.h"
#include "Recorder.h"
#include "RecordsTest.h"
#include "Schema.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace velmor::testing {
namespace {

using namespace results;

class RecordedBenchTest : public Bench {
protected:
    void SetUp() override {
        ASSERT_EQ(server.start(), std::nullopt);
        toSqlite = std::make_unique<RecordWriter>(home.sqliteStore(), home.file("spool-a.sqlite"));
        toServer = std::make_unique<RecordWriter>(pgStore(server), home.file("spool-b.sqlite"));
        // The same records to both engines.
        recorder = std::make_unique<Recorder>(
            [this](const Record& record) {
                toSqlite->post(record);
                toServer->post(record);
            },
            QStringLiteral("simulated"));
        recorder->setUnit({"PSU-0815", "ATX-500", "Ivanov"});
    }

    void TearDown() override {
        Bench::TearDown();
        recorder.reset();
        toSqlite.reset();
        toServer.reset();
    }

    void startRecordedProgram() {
        ASSERT_NO_FATAL_FAILURE(startProgram());
        program->switcher()->setRecorders(recorder.get(), recorder.get());
        manual()->setRecorder(recorder.get());
        ASSERT_TRUE(waitForFrames(1));
    }

    PrivateHome home;
    PgServer server;
    std::unique_ptr<RecordWriter> toSqlite;
    std::unique_ptr<RecordWriter> toServer;
    std::unique_ptr<Recorder> recorder;
};

TEST_F(RecordedBenchTest, sessionAndSweepArriveCompleteAndAlikeInBothEnginesAndExportAsSaved) {
    ASSERT_NO_FATAL_FAILURE(startRecordedProgram());

    // A session: switched on, a +5 V load over its limit of 80 (clamped), switched off.
    click(manual(), "Command1");
    setLoads(manual(), 100, 20, 10);
    run(1200);
    click(manual(), "Command1");

    // A sweep of 12 cells, saved.
    ASSERT_NO_FATAL_FAILURE(setLimits(6, 6, 70, 255));
    ASSERT_NO_FATAL_FAILURE(toGraph());
    run(300);
    click(graph(), "Command3");
    ASSERT_TRUE(eventually(
        [&] { return label(graph(), "Label1")->caption() == QStringLiteral("ТЕСТ\r\nЗАКОНЧЕН"); },
        benchPatienceMs));
    const QString name = QStringLiteral("records-%1").arg(QCoreApplication::applicationPid());
    answerPrompt(name);
    click(graph(), "Command5");
    const QString stem = mapsFolder.path + "/" + name;
    click(graph(), "Command1");
    ASSERT_TRUE(eventually([&] { return manual() && !graph(); }));

    ASSERT_TRUE(toSqlite->drain(benchPatienceMs));
    ASSERT_TRUE(toServer->drain(benchPatienceMs));
    const StoreAddress sqlite = home.sqliteStore();
    const QString stored = dump(sqlite);
    EXPECT_EQ(stored.toStdString(), dump(pgStore(server)).toStdString());

    for (const char* table : {"sessions", "sweeps"})
        EXPECT_EQ(
            scalar(pgStore(server), QStringLiteral("SELECT unit_serial || ',' || unit_model || "
                                                   "',' || operator FROM %1")
                                        .arg(table))
                .toString(),
            "PSU-0815,ATX-500,Ivanov")
            << table;
    EXPECT_EQ(scalar(sqlite, "SELECT end_state FROM sessions").toString(), "switched-off");
    const int ticks = scalar(sqlite, "SELECT COUNT(*) FROM session_ticks").toInt();
    EXPECT_GE(ticks, 3);
    EXPECT_EQ(scalar(sqlite, "SELECT MAX(seq) + 1 FROM session_ticks").toInt(), ticks);
    EXPECT_EQ(scalar(sqlite, "SELECT MAX(load5) FROM session_ticks").toInt(), 80);
    EXPECT_EQ(scalar(sqlite, "SELECT kind FROM session_events WHERE seq = 0").toString(), "clamp");

    EXPECT_EQ(scalar(sqlite, "SELECT end_state FROM sweeps").toString(), "completed");
    EXPECT_EQ(scalar(sqlite, "SELECT saved_name FROM sweeps").toString(), name);
    // The maps folder by its name only: the operator's home folder stays on the bench.
    EXPECT_EQ(scalar(sqlite, "SELECT bmp_path FROM sweeps").toString(),
              QDir(mapsFolder.path).dirName() + "/" + name + ".bmp");
    EXPECT_EQ(scalar(sqlite, "SELECT COUNT(*) FROM sweep_cells").toInt(), 12);

    // What the save button wrote, written again from the server's records alone.
    QTemporaryDir exported;
    const QString id = scalar(sqlite, "SELECT id FROM sweeps").toString();
    StoredSweep sweep;
    withStore(pgStore(server), [&](QSqlDatabase& db) {
        sweep = std::get<StoredSweep>(loadSweep(db, schemaVersion, id));
    });
    const auto written = exportSweep(sweep, exported.path());
    ASSERT_TRUE(std::holds_alternative<QStringList>(written))
        << std::get<QString>(written).toStdString();
    for (const char* extension : {".bmp", ".csv", ".txt"}) {
        EXPECT_EQ(fileContents(exported.filePath(name + extension)), fileContents(stem + extension))
            << extension;
        QFile::remove(stem + extension);
    }
}

// The program itself, its journal on a disk with room for the lock file and no more.
TEST(RecordedSweepProgramTest, recordsLostToAFullDiskFailTheSweepWithOne) {
    SmallDisk disk;
    if (!disk.mounted)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    QDir().mkdir(disk.dir.filePath("data"));
    disk.fill(4096);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", disk.dir.filePath("data"));
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(env);
    const QString name = QStringLiteral("full-disk-%1").arg(QCoreApplication::applicationPid());
    program.start(QCoreApplication::applicationDirPath() + "/velmor-test",
                  {"--sweep", name, "--simulate", "--limits", "4,4,255"});
    ASSERT_TRUE(program.waitForFinished(60000));
    const QString told = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(program.exitCode(), 1) << told.toStdString();
    EXPECT_TRUE(told.contains(QRegularExpression("\\d+ test records could not be written to the "
                                                 "journal .* is full")))
        << told.toStdString();
    EXPECT_FALSE(told.contains("wait")) << told.toStdString();
    for (const char* extension : {".bmp", ".csv", ".txt"})
        QFile::remove(QCoreApplication::applicationDirPath() + "/Graf/" + name + extension);
}

} // namespace
} // namespace velmor::testing

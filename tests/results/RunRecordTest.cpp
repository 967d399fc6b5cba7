// A plan run's test record: recorded through the Recorder and the writer into SQLite and
// PostgreSQL and read back alike, shown and exported by velmor-results, refused when its rows
// hold what the bench never writes, and a store of the schema before runs brought up to date.
#include "Plan.h"
#include "Recorder.h"
#include "RecordsTest.h"
#include "RepeatTest.h"
#include "RunCommands.h"
#include "RunEnvelope.h"
#include "RunRead.h"
#include "RunTallies.h"
#include "Schema.h"
#include "StoreWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace velmor;
using namespace velmor::results;
using namespace velmor::testing;

namespace runrecord { // the suite shares one unit of compilation with the others

class NamedStep final : public StepSpec {
public:
    NamedStep(QString kind, QString stepName) : kind_(std::move(kind)) { name = stepName; }
    QString kind() const override { return kind_; }
    qint64 estimatedMs(const PlanContext&) const override { return 0; }
    QString describe() const override { return {}; }
    std::unique_ptr<PlanStep> make(const PlanContext&) const override { return nullptr; }

private:
    QString kind_;
};

const UnitIdentity unit{"PSU-7", "ATX-650", "I. Ivanova"};

Plan quickPlan() {
    Plan plan;
    plan.name = QStringLiteral("quick\x1b]0;owned\a");
    plan.file = QStringLiteral("plans/quick.toml");
    plan.text = "[plan]\nname = \"quick\"\n";
    plan.context.profile.name = QStringLiteral("atx");
    plan.steps = {std::make_shared<NamedStep>("points", "corners"),
                  std::make_shared<NamedStep>("trip", "over-power")};
    return plan;
}

StepReading reading(bool on, int load,
                    std::optional<ReplyFrame> reply = ReplyFrame{65, 128, 128, 128}) {
    return {reply, 0, controlFrame(on, load, load + 1, load + 2)};
}

// What decided the failing step of the first run.
const Finding droop{Finding::Kind::Crossed, "+12 V 11.29 V < 11.40 V", "P3",
                    "+5 V 15.0 A, +12 V 8.0 A, +3.3 V 10.0 A, 204 W"};

// A run of two steps, the second failing, as PlanRun tells it; then a run aborted in its first
// step.
void recordRuns(PlanRecorder& r) {
    const Plan plan = quickPlan();
    r.runStarted(plan, unit);
    r.stepStarted(0, *plan.steps[0]);
    r.readingTaken(0, reading(false, 0, ReplyFrame{65, 0, 0, 0}), Settling::SupplyOff);
    r.readingTaken(0, reading(true, 10), Settling::PoweringUp);
    for (int i = 0; i < 3; ++i)
        r.readingTaken(0, reading(true, 10 + i), Settling::Judged);
    r.readingTaken(0, reading(true, 12, std::nullopt), Settling::Judged); // no link: no reading
    r.readingTaken(0, reading(true, 40), Settling::LoadJump);
    StepResult corners{Outcome::Marginal,
                       // The low limit as a profile works it out, with the product's last bit
                       // (11.399999999999999).
                       {{"+12 V at P1",
                         12.55,
                         "V",
                         {12 * 0.95, 12.6, 11.52, 12.48},
                         Outcome::Marginal,
                         std::nullopt},
                        {"load +12 V", 10.02, "A", {}, Outcome::Pass, 10.0}},
                       "regulation +12 V 4.6 %",
                       3,
                       2};
    r.stepEnded(0, corners);
    r.stepStarted(1, *plan.steps[1]);
    r.readingTaken(1, reading(true, 200), Settling::Judged);
    r.stepEnded(1, {Outcome::Fail,
                    {{"trip power",
                      520,
                      "W",
                      {495, 675, std::nullopt, std::nullopt},
                      Outcome::Pass,
                      std::nullopt}},
                    "trip at 520 W",
                    1,
                    0,
                    droop});
    r.runEnded(Outcome::Fail, RunEnd::Completed);

    QThread::msleep(2); // started apart, so they sort by start
    r.runStarted(plan, unit);
    r.stepStarted(0, *plan.steps[0]);
    r.readingTaken(0, reading(true, 10), Settling::Judged);
    r.runEnded(Outcome::Aborted, RunEnd::Aborted);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

std::vector<StoredRun> storedRuns(const StoreAddress& store) {
    std::vector<StoredRun> runs;
    withStore(store, [&](QSqlDatabase& db) {
        auto ids = selectRows(db, "SELECT id FROM runs ORDER BY started_at, id");
        ASSERT_TRUE(std::holds_alternative<Rows>(ids));
        for (const Row& row : std::get<Rows>(ids).rows) {
            auto run = loadRun(db, row.value(0).toString());
            ASSERT_TRUE(std::holds_alternative<StoredRun>(run))
                << std::get<QString>(run).toStdString();
            runs.push_back(std::get<StoredRun>(run));
        }
    });
    return runs;
}

class RunRecordTest : public ::testing::Test {
protected:
    QString sqliteUrl() const { return "sqlite:" + home.sqliteStore().path; }
    PrivateHome home;
};

TEST_F(RunRecordTest, aRunIsStoredAlikeInBothEnginesAndReadBackWhole) {
    PgServer server;
    ASSERT_EQ(server.start(), std::nullopt);
    {
        RecordWriter sqlite(home.sqliteStore(), home.file("spool-a.sqlite"));
        RecordWriter pg(pgStore(server), home.file("spool-b.sqlite"));
        Recorder recorder(
            [&](Record r) {
                sqlite.post(r);
                pg.post(std::move(r));
            },
            "/dev/ttyUSB0");
        recordRuns(recorder);
        ASSERT_TRUE(sqlite.drain(recordsPatienceMs));
        ASSERT_TRUE(pg.drain(recordsPatienceMs));
    }
    const std::vector<StoredRun> runs = storedRuns(home.sqliteStore());
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs, storedRuns(pgStore(server)));

    const StoredRun& run = runs[0];
    EXPECT_EQ(run.planName, quickPlan().name);
    EXPECT_EQ(run.planText, "[plan]\nname = \"quick\"\n");
    EXPECT_EQ(run.profile, "atx");
    EXPECT_EQ(run.unit, unit);
    EXPECT_EQ(run.endState, "completed");
    EXPECT_EQ(run.outcome, "fail");
    EXPECT_EQ(run.failingStep, "over-power");
    EXPECT_EQ(run.keyFigure, "trip at 520 W");
    EXPECT_EQ(findingStored(run.reason), droop);
    ASSERT_EQ(run.steps.size(), 2u);
    EXPECT_EQ(findingStored(run.steps[1].reason), droop);
    EXPECT_TRUE(run.steps[0].reason.isEmpty());
    EXPECT_EQ(run.steps[0].kind, "points");
    EXPECT_EQ(run.steps[0].outcome, "marginal");
    EXPECT_EQ(run.steps[0].judged, 3);
    ASSERT_EQ(run.steps[0].measurements.size(), 2u);
    EXPECT_EQ(run.steps[0].measurements[0].guardHigh, 12.48);
    EXPECT_EQ(run.steps[0].measurements[1].low, std::nullopt);
    EXPECT_EQ(run.steps[0].measurements[1].asked, 10.0);
    // Every reading with a reply, none without; each with the frame it answers.
    ASSERT_EQ(run.readings.size(), 7u);
    EXPECT_EQ(run.readings[0].settling, "supply-off");
    EXPECT_FALSE(run.readings[0].supplyOn);
    EXPECT_EQ(run.readings[5].settling, "load-jump");
    EXPECT_EQ(run.readings[5].load33, 42);
    EXPECT_EQ(run.readings[6].stepSeq, 1);
    // The aborted run keeps the step it stopped in, and has no verdict.
    EXPECT_EQ(runs[1].endState, "aborted");
    EXPECT_EQ(runs[1].outcome, "aborted");
    EXPECT_EQ(runs[1].failingStep, "corners");
    ASSERT_EQ(runs[1].steps.size(), 1u);
    EXPECT_EQ(runs[1].steps[0].outcome, "aborted");
    EXPECT_EQ(runs[1].steps[0].judged, 1);

    // The commands answer alike over both.
    const QString id = run.id.left(8);
    for (const QStringList& command :
         {QStringList{"list", "--kind", "run"}, {"show", id}, {"history", "PSU-7"}}) {
        const Answer a = askResults(sqliteUrl(), command);
        EXPECT_EQ(a.status, 0) << a.err.toStdString();
        EXPECT_EQ(a.out.toStdString(), askResults(server.url(), command).out.toStdString());
    }
}

TEST_F(RunRecordTest, velmorResultsShowsListsAndExportsARun) {
    {
        RecordWriter writer(home.sqliteStore(), home.file("spool.sqlite"));
        Recorder recorder([&](Record r) { writer.post(std::move(r)); }, "/dev/ttyUSB0");
        recordRuns(recorder);
        ASSERT_TRUE(writer.drain(recordsPatienceMs));
    }
    const StoredRun run = storedRuns(home.sqliteStore()).front();
    const QString id = run.id.left(8);

    const Answer list = askResults(sqliteUrl(), {"list", "--verdict", "fail"});
    EXPECT_TRUE(list.out.contains(id + "  run ")) << list.out.toStdString();
    EXPECT_TRUE(list.out.contains("fail: +12 V 11.29 V < 11.40 V at P3\n"))
        << list.out.toStdString();
    EXPECT_TRUE(list.out.contains("quick\\x1b]0;owned\\x07")) << list.out.toStdString();
    EXPECT_TRUE(list.out.endsWith("(1 record)\n"));
    EXPECT_TRUE(askResults(sqliteUrl(), {"list", "--verdict", "incomplete", "--kind", "run"})
                    .out.contains("aborted"));
    EXPECT_TRUE(askResults(sqliteUrl(), {"list", "--kind", "sweep"}).out.endsWith("(0 records)\n"));

    const Answer shown = askResults(sqliteUrl(), {"show", id});
    EXPECT_EQ(shown.status, 0) << shown.err.toStdString();
    for (const char* line :
         {"Outcome: fail, failing step \"over-power\"",
          "Decided by: +12 V 11.29 V < 11.40 V at P3 (+5 V 15.0 A, +12 V 8.0 A, +3.3 V 10.0 A, "
          "204 W)\nKey figure: trip at 520 W\n",
          "+12 V at P1", "11.52", "marginal",
          "Readings: 7, judged 4; not judged: 1 answering a supply-off frame, 1 before the supply "
          "was up, 1 just after a load jump"})
        EXPECT_TRUE(shown.out.contains(line)) << line << "\n" << shown.out.toStdString();
    EXPECT_FALSE(shown.out.contains('\x1b'));
    EXPECT_FALSE(QRegularExpression(R"(load \+12 V[^\n]*pass)").match(shown.out).hasMatch())
        << "a load held to no limit is recorded, not passed\n"
        << shown.out.toStdString();
    const Answer history = askResults(sqliteUrl(), {"history", "PSU-7"});
    EXPECT_TRUE(history.out.contains("(2 records)"));
    EXPECT_TRUE(history.out.contains(": +12 V 11.29 V < 11.40 V at P3\n"))
        << history.out.toStdString();

    QDir(home.file("")).mkpath("out");
    const QString out = home.file("out");
    ASSERT_EQ(askResults(sqliteUrl(), {"export", id, "--to", out}).status, 0);
    const QJsonObject json =
        QJsonDocument::fromJson(fileBytes(out + "/run-" + id + ".json")).object();
    EXPECT_EQ(json["dut_id"].toString(), "PSU-7");
    EXPECT_EQ(json["station_id"].toString(), run.host);
    EXPECT_EQ(json["start_time"].toString(), run.startedAt);
    EXPECT_EQ(json["end_time"].toString(), run.endedAt);
    EXPECT_EQ(json["outcome"].toString(), "fail");
    EXPECT_EQ(json["plan"]["name"].toString(), quickPlan().name); // JSON escapes it itself
    const QJsonArray phases = json["phases"].toArray();
    ASSERT_EQ(phases.size(), 2);
    EXPECT_EQ(phases[0]["name"].toString(), "corners");
    EXPECT_EQ(phases[0]["outcome"].toString(), "marginal");
    const QJsonObject m = phases[0]["measurements"][0].toObject();
    EXPECT_EQ(m["name"].toString(), "+12 V at P1");
    EXPECT_EQ(m["value"].toDouble(), 12.55);
    EXPECT_EQ(m["units"].toString(), "V");
    EXPECT_EQ(m["lower_limit"].toDouble(), 11.4); // not 11.399999999999999
    EXPECT_EQ(m["upper_limit"].toDouble(), 12.6);
    EXPECT_EQ(m["outcome"].toString(), "marginal");
    EXPECT_TRUE(phases[0]["measurements"][1]["lower_limit"].isNull());
    EXPECT_EQ(json["readings"]["judged"].toInt(), 4);

    ASSERT_EQ(askResults(sqliteUrl(), {"export", id, "--format", "junit", "--to", out}).status, 0);
    QXmlStreamReader xml(fileBytes(out + "/run-" + id + ".xml"));
    QStringList cases;
    QStringList verdicts; // what each test case holds: failure, error, a property
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"testsuite") {
            EXPECT_EQ(xml.attributes().value("failures"), u"1");
        }
        if (xml.name() == u"testcase")
            cases << xml.attributes().value("name").toString();
        if (xml.name() == u"failure" || xml.name() == u"error")
            verdicts << xml.name().toString() + ":" + xml.attributes().value("message").toString();
        if (xml.name() == u"property" && xml.attributes().value("name") == u"outcome")
            verdicts << "outcome:" + xml.attributes().value("value").toString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(cases, QStringList({"corners", "over-power"}));
    EXPECT_EQ(verdicts,
              QStringList({"outcome:fail", "outcome:marginal",
                           "failure:+12 V 11.29 V < 11.40 V at P3 (+5 V 15.0 A, +12 V 8.0 A, "
                           "+3.3 V 10.0 A, 204 W)"}));

    // One line per run of the selection.
    ASSERT_EQ(askResults(sqliteUrl(), {"export", "--format", "csv", "--unit", "PSU-7", "--verdict",
                                       "fail", "--to", out})
                  .status,
              0);
    const QList<QByteArray> lines = fileBytes(out + "/runs.csv").split('\n');
    ASSERT_EQ(lines.size(), 3); // the header, the run, the end
    EXPECT_TRUE(lines[1].startsWith(run.id.toUtf8() + ",PSU-7,ATX-650," + run.startedAt.toUtf8() +
                                    "," + run.host.toUtf8() + ",I. Ivanova,"))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(",fail,over-power,trip at 520 W")) << lines[1].toStdString();
}

// Earlier benches stored a trip's names and key figure in the run's language: read back, they
// are the English ones the bench stores now, and shown in the language of whoever reads them.
// A reading at an end of the unit's range is shown as what it says.
TEST_F(RunRecordTest, namesStoredInRussianReadAsTheirEnglishAndAnEndOfTheRangeShowsAsSuch) {
    {
        RecordWriter writer(home.sqliteStore(), home.file("spool.sqlite"));
        Recorder recorder([&](Record r) { writer.post(std::move(r)); }, "/dev/ttyUSB0");
        const Plan plan = quickPlan();
        recorder.runStarted(plan, unit);
        recorder.stepStarted(0, *plan.steps[0]);
        recorder.stepEnded(0, {Outcome::Fail,
                               {measured("+5 V at P1", 4.0, "V", {4.75, 5.25, {}, {}})},
                               "regulation +5 V 0.2 %",
                               0,
                               0});
        recorder.stepStarted(1, *plan.steps[1]);
        recorder.stepEnded(1, {Outcome::Pass,
                               {measured("срабатывание: мощность", 326.9, "W"),
                                measured("удержано: ток +12 V", 20, "A"),
                                measured("+3,3 В до срабатывания", 3.3, "V")},
                               "срабатывание при 326.9 Вт",
                               0,
                               0});
        recorder.runEnded(Outcome::Fail, RunEnd::Completed);
        ASSERT_TRUE(writer.drain(recordsPatienceMs));
    }
    const StoredRun run = storedRuns(home.sqliteStore()).front();
    ASSERT_EQ(run.steps.size(), 2u);
    QStringList names;
    for (const StoredMeasurement& m : run.steps[1].measurements)
        names << m.name;
    EXPECT_EQ(names, QStringList({"trip power", "held current +12 V", "+3.3 V before the trip"}));
    EXPECT_EQ(run.steps[1].keyFigure, "trip at 326.9 W");

    const QString shown = askResults(sqliteUrl(), {"show", run.id.left(8)}).out;
    for (const char* expected : {"trip power", "trip at 326.9 W", "< 4.00"})
        EXPECT_TRUE(shown.contains(expected)) << expected << "\n" << shown.toStdString();

    QTranslator russian;
    ASSERT_TRUE(russian.load("velmor_ru", ":/translations"));
    QCoreApplication::installTranslator(&russian);
    const QString inRussian = runText(run);
    QCoreApplication::removeTranslator(&russian);
    for (const char* expected :
         {"срабатывание: мощность", "удержано: ток +12 В", "срабатывание при 326.9 Вт", "< 4.00"})
        EXPECT_TRUE(inRussian.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                     << inRussian.toStdString();
}

TEST_F(RunRecordTest, aRunRowTheBenchNeverWritesIsRefusedByName) {
    std::vector<Record> records;
    Recorder recorder([&](Record r) { records.push_back(std::move(r)); }, "/dev/ttyUSB0");
    recordRuns(recorder);
    withStore(home.sqliteStore(), [&](QSqlDatabase& db) {
        ASSERT_EQ(prepareSchema(db), std::nullopt);
        ASSERT_FALSE(storeRecords(db, records));
    });
    const std::vector<StoredRun> runs = storedRuns(home.sqliteStore());
    const QString first = runs[0].id, second = runs[1].id;
    withStore(home.sqliteStore(), [&](QSqlDatabase& db) {
        ASSERT_EQ(run(db, "UPDATE run_readings SET b1 = 300 WHERE seq = 2 AND run_id = ?", {first}),
                  std::nullopt);
        ASSERT_EQ(run(db, "UPDATE runs SET outcome = 'great' WHERE id = ?", {second}),
                  std::nullopt);
    });
    const Answer shown = askResults(sqliteUrl(), {"show", first.left(8)});
    EXPECT_EQ(shown.status, 1);
    EXPECT_EQ(shown.out, "");
    EXPECT_TRUE(
        shown.err.contains("run " + first + " is refused: reading 2: b1 = 300, outside 0..255"))
        << shown.err.toStdString();
    // The list names the run it leaves out, and says so in its status.
    const Answer list = askResults(sqliteUrl(), {"list"});
    EXPECT_EQ(list.status, 1);
    EXPECT_TRUE(list.out.contains(first.left(8)));
    EXPECT_FALSE(list.out.contains(second.left(8)));
    EXPECT_TRUE(list.err.contains(
        "run " + second + " is refused: outcome \"great\" is not an outcome the bench writes"))
        << list.err.toStdString();
    EXPECT_EQ(askResults(sqliteUrl(), {"export", "--format", "csv", "--to", home.file("")}).status,
              1);
}

TEST_F(RunRecordTest, aStoreOfTheSchemaBeforeRunsIsBroughtUpToDateAndTakesThem) {
    withStore(home.sqliteStore(), [&](QSqlDatabase& db) {
        ASSERT_EQ(prepareSchema(db, 3), std::nullopt);
        // A sweep as a program of that schema kept it: without the columns added since.
        QSqlQuery sweep(db);
        ASSERT_TRUE(sweep.exec(
            QStringLiteral(
                "INSERT INTO sweeps (id, started_at, host, port, load_limit1, load_limit2, "
                "power_limit, map_width, map_height, map_ratio, unit_serial, unit_model, operator) "
                "VALUES ('%1', '%2', 'b', 'p', 80, 80, 70, 693, 685, 1, 'PSU-7', 'ATX-650', "
                "'I. Ivanova')")
                .arg(newRecordId(), recordTime())))
            << sweep.lastError().text().toStdString();
    });
    // Read as it is: a list with no runs, and no table of them looked for.
    const Answer before = askResults(sqliteUrl(), {"history", "PSU-7"});
    EXPECT_EQ(before.status, 0) << before.err.toStdString();
    EXPECT_TRUE(before.out.contains("(1 record)"));
    {
        RecordWriter writer(home.sqliteStore(), home.file("spool.sqlite"));
        Recorder recorder([&](Record r) { writer.post(std::move(r)); }, "/dev/ttyUSB0");
        recordRuns(recorder);
        ASSERT_TRUE(writer.drain(recordsPatienceMs));
    }
    EXPECT_EQ(scalar(home.sqliteStore(), "SELECT MAX(version) FROM schema_version").toInt(),
              schemaVersion);
    EXPECT_EQ(storedRuns(home.sqliteStore()).size(), 2u);
    // Each ended run keeps its count of readings, which the list shows without counting them.
    EXPECT_EQ(scalar(home.sqliteStore(),
                     "SELECT COUNT(*) FROM runs WHERE reading_count IS NULL OR reading_count <> "
                     "(SELECT COUNT(*) FROM run_readings r WHERE r.run_id = runs.id)")
                  .toInt(),
              0);
    // A run without its count (open, or ended in an older store) is counted as the list reads it.
    const Answer counted = askResults(sqliteUrl(), {"list"});
    withStore(home.sqliteStore(), [](QSqlDatabase& db) {
        ASSERT_EQ(run(db, QStringLiteral("UPDATE runs SET reading_count = NULL")), std::nullopt);
    });
    EXPECT_EQ(askResults(sqliteUrl(), {"list"}).out, counted.out);
    const Answer after = askResults(sqliteUrl(), {"history", "PSU-7"});
    EXPECT_TRUE(after.out.contains("(3 records)")) << after.out.toStdString();
}

// A long run's envelope, kept by the writer as the run ends and by the migration for a run
// stored before, alike in both engines: a single reading's dip to the end of the range and a
// single reading's spike are each kept as they were read.
std::vector<StoredRunReading> envelopeOf(const StoreAddress& store) {
    std::vector<StoredRunReading> envelope;
    withStore(store, [&](QSqlDatabase& db) {
        auto ids = selectRows(db, "SELECT id FROM runs");
        ASSERT_TRUE(std::holds_alternative<Rows>(ids));
        auto run =
            loadRun(db, std::get<Rows>(ids).rows.at(0).value(0).toString(), RunReadings::Counted);
        ASSERT_TRUE(std::holds_alternative<StoredRun>(run));
        auto kept = envelopeReadings(db, schemaVersion, std::get<StoredRun>(run));
        ASSERT_TRUE(std::holds_alternative<std::vector<StoredRunReading>>(kept))
            << std::get<QString>(kept).toStdString();
        envelope = std::get<std::vector<StoredRunReading>>(kept);
    });
    return envelope;
}

TEST_F(RunRecordTest, aLongRunKeepsAnEnvelopeWithItsSingleDipAndSpike) {
    PgServer server;
    ASSERT_EQ(server.start(), std::nullopt);
    // Just over the 8,192 readings from which a run keeps an envelope: three readings a slot.
    constexpr int readings = 8200;
    {
        RecordWriter sqlite(home.sqliteStore(), home.file("spool-a.sqlite"));
        RecordWriter pg(pgStore(server), home.file("spool-b.sqlite"));
        Recorder r(
            [&](Record record) {
                sqlite.post(record);
                pg.post(std::move(record));
            },
            "/dev/ttyUSB0");
        const Plan plan = quickPlan();
        r.runStarted(plan, unit);
        r.stepStarted(0, *plan.steps[0]);
        for (int i = 0; i < readings; ++i)
            r.readingTaken(0,
                           reading(true, 10,
                                   ReplyFrame{65, static_cast<quint8>(i == 7001 ? 200 : 128),
                                              static_cast<quint8>(i == 5001 ? 0 : 128), 128}),
                           Settling::Judged);
        r.stepEnded(0, {Outcome::Pass, {}, "", readings, 0});
        r.runEnded(Outcome::Pass, RunEnd::Completed);
        // 8,200 readings into each engine: unoptimised under the sanitizers, on a busy machine,
        // that takes longer than a few records.
        ASSERT_TRUE(sqlite.drain(4 * recordsPatienceMs));
        ASSERT_TRUE(pg.drain(4 * recordsPatienceMs));
    }
    const std::vector<StoredRunReading> envelope = envelopeOf(home.sqliteStore());
    EXPECT_EQ(envelope, envelopeOf(pgStore(server)));
    // Two readings for each slot of three: far fewer than the run's.
    EXPECT_EQ(envelope.size(), 2u * ((readings + 2) / 3));
    const auto count = [&](auto keep) {
        return std::count_if(envelope.begin(), envelope.end(), keep);
    };
    EXPECT_EQ(count([](const StoredRunReading& e) { return e.b3 == 0; }), 1);
    EXPECT_EQ(count([](const StoredRunReading& e) { return e.b2 == 200; }), 1);
    EXPECT_EQ(count([](const StoredRunReading& e) { return e.b3 == 128 && e.b2 == 128; }),
              static_cast<long>(envelope.size()) - 2);

    // A store of the version before, brought up to date, keeps the same envelope.
    withStore(home.sqliteStore(), [](QSqlDatabase& db) {
        for (const char* statement :
             {"DROP TABLE run_envelopes", "DROP TABLE run_tallies", "DROP TABLE step_fail_tallies",
              "DROP TABLE point_tallies", "DROP TABLE tally_refusals",
              "DROP INDEX runs_reading_count", "DROP INDEX run_measurements_name",
              "UPDATE schema_version SET version = 7"})
            ASSERT_EQ(run(db, QString::fromLatin1(statement)), std::nullopt);
        ASSERT_EQ(prepareSchema(db), std::nullopt);
    });
    EXPECT_EQ(envelopeOf(home.sqliteStore()), envelope);
}

} // namespace runrecord

namespace runrecord {

// A unit that passed the plan is told of the repeat; one that failed it, or passed another text of
// it, is not.
TEST_F(RunRecordTest, aUnitThatPassedThePlanIsWarnedOfTheRepeat) {
    const Plan plan = quickPlan();
    Plan edited = plan;
    edited.text += "# another point\n";
    {
        RecordWriter writer(home.sqliteStore(), home.file("spool.sqlite"));
        Recorder recorder([&](Record r) { writer.post(std::move(r)); }, "/dev/ttyUSB0");
        for (const auto& [serial, outcome] :
             {std::pair{"PSU-X", Outcome::Marginal}, std::pair{"PSU-Y", Outcome::Fail}}) {
            recorder.runStarted(plan, {serial, {}, {}});
            recorder.runEnded(outcome, RunEnd::Completed);
        }
        ASSERT_TRUE(writer.drain(recordsPatienceMs));
    }
    const auto warning = RepeatTestCheck(home.sqliteStore(), "PSU-X", plan).warning();
    ASSERT_TRUE(warning);
    EXPECT_TRUE(warning->contains(QRegularExpression(
        "^repeat test: PSU-X passed this plan \\(\"quick.*\"\\) on \\d{4}-\\d\\d-\\d\\d .*, "
        "record [0-9a-f]{8}$")))
        << warning->toStdString();
    EXPECT_FALSE(warning->contains('\x1b')) << "the plan's name is shown printable";
    EXPECT_FALSE(RepeatTestCheck(home.sqliteStore(), "PSU-Y", plan).warning());
    EXPECT_FALSE(RepeatTestCheck(home.sqliteStore(), "PSU-X", edited).warning());
}

} // namespace runrecord

namespace runrecord {

// Two runs of one model and bench ending together on PostgreSQL (two ports of one bench), each in
// the transaction of its end: the one that ends second counts the first as well, so that the
// summary's tallies hold both runs.
TEST_F(RunRecordTest, twoRunsOfOneGroupEndingTogetherAreBothInTheSummary) {
    PgServer server;
    ASSERT_EQ(server.start(), std::nullopt);
    {
        RecordWriter writer(pgStore(server), home.file("spool.sqlite"));
        Recorder recorder([&](Record r) { writer.post(std::move(r)); }, "/dev/ttyUSB0");
        for (const char* serial : {"PSU-A", "PSU-B"}) {
            recorder.runStarted(quickPlan(), {serial, "ATX-650", {}});
            recorder.runEnded(Outcome::Pass, RunEnd::Completed);
        }
        ASSERT_TRUE(writer.drain(recordsPatienceMs));
    }
    QStringList runs;
    withStore(pgStore(server), [&](QSqlDatabase& db) {
        QSqlQuery ids(db);
        ASSERT_TRUE(ids.exec("SELECT id FROM runs ORDER BY unit_serial"));
        while (ids.next())
            runs << ids.value(0).toString();
        // Both as if still running: their ends are told again below, at the same time.
        ASSERT_EQ(run(db, "UPDATE runs SET end_state = 'aborted'"), std::nullopt);
        ASSERT_EQ(run(db, "DELETE FROM run_tallies"), std::nullopt);
    });
    ASSERT_EQ(runs.size(), 2);

    // The first end holds its transaction open while the second one's comes.
    const auto end = [&](int i, int beforeMs, int heldMs) {
        return QThread::create([&, i, beforeMs, heldMs] {
            QThread::msleep(beforeMs);
            const QString name = QStringLiteral("end-%1").arg(i);
            {
                auto opened = openStore(pgStore(server), name);
                ASSERT_TRUE(std::holds_alternative<QSqlDatabase>(opened));
                QSqlDatabase db = std::get<QSqlDatabase>(opened);
                ASSERT_TRUE(db.transaction());
                ASSERT_EQ(
                    run(db, "UPDATE runs SET end_state = 'completed' WHERE id = ?", {runs[i]}),
                    std::nullopt);
                ASSERT_EQ(keepRunTallies(db, runs[i]), std::nullopt);
                QThread::msleep(heldMs);
                ASSERT_TRUE(db.commit());
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        });
    };
    std::unique_ptr<QThread> first(end(0, 0, 600)), second(end(1, 200, 0));
    first->start();
    second->start();
    ASSERT_TRUE(first->wait(recordsPatienceMs));
    ASSERT_TRUE(second->wait(recordsPatienceMs));
    withStore(pgStore(server), [&](QSqlDatabase& db) {
        QSqlQuery tallies(db);
        ASSERT_TRUE(tallies.exec("SELECT runs, passed, units FROM run_tallies"));
        ASSERT_TRUE(tallies.next());
        EXPECT_EQ(tallies.value(0).toInt(), 2);
        EXPECT_EQ(tallies.value(1).toInt(), 2);
        EXPECT_EQ(tallies.value(2).toInt(), 2);
        EXPECT_FALSE(tallies.next());
    });
}

} // namespace runrecord

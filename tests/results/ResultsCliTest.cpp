// velmor-results as the operator runs it, on a store the writer filled.
#include "Calibrations.h"
#include "Recorder.h"
#include "RecordsTest.h"

#include "BoxPaint.h"
#include "Deviation.h"
#include "MapPicture.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QThread>
#include <QTimeZone>

using namespace velmor;
using namespace velmor::results;
using namespace velmor::testing;

namespace {

class ResultsCliTest : public ::testing::Test {
protected:
    // Two sweeps of 4 cells, the first of unit PSU-0001, the second of no unit named, with one
    // cell out of the band and one a step of the reading over a class boundary, and a session of
    // PSU-0001.
    void SetUp() override {
        RecordWriter writer(home.sqliteStore(), home.file("spool.sqlite"));
        for (const int b2 : {128, 60}) {
            const QString id = newRecordId();
            ids << id;
            writer.post(SweepBegan{id, recordTime(), "bench-1", "/dev/ttyS0", 4, 6, 255, 693, 685,
                                   1, b2 == 128 ? unit : UnitIdentity{}});
            for (int seq = 0; seq < 4; ++seq) {
                const int reading = seq == 3 ? b2 : seq == 2 ? (b2 == 128 ? 133 : 134) : 128;
                writer.post(CellPainted{id, seq, recordTime(), seq / 2, seq % 2, reading, 128, 128,
                                        deviationClass5(reading), 0});
            }
            writer.post(RecordEnded{id, true, recordTime(), "completed"});
            QThread::msleep(5); // started apart
        }
        const QString session = newRecordId();
        writer.post(SessionBegan{session, recordTime(), "bench-1", "/dev/ttyS0", unit});
        // The first reading answers the frame before the switch-on, the second the switch-on.
        // A tick apart, as the manual window reads: a reading sooner after the supply came up
        // would not be settled.
        writer.post(TickRead{session, 0, recordTime(), 65, 0, 0, 0, 20, 20, 10, 0, false});
        QThread::msleep(100);
        writer.post(
            TickRead{session, 1, recordTime(), 65, 128, 128, 128, 20, 20, 10, 150.5, false});
        QThread::msleep(100);
        writer.post(TickRead{session, 2, recordTime(), 65, 128, 128, 128, 20, 20, 10, 150.5, true});
        writer.post(SessionEvent{session, 0, recordTime(), "overload-cut", "150.5 W"});
        writer.post(RecordEnded{session, false, recordTime(), "switched-off"});
        ASSERT_TRUE(writer.drain(10000));
    }

    // The program's output, or its error and status.
    // In English unless the arguments choose the language.
    QString results(QStringList arguments, int expectedStatus = 0) {
        if (!arguments.contains("--language"))
            arguments << "--language"
                      << "en";
        QProcess program;
        // Three hours east of UTC all year round.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TZ", "Europe/Moscow");
        if (!platform.isEmpty())
            environment.insert("QT_QPA_PLATFORM", platform);
        program.setProcessEnvironment(environment);
        program.start(resultsProgram,
                      QStringList{"--results", "sqlite:" + home.sqliteStore().path} + arguments);
        EXPECT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitCode(), expectedStatus)
            << program.readAllStandardError().toStdString();
        return QString::fromLocal8Bit(program.readAllStandardOutput() +
                                      program.readAllStandardError());
    }

    const UnitIdentity unit{"PSU-0001", "ATX-500", "A. Petrov"};
    QString platform; // the display plugin the program is given, where not the suite's
    QString resultsProgram = QCoreApplication::applicationDirPath() + "/velmor-results";
    PrivateHome home;
    QStringList ids;
};

TEST_F(ResultsCliTest, listsNewestFirstFiltersAndFindsRecordsByIdPrefix) {
    const QStringList lines = results({"list"}).split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("id ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains("session")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(ids[1].left(8) + "  sweep")) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].endsWith("fail")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].endsWith("pass")) << lines[3].toStdString();
    // The columns line up under the header.
    EXPECT_EQ(lines[2].indexOf("completed"), lines[0].indexOf("end"));

    const QString passing = results({"list", "--verdict", "pass"});
    EXPECT_TRUE(passing.contains(ids[0].left(8)));
    EXPECT_FALSE(passing.contains(ids[1].left(8)));
    EXPECT_FALSE(results({"list", "--kind", "sweep"}).contains("session"));

    const QString shown = results({"show", ids[1].left(6)});
    EXPECT_TRUE(shown.contains("Sweep " + ids[1])) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Limits: LoadLimit1 4, LoadLimit2 6, PowerLimit 255 (510 W)"));
    EXPECT_TRUE(shown.contains("Verdict (ATX ±5 %): fail"));

    EXPECT_TRUE(results({"show", "0000-"}, 1).contains("no record has an id starting with"));
    EXPECT_TRUE(results({"show", "abc"}, 1).contains("at least 4 characters"));
}

// A store kept in SQLite's rollback mode, then on a read-only mount: read as it is, never changed.
// A sweep names the calibration it was judged with, and show judges its cells again with it: the
// +12 V input reads 2 % high, so 11.50 V read is a supply 6 % low.
TEST_F(ResultsCliTest, showNamesASweepsCalibrationAndJudgesItsCellsWithIt) {
    CalibrationRecord calibration;
    calibration.calibration.date = QDate::currentDate();
    calibration.calibration.due = calibration.calibration.date.addYears(1);
    calibration.calibration.inputs[indexOf(Input::Volts12)] = {1 / 1.02, 0, 0.004};
    calibration.madeAt = QDateTime::currentDateTimeUtc();
    ASSERT_EQ(keepCalibration(home.sqliteStore(), calibration), std::nullopt);
    const QString id = calibration.calibration.id;
    const QString missing = QStringLiteral("0000abcd-0000-4000-8000-000000000000");
    QStringList sweeps;
    {
        RecordWriter writer(home.sqliteStore(), home.file("spool.sqlite"));
        for (const QString& judgedWith : {id, QStringLiteral("uncalibrated"), missing}) {
            const QString sweep = newRecordId();
            sweeps << sweep;
            SweepBegan began{sweep, recordTime(), "bench-1", "/dev/ttyS0", 4, 6, 255, 693, 685, 1};
            began.calibration = judgedWith;
            began.calibrationWarning = judgedWith == id ? QString() : QStringLiteral("missing");
            writer.post(began);
            for (int seq = 0; seq < 4; ++seq)
                writer.post(CellPainted{sweep, seq, recordTime(), seq / 2, seq % 2, 128, 101, 128,
                                        0, deviationClass12(101)});
            writer.post(RecordEnded{sweep, true, recordTime(), "completed"});
        }
        ASSERT_TRUE(writer.drain(10000));
    }
    const QString calibrated = results({"show", sweeps[0]});
    EXPECT_TRUE(calibrated.contains("Judged with calibration " + id + "\n"))
        << calibrated.toStdString();
    EXPECT_TRUE(calibrated.contains("Verdict (ATX ±5 %): fail")) << calibrated.toStdString();
    const QString uncalibrated = results({"show", sweeps[1]});
    EXPECT_TRUE(uncalibrated.contains(
        "Judged uncalibrated (the design's formulas); the bench had no calibration\n"))
        << uncalibrated.toStdString();
    EXPECT_TRUE(uncalibrated.contains("Verdict (ATX ±5 %): pass"));
    EXPECT_TRUE(results({"show", sweeps[2]}, 1)
                    .contains("names calibration " + missing + ", which the store does not hold"));
    // The list's verdicts are those show gives.
    const QString listed = results({"list", "--kind", "sweep"}, 1); // the third refused
    for (const auto& [sweep, verdict] :
         {std::pair{sweeps[0], "fail"}, std::pair{sweeps[1], "pass"}})
        for (const QString& line : listed.split('\n')) {
            if (line.startsWith(sweep.left(8))) {
                EXPECT_TRUE(line.endsWith(verdict)) << line.toStdString();
            }
        }
}

TEST_F(ResultsCliTest, readsAStoreWithoutChangingItsModeAndOnAReadOnlyMount) {
    // Asked on a bare connection: the store's own connections turn it to WAL.
    const auto mode = [&](const char* pragma = "PRAGMA journal_mode") {
        QString answer;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "mode");
            db.setDatabaseName(home.sqliteStore().path);
            if (db.open()) {
                QSqlQuery query(db);
                if (query.exec(pragma) && query.next())
                    answer = query.value(0).toString();
            }
        }
        QSqlDatabase::removeDatabase("mode");
        return answer;
    };
    ASSERT_EQ(mode("PRAGMA journal_mode=DELETE"), "delete");
    EXPECT_TRUE(results({"list"}).contains(ids[0].left(8)));
    EXPECT_FALSE(QFile::exists(home.sqliteStore().path + "-wal"));
    EXPECT_EQ(mode(), "delete");

    if (::geteuid() != 0)
        GTEST_SKIP() << "a read-only mount needs root";
    const QByteArray folder = home.dir.path().toLocal8Bit();
    ASSERT_EQ(::mount(folder, folder, nullptr, MS_BIND, nullptr), 0);
    const bool readOnly =
        ::mount(nullptr, folder, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    const QString listed = readOnly ? results({"list"}) : QString();
    const QString shown = readOnly ? results({"show", ids[1].left(6)}) : QString();
    ::umount(folder);
    ASSERT_TRUE(readOnly);
    EXPECT_TRUE(listed.contains(ids[0].left(8))) << listed.toStdString();
    EXPECT_TRUE(shown.contains("Sweep " + ids[1])) << shown.toStdString();
}

TEST_F(ResultsCliTest, findsAUnitsRecordsShowsItsHistoryAndShowsTimesInLocalTime) {
    const QString stored =
        scalar(home.sqliteStore(), "SELECT started_at FROM sweeps WHERE id = '" + ids[0] + "'")
            .toString();
    const QString local = QDateTime::fromString(stored, Qt::ISODateWithMs)
                              .toTimeZone(QTimeZone("Europe/Moscow"))
                              .toString("yyyy-MM-dd HH:mm:ss +03:00");
    const QStringList lines = results({"list", "--unit", "PSU-0001"}).split('\n');
    ASSERT_EQ(lines.size(), 5) << lines.join('\n').toStdString(); // header, 2 records, count, ""
    EXPECT_TRUE(lines[1].contains("session")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(ids[0].left(8) + "  sweep    " + local + "  completed"))
        << lines[2].toStdString();
    EXPECT_EQ(lines[2].indexOf("PSU-0001"), lines[0].indexOf("unit"));
    EXPECT_FALSE(results({"list", "--unit", "PSU-000"}).contains("PSU-0001")) << "not a pattern";
    EXPECT_FALSE(results({"list", "--model", "atx-500"}).contains("PSU-0001")) << "nor any case";
    EXPECT_TRUE(
        results({"list", "--model", "ATX-500", "--kind", "sweep"}).contains(ids[0].left(8)));

    const QString shown = results({"show", ids[0].left(8)});
    EXPECT_TRUE(shown.contains("Started " + local + ", ended ")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Unit PSU-0001    Model ATX-500    Operator A. Petrov\n"));
    EXPECT_TRUE(results({"show", ids[1].left(8)}).contains("Unit -    Model -    Operator -\n"));

    // Oldest first, the figures of each kind of run.
    const QStringList history = results({"history", "PSU-0001"}).split('\n');
    ASSERT_EQ(history.size(), 5) << history.join('\n').toStdString();
    EXPECT_TRUE(history[0].startsWith("id ") && history[0].contains("operator"));
    EXPECT_TRUE(history[1].startsWith(ids[0].left(8) + "  sweep    " + local +
                                      "  bench-1  "
                                      "A. Petrov  completed"))
        << history[1].toStdString();
    EXPECT_TRUE(history[1].endsWith("  pass     limits 4,6,255, 4 cells, 100.00 % inside"))
        << history[1].toStdString();
    EXPECT_TRUE(history[2].contains("  session  ") &&
                history[2].endsWith("  switched-off  -        3 ticks, lowest +12 V 12.009 V"))
        << history[2].toStdString();
    EXPECT_EQ(history[3], "(2 records)");
    EXPECT_EQ(results({"history", "PSU-0002"}), "no records of this unit\n");
}

TEST_F(ResultsCliTest, showsASessionsVoltagesAndOverloadCuts) {
    const QString list = results({"list", "--kind", "session"});
    const QString id = list.split('\n').at(1).left(8);
    const QString shown = results({"show", id});
    EXPECT_TRUE(shown.contains("Readings: 3, judged 1; not judged: 1 answering a supply-off "
                               "frame, 1 before the supply was up, 0 just after a load jump"))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains("+12 V   12.009  12.009  12.009")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Overload cuts: 1")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("150.5 W"));
}

// Reading and printing needs no display: over ssh without one, where no display plugin starts,
// the commands that draw nothing still work.
TEST_F(ResultsCliTest, listsShowsAndTellsHistoryWithoutADisplayPlugin) {
    platform = "none";
    EXPECT_TRUE(results({"list"}).contains("(3 records)"));
    EXPECT_TRUE(results({"show", ids[0].left(8)}).contains("Sweep " + ids[0]));
    EXPECT_TRUE(results({"history", "PSU-0001"}).contains("(2 records)"));
}

// One program answers every command: a copy of it alone in a folder lists, draws and refuses a
// misused limit.
TEST_F(ResultsCliTest, theProgramAloneAnswersEveryCommand) {
    resultsProgram = home.file("velmor-results");
    ASSERT_TRUE(
        QFile::copy(QCoreApplication::applicationDirPath() + "/velmor-results", resultsProgram));
    EXPECT_TRUE(results({"list"}).contains("(3 records)"));
    EXPECT_TRUE(results({"history", "PSU-0001"}).contains("(2 records)"));
    QTemporaryDir out;
    EXPECT_TRUE(results({"report", ids[0].left(8), "--to", out.path()}).endsWith(".pdf\n"));
    const QString twoNewest = results({"list", "--limit", "2"});
    EXPECT_TRUE(twoNewest.endsWith("(the newest 2 records; 1 more: --all lists every one, "
                                   "--limit N the newest N)\n"))
        << twoNewest.toStdString();
    EXPECT_TRUE(results({"list", "--limit", "0"}, 1).contains("--limit takes a number"));
    EXPECT_TRUE(results({"show", ids[0].left(8), "--all"}, 1).contains("go with list and history"));
}

TEST_F(ResultsCliTest, comparesTwoSweepsCellByCellAndExportsASessionsReadings) {
    QTemporaryDir out;
    const QString compared =
        results({"compare", ids[0].left(8), ids[1].left(8), "--to", out.path()});
    EXPECT_TRUE(compared.contains("2 judged cells in both sweeps, 2 changed class: 1 within one "
                                  "step of the reading (1 LSB of b2 and b3, the unit's "
                                  "resolution), 1 by more"))
        << compared.toStdString();
    EXPECT_TRUE(compared.contains("Verdict: pass before, fail after"));
    EXPECT_TRUE(compared.contains("row 1, column 1: class 0 -> 10"));
    const QImage difference(
        out.filePath("compare-" + ids[0].left(8) + "-" + ids[1].left(8) + ".bmp"));
    ASSERT_EQ(difference.size(), QSize(693, 685));
    // The changed cell (row 1, column 1) is grey, the one a step of the reading moved (row 1,
    // column 0) pale green; the reply to the switch-on (row 0, column 1) is not compared.
    EXPECT_EQ(difference.pixelColor(velmor::toPixels(120, 10240 - 120)), QColor(100, 100, 100));
    EXPECT_EQ(difference.pixelColor(velmor::toPixels(40, 10240 - 120)), QColor(186, 255, 49));
    EXPECT_EQ(difference.pixelColor(velmor::toPixels(120, 10240 - 40)),
              standardQColor(mapBackColour));
    EXPECT_FALSE(compared.contains("row 1, column 0:")) << "not among the real changes";

    const QString id = results({"list", "--kind", "session"}).split('\n').at(1).left(8);
    const QString written = results({"export", id, "--to", out.path()}).trimmed();
    QFile csv(written);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << written.toStdString();
    const QList<QByteArray> lines = csv.readAll().split('\n');
    ASSERT_EQ(lines.size(), 5); // header, three readings, ""
    EXPECT_TRUE(lines[3].endsWith(",128,128,128,5.0040,12.0094,3.3026,20,20,10,150.50,1"))
        << lines[3].toStdString();
}

} // namespace

namespace {

QString pdfText(const QString& path) {
    QProcess reader;
    reader.start("pdftotext", {path, "-"});
    return reader.waitForFinished(30000)
               ? QString::fromUtf8(reader.readAllStandardOutput()).simplified()
               : QString();
}

TEST_F(ResultsCliTest, reportsASweepAndASessionAsPdf) {
    const QString sweepPdf = results({"report", ids[1].left(8), "--to", home.file("")}).trimmed();
    EXPECT_TRUE(sweepPdf.endsWith(ids[1].left(8) + ".pdf")) << sweepPdf.toStdString();
    const QString sweep = pdfText(sweepPdf);
    EXPECT_TRUE(sweep.contains("FAIL")) << sweep.toStdString();
    EXPECT_TRUE(sweep.contains("1 of 2 judged cells")) << sweep.toStdString();
    EXPECT_TRUE(sweep.contains("Worst +5 V: 4.471 V")) << sweep.toStdString();
    // The record's bench, not the one the report is made on.
    EXPECT_TRUE(sweep.contains("+03:00")) << sweep.toStdString();
    EXPECT_TRUE(sweep.contains("Bench bench-1 Port /dev/ttyS0")) << sweep.toStdString();
    EXPECT_TRUE(sweep.contains("Unit - Model - Operator -")) << sweep.toStdString();

    const QString id = results({"list", "--kind", "session"}).split('\n').at(1).left(8);
    const QString session = pdfText(results({"report", id, "--to", home.file("")}).trimmed());
    EXPECT_TRUE(session.contains("Manual session " + id)) << session.toStdString();
    EXPECT_TRUE(session.contains("Overload cuts: 1")) << session.toStdString();
    EXPECT_TRUE(session.contains("Unit PSU-0001 Model ATX-500 Operator A. Petrov"))
        << session.toStdString();
}

TEST_F(ResultsCliTest, reportsAndMessagesComeInRussianWhenChosen) {
    const QString sweep = pdfText(
        results({"report", ids[1].left(8), "--to", home.file(""), "--language", "ru"}).trimmed());
    EXPECT_TRUE(sweep.contains("Кросс-нагрузочный тест")) << sweep.toStdString();
    EXPECT_TRUE(sweep.contains("НЕ ГОДЕН")) << sweep.toStdString();
    EXPECT_FALSE(sweep.contains("judged")) << sweep.toStdString();
    const QString refused = results({"show", "ffffffff", "--language", "ru"}, 1);
    EXPECT_TRUE(refused.contains("нет записи")) << refused.toStdString();
    EXPECT_TRUE(results({"list", "--language", "fr"}, 2).contains("--language"));
}

} // namespace

namespace {

// The help is made from the commands and the options the program parses: it fits a screen, and a
// command given too few or too many ids gets it with status 2.
TEST_F(ResultsCliTest, helpFitsAScreenAndAWrongCommandLineGetsIt) {
    const QStringList help = results({"--help"}).split('\n');
    EXPECT_LE(help.size(), 42);
    for (const QString& line : help)
        EXPECT_LE(line.size(), 92) << line.toStdString();
    for (const char* shown : {"  list [--limit N | --all]", "  compare ID1 ID2 [--to DIR]",
                              "  --language ru|en  ", "  --results URL  ", "  -h, --help  "})
        EXPECT_TRUE(help.join('\n').contains(QLatin1String(shown))) << shown;
    // Each wrong command line is told why, and how the command is given.
    const std::pair<QStringList, const char*> wrongs[] = {
        {{"show"}, "ids after show: 0 given, 1 wanted"},
        {{"compare", ids[0]}, "ids after compare: 1 given, 2 wanted"},
        {{"history", "a", "b"}, "ids after history: 2 given, 1 wanted"},
        {{"lists"}, "no command \"lists\"; the commands are list, history"},
        {{"export", ids[0]}, "export needs --to DIR"}};
    for (const auto& [wrong, reason] : wrongs) {
        const QString answer = results(wrong, 2);
        EXPECT_TRUE(answer.contains(QLatin1String(reason))) << answer.toStdString();
        EXPECT_TRUE(answer.contains("Usage: velmor-results")) << answer.toStdString();
    }
}

} // namespace

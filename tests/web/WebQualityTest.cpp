// The quality pages over HTTP on either engine: failures by cause with the yields and retests,
// the measurements' CSV, and the bench's repeatability, each against figures worked out by hand
// (QualityRuns.h).
#include "QualityRuns.h"
#include "WebServer.h"

#include "PgServer.h"
#include "Schema.h"
#include "Sql.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

using namespace velmor::testing;

namespace {

void qualityPagesAnswer(const QString& url, const QString& models) {
    WebServer server({QStringLiteral("--results"), url, QStringLiteral("--listen"),
                      QStringLiteral("127.0.0.1:0"), QStringLiteral("--models"), models});
    ASSERT_FALSE(server.url().isEmpty()) << server.process().readAllStandardError().toStdString();

    const Answer pareto = server.get(QStringLiteral("/pareto?model=ATX-650"));
    ASSERT_EQ(pareto.status, 200) << pareto.body.toStdString();
    const QByteArray& p = pareto.body;
    // units, first-pass yield, final yield, failed and errored runs
    EXPECT_TRUE(p.contains("<tr><td>11</td><td>54.55 %</td><td>81.82 %</td><td>7</td></tr>"))
        << p.toStdString();
    // cause, runs, share, cumulative: most first, a tie in the causes' order
    const char* causes[] = {"<tr><td>+12 V at P3 low</td><td>3</td><td>42.86 %</td>"
                            "<td>42.86 %</td>",
                            "<tr><td>shut down at corners</td><td>2</td><td>28.57 %</td>"
                            "<td>71.43 %</td>",
                            "<tr><td>did not power on</td><td>1</td><td>14.29 %</td>"
                            "<td>85.71 %</td>",
                            "<tr><td>bench: no reply</td><td>1</td><td>14.29 %</td>"
                            "<td>100.00 %</td>"};
    qsizetype previous = -1;
    for (const char* cause : causes) {
        const qsizetype at = p.indexOf(cause);
        EXPECT_GT(at, previous) << cause;
        previous = at;
    }
    EXPECT_TRUE(p.contains("<tr><td><a href=\"/unit?serial=PSU-R\">PSU-R</a></td><td>9</td>"));
    EXPECT_TRUE(p.contains("<tr><td><a href=\"/unit?serial=PSU-2\">PSU-2</a></td><td>1</td>"
                           "<td><span class=\"fail\">fail</span></td></tr>"));
    // The bench and the period choose the runs.
    EXPECT_TRUE(server.get(QStringLiteral("/pareto?model=ATX-500"))
                    .body.contains("No failed or errored runs."));
    EXPECT_TRUE(server.get(QStringLiteral("/pareto?bench=bench-3&to=2026-12-01"))
                    .body.contains("<tr><td>shut down at corners</td><td>1</td><td>50.00 %</td>"));
    EXPECT_EQ(server.get(QStringLiteral("/pareto?from=monday")).status, 400);

    // The summary's most frequent failing step shows a tie as one.
    EXPECT_TRUE(
        server.get(QStringLiteral("/summary"))
            .body.contains("<tr><td>ATX-650</td><td>bench-2</td><td>2026-12-01</td><td>5</td>"
                           "<td>2</td><td>4</td><td>50.00 %</td>"
                           "<td>corners, power-on, rows</td></tr>"));

    // A line per measurement of the list's runs, for a spreadsheet.
    const Answer csv = server.get(QStringLiteral("/measurements.csv?unit=PSU-R"));
    ASSERT_EQ(csv.status, 200);
    EXPECT_TRUE(csv.headers.contains("Content-Type: text/csv; charset=utf-8"));
    EXPECT_TRUE(
        csv.body.startsWith("\xEF\xBB\xBFrun,unit,model,bench,operator,plan,step,point,"
                            "output,name,value,units,low,high,outcome,time,calibration\r\n"))
        << csv.body.toStdString();
    EXPECT_EQ(csv.body.count("\r\n"), 11);
    EXPECT_TRUE(csv.body.contains("ff000016-0000-4000-8000-000000000000,PSU-R,ATX-650,bench-1,"
                                  "А. Петров,quick,corners,P1,+12 V,+12 V at P1,12.02,V,11.4,12.6,"
                                  "pass,2026-12-01T10:40:10.000Z,"
                                  "ca1b0000-0000-4000-8000-000000000001\r\n"))
        << csv.body.toStdString();
    EXPECT_TRUE(csv.body.contains(",pass,2026-12-01T10:30:10.000Z,uncalibrated\r\n"));
    // The run's page shows the uncertainty its measurements were judged with.
    const QByteArray calibrated =
        server.get(QStringLiteral("/record/ff000016-0000-4000-8000-000000000000")).body;
    EXPECT_TRUE(calibrated.contains("<th>uncertainty ±</th>")) << calibrated.toStdString();
    EXPECT_TRUE(calibrated.contains("<td>V</td><td class=\"n\">0.012</td>"));
    EXPECT_FALSE(server.get(QStringLiteral("/record/ff000015-0000-4000-8000-000000000000"))
                     .body.contains("uncertainty"));
    EXPECT_TRUE(server.get(QStringLiteral("/?unit=PSU-R"))
                    .body.contains("href=\"/measurements.csv?unit=PSU-R\""));
    // The bench's repeatability on PSU-R against the hand computation.
    const Answer grr = server.get(QStringLiteral("/repeatability?unit=PSU-R&plan=quick"));
    ASSERT_EQ(grr.status, 200);
    EXPECT_TRUE(grr.body.contains("<tr><td>1</td><td>corners</td><td>+12 V at P1</td><td>10</td>"
                                  "<td>12.0000</td><td>0.01764</td><td>V</td><td>1.2000</td>"
                                  "<td>8.82 %</td><td><span class=\"pass\">good</span></td></tr>"))
        << grr.body.toStdString();
    EXPECT_TRUE(server.get(QStringLiteral("/repeatability?unit=PSU-9&plan=quick"))
                    .body.contains("<td>1</td><td>12.0500</td><td>-</td>"));
    // Bench against bench: bench-3 reads apart, the others agree.
    const Answer benches = server.get(QStringLiteral("/benches?model=ATX-650"));
    ASSERT_EQ(benches.status, 200);
    EXPECT_TRUE(benches.body.contains(
        "<tr><td>ATX-650</td><td>quick</td><td>+12 V at P1</td><td>12.0458</td><td>bench-3</td>"
        "<td>4</td><td>12.1500</td><td>0.1042</td><td>5.5</td><td><span class=\"fail\">apart"))
        << benches.body.toStdString();
    EXPECT_TRUE(benches.body.contains("<td>bench-1</td><td>15</td><td>12.0167</td><td>-0.0292</td>"
                                      "<td>-1.5</td><td><span class=\"pass\">agrees"));
    // The golden unit the models file names: bench-1 has drifted by steps, bench-3 by its
    // calibrated uncertainty, bench-2 is steady; the summary shows it with a link to its page.
    const QByteArray summary = server.get(QStringLiteral("/summary")).body;
    const QByteArray unitLink = "<td><a href=\"/golden?serial=GOLD-1\">GOLD-1</a></td>";
    EXPECT_TRUE(summary.contains(unitLink + "<td>bench-1</td><td>+12 V at P1</td><td>5</td>"
                                            "<td>12.0000</td><td>12.0600</td>"))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains("<td>0.0600</td><td>3.2</td><td>2 steps, 0.0376 V</td>"
                                 "<td><span class=\"fail\">drifted</span></td>"
                                 "<td>12.000 → 12.000 → 12.000 → 12.030 → 12.060</td></tr>"));
    EXPECT_TRUE(summary.contains(unitLink + "<td>bench-2</td><td>+12 V at P1</td><td>5</td>"
                                            "<td>12.0000</td><td>12.0000</td>"));
    EXPECT_TRUE(summary.contains("<td>0.0000</td><td>0.0</td><td>2 steps, 0.0376 V</td>"
                                 "<td><span class=\"pass\">steady</span></td>"
                                 "<td>12.000 → 12.000 → 12.000 → 12.010 → 12.000</td></tr>"));
    EXPECT_TRUE(summary.contains(unitLink + "<td>bench-3</td><td>+12 V at P1</td><td>4</td>"
                                            "<td>12.0000</td><td>12.0200</td>"));
    EXPECT_TRUE(summary.contains("<td>0.0200</td><td>1.1</td><td>± 0.0120 V, uncertainty</td>"
                                 "<td><span class=\"fail\">drifted</span>"));
    // Its page shows each reading over time against the first runs.
    const Answer golden = server.get(QStringLiteral("/golden?serial=GOLD-1"));
    ASSERT_EQ(golden.status, 200);
    EXPECT_TRUE(golden.body.contains(
        "<tr><td>bench-3</td><td>+12 V at P1</td><td><a href=\"/record/ff000038-0000-4000-8000-"
        "000000000000\">ff000038</a></td>"))
        << golden.body.toStdString();
    EXPECT_TRUE(golden.body.contains("<td>12.0200</td><td>0.0120</td><td>0.0200</td><td>1.1</td>"
                                     "</tr>"));
    const Answer one =
        server.get(QStringLiteral("/record/ff000007-0000-4000-8000-000000000000/export.csv"));
    EXPECT_EQ(one.body.count("\r\n"), 2) << one.body.toStdString();
}

} // namespace

TEST(WebQualityTest, ParetoYieldsMeasurementsAndRepeatabilityOnSqliteAndPostgres) {
    QTemporaryDir dir;
    const QString url = QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("results.sqlite"));
    ASSERT_EQ(fillQualityRuns(
                  std::get<velmor::results::StoreAddress>(velmor::results::parseResultsUrl(url))),
              std::nullopt);
    const QString models = dir.filePath(QStringLiteral("models.toml"));
    const auto writeModels = [&](const QByteArray& text) {
        QFile file(models);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[models.REF-1]\nplan = \"quick.toml\"\n" + text);
    };
    // A models file refused is said with its line, and nothing is served.
    writeModels("golden = [\"GOLD-1\", \"\"]\n");
    {
        WebServer refused({QStringLiteral("--results"), url, QStringLiteral("--listen"),
                           QStringLiteral("127.0.0.1:0"), QStringLiteral("--models"), models});
        EXPECT_TRUE(refused.url().isEmpty());
        refused.process().waitForFinished(20000); // if it has not ended already
        EXPECT_EQ(refused.process().exitCode(), 1);
        EXPECT_TRUE(refused.process().readAllStandardError().contains(
            (models + QStringLiteral(":3:21: a golden serial")).toUtf8()));
    }
    writeModels("golden = [\"GOLD-1\"]\n");
    qualityPagesAnswer(url, models);

    // The command line writes the same file.
    QProcess cli;
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/velmor-results"),
              {QStringLiteral("--language"), QStringLiteral("en"), QStringLiteral("--results"), url,
               QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("csv"),
               QStringLiteral("--measurements"), QStringLiteral("--unit"), QStringLiteral("PSU-1"),
               QStringLiteral("--to"), dir.path()});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    QFile file(dir.filePath(QStringLiteral("measurements.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(written.count("\r\n"), 3);

    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/velmor-results"),
              {QStringLiteral("--language"), QStringLiteral("en"), QStringLiteral("--results"), url,
               QStringLiteral("repeatability"), QStringLiteral("--unit"), QStringLiteral("PSU-R"),
               QStringLiteral("--plan"), QStringLiteral("quick")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    const QString text = QString::fromUtf8(cli.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("8.82 %  good"))) << text.toStdString();

    PgServer pg;
    ASSERT_EQ(pg.start(), std::nullopt);
    ASSERT_EQ(fillQualityRuns(std::get<velmor::results::StoreAddress>(
                  velmor::results::parseResultsUrl(pg.url()))),
              std::nullopt);
    qualityPagesAnswer(pg.url(), models);
}

// The summary kept as each run ends shows what a count of every run shows: after another run is
// added, in a store taken back to the version before (which counts every run), and once that
// store is brought up to date again (the tallies filled from its runs).
TEST(WebQualityTest, TheSummaryKeptAsRunsEndIsACountOfEveryRun) {
    using namespace velmor::results;
    QTemporaryDir dir;
    const QString url = QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("results.sqlite"));
    const StoreAddress address = std::get<StoreAddress>(parseResultsUrl(url));
    ASSERT_EQ(fillQualityRuns(address), std::nullopt);
    const QString id = QStringLiteral("ee000000-0000-4000-8000-000000000000");
    const auto at = [](const char* time) { return QStringLiteral("2026-12-02T%1.000Z").arg(time); };
    ASSERT_EQ(
        storeAll(
            address,
            {RunBegan{id, at("09:00:00"), QStringLiteral("bench-1"), QStringLiteral("/dev/ttyUSB0"),
                      QStringLiteral("quick"), QStringLiteral("plans/quick.toml"),
                      QStringLiteral("#"), QStringLiteral("atx3"),
                      velmor::UnitIdentity{QStringLiteral("PSU-11"), QStringLiteral("ATX-650"),
                                           QString()},
                      QStringLiteral("uncalibrated")},
             RunStepEnded{id, 0, at("09:00:10"), at("09:00:00"), "points",
                          QStringLiteral("corners"), QStringLiteral("pass"), QString(), 0, 0,
                          QString()},
             RunMeasurement{id, 0, 0, QStringLiteral("+12 V at P1"), 11.95, QStringLiteral("V"),
                            11.40, 12.60, std::nan(""), std::nan(""), std::nan(""),
                            QStringLiteral("pass"), std::nan("")},
             RunEnded{id, at("09:00:20"), QStringLiteral("completed"), QStringLiteral("pass"),
                      QString(), QString(), QString()}}),
        std::nullopt);
    const auto summary = [&url] {
        WebServer server({QStringLiteral("--results"), url, QStringLiteral("--listen"),
                          QStringLiteral("127.0.0.1:0")});
        const Answer answer = server.get(QStringLiteral("/summary"));
        EXPECT_EQ(answer.status, 200) << answer.body.toStdString();
        return answer.body;
    };
    const auto onStore = [&address](const QStringList& statements) {
        auto opened = openStore(address, QStringLiteral("downgrade"));
        ASSERT_TRUE(std::holds_alternative<QSqlDatabase>(opened));
        QSqlDatabase db = std::get<QSqlDatabase>(opened);
        for (const QString& statement : statements)
            ASSERT_EQ(run(db, statement), std::nullopt) << statement.toStdString();
        if (statements.isEmpty()) {
            ASSERT_EQ(prepareSchema(db), std::nullopt);
        }
        db.close();
    };

    const QByteArray kept = summary();
    // By hand: the added run a group of its own, and one more value of "corners" +12 V at P1:
    // the 12 completed ATX-650 runs of that step, PSU-R's ten and this one.
    EXPECT_TRUE(kept.contains("<tr><td>ATX-650</td><td>bench-1</td><td>2026-12-02</td><td>1</td>"
                              "<td>1</td><td>1</td><td>100.00 %</td><td>-</td></tr>"))
        << kept.toStdString();
    EXPECT_TRUE(kept.contains("<td>11.400</td><td>12.600</td><td>23</td>")) << kept.toStdString();
    onStore(
        {QStringLiteral("DROP TABLE run_tallies"), QStringLiteral("DROP TABLE step_fail_tallies"),
         QStringLiteral("DROP TABLE point_tallies"), QStringLiteral("DROP TABLE tally_refusals"),
         QStringLiteral("DROP TABLE run_envelopes"),
         QStringLiteral("DROP INDEX runs_reading_count"),
         QStringLiteral("DROP INDEX run_measurements_name"),
         QStringLiteral("UPDATE schema_version SET version = 7")});
    QSqlDatabase::removeDatabase(QStringLiteral("downgrade"));
    EXPECT_EQ(summary(), kept);
    onStore({});
    QSqlDatabase::removeDatabase(QStringLiteral("downgrade"));
    EXPECT_EQ(summary(), kept);
}

// velmor-bench-store: fills a store with test records as the bench writes them (sweeps of every
// end state, sessions with readings) and times `velmor-results list` over it, the whole program
// from start to exit, as the operator waits for it; then the web view over it (`velmor-results
// serve`), timed by a plain HTTP client: the list's first page, and a record page with its map;
// then adds plan runs of one unit and times `velmor-results history` of that unit, and the web
// view again.
//
//   velmor-bench-store --results URL --program PATH/velmor-results [--records N] [--runs N]
//                      [--plan-runs N] [--prefix KEY]
//                      [--hold-readings N] [--many N]
// Prints "RESULT <prefix>.list_ms <median>", "RESULT <prefix>.list_max_ms <slowest>", the web
// pages' median and p99 as <prefix>.web_list_ms, .web_list_p99_ms, .web_record_first_ms (the first
// answer), .web_record_ms and .web_record_p99_ms, the same as list for history_ms and
// history_all_ms, and the web pages again over the runs too as .web_runs_list_ms … (a run's page
// with its voltages over time). Then an eight-hour hold's readings (288,000 at 10 a second) are
// posted at once through the writer, as the bench would over eight hours: hold_store_s is how long
// the journal and the delivery take to store them, hold_show_ms how long `show` takes over that
// run. Last, older sweeps and sessions are added up to --many records (100,000 by default; 0: none)
// and the default list is timed again as list_many_ms and list_many_max_ms. Before it is timed a
// PostgreSQL store is vacuumed and checkpointed, as the server would soon after so many new rows.
#include "OpenStore.h"
#include "RecordWriter.h"
#include "Recorder.h"
#include "Schema.h"
#include "Sql.h"
#include "StoreAddress.h"
#include "StoreWrite.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace velmor::results;

namespace {

std::vector<Record> batch(int first, int count, const QDateTime& base) {
    const QStringList ends{"completed", "completed", "reset", "abandoned", "link-lost"};
    std::vector<Record> records;
    for (int i = first; i < first + count; ++i) {
        const QString id = newRecordId();
        const auto at = [&](int ms) {
            return base.addMSecs(qint64(i) * 1000 + ms).toString(Qt::ISODateWithMs);
        };
        if (i % 10 == 9) { // one record in ten a session
            records.push_back(SessionBegan{id, at(0), "bench-1", "/dev/ttyUSB0"});
            for (int seq = 0; seq < 5; ++seq)
                records.push_back(
                    TickRead{id, seq, at(10 + seq), 65, 128, 128, 128, 20, 20, 10, 100, false});
            records.push_back(RecordEnded{id, false, at(900), "switched-off"});
            continue;
        }
        records.push_back(SweepBegan{id, at(0), "bench-" + QString::number(i % 5), "/dev/ttyS0", 20,
                                     80, 70, 693, 685, 1});
        for (int seq = 0; seq < 12; ++seq)
            records.push_back(CellPainted{id, seq, at(10 + seq), seq / 4, seq % 4,
                                          seq == 11 && i % 3 == 0 ? 60 : 128, 128, 128, 0, 0});
        if (i % 4 == 0)
            records.push_back(SweepSaved{id, "psu-" + QString::number(i), "Graf/p.bmp",
                                         "Graf/p.csv", "Graf/p.txt"});
        if (i % 17 != 0) // a few left open
            records.push_back(RecordEnded{id, true, at(900), ends[i % ends.size()]});
    }
    return records;
}

// One GET on a connection of its own, as a browser's first visit; the status, or 0.
int httpGet(quint16 port, const QByteArray& path) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int status = 0;
    const QByteArray request =
        "GET " + path + " HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n\r\n";
    if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0 &&
        ::send(fd, request.constData(), static_cast<size_t>(request.size()), MSG_NOSIGNAL) > 0) {
        QByteArray all;
        qsizetype end = -1, length = -1;
        char chunk[65536];
        while (length < 0 || all.size() < end + 4 + length) {
            const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
            if (got <= 0)
                break;
            all.append(chunk, got);
            end = all.indexOf("\r\n\r\n");
            if (end >= 0 && length < 0)
                for (const QByteArray& line : all.left(end).split('\n'))
                    if (line.toLower().startsWith("content-length:"))
                        length = line.mid(15).trimmed().toLongLong();
        }
        if (length >= 0 && all.size() >= end + 4 + length)
            status = all.mid(9, 3).toInt();
    }
    ::close(fd);
    return status;
}

struct Spread {
    double median = 0;
    double p99 = 0;
};

// Times the paths, fetched one after another, so many times; nothing when one is not answered 200.
std::optional<Spread> timeGets(quint16 port, const QList<QByteArray>& paths, int times) {
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer timer;
        timer.start();
        for (const QByteArray& path : paths)
            if (httpGet(port, path) != 200) {
                std::fprintf(stderr, "GET %s failed\n", path.constData());
                return std::nullopt;
            }
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return Spread{ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 99 / 100)]};
}

// Plan runs of one unit as the Recorder writes them: two steps with two measurements each, ten
// readings; one in ten failing in its second step, one in fifty aborted.
std::vector<Record> planRuns(int first, int count, const QDateTime& base) {
    std::vector<Record> records;
    const double none = std::numeric_limits<double>::quiet_NaN();
    for (int i = first; i < first + count; ++i) {
        const QString id = newRecordId();
        const auto at = [&](int ms) {
            return base.addMSecs(qint64(i) * 1000 + ms).toString(Qt::ISODateWithMs);
        };
        records.push_back(RunBegan{id,
                                   at(0),
                                   "bench-1",
                                   "/dev/ttyUSB0",
                                   "quick",
                                   "plans/quick.toml",
                                   "[plan]\nname = \"quick\"\n",
                                   "atx",
                                   {"PSU-BENCH", "ATX-650", "I. Ivanova"}});
        for (int seq = 0; seq < 10; ++seq)
            records.push_back(RunReadingTaken{id, seq, at(10 + seq), seq / 5, true, 20, 20, 10, 65,
                                              128, 128, 128,
                                              seq % 5 == 0 ? "powering-up" : "judged"});
        const bool aborted = i % 50 == 0;
        const QString second = aborted ? "aborted" : i % 10 == 0 ? "fail" : "pass";
        for (int step = 0; step < 2; ++step) {
            const QString outcome = step == 0 ? QStringLiteral("pass") : second;
            records.push_back(RunStepEnded{
                id, step, at(15 + step * 5), at(10 + step * 5), step == 0 ? "points" : "trip",
                step == 0 ? "corners" : "over-power", outcome, "trip at 412 W", 4, 1});
            for (int m = 0; m < 2; ++m)
                records.push_back(RunMeasurement{id, step, m, "+12 V at P" + QString::number(m),
                                                 12.05, "V", 11.4, 12.6, 11.52, 12.48, none,
                                                 outcome});
        }
        records.push_back(RunEnded{id, at(30), aborted ? "aborted" : "completed",
                                   aborted ? "aborted" : second,
                                   second == "pass" ? QString() : "over-power", "trip at 412 W"});
    }
    return records;
}

// The median and the slowest of runs of the program, start to exit, in ms; nothing when it
// failed.
std::optional<std::pair<double, double>> timed(const QString& program, const QStringList& arguments,
                                               int runs) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            std::fprintf(stderr, "velmor-results %s failed: %s\n", qPrintable(arguments.last()),
                         process.readAllStandardError().constData());
            return std::nullopt;
        }
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return std::pair{times[times.size() / 2], times.back()};
}

// The id the query gives first, or empty.
QString firstId(const QString& url, const char* query) {
    QString id;
    {
        auto opened = openStore(std::get<StoreAddress>(parseResultsUrl(url)), "pick");
        if (auto* db = std::get_if<QSqlDatabase>(&opened)) {
            QSqlQuery found(*db);
            if (found.exec(QString::fromLatin1(query)) && found.next())
                id = found.value(0).toString();
            found.finish();
            db->close();
        }
    }
    QSqlDatabase::removeDatabase("pick");
    return id;
}

// Starts velmor-results serve over the store and times the list's first page 200 times and the
// record page with its picture once and then 100 times, printed as <key>_list_ms,
// <key>_list_p99_ms, <key>_record_first_ms, <key>_record_ms and <key>_record_p99_ms; false when
// the view did not answer.
bool timeWebView(const QString& program, const QString& url, const QString& key,
                 const QByteArray& record, const QByteArray& picture) {
    QProcess serve;
    serve.start(program, {"--results", url, "serve", "--listen", "127.0.0.1:0"});
    if (!serve.waitForReadyRead(20000)) {
        std::fprintf(stderr, "velmor-results serve did not start: %s\n",
                     serve.readAllStandardError().constData());
        return false;
    }
    QByteArray line = serve.readLine().trimmed(); // "... at http://127.0.0.1:PORT/"
    line.chop(1);
    const quint16 port = static_cast<quint16>(line.mid(line.lastIndexOf(':') + 1).toUInt());
    const auto listPage = timeGets(port, {"/"}, 200);
    // The first picture a view draws also loads its fonts and grows its heap: timed apart, so
    // that the p99 is of a view that has been answering.
    const auto first = timeGets(port, {record, record + "/" + picture}, 1);
    const auto page = timeGets(port, {record, record + "/" + picture}, 100);
    serve.terminate();
    serve.waitForFinished(10000);
    if (!listPage || !first || !page)
        return false;
    std::printf("RESULT %s_list_ms %.1f\n", qPrintable(key), listPage->median);
    std::printf("RESULT %s_list_p99_ms %.1f\n", qPrintable(key), listPage->p99);
    std::printf("RESULT %s_record_ms %.1f\n", qPrintable(key), page->median);
    std::printf("RESULT %s_record_p99_ms %.1f\n", qPrintable(key), page->p99);
    std::printf("RESULT %s_record_first_ms %.1f\n", qPrintable(key), first->median);
    return true;
}

// Stores the records in batches of 500 records' worth; false when the store refused.
template <typename Make>
bool fill(const QString& url, const char* what, int total, const QDateTime& base, Make make) {
    bool stored = true;
    {
        auto opened = openStore(std::get<StoreAddress>(parseResultsUrl(url)), "fill");
        auto* db = std::get_if<QSqlDatabase>(&opened);
        if (!db) {
            std::fprintf(stderr, "%s\n", qPrintable(std::get<QString>(opened)));
            return false;
        }
        if (auto error = prepareSchema(*db)) {
            std::fprintf(stderr, "%s\n", qPrintable(*error));
            return false;
        }
        QElapsedTimer filling;
        filling.start();
        for (int first = 0; first < total && stored; first += 500)
            if (auto failed = storeRecords(*db, make(first, std::min(500, total - first), base))) {
                std::fprintf(stderr, "%s\n", qPrintable(failed->reason));
                stored = false;
            }
        std::fprintf(stderr, "%d %s stored in %lld ms\n", total, what, filling.elapsed());
        // PostgreSQL's autovacuum takes up so many new rows within a minute, and its checkpoint
        // writes them out over the next minutes, on the processors the commands are timed on:
        // done here first, the commands meet the store as a lab's is between its runs.
        if (stored && isPostgres(*db)) {
            QElapsedTimer vacuuming;
            vacuuming.start();
            for (const char* statement : {"VACUUM (ANALYZE)", "CHECKPOINT"})
                if (QSqlQuery settle(*db); !settle.exec(QString::fromLatin1(statement)))
                    std::fprintf(stderr, "%s: %s\n", statement,
                                 qPrintable(settle.lastError().text()));
            std::fprintf(stderr, "vacuumed and checkpointed in %lld ms\n", vacuuming.elapsed());
        }
        db->close();
    }
    QSqlDatabase::removeDatabase("fill");
    return stored;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption results("results", {}, "URL");
    const QCommandLineOption program("program", {}, "PATH");
    const QCommandLineOption recordCount("records", {}, "N", "10000");
    const QCommandLineOption runs("runs", {}, "N", "7");
    const QCommandLineOption planRunCount("plan-runs", {}, "N", "10000");
    const QCommandLineOption holdCount("hold-readings", {}, "N", "288000");
    const QCommandLineOption prefix("prefix", {}, "KEY", "store");
    const QCommandLineOption manyCount("many", {}, "N", "100000");
    parser.addOptions(
        {results, program, recordCount, runs, planRunCount, holdCount, prefix, manyCount});
    parser.process(app);

    const QString url = parser.value(results);
    if (const auto address = parseResultsUrl(url); std::holds_alternative<QString>(address)) {
        std::fprintf(stderr, "%s\n", qPrintable(std::get<QString>(address)));
        return 2;
    }
    const int total = parser.value(recordCount).toInt();
    const int runTotal = parser.value(planRunCount).toInt();
    const int repeats = parser.value(runs).toInt();
    const QString key = parser.value(prefix);
    const QDateTime base = QDateTime::currentDateTimeUtc().addSecs(-total - runTotal - 60);
    if (!fill(url, "records", total, base, batch))
        return 1;
    const auto list = timed(parser.value(program), {"--results", url, "list"}, repeats);
    if (!list)
        return 1;
    std::printf("RESULT %s.list_ms %.1f\n", qPrintable(key), list->first);
    std::printf("RESULT %s.list_max_ms %.1f\n", qPrintable(key), list->second);
    const auto listAll = timed(parser.value(program), {"--results", url, "list", "--all"}, repeats);
    if (!listAll)
        return 1;
    std::printf("RESULT %s.list_all_ms %.1f\n", qPrintable(key), listAll->first);
    std::printf("RESULT %s.list_all_max_ms %.1f\n", qPrintable(key), listAll->second);

    // One completed sweep, for its page with its map.
    const QString sweepId = firstId(url, "SELECT id FROM sweeps WHERE end_state = 'completed' "
                                         "ORDER BY id LIMIT 1");
    if (!timeWebView(parser.value(program), url, key + ".web", "/record/" + sweepId.toLatin1(),
                     "map.png"))
        return 1;
    // After the list, which they would lengthen.
    if (!fill(url, "plan runs", runTotal, base.addSecs(total), planRuns))
        return 1;
    const auto history =
        timed(parser.value(program), {"--results", url, "history", "PSU-BENCH"}, repeats);
    if (!history)
        return 1;
    std::printf("RESULT %s.history_ms %.1f\n", qPrintable(key), history->first);
    std::printf("RESULT %s.history_max_ms %.1f\n", qPrintable(key), history->second);
    const auto historyAll =
        timed(parser.value(program), {"--results", url, "history", "PSU-BENCH", "--all"}, repeats);
    if (!historyAll)
        return 1;
    std::printf("RESULT %s.history_all_ms %.1f\n", qPrintable(key), historyAll->first);
    // The web view again over the runs as well; a run's page with its voltages over time.
    const QString runId = firstId(url, "SELECT id FROM runs WHERE end_state = 'completed' "
                                       "ORDER BY id LIMIT 1");
    if (!timeWebView(parser.value(program), url, key + ".web_runs", "/record/" + runId.toLatin1(),
                     "volts.png"))
        return 1;

    const int holdReadings = parser.value(holdCount).toInt();
    const QString hold = newRecordId();
    {
        const QString journal = QDir::temp().filePath("velmor-bench-journal-" + hold + ".sqlite");
        RecordWriter writer(std::get<StoreAddress>(parseResultsUrl(url)), journal);
        QElapsedTimer storing;
        storing.start();
        const QDateTime began = QDateTime::currentDateTimeUtc().addSecs(-holdReadings / 10 - 60);
        const auto at = [&](qint64 ms) { return began.addMSecs(ms).toString(Qt::ISODateWithMs); };
        writer.post(RunBegan{hold,
                             at(0),
                             "bench-1",
                             "/dev/ttyUSB0",
                             "burn-in",
                             "plans/burn.toml",
                             "[plan]\n",
                             "atx",
                             {"PSU-HOLD", "ATX-650", "I. Ivanova"}});
        for (int seq = 0; seq < holdReadings; ++seq)
            writer.post(RunReadingTaken{hold, seq, at(100 + seq * qint64(100)), 0, true, 128, 128,
                                        64, 65, 128, 127, 129,
                                        seq < 20 ? "powering-up" : "judged"});
        const QString end = at(200 + holdReadings * qint64(100));
        writer.post(RunStepEnded{hold, 0, end, at(0), "hold", "burn-in", "pass", "8 h at 50 %",
                                 std::max(0, holdReadings - 20), std::min(20, holdReadings)});
        writer.post(RunEnded{hold, end, "completed", "pass", {}, "8 h at 50 %"});
        if (!writer.drain(600000)) {
            std::fprintf(stderr, "the hold's readings were not stored within 10 minutes\n");
            return 1;
        }
        std::printf("RESULT %s.hold_store_s %.1f\n", qPrintable(key),
                    static_cast<double>(storing.elapsed()) / 1000);
        writer.finish();
        QFile::remove(journal);
    }
    const auto show = timed(parser.value(program), {"--results", url, "show", hold}, 3);
    if (!show)
        return 1;
    std::printf("RESULT %s.hold_show_ms %.1f\n", qPrintable(key), show->first);

    // The default list once more, over a store grown as a bench's grows over the years: the newest
    // 50 are the same, the records beyond them ten times as many.
    if (const int many = parser.value(manyCount).toInt(); many > total) {
        if (!fill(url, "older records", many - total, base.addSecs(-(many - total) - 60), batch))
            return 1;
        const auto listMany = timed(parser.value(program), {"--results", url, "list"}, repeats);
        if (!listMany)
            return 1;
        std::printf("RESULT %s.list_many_ms %.1f\n", qPrintable(key), listMany->first);
        std::printf("RESULT %s.list_many_max_ms %.1f\n", qPrintable(key), listMany->second);
    }
    return 0;
}

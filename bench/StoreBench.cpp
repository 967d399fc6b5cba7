// velmor-bench-store: fills a store with test records as the bench writes them (sweeps of every
// end state, sessions with readings) and times `velmor-results list` over it, the whole program
// from start to exit, as the operator waits for it; then the web view over it (`velmor-results
// serve`), timed by a plain HTTP client: the list's first page, and a record page with its map.
//
//   velmor-bench-store --results URL --program PATH/velmor-results [--records N] [--runs N]
//                      [--prefix KEY]
// Prints "RESULT <prefix>.list_ms <median>" and "RESULT <prefix>.list_max_ms <slowest>", and the
// web pages' median and p99 as <prefix>.web_list_ms, .web_list_p99_ms, .web_record_ms and
// .web_record_p99_ms.
#include "Recorder.h"
#include "Schema.h"
#include "StoreAddress.h"
#include "StoreWrite.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption results("results", {}, "URL");
    const QCommandLineOption program("program", {}, "PATH");
    const QCommandLineOption recordCount("records", {}, "N", "10000");
    const QCommandLineOption runs("runs", {}, "N", "7");
    const QCommandLineOption prefix("prefix", {}, "KEY", "store");
    parser.addOptions({results, program, recordCount, runs, prefix});
    parser.process(app);

    const auto address = parseResultsUrl(parser.value(results));
    if (const auto* error = std::get_if<QString>(&address)) {
        std::fprintf(stderr, "%s\n", qPrintable(*error));
        return 2;
    }
    QString sweepId; // one completed sweep, for its page
    {
        auto opened = openStore(std::get<StoreAddress>(address), "fill");
        auto* db = std::get_if<QSqlDatabase>(&opened);
        if (!db) {
            std::fprintf(stderr, "%s\n", qPrintable(std::get<QString>(opened)));
            return 1;
        }
        if (auto error = prepareSchema(*db)) {
            std::fprintf(stderr, "%s\n", qPrintable(*error));
            return 1;
        }
        const int total = parser.value(recordCount).toInt();
        const QDateTime base = QDateTime::currentDateTimeUtc().addSecs(-total - 60);
        QElapsedTimer filling;
        filling.start();
        for (int first = 0; first < total; first += 500)
            if (auto failed = storeRecords(*db, batch(first, std::min(500, total - first), base))) {
                std::fprintf(stderr, "%s\n", qPrintable(failed->reason));
                return 1;
            }
        std::fprintf(stderr, "%d records stored in %lld ms\n", total, filling.elapsed());
        QSqlQuery completed(*db);
        if (completed.exec(
                "SELECT id FROM sweeps WHERE end_state = 'completed' ORDER BY id LIMIT 1") &&
            completed.next())
            sweepId = completed.value(0).toString();
        completed.finish();
        db->close();
    }
    QSqlDatabase::removeDatabase("fill");

    std::vector<double> times;
    for (int run = 0; run < parser.value(runs).toInt(); ++run) {
        QProcess list;
        list.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        list.start(parser.value(program), {"--results", parser.value(results), "list"});
        if (!list.waitForFinished(60000) || list.exitCode() != 0) {
            std::fprintf(stderr, "velmor-results list failed: %s\n",
                         list.readAllStandardError().constData());
            return 1;
        }
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    const QString key = parser.value(prefix);
    std::printf("RESULT %s.list_ms %.1f\n", qPrintable(key), times[times.size() / 2]);
    std::printf("RESULT %s.list_max_ms %.1f\n", qPrintable(key), times.back());

    QProcess serve;
    serve.start(parser.value(program),
                {"--results", parser.value(results), "serve", "--listen", "127.0.0.1:0"});
    if (!serve.waitForReadyRead(20000)) {
        std::fprintf(stderr, "velmor-results serve did not start: %s\n",
                     serve.readAllStandardError().constData());
        return 1;
    }
    QByteArray line = serve.readLine().trimmed(); // "... at http://127.0.0.1:PORT/"
    line.chop(1);
    const quint16 port = static_cast<quint16>(line.mid(line.lastIndexOf(':') + 1).toUInt());
    const QByteArray record = "/record/" + sweepId.toLatin1();
    const auto list = timeGets(port, {"/"}, 200);
    const auto page = timeGets(port, {record, record + "/map.png"}, 100);
    serve.terminate();
    serve.waitForFinished(10000);
    if (!list || !page)
        return 1;
    std::printf("RESULT %s.web_list_ms %.1f\n", qPrintable(key), list->median);
    std::printf("RESULT %s.web_list_p99_ms %.1f\n", qPrintable(key), list->p99);
    std::printf("RESULT %s.web_record_ms %.1f\n", qPrintable(key), page->median);
    std::printf("RESULT %s.web_record_p99_ms %.1f\n", qPrintable(key), page->p99);
    return 0;
}

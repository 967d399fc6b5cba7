// velmor-bench-store: fills a store with test records as the bench writes them (sweeps of every
// end state, sessions with readings) and times `velmor-results list` over it, the whole program
// from start to exit, as the operator waits for it.
//
//   velmor-bench-store --results URL --program PATH/velmor-results [--records N] [--runs N]
//                      [--prefix KEY]
// Prints "RESULT <prefix>.list_ms <median>" and "RESULT <prefix>.list_max_ms <slowest>".
#include "Recorder.h"
#include "Schema.h"
#include "StoreAddress.h"
#include "StoreWrite.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>

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
    return 0;
}

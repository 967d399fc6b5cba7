#pragma once

#include "WebServer.h"

#include <QDateTime>

#include <cmath>

namespace velmor::testing {

// Plan runs as benches record them. ATX-650 on bench-1, 2026-12-01: PSU-A fails "corners" and
// passes on its second run, PSU-B is marginal, PSU-C fails "corners" and "rows"; its +12 V at P1
// reads 11.9, 12.0, 12.1, 12.0 V (Cpk 2.45 against atx3's 11.16..12.6, from too few values to be
// shown), +5 V 5.0 V every time. ATX-500 on bench-2, 2026-12-02: PSU-D passes once. Not counted: an
// aborted run, a run whose outcome is none the bench writes (refused), and the volts of a run whose
// +5 V reads 99 V (refused); the last one's serial, model and step are markup.
inline std::optional<QString> fillRuns(const results::StoreAddress& address) {
    using namespace results;
    const QDateTime base =
        QDateTime::fromString(QStringLiteral("2026-12-01T08:00:00.000Z"), Qt::ISODateWithMs);
    const auto at = [&](int day, int s) {
        return base.addDays(day).addSecs(s).toString(Qt::ISODateWithMs);
    };
    const double none = std::nan("");
    struct Run {
        const char* serial;
        const char* model;
        const char* host;
        int day;
        const char* state;
        const char* outcome;
        const char* corners; // the steps' outcomes
        const char* rows;
        double volts12;
        double volts5;
        const char* step = "corners";
    };
    const Run runs[] = {
        {"PSU-A", "ATX-650", "bench-1", 0, "completed", "fail", "fail", "pass", 11.9, 5.0},
        {"PSU-A", "ATX-650", "bench-1", 0, "completed", "pass", "pass", "pass", 12.0, 5.0},
        {"PSU-B", "ATX-650", "bench-1", 0, "completed", "marginal", "marginal", "pass", 12.1, 5.0},
        {"PSU-C", "ATX-650", "bench-1", 0, "completed", "fail", "fail", "fail", 12.0, 5.0},
        {"PSU-D", "ATX-500", "bench-2", 1, "completed", "pass", "pass", "pass", 12.2, 5.1},
        {"PSU-E", "ATX-650", "bench-1", 0, "aborted", "aborted", "pass", "pass", 13.0, 5.0},
        {"PSU-F", "ATX-650", "bench-1", 0, "completed", "great", "pass", "pass", 13.0, 5.0},
        {"<script>alert(1)</script>", "<b>ATX</b>", "bench-1", 0, "completed", "pass", "pass",
         "pass", 12.0, 99, "<script>step</script>"},
    };
    std::vector<Record> records;
    for (int i = 0; i < static_cast<int>(std::size(runs)); ++i) {
        const Run& r = runs[i];
        const QString id =
            QStringLiteral("ee%1-0000-4000-8000-000000000000").arg(i, 6, 10, QLatin1Char('0'));
        const int s = i * 100;
        records.push_back(
            RunBegan{id, at(r.day, s), QString::fromUtf8(r.host), QStringLiteral("/dev/ttyUSB0"),
                     QStringLiteral("quick"), QStringLiteral("plans/quick.toml"),
                     QStringLiteral("#"), QStringLiteral("atx3"),
                     UnitIdentity{QString::fromUtf8(r.serial), QString::fromUtf8(r.model),
                                  QStringLiteral("A. Petrov")}});
        // One judged reading a step.
        for (int step = 0; step < 2; ++step)
            records.push_back(RunReadingTaken{id, step, at(r.day, s + 5 + 10 * step), step, true,
                                              20, 20, 20, 65, 128, 128, 128,
                                              QStringLiteral("judged")});
        records.push_back(RunStepEnded{id, 0, at(r.day, s + 10), at(r.day, s), "points",
                                       QString::fromUtf8(r.step), QString::fromUtf8(r.corners),
                                       QStringLiteral("regulation +12 V 1.0 %"), 1, 0});
        const struct {
            const char* name;
            double value;
            const char* unit;
            double low, high;
        } measured[] = {{"+12 V at P1", r.volts12, "V", 11.16, 12.6},
                        {"+5 V at P1", r.volts5, "V", 4.75, 5.25},
                        {"+12 V load at P1", 2.5, "A", none, none},
                        {"regulation +12 V", 1.0, "%", none, none}};
        for (int m = 0; m < static_cast<int>(std::size(measured)); ++m)
            records.push_back(RunMeasurement{id, 0, m, QString::fromUtf8(measured[m].name),
                                             measured[m].value, QString::fromUtf8(measured[m].unit),
                                             measured[m].low, measured[m].high, none, none, none,
                                             QString::fromUtf8(m == 0 ? r.corners : "pass")});
        records.push_back(RunStepEnded{id, 1, at(r.day, s + 20), at(r.day, s + 10), "points",
                                       QStringLiteral("rows"), QString::fromUtf8(r.rows), QString(),
                                       1, 0});
        // A failed run keeps what decided it, as the bench stores it.
        const QString reason = QByteArray(r.outcome) == "fail"
                                   ? QStringLiteral("crossed|P1|+12 V 11.10 V < 11.16 V|")
                                   : QString();
        records.push_back(RunEnded{id, at(r.day, s + 30), QString::fromUtf8(r.state),
                                   QString::fromUtf8(r.outcome), QString(), QString(), reason});
    }
    return storeAll(address, records);
}

} // namespace velmor::testing

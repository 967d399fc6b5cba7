#pragma once

#include "WebServer.h"

#include <QDateTime>

#include <cmath>

namespace velmor::testing {

// Plan runs of ATX-650 on plan "quick" for the quality pages, ten minutes apart from
// 2026-12-01 08:00 UTC, each with one measurement, "+12 V at P1" against 11.40..12.60 V:
//   PSU-1 fails (+12 V at P3 low), then passes;  PSU-2 fails so twice;
//   PSU-3 shuts down in "corners", then passes;  PSU-4 shuts down;
//   PSU-5 does not power on, then passes;        PSU-6 loses the link (error), then passes;
//   PSU-7 to PSU-10 pass;  PSU-R passes ten times on bench-1 (the repeatability runs).
// By hand: 7 failures (3 low, 2 shutdowns, 1 no power, 1 no reply); 11 units, 6 of them passed
// first (54.55 %), 9 at last (81.82 %); PSU-R 9 retests. PSU-R's +12 V: 12.00, 12.02, 11.98,
// 12.01, 11.99, 12.00, 12.03, 11.97, 12.00, 12.00: mean 12.000, σ = sqrt(0.0028 / 9) = 0.01764,
// %GRR = 6σ / 1.2 × 100 = 8.82 % (good). The other runs read 12.05 V, but bench-3's
// completed ones (PSU-3 twice, PSU-7, PSU-10) 12.15: of the 24 completed runs' +12 V,
// mean 12.045833, bench-3 4 values 0.104167 V = 5.5 steps of 4.8 V / 255 above it (apart), bench-1
// 15 values 12.016667 (-1.5 steps), bench-2 5 values (0.2 steps).
// The golden unit GOLD-1 (model REF-1): on bench-1 12.00 three times, then 12.03 and 12.06, moved
// 0.06 V = 3.2 steps (drifted beyond two steps); on bench-2 steady at 12.00; on bench-3, judged
// with a calibration (±0.012 V), 12.00 three times, then 12.02: 0.02 V = 1.1 steps, within two
// steps but beyond the reading's uncertainty (drifted).
inline std::optional<QString> fillQualityRuns(const results::StoreAddress& address) {
    using namespace results;
    const QDateTime base =
        QDateTime::fromString(QStringLiteral("2026-12-01T08:00:00.000Z"), Qt::ISODateWithMs);
    const auto at = [&](int i, int s) {
        return base.addSecs(600 * i + s).toString(Qt::ISODateWithMs);
    };
    const double none = std::nan("");
    struct Run {
        const char* serial;
        const char* outcome;
        const char* reason;
        double volts12 = 12.05;
        const char* step = "corners";
        int bench = 0; // 0: as the index has it, below
    };
    std::vector<Run> runs = {
        {"PSU-1", "fail", "crossed|P3|+12 V 11.29 V < 11.40 V|"},
        {"PSU-2", "fail", "crossed|P3|+12 V 11.31 V < 11.40 V|"},
        {"PSU-3", "fail", "shutdown|P4||"},
        {"PSU-4", "fail", "shutdown|P4||"},
        {"PSU-5", "fail", "no-power|||", 12.05, "power-on"},
        {"PSU-6", "error", "no-reply||30|"},
        {"PSU-1", "pass", ""},
        {"PSU-2", "fail", "crossed|P3|+12 V 11.30 V < 11.40 V|", 12.05, "rows"},
        {"PSU-3", "pass", ""},
        {"PSU-5", "pass", ""},
        {"PSU-6", "pass", ""},
        {"PSU-7", "pass", ""},
        {"PSU-8", "marginal", ""},
        {"PSU-9", "pass", ""},
        {"PSU-10", "pass", ""},
    };
    for (const double v : {12.00, 12.02, 11.98, 12.01, 11.99, 12.00, 12.03, 11.97, 12.00, 12.00})
        runs.push_back({"PSU-R", "pass", "", v});
    // The golden unit, of a model of its own, on bench-1 and bench-2 in turn.
    for (const double v : {12.00, 12.00, 12.00, 12.00, 12.00, 12.00, 12.01, 12.03, 12.00, 12.06})
        runs.push_back({"GOLD-1", "pass", "", v});
    for (const double v : {12.00, 12.00, 12.00, 12.02})
        runs.push_back({"GOLD-1", "pass", "", v, "corners", 3});
    std::vector<Record> records;
    for (int i = 0; i < static_cast<int>(runs.size()); ++i) {
        const Run& r = runs[static_cast<std::size_t>(i)];
        // bench-3 reads +12 V 0.10 V high.
        const double volts12 = r.volts12 + (i < 15 && i % 3 == 2 ? 0.1 : 0);
        const QString id =
            QStringLiteral("ff%1-0000-4000-8000-000000000000").arg(i, 6, 10, QLatin1Char('0'));
        const bool error = QByteArray(r.outcome) == "error";
        const bool golden = QByteArray(r.serial) == "GOLD-1";
        const QString bench = QStringLiteral("bench-%1")
                                  .arg(r.bench                           ? r.bench
                                       : QByteArray(r.serial) == "PSU-R" ? 1
                                       : golden                          ? 1 + i % 2
                                                                         : 1 + i % 3);
        // PSU-R's second run on, and the golden unit on bench-3, are judged with a calibration,
        // their +12 V to ±0.012 V.
        const bool calibrated = (QByteArray(r.serial) == "PSU-R" && i > 15) || r.bench == 3;
        records.push_back(RunBegan{
            id, at(i, 0), bench, QStringLiteral("/dev/ttyUSB0"), QStringLiteral("quick"),
            QStringLiteral("plans/quick.toml"), QStringLiteral("#"), QStringLiteral("atx3"),
            UnitIdentity{QString::fromUtf8(r.serial),
                         golden ? QStringLiteral("REF-1") : QStringLiteral("ATX-650"),
                         QStringLiteral("А. Петров")},
            calibrated ? QStringLiteral("ca1b0000-0000-4000-8000-000000000001")
                       : QStringLiteral("uncalibrated")});
        records.push_back(RunReadingTaken{id, 0, at(i, 5), 0, true, 20, 20, 20, 65, 128, 128, 128,
                                          QStringLiteral("judged")});
        const QString outcome = QString::fromUtf8(r.outcome);
        records.push_back(RunStepEnded{id, 0, at(i, 10), at(i, 0), "points",
                                       QString::fromUtf8(r.step), outcome, QString(), 1, 0,
                                       QString::fromUtf8(r.reason)});
        records.push_back(
            RunMeasurement{id, 0, 0, QStringLiteral("+12 V at P1"), volts12, QStringLiteral("V"),
                           11.40, 12.60, none, none, none,
                           outcome == QLatin1String("marginal") ? outcome : QStringLiteral("pass"),
                           calibrated ? 0.012 : none});
        records.push_back(RunEnded{
            id, at(i, 20), error ? QStringLiteral("link-lost") : QStringLiteral("completed"),
            outcome, outcome == QLatin1String("pass") ? QString() : QStringLiteral("corners"),
            QString(), QString::fromUtf8(r.reason)});
    }
    return storeAll(address, records);
}

} // namespace velmor::testing

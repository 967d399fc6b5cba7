#include "Commands.h"
#include "Text.h"

#include "Calibrations.h"
#include "Conversions.h"
#include "Files.h"
#include "MapCsv.h"
#include "MapPicture.h"
#include "MapSave.h"
#include "MapSummaryText.h"
#include "NumberText.h"
#include "Printable.h"
#include "Reading.h"
#include "ReportPage.h"
#include "RunReport.h"
#include "SafeWrite.h"
#include "SessionReport.h"
#include "SweepReport.h"
#include "SweepSettling.h"
#include "Table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <map>

namespace velmor::results {

namespace {

// The name a record's files take in the folder: the record's name with its folders flattened.
QString flatName(const QString& name) {
    QString safe = name;
    safe.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    // A leading dot would hide the files (and ".." name no file at all).
    for (qsizetype i = 0; i < safe.size() && safe.at(i) == QLatin1Char('.'); ++i)
        safe[i] = QLatin1Char('_');
    return safe;
}

QString stemIn(const QString& folder, const QString& name) {
    return QDir(folder).filePath(flatName(name));
}

// The name a sweep's files take: its saved name, else its short id.
QString fileStem(const SweepHeader& h) {
    return h.savedName.isEmpty() ? shortId(h.id) : h.savedName;
}

// Why the sweep's files cannot take its name: a control character (a NUL would cut the name short
// and every file would land at the same wrong name).
std::optional<QString> unsafeFileStem(const SweepHeader& h) {
    const QString name = fileStem(h);
    if (printable(name) == name)
        return std::nullopt;
    return Text::tr("sweep %1 is saved as \"%2\", which holds control characters and cannot name a "
                    "file; nothing is written")
        .arg(shortId(h.id), printable(name));
}

} // namespace

std::optional<QString> writeFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo file(path);
    return velmor::writeFilesInFolder(file.path(), {{file.fileName(), bytes}});
}

QString judgedWithLine(const QString& calibration, const QString& warning) {
    // In the report's words, where a record's "uncalibrated" is no id.
    return calibrationLine(calibration == QLatin1String(uncalibratedName) ? QString() : calibration,
                           warning) +
           QLatin1Char('\n');
}

QString sweepText(const StoredSweep& sweep) {
    const SweepHeader& h = sweep.header;
    QString text = Text::tr("Sweep %1\n").arg(h.id);
    text += Text::tr("Started %1, ended %2 (%3)\n")
                .arg(shownTime(h.startedAt), shownTime(h.endedAt), shownState(h.endState));
    text += Text::tr("Bench %1, port %2\n").arg(printable(h.host), printable(h.port));
    text += printable(unitLine(h.unit)) + QLatin1Char('\n');
    if (!h.savedName.isEmpty())
        text +=
            Text::tr("Saved as \"%1\": %2, %3, %4\n")
                .arg(printable(h.savedName), printable(h.bmp), printable(h.csv), printable(h.txt));
    if (!h.calibration.isEmpty())
        text += judgedWithLine(h.calibration, h.calibrationWarning);
    // The limits, counts, worst cells and verdict in the saved summary's words, the band judged
    // with the sweep's calibration.
    QStringList summary =
        QString::fromUtf8(crossLoadSummary(sweep.cells, summarize(sweep.cells, sweep.calibration),
                                           h.limits, h.savedName, h.completed()))
            .split(QLatin1Char('\n'));
    summary.removeFirst();
    return text + summary.join(QLatin1Char('\n'));
}

QString sessionText(const StoredSession& s) {
    QString text = Text::tr("Session %1\n").arg(s.id);
    text += Text::tr("Started %1, ended %2 (%3)\n")
                .arg(shownTime(s.startedAt), shownTime(s.endedAt), shownState(s.endState));
    text += Text::tr("Bench %1, port %2\n").arg(printable(s.host), printable(s.port));
    text += printable(unitLine(s.unit)) + QLatin1Char('\n');
    const std::vector<SessionSample> samples = samplesOf(s);
    const SettledRun settled = settleSession(samples);
    text +=
        Text::tr("Readings: %1, judged %2; not judged: %3 answering a supply-off frame, %4 before "
                 "the supply was up, %5 just after a load jump\n")
            .arg(samples.size())
            .arg(settled.judged)
            .arg(settled.supplyOff)
            .arg(settled.poweringUp)
            .arg(settled.loadJump);
    if (settled.didNotPowerOn)
        text +=
            Text::tr("The supply did not power on: not all three outputs within ±10 % %1 s after "
                     "switch-on\n")
                .arg(powerOnTimeoutMs / 1000);
    if (settled.judged > 0) {
        std::vector<QStringList> rows;
        const auto output = [&](const QString& name, double SessionSample::*v,
                                const UnitOutput& unit) {
            const OutputFigures f = outputFigures(samples, v, unit);
            rows.push_back({name, shownVolts(unit, f.min, 3), shownVolts(unit, f.max, 3),
                            f.averaged > 0 ? fixed(f.mean, 3) : QStringLiteral("-")});
        };
        output(QStringLiteral("+5 V"), &SessionSample::volts5, output5);
        output(QStringLiteral("+12 V"), &SessionSample::volts12, output12);
        output(QStringLiteral("+3.3 V"), &SessionSample::volts33, output33);
        text += alignedTable(
            {Text::tr("output"), Text::tr("min V"), Text::tr("max V"), Text::tr("mean V")}, rows);
    }
    std::map<QString, int> counts;
    QStringList cuts;
    for (const StoredEvent& e : s.events) {
        ++counts[e.kind];
        if (e.kind == QLatin1String("overload-cut"))
            cuts << QStringLiteral("  %1  %2").arg(shownTime(e.at), printable(e.detail));
    }
    text += Text::tr("Overload cuts: %1\n").arg(counts["overload-cut"]);
    for (const QString& cut : cuts)
        text += cut + QLatin1Char('\n');
    text += Text::tr("Clamps: %1, link lost: %2, link back: %3\n")
                .arg(counts["clamp"])
                .arg(counts["link-lost"])
                .arg(counts["link-back"]);
    return text;
}

std::variant<QStringList, QString> exportSweep(const StoredSweep& sweep, const QString& folder) {
    const SweepHeader& h = sweep.header;
    if (h.mapWidth <= 0 || h.mapHeight <= 0)
        return Text::tr("sweep %1 was recorded without its map's size").arg(shortId(h.id));
    if (auto unsafe = unsafeFileStem(h))
        return *unsafe;
    const QString name = fileStem(h);
    const MapFiles files = mapFilesBeside(flatName(name) + QStringLiteral(".bmp"));
    const QImage map = drawMap(sweep.cells, QSize(h.mapWidth, h.mapHeight), h.mapRatio);
    if (auto error = saveMapFiles(folder, files, map, crossLoadCsv(sweep.cells),
                                  crossLoadSummary(sweep.cells, h.limits, name, h.completed())))
        return *error;
    const QDir into(folder);
    return QStringList{into.filePath(files.bmp), into.filePath(files.csv),
                       into.filePath(files.txt)};
}

std::variant<QStringList, QString> reportSweep(const StoredSweep& sweep, const QString& folder) {
    const SweepHeader& h = sweep.header;
    if (h.mapWidth <= 0 || h.mapHeight <= 0)
        return Text::tr("sweep %1 was recorded without its map's size").arg(shortId(h.id));
    if (auto unsafe = unsafeFileStem(h))
        return *unsafe;
    FinishedSweep finished;
    finished.name = fileStem(h);
    finished.completed = h.completed();
    finished.map = drawMap(sweep.cells, QSize(h.mapWidth, h.mapHeight), h.mapRatio);
    finished.mapPixelRatio = h.mapRatio;
    finished.record = sweep.cells;
    finished.limits = h.limits;
    finished.port = h.port;
    finished.finishedAt =
        QDateTime::fromString(h.endedAt.isEmpty() ? h.startedAt : h.endedAt, Qt::ISODateWithMs)
            .toLocalTime();
    finished.bench = h.host;
    finished.unit = h.unit;
    finished.calibration = sweep.calibration;
    finished.calibrationWarning = h.calibrationWarning;
    const QString path = stemIn(folder, finished.name) + QStringLiteral(".pdf");
    if (auto error = writeFile(path, sweepReportPdf(finished)))
        return *error;
    return QStringList{path};
}

std::variant<QStringList, QString> reportSession(const StoredSession& s, const QString& folder) {
    const SessionSheet sheet = sessionSheet(s);
    const QString path =
        stemIn(folder, QStringLiteral("session-") + shortId(s.id)) + QStringLiteral(".pdf");
    if (auto error = writeFile(path, sessionReportPdf(sheet)))
        return *error;
    return QStringList{path};
}

std::variant<QStringList, QString> exportSession(const StoredSession& s, const QString& folder) {
    QByteArray csv = "at,b1,b2,b3,b4,volts5_V,volts12_V,volts33_V,load5_setting,load12_setting,"
                     "load33_setting,power_W,overload\n";
    for (const TickRead& t : s.ticks) {
        const Reading r = tickReading(t);
        csv += QStringList{t.at,
                           QString::number(t.b1),
                           QString::number(t.b2),
                           QString::number(t.b3),
                           QString::number(t.b4),
                           QString::number(r.volts5, 'f', 4),
                           QString::number(r.volts12, 'f', 4),
                           QString::number(r.volts33, 'f', 4),
                           QString::number(t.load5),
                           QString::number(t.load12),
                           QString::number(t.load33),
                           QString::number(t.power, 'f', 2),
                           QString::number(t.overload ? 1 : 0)}
                   .join(QLatin1Char(','))
                   .toUtf8() +
               '\n';
    }
    const QString path =
        stemIn(folder, QStringLiteral("session-") + shortId(s.id)) + QStringLiteral(".csv");
    if (auto error = writeFile(path, csv))
        return *error;
    return QStringList{path};
}

std::variant<Comparison, QString> compareSweeps(const StoredSweep& a, const StoredSweep& b,
                                                const QString& folder) {
    const SweepLimits& la = a.header.limits;
    const SweepLimits& lb = b.header.limits;
    if (la.loadLimit1 != lb.loadLimit1 || la.loadLimit2 != lb.loadLimit2 ||
        la.powerLimit != lb.powerLimit)
        return Text::tr(
            "the sweeps ran with different limits; only sweeps of the same limits compare");
    // Only cells judged in both sweeps compare: an unjudged reading says nothing of the supply.
    const SettledRun settledA = settleSweep(a.cells);
    const SettledRun settledB = settleSweep(b.cells);
    std::map<std::pair<int, int>, const MapCell*> before;
    for (std::size_t i = 0; i < a.cells.size(); ++i)
        if (settledA.settling[i] == Settling::Judged)
            before[{a.cells[i].row, a.cells[i].column}] = &a.cells[i];
    // A difference map coloured as classes are: green where the class stayed, pale green where
    // it moved within one step of the reading, then yellow onwards for 1, 2, ... classes moved
    // by more than that.
    MapRecord moves;
    struct Change {
        const MapCell* from;
        const MapCell* to;
        int by;
    };
    std::vector<Change> changes;
    int withinStep = 0;
    for (std::size_t i = 0; i < b.cells.size(); ++i) {
        const MapCell& cell = b.cells[i];
        const auto found = before.find({cell.row, cell.column});
        if (found == before.end() || settledB.settling[i] != Settling::Judged)
            continue;
        const MapCell& old = *found->second;
        const int by = cellClass(cell.k5, cell.k12) - cellClass(old.k5, old.k12);
        const bool resolution = by != 0 && withinOneStep(cellReading(old), cellReading(cell));
        MapCell move = cell;
        move.k5 = static_cast<quint8>(resolution ? 1 : by != 0 ? std::abs(by) + 1 : 0);
        move.k12 = 0;
        moves.push_back(move);
        if (resolution)
            ++withinStep;
        else if (by != 0)
            changes.push_back({&old, &cell, by});
    }
    const int width = a.header.mapWidth > 0 ? a.header.mapWidth : b.header.mapWidth;
    const int height = a.header.mapWidth > 0 ? a.header.mapHeight : b.header.mapHeight;
    const QString path = QDir(folder).filePath(
        QStringLiteral("compare-%1-%2.bmp").arg(shortId(a.header.id), shortId(b.header.id)));
    const auto bmp = velmor::bitmapBytes(drawMap(moves, QSize(width, height), a.header.mapRatio));
    if (!bmp)
        return Text::tr("Cannot save %1: cannot encode the image").arg(path);
    if (auto error = writeFile(path, *bmp))
        return *error;

    std::stable_sort(changes.begin(), changes.end(), [](const Change& x, const Change& y) {
        return std::abs(x.by) > std::abs(y.by);
    });
    QString text =
        Text::tr("%1 judged cells in both sweeps, %2 changed class: %3 within one step of "
                 "the reading (1 LSB of b2 and b3, the unit's resolution), %4 by more\n")
            .arg(moves.size())
            .arg(withinStep + changes.size())
            .arg(withinStep)
            .arg(changes.size());
    text += Text::tr("Verdict: %1 before, %2 after\n").arg(tallyOf(a).verdict, tallyOf(b).verdict);
    for (std::size_t i = 0; i < changes.size() && i < 5; ++i) {
        const Change& c = changes[i];
        text +=
            Text::tr("  row %1, column %2: class %3 -> %4 (+5 V %5 -> %6 V, +12 V %7 -> %8 V)\n")
                .arg(c.to->row)
                .arg(c.to->column)
                .arg(cellClass(c.from->k5, c.from->k12))
                .arg(cellClass(c.to->k5, c.to->k12))
                .arg(fixed(cellReading(*c.from).volts5, 3), fixed(cellReading(*c.to).volts5, 3),
                     fixed(cellReading(*c.from).volts12, 3), fixed(cellReading(*c.to).volts12, 3));
    }
    return Comparison{
        text +
        Text::tr("Difference map: %1 (green: same class; pale green: moved within one step of the "
                 "reading; yellow and warmer: 1, 2, ... classes moved by more)\n")
            .arg(path)};
}

} // namespace velmor::results

#include "Commands.h"

#include "Conversions.h"
#include "Files.h"
#include "MapPicture.h"
#include "MapSave.h"
#include "SafeWrite.h"
#include "SessionReport.h"
#include "SweepReport.h"
#include "Table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <map>

namespace velmor::results {

namespace {

// This file's texts, looked up in the catalogue under "results".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(results)
};

QString shownState(const QString& state) {
    return state.isEmpty() ? QStringLiteral("open") : state;
}

// The name a record's files take in the folder: the record's name with its folders flattened.
QString flatName(const QString& name) {
    QString safe = name;
    safe.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return safe;
}

QString stemIn(const QString& folder, const QString& name) {
    return QDir(folder).filePath(flatName(name));
}

// Written whole or not at all, and never through a link planted at the name.
std::optional<QString> writeFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo file(path);
    return ui::writeFilesInFolder(file.path(), {{file.fileName(), bytes}});
}

QString volts(double value) {
    return QString::number(value, 'f', 3);
}

} // namespace

QString listText(const std::vector<Listed>& records) {
    std::vector<QStringList> rows;
    for (const Listed& r : records)
        rows.push_back({shortId(r.id),
                        r.sweep ? QStringLiteral("sweep") : QStringLiteral("session"), r.startedAt,
                        shownState(r.endState), r.host, r.name, QString::number(r.count),
                        r.verdict});
    return alignedTable({QStringLiteral("id"), QStringLiteral("kind"), QStringLiteral("started"),
                         QStringLiteral("end"), QStringLiteral("bench"), QStringLiteral("name"),
                         QStringLiteral("cells/ticks"), QStringLiteral("verdict")},
                        rows) +
           (records.size() == 1 ? Text::tr("(1 record)\n")
                                : Text::tr("(%1 records)\n").arg(records.size()));
}

QString sweepText(const StoredSweep& sweep) {
    const SweepHeader& h = sweep.header;
    QString text = Text::tr("Sweep %1\n").arg(h.id);
    text += Text::tr("Started %1, ended %2 (%3)\n")
                .arg(h.startedAt, h.endedAt.isEmpty() ? QStringLiteral("-") : h.endedAt,
                     shownState(h.endState));
    text += Text::tr("Bench %1, port %2\n").arg(h.host, h.port);
    if (!h.savedName.isEmpty())
        text += Text::tr("Saved as \"%1\": %2, %3, %4\n").arg(h.savedName, h.bmp, h.csv, h.txt);
    // The limits, counts, worst cells and verdict exactly as the saved summary states them.
    QStringList summary = QString::fromUtf8(crossLoadSummary(sweep.cells, h.limits, h.savedName))
                              .split(QLatin1Char('\n'));
    summary.removeFirst();
    return text + summary.join(QLatin1Char('\n'));
}

QString sessionText(const StoredSession& s) {
    QString text = Text::tr("Session %1\n").arg(s.id);
    text += Text::tr("Started %1, ended %2 (%3)\n")
                .arg(s.startedAt, s.endedAt.isEmpty() ? QStringLiteral("-") : s.endedAt,
                     shownState(s.endState));
    text += Text::tr("Bench %1, port %2\n").arg(s.host, s.port);
    text += Text::tr("Readings: %1\n").arg(s.ticks.size());
    if (!s.ticks.empty()) {
        std::vector<QStringList> rows;
        const auto output = [&](const QString& name, auto toVolts) {
            double low = 1e9, high = -1e9, sum = 0;
            for (const StoredTick& t : s.ticks) {
                const double v = toVolts(t);
                low = std::min(low, v);
                high = std::max(high, v);
                sum += v;
            }
            rows.push_back(
                {name, volts(low), volts(high), volts(sum / static_cast<double>(s.ticks.size()))});
        };
        output(QStringLiteral("+5 V"), [](const StoredTick& t) { return volts5Manual(t.b2); });
        output(QStringLiteral("+12 V"), [](const StoredTick& t) { return volts12(t.b3); });
        output(QStringLiteral("+3.3 V"), [](const StoredTick& t) { return volts33(t.b4); });
        text += alignedTable(
            {Text::tr("output"), Text::tr("min V"), Text::tr("max V"), Text::tr("mean V")}, rows);
    }
    std::map<QString, int> counts;
    QStringList cuts;
    for (const StoredEvent& e : s.events) {
        ++counts[e.kind];
        if (e.kind == QLatin1String("overload-cut"))
            cuts << QStringLiteral("  %1  %2").arg(e.at, e.detail);
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
    const QString name = h.savedName.isEmpty() ? shortId(h.id) : h.savedName;
    const MapFiles files = mapFilesBeside(flatName(name) + QStringLiteral(".bmp"));
    const QImage map = drawMap(sweep.cells, QSize(h.mapWidth, h.mapHeight), h.mapRatio);
    if (auto error = saveMapFiles(folder, files, map, crossLoadCsv(sweep.cells),
                                  crossLoadSummary(sweep.cells, h.limits, name)))
        return *error;
    const QDir into(folder);
    return QStringList{into.filePath(files.bmp), into.filePath(files.csv),
                       into.filePath(files.txt)};
}

std::variant<QStringList, QString> reportSweep(const StoredSweep& sweep, const QString& folder) {
    const SweepHeader& h = sweep.header;
    if (h.mapWidth <= 0 || h.mapHeight <= 0)
        return Text::tr("sweep %1 was recorded without its map's size").arg(shortId(h.id));
    FinishedSweep finished;
    finished.name = h.savedName.isEmpty() ? shortId(h.id) : h.savedName;
    finished.map = drawMap(sweep.cells, QSize(h.mapWidth, h.mapHeight), h.mapRatio);
    finished.mapPixelRatio = h.mapRatio;
    finished.record = sweep.cells;
    finished.limits = h.limits;
    finished.port = h.port;
    finished.finishedAt =
        QDateTime::fromString(h.endedAt.isEmpty() ? h.startedAt : h.endedAt, Qt::ISODateWithMs)
            .toLocalTime();
    const QString path = stemIn(folder, finished.name) + QStringLiteral(".pdf");
    if (auto error = writeFile(path, sweepReportPdf(finished)))
        return *error;
    return QStringList{path};
}

std::variant<QStringList, QString> reportSession(const StoredSession& s, const QString& folder) {
    const QDateTime began = QDateTime::fromString(s.startedAt, Qt::ISODateWithMs);
    const auto since = [&began](const QString& at) {
        return began.msecsTo(QDateTime::fromString(at, Qt::ISODateWithMs));
    };
    SessionSheet sheet{s.id, began.toLocalTime(), s.host, s.port, shownState(s.endState), {}, {}};
    for (const StoredTick& t : s.ticks)
        sheet.samples.push_back({since(t.at), volts5Manual(t.b2), volts12(t.b3), volts33(t.b4),
                                 t.load5, t.load12, t.load33, t.power});
    const std::map<QString, SessionMark::Kind> marked{
        {QStringLiteral("overload-cut"), SessionMark::Kind::OverloadCut},
        {QStringLiteral("link-lost"), SessionMark::Kind::LinkLost},
        {QStringLiteral("link-back"), SessionMark::Kind::LinkBack}};
    for (const StoredEvent& e : s.events)
        if (const auto kind = marked.find(e.kind); kind != marked.end())
            sheet.marks.push_back({since(e.at), kind->second});
    const QString path =
        stemIn(folder, QStringLiteral("session-") + shortId(s.id)) + QStringLiteral(".pdf");
    if (auto error = writeFile(path, sessionReportPdf(sheet)))
        return *error;
    return QStringList{path};
}

std::variant<QStringList, QString> exportSession(const StoredSession& s, const QString& folder) {
    QByteArray csv = "at,b1,b2,b3,b4,volts5_V,volts12_V,volts33_V,load5_setting,load12_setting,"
                     "load33_setting,power_W,overload\n";
    for (const StoredTick& t : s.ticks)
        csv += QStringList{t.at,
                           QString::number(t.b1),
                           QString::number(t.b2),
                           QString::number(t.b3),
                           QString::number(t.b4),
                           QString::number(volts5Manual(t.b2), 'f', 4),
                           QString::number(volts12(t.b3), 'f', 4),
                           QString::number(volts33(t.b4), 'f', 4),
                           QString::number(t.load5),
                           QString::number(t.load12),
                           QString::number(t.load33),
                           QString::number(t.power, 'f', 2),
                           QString::number(t.overload ? 1 : 0)}
                   .join(QLatin1Char(','))
                   .toUtf8() +
               '\n';
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
    std::map<std::pair<int, int>, const MapCell*> before;
    for (const MapCell& cell : a.cells)
        before[{cell.row, cell.column}] = &cell;
    // A difference map: each cell's class moves on +5 V and +12 V, coloured as classes are.
    MapRecord moves;
    struct Change {
        const MapCell* from;
        const MapCell* to;
        int by;
    };
    std::vector<Change> changes;
    for (const MapCell& cell : b.cells) {
        const auto found = before.find({cell.row, cell.column});
        if (found == before.end() || !judgedCell(cell))
            continue;
        const MapCell& old = *found->second;
        MapCell move = cell;
        move.k5 = static_cast<quint8>(std::abs(cell.k5 - old.k5));
        move.k12 = static_cast<quint8>(std::abs(cell.k12 - old.k12));
        moves.push_back(move);
        const int by = cellClass(cell.k5, cell.k12) - cellClass(old.k5, old.k12);
        if (by != 0)
            changes.push_back({&old, &cell, by});
    }
    const int width = a.header.mapWidth > 0 ? a.header.mapWidth : b.header.mapWidth;
    const int height = a.header.mapWidth > 0 ? a.header.mapHeight : b.header.mapHeight;
    const QString path = QDir(folder).filePath(
        QStringLiteral("compare-%1-%2.bmp").arg(shortId(a.header.id), shortId(b.header.id)));
    const auto bmp = ui::bitmapBytes(drawMap(moves, QSize(width, height), a.header.mapRatio));
    if (!bmp)
        return Text::tr("Cannot save %1: cannot encode the image").arg(path);
    if (auto error = writeFile(path, *bmp))
        return *error;

    std::stable_sort(changes.begin(), changes.end(), [](const Change& x, const Change& y) {
        return std::abs(x.by) > std::abs(y.by);
    });
    QString text = Text::tr("%1 judged cells in both sweeps, %2 changed class\n")
                       .arg(moves.size())
                       .arg(changes.size());
    text += Text::tr("Verdict: %1 before, %2 after\n")
                .arg(summarize(a.cells).pass() ? Text::tr("pass") : Text::tr("fail"),
                     summarize(b.cells).pass() ? Text::tr("pass") : Text::tr("fail"));
    for (std::size_t i = 0; i < changes.size() && i < 5; ++i) {
        const Change& c = changes[i];
        text +=
            Text::tr("  row %1, column %2: class %3 -> %4 (+5 V %5 -> %6 V, +12 V %7 -> %8 V)\n")
                .arg(c.to->row)
                .arg(c.to->column)
                .arg(cellClass(c.from->k5, c.from->k12))
                .arg(cellClass(c.to->k5, c.to->k12))
                .arg(volts(volts5Graph(c.from->b2)), volts(volts5Graph(c.to->b2)),
                     volts(volts12(c.from->b3)), volts(volts12(c.to->b3)));
    }
    return Comparison{
        text +
        Text::tr("Difference map: %1 (green: same class; warmer: more classes moved)\n").arg(path)};
}

} // namespace velmor::results

#include "RecordPage.h"
#include "WebText.h"

#include "Access.h"
#include "Calibrations.h"
#include "Commands.h"
#include "Finding.h"
#include "Html.h"
#include "MapPicture.h"
#include "MeasurementCsv.h"
#include "RecordFind.h"
#include "RecordTables.h"
#include "RecordText.h"
#include "ReportPage.h"
#include "RunCommands.h"
#include "RunEnvelope.h"
#include "RunReport.h"
#include "RunReportOf.h"
#include "RunTables.h"
#include "SessionRead.h"
#include "SessionReport.h"
#include "Sql.h"
#include "StoredValues.h"
#include "SweepRead.h"
#include "Table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>

namespace velmor::web {

namespace {

// The record the id or the start of one names (as the list shows ids), or the reply that says
// why none: no record, or several, each linked.
std::variant<results::FoundRecord, Reply> named(QSqlDatabase& db, const QString& id) {
    const auto found = results::recordsStartingWith(db, id);
    if (const auto* refused = std::get_if<QString>(&found))
        return failure(404, *refused);
    const auto& records = std::get<std::vector<results::FoundRecord>>(found);
    if (records.empty())
        return failure(404, WebText::tr("no record %1").arg(id));
    if (records.size() == 1)
        return records.front();
    QString list;
    for (const results::FoundRecord& r : records)
        list += QStringLiteral("<li>%1</li>\n").arg(link(QStringLiteral("/record/") + r.id, r.id));
    return Reply{300, "text/html; charset=utf-8",
                 page(WebText::tr("Which record?"),
                      QStringLiteral("<p>%1</p>\n<ul>\n%2</ul>\n")
                          .arg(html(WebText::tr("%1 records have ids starting with %2:")
                                        .arg(records.size())
                                        .arg(id)),
                               list))};
}

// The record the id names, loaded, or the reply that says why not.
using Loaded =
    std::variant<results::StoredSweep, results::StoredSession, results::StoredRun, Reply>;
template <typename Stored> Loaded loaded(std::variant<Stored, QString> read) {
    if (const auto* error = std::get_if<QString>(&read))
        return failure(500, *error);
    return std::get<Stored>(std::move(read));
}
// A run's page reads only the number of its readings; its picture and files read them all.
Loaded load(QSqlDatabase& db, int version, const QString& id,
            results::RunReadings readings = results::RunReadings::All) {
    if (!isRecordId(id))
        return failure(404, WebText::tr("\"%1\" is no record id").arg(id));
    const auto found = named(db, id);
    if (const auto* reply = std::get_if<Reply>(&found))
        return *reply;
    const auto& record = std::get<results::FoundRecord>(found);
    switch (record.kind) {
    case results::RecordKind::Sweep:
        return loaded(results::loadSweep(db, version, record.id));
    case results::RecordKind::Session:
        return loaded(results::loadSession(db, version, record.id));
    case results::RecordKind::Run:
        break;
    }
    return loaded(results::loadRun(db, record.id, readings));
}

// A record's picture on its page: "map" (a sweep's) or "volts" (a session's or a run's
// voltages over time), served at /record/<id>/<kind>.png.
QString recordImage(const QString& id, const char* kind, int width, int height,
                    const QString& alt) {
    return QStringLiteral("<img class=\"%1\" src=\"/record/%2/%1.png\" width=\"%3\" "
                          "height=\"%4\" alt=\"%5\">\n")
        .arg(QLatin1String(kind), id)
        .arg(width)
        .arg(height)
        .arg(html(alt));
}

std::vector<std::pair<QString, QString>> common(const QString& id, const QString& started,
                                                const QString& ended, const QString& state,
                                                const QString& host, const QString& port,
                                                const UnitIdentity& unit) {
    return {{WebText::tr("Id"), html(id)},
            {WebText::tr("Started"), html(results::shownTime(started))},
            {WebText::tr("Ended"), html(results::shownTime(ended))},
            {WebText::tr("End"), shownWord(results::shownState(state))},
            {WebText::tr("Bench"), html(host)},
            {WebText::tr("Port"), html(port)},
            {WebText::tr("Unit"),
             unit.serial.isEmpty()
                 ? QStringLiteral("-")
                 : link(QStringLiteral("/unit?serial=") + urlPart(unit.serial), unit.serial)},
            {WebText::tr("Model"), html(unit.model.isEmpty() ? QStringLiteral("-") : unit.model)},
            {WebText::tr("Operator"),
             html(unit.operatorName.isEmpty() ? QStringLiteral("-") : unit.operatorName)}};
}

QString fileLinks(const QString& id, bool run = false) {
    QStringList links{
        link(QStringLiteral("/record/%1/report.pdf").arg(id), WebText::tr("PDF report"))};
    if (run)
        links << link(QStringLiteral("/record/%1/export.json").arg(id), WebText::tr("JSON"))
              << link(QStringLiteral("/record/%1/export.xml").arg(id), WebText::tr("JUnit"));
    links << link(QStringLiteral("/record/%1/export.csv").arg(id), WebText::tr("CSV"));
    return QStringLiteral("<p class=\"files\">%1</p>\n").arg(links.join(QStringLiteral(" · ")));
}

// The calibration a run or sweep was judged with, linked to its page, or "uncalibrated"; and what
// was amiss with the bench's calibration.
QString judgedWithCell(const QString& calibration, const QString& warning) {
    QString cell = calibration == QLatin1String(results::uncalibratedName)
                       ? html(WebText::tr("uncalibrated"))
                       : link(QStringLiteral("/calibrations/") + urlPart(calibration),
                              results::shortId(calibration));
    if (warning == QLatin1String("overdue"))
        cell += html(WebText::tr(" (the bench's calibration was overdue)"));
    else if (warning == QLatin1String("missing"))
        cell += html(WebText::tr(" (the bench had no calibration)"));
    return cell;
}

Reply sweepPage(const results::StoredSweep& sweep) {
    const results::SweepHeader& h = sweep.header;
    auto fields = common(h.id, h.startedAt, h.endedAt, h.endState, h.host, h.port, h.unit);
    fields.push_back({WebText::tr("Saved as"), html(h.savedName)});
    fields.push_back({WebText::tr("Limits"), QStringLiteral("%1, %2, %3")
                                                 .arg(h.limits.loadLimit1)
                                                 .arg(h.limits.loadLimit2)
                                                 .arg(h.limits.powerLimit)});
    fields.push_back({WebText::tr("Verdict"), html(results::tallyOf(sweep).verdict)});
    if (!h.calibration.isEmpty())
        fields.push_back(
            {WebText::tr("Judged with"), judgedWithCell(h.calibration, h.calibrationWarning)});
    QString body = QStringLiteral("<div class=\"record\"><div>") + headerTable(fields) +
                   fileLinks(h.id) + QStringLiteral("</div>\n");
    if (h.mapWidth > 0 && h.mapHeight > 0)
        body += recordImage(h.id, "map", qRound(h.mapWidth / h.mapRatio),
                            qRound(h.mapHeight / h.mapRatio), WebText::tr("the cross-load map"));
    body += QStringLiteral("</div>\n") + sweepTables(sweep);
    return {200, "text/html; charset=utf-8",
            page(WebText::tr("Sweep %1").arg(results::shortId(h.id)), body)};
}

Reply sessionPage(const results::StoredSession& s) {
    QString body =
        headerTable(common(s.id, s.startedAt, s.endedAt, s.endState, s.host, s.port, s.unit)) +
        fileLinks(s.id);
    if (!s.ticks.empty())
        body += recordImage(s.id, "volts", voltsImageWidth, sessionChartsImageHeight,
                            WebText::tr("the voltages over time"));
    body += sessionTables(s);
    return {200, "text/html; charset=utf-8",
            page(WebText::tr("Session %1").arg(results::shortId(s.id)), body)};
}

Reply runPage(const results::StoredRun& r) {
    auto fields = common(r.id, r.startedAt, r.endedAt, r.endState, r.host, r.port, r.unit);
    fields.push_back({WebText::tr("Plan"), html(r.planName)});
    fields.push_back({WebText::tr("Plan file"), html(r.planFile)});
    fields.push_back({WebText::tr("Profile"), html(r.profile)});
    fields.push_back({WebText::tr("Outcome"), outcomeCell(r.outcome)});
    if (!r.calibration.isEmpty())
        fields.push_back(
            {WebText::tr("Judged with"), judgedWithCell(r.calibration, r.calibrationWarning)});
    if (!r.reason.isEmpty())
        fields.push_back({WebText::tr("Decided by"), html(shownFinding(r.reason))});
    if (!r.keyFigure.isEmpty())
        fields.push_back({WebText::tr("Key figure"), html(shownRecordText(r.keyFigure))});
    fields.push_back({WebText::tr("Readings"), QString::number(r.readingCount)});
    QString body = headerTable(fields) + fileLinks(r.id, true) +
                   QStringLiteral("<h2>%1</h2>\n").arg(html(WebText::tr("Steps"))) +
                   runStepsTable(r) + runMeasurementTables(r);
    if (r.readingCount > 0)
        body += recordImage(r.id, "volts", voltsImageWidth, runVoltsImageHeight,
                            WebText::tr("the voltages over time"));
    return {200, "text/html; charset=utf-8",
            page(WebText::tr("Run %1").arg(results::shortId(r.id)), body)};
}

// The run's measurements as the per-measurement export writes them.
std::variant<QStringList, QString> measurementsOf(QSqlDatabase& db, int version, const QString& id,
                                                  const QString& folder) {
    const auto rows = results::measurementsCsv(db, version, {}, id);
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    return results::exportMeasurements(std::get<results::MeasurementRows>(rows), folder);
}

// A file name fit for a header: what is not plain ASCII becomes "_".
QByteArray headerFileName(const QString& name) {
    QByteArray out;
    for (const QChar c : name)
        out += c.isLetterOrNumber() && c.unicode() < 0x80         ? static_cast<char>(c.unicode())
               : (c == QLatin1Char('.') || c == QLatin1Char('-')) ? c.toLatin1()
                                                                  : '_';
    return out;
}

// The one file of the suffix among those written into the folder, read; never one outside it.
Reply sentFile(const std::variant<QStringList, QString>& written, const QTemporaryDir& folder,
               const QString& suffix, const QByteArray& type) {
    if (const auto* error = std::get_if<QString>(&written))
        return failure(500, *error);
    const QString inside = QFileInfo(folder.path()).canonicalFilePath();
    for (const QString& path : std::get<QStringList>(written)) {
        const QFileInfo file(path);
        if (file.suffix() != suffix)
            continue;
        QFile f(path);
        if (file.isSymLink() || !file.isFile() || file.canonicalPath() != inside ||
            !f.open(QIODevice::ReadOnly))
            break;
        return {200,
                type,
                f.readAll(),
                {{"Content-Disposition",
                  "attachment; filename=\"" + headerFileName(file.fileName()) + "\""}}};
    }
    return failure(500, WebText::tr("the %1 file was not made").arg(suffix));
}

} // namespace

Reply recordPage(QSqlDatabase& db, int version, const QString& id) {
    const Loaded loaded = load(db, version, id, results::RunReadings::Counted);
    if (const auto* reply = std::get_if<Reply>(&loaded))
        return *reply;
    if (const auto* sweep = std::get_if<results::StoredSweep>(&loaded))
        return sweepPage(*sweep);
    if (const auto* run = std::get_if<results::StoredRun>(&loaded))
        return runPage(*run);
    return sessionPage(std::get<results::StoredSession>(loaded));
}

Reply mapPicture(QSqlDatabase& db, int version, const QString& id) {
    const Loaded loaded = load(db, version, id);
    if (const auto* reply = std::get_if<Reply>(&loaded))
        return *reply;
    const auto* sweep = std::get_if<results::StoredSweep>(&loaded);
    if (!sweep)
        return failure(404, WebText::tr("only a sweep has a map of its own"));
    const results::SweepHeader& h = sweep->header;
    if (h.mapWidth <= 0 || h.mapHeight <= 0)
        return failure(404, WebText::tr("sweep %1 was recorded without its map's size")
                                .arg(results::shortId(h.id)));
    QImage map = drawMap(sweep->cells, QSize(h.mapWidth, h.mapHeight), h.mapRatio);
    map.setDevicePixelRatio(1);
    return pngReply(map);
}

namespace {

Reply runPicture(const std::variant<RunReportInput, QString>& input) {
    if (const auto* error = std::get_if<QString>(&input))
        return failure(500, *error);
    const auto image = runVoltsImage(std::get<RunReportInput>(input));
    if (const auto* error = std::get_if<QString>(&image))
        return failure(404, *error);
    return pngReply(std::get<QImage>(image));
}

} // namespace

Reply voltsPicture(QSqlDatabase& db, int version, const QString& id) {
    const Loaded loaded = load(db, version, id, results::RunReadings::Counted);
    if (const auto* reply = std::get_if<Reply>(&loaded))
        return *reply;
    if (std::holds_alternative<results::StoredSweep>(loaded))
        return failure(404, WebText::tr("a sweep shows its map"));
    if (const auto* session = std::get_if<results::StoredSession>(&loaded)) {
        if (session->ticks.empty())
            return failure(404, WebText::tr("the session has no readings"));
        return pngReply(sessionChartsImage(results::sessionSheet(*session)));
    }
    // A long run is drawn from the envelope it keeps, a shorter one from all its readings.
    results::StoredRun run = std::get<results::StoredRun>(loaded);
    auto envelope = results::envelopeReadings(db, version, run);
    if (const auto* error = std::get_if<QString>(&envelope))
        return failure(500, results::refusal(WebText::tr("run"), run.id, *error));
    run.readings = std::get<std::vector<results::StoredRunReading>>(std::move(envelope));
    if (!run.readings.empty())
        return runPicture(results::runReportInput(run));
    auto all = results::loadRun(db, run.id);
    if (const auto* error = std::get_if<QString>(&all))
        return failure(500, *error);
    return runPicture(results::runReportInput(std::get<results::StoredRun>(all)));
}

Reply recordFile(QSqlDatabase& db, int version, const QString& id, const QString& file) {
    const bool report = file == QLatin1String("report.pdf");
    const bool json = file == QLatin1String("export.json");
    const bool junit = file == QLatin1String("export.xml");
    if (!report && !json && !junit && file != QLatin1String("export.csv"))
        return failure(404, WebText::tr("no such file of a record"));
    const Loaded loaded = load(db, version, id);
    if (const auto* reply = std::get_if<Reply>(&loaded))
        return *reply;
    const auto* run = std::get_if<results::StoredRun>(&loaded);
    if ((json || junit) && !run)
        return failure(404, WebText::tr("no such file of this record"));
    // Made as velmor-results makes it, in a folder of this answer's own.
    const QTemporaryDir folder;
    if (!folder.isValid())
        return failure(500, WebText::tr("no temporary folder: %1").arg(folder.errorString()));
    const QString suffix = report  ? QStringLiteral("pdf")
                           : json  ? QStringLiteral("json")
                           : junit ? QStringLiteral("xml")
                                   : QStringLiteral("csv");
    const QByteArray type = report  ? "application/pdf"
                            : json  ? "application/json"
                            : junit ? "application/xml"
                                    : "text/csv; charset=utf-8";
    if (run)
        return sentFile(report  ? results::reportRun(*run, folder.path())
                        : junit ? results::exportRun(*run, QStringLiteral("junit"), folder.path())
                        : json  ? results::exportRun(*run, QStringLiteral("json"), folder.path())
                                : measurementsOf(db, version, run->id, folder.path()),
                        folder, suffix, type);
    if (const auto* sweep = std::get_if<results::StoredSweep>(&loaded))
        return sentFile(report ? results::reportSweep(*sweep, folder.path())
                               : results::exportSweep(*sweep, folder.path()),
                        folder, suffix, type);
    const auto& session = std::get<results::StoredSession>(loaded);
    return sentFile(report ? results::reportSession(session, folder.path())
                           : results::exportSession(session, folder.path()),
                    folder, suffix, type);
}

} // namespace velmor::web

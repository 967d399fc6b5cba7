#include "RunCommands.h"
#include "Text.h"

#include "Calibrations.h"
#include "Commands.h"
#include "Finding.h"
#include "Measurement.h"
#include "Printable.h"
#include "RecordText.h"
#include "ReportPage.h"
#include "StoredTime.h"
#include "Table.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>

#include <algorithm>

namespace velmor::results {

namespace {

QString number(double value) {
    return QString::number(value, 'g', 6);
}

QString orDash(const std::optional<double>& value) {
    return value ? number(*value) : QStringLiteral("-");
}

// A figure as JSON writes it: limits worked out from percentages carry the sum's last bit
// (3.1679999999999997 for 3.168), and twelve significant digits are far beyond any reading.
double tidy(double value) {
    return QString::number(value, 'g', 12).toDouble();
}

QJsonValue orNull(const std::optional<double>& value) {
    return value ? QJsonValue(tidy(*value)) : QJsonValue(QJsonValue::Null);
}

QJsonValue orNull(const QString& text) {
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QString seconds(const QString& from, const QString& to) {
    return QString::number(static_cast<double>(msBetween(from, to)) / 1000, 'f', 3);
}

// A step's measurements, one line each: name, value, unit, limits and outcome.
QStringList measurementLines(const StoredRunStep& step) {
    QStringList lines;
    for (const StoredMeasurement& m : step.measurements)
        lines << Text::tr("%1 = %2 %3 (limits %4..%5, guard %6..%7): %8")
                     .arg(printable(m.name), number(m.value), printable(m.unit), orDash(m.low),
                          orDash(m.high), orDash(m.guardLow), orDash(m.guardHigh), m.outcome);
    return lines;
}

} // namespace

QString csvField(const QString& text) {
    QString field = printable(text);
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')))
        return field;
    return QLatin1Char('"') + field.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString runText(const StoredRun& r) {
    QString text = Text::tr("Run %1\n").arg(r.id);
    text += Text::tr("Plan \"%1\" (%2), profile %3\n")
                .arg(printable(r.planName), printable(r.planFile), printable(r.profile));
    text += Text::tr("Started %1, ended %2 (%3)\n")
                .arg(shownTime(r.startedAt), shownTime(r.endedAt), shownState(r.endState));
    text += Text::tr("Bench %1, port %2\n").arg(printable(r.host), printable(r.port));
    text += printable(unitLine(r.unit)) + QLatin1Char('\n');
    if (!r.calibration.isEmpty())
        text += judgedWithLine(r.calibration, r.calibrationWarning);
    if (r.outcome.isEmpty())
        text += Text::tr("Outcome: none yet, the run is open\n");
    else
        text += Text::tr("Outcome: %1%2\n")
                    .arg(r.outcome,
                         r.failingStep.isEmpty()
                             ? QString()
                             : Text::tr(", failing step \"%1\"").arg(printable(r.failingStep)));
    if (!r.reason.isEmpty())
        text += Text::tr("Decided by: %1\n").arg(printable(shownFinding(r.reason)));
    if (!r.keyFigure.isEmpty())
        text += Text::tr("Key figure: %1\n").arg(printable(shownRecordText(r.keyFigure)));
    std::vector<QStringList> steps;
    for (const StoredRunStep& s : r.steps)
        steps.push_back({QString::number(s.seq + 1), printable(s.kind), printable(s.name),
                         s.outcome, QString::number(s.judged), QString::number(s.unsettled),
                         seconds(s.startedAt, s.endedAt), printable(shownRecordText(s.keyFigure))});
    if (!steps.empty())
        text += alignedTable({Text::tr("step"), Text::tr("kind"), Text::tr("name"),
                              Text::tr("outcome"), Text::tr("judged"), Text::tr("unsettled"),
                              Text::tr("seconds"), Text::tr("key figure")},
                             steps);
    for (const StoredRunStep& s : r.steps) {
        if (s.measurements.empty())
            continue;
        text += Text::tr("Step %1 \"%2\":\n").arg(s.seq + 1).arg(printable(s.name));
        // A run judged with uncertainties (stored since they are kept) shows each one and the
        // rule that decided its measurement.
        const bool uncertain =
            std::any_of(s.measurements.begin(), s.measurements.end(),
                        [](const StoredMeasurement& m) { return m.uncertainty.has_value(); });
        std::vector<QStringList> rows;
        for (const StoredMeasurement& m : s.measurements) {
            QStringList row{QStringLiteral(" "), printable(shownRecordText(m.name)),
                            shownValue(m.name, m.value, m.unit), printable(m.unit), orDash(m.low),
                            orDash(m.high), orDash(m.guardLow), orDash(m.guardHigh),
                            orDash(m.asked),
                            // held to no limit: recorded, not passed
                            m.low || m.high ? m.outcome : QStringLiteral("-")};
            if (uncertain)
                row << orDash(m.uncertainty)
                    << (m.uncertainty && (m.low || m.high)
                            ? ruleName(judgeGuarded(m.value,
                                                    {m.low, m.high, m.guardLow, m.guardHigh},
                                                    *m.uncertainty)
                                           .rule)
                            : QStringLiteral("-"));
            rows.push_back(row);
        }
        QStringList header{QStringLiteral(" "),   Text::tr("measurement"), Text::tr("value"),
                           Text::tr("unit"),      Text::tr("low"),         Text::tr("high"),
                           Text::tr("guard low"), Text::tr("guard high"),  Text::tr("asked"),
                           Text::tr("outcome")};
        if (uncertain)
            header << Text::tr("± (k=2)") << Text::tr("decided by");
        text += alignedTable(header, rows);
    }
    const SettlingCounts c = settlingCounts(r);
    text += Text::tr("Readings: %1, judged %2; not judged: %3 answering a supply-off frame, %4 "
                     "before the supply was up, %5 just after a load jump, %6 after a shutdown\n")
                .arg(r.readings.size())
                .arg(c.judged)
                .arg(c.supplyOff)
                .arg(c.poweringUp)
                .arg(c.loadJump)
                .arg(c.shutDown);
    return text;
}

QByteArray runJson(const StoredRun& r) {
    QJsonArray phases;
    for (const StoredRunStep& s : r.steps) {
        QJsonArray measurements;
        for (const StoredMeasurement& m : s.measurements)
            measurements.append(QJsonObject{{"name", m.name},
                                            {"value", tidy(m.value)},
                                            {"units", m.unit},
                                            {"lower_limit", orNull(m.low)},
                                            {"upper_limit", orNull(m.high)},
                                            {"guard_lower_limit", orNull(m.guardLow)},
                                            {"guard_upper_limit", orNull(m.guardHigh)},
                                            {"asked", orNull(m.asked)},
                                            {"outcome", m.outcome}});
        phases.append(QJsonObject{{"name", s.name},
                                  {"kind", s.kind},
                                  {"start_time", s.startedAt},
                                  {"end_time", s.endedAt},
                                  {"outcome", s.outcome},
                                  {"key_figure", s.keyFigure},
                                  {"reason", orNull(s.reason)},
                                  {"readings_judged", s.judged},
                                  {"readings_unsettled", s.unsettled},
                                  {"measurements", measurements}});
    }
    const SettlingCounts c = settlingCounts(r);
    const QJsonObject record{
        {"id", r.id},
        {"dut_id", orNull(r.unit.serial)},
        {"dut_model", orNull(r.unit.model)},
        {"operator", orNull(r.unit.operatorName)},
        {"station_id", r.host},
        {"port", r.port},
        {"plan", QJsonObject{{"name", r.planName}, {"file", r.planFile}, {"profile", r.profile}}},
        {"start_time", r.startedAt},
        {"end_time", orNull(r.endedAt)},
        {"end_state", orNull(r.endState)},
        {"outcome", orNull(r.outcome)},
        {"failing_step", orNull(r.failingStep)},
        {"key_figure", r.keyFigure},
        {"reason", orNull(r.reason)},
        {"readings", QJsonObject{{"total", static_cast<qint64>(r.readings.size())},
                                 {"judged", c.judged},
                                 {"supply_off", c.supplyOff},
                                 {"powering_up", c.poweringUp},
                                 {"load_jump", c.loadJump},
                                 {"after_shutdown", c.shutDown}}},
        {"phases", phases}};
    return QJsonDocument(record).toJson(QJsonDocument::Indented);
}

QByteArray runJunit(const StoredRun& r) {
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    // XML takes no control characters even escaped: every stored text goes in escaped as the
    // terminal shows it.
    const auto attribute = [&w](const char* name, const QString& value) {
        w.writeAttribute(QLatin1String(name), printable(value));
    };
    const auto property = [&](const char* name, const QString& value) {
        w.writeStartElement(QStringLiteral("property"));
        attribute("name", QString::fromLatin1(name));
        attribute("value", value);
        w.writeEndElement();
    };
    int failures = 0;
    int errors = 0;
    for (const StoredRunStep& s : r.steps) {
        failures += s.outcome == QLatin1String("fail");
        errors += s.outcome == QLatin1String("error") || s.outcome == QLatin1String("aborted");
    }
    w.writeStartElement(QStringLiteral("testsuites"));
    w.writeStartElement(QStringLiteral("testsuite"));
    attribute("name", r.planName);
    attribute("tests", QString::number(r.steps.size()));
    attribute("failures", QString::number(failures));
    attribute("errors", QString::number(errors));
    attribute("timestamp", r.startedAt);
    attribute("time", r.endedAt.isEmpty() ? QStringLiteral("0") : seconds(r.startedAt, r.endedAt));
    attribute("hostname", r.host);
    w.writeStartElement(QStringLiteral("properties"));
    property("run", r.id);
    property("unit", r.unit.serial);
    property("model", r.unit.model);
    property("operator", r.unit.operatorName);
    property("plan_file", r.planFile);
    property("profile", r.profile);
    property("outcome", r.outcome);
    w.writeEndElement();
    for (const StoredRunStep& s : r.steps) {
        w.writeStartElement(QStringLiteral("testcase"));
        attribute("name", s.name);
        attribute("classname", r.planName + QLatin1Char('.') + s.kind);
        attribute("time", seconds(s.startedAt, s.endedAt));
        if (s.outcome == QLatin1String("marginal")) {
            w.writeStartElement(QStringLiteral("properties"));
            property("outcome", s.outcome);
            w.writeEndElement();
        }
        const QString lines = measurementLines(s).join(QLatin1Char('\n'));
        const bool failed = s.outcome == QLatin1String("fail");
        if (failed || s.outcome == QLatin1String("error") ||
            s.outcome == QLatin1String("aborted")) {
            w.writeStartElement(failed ? QStringLiteral("failure") : QStringLiteral("error"));
            attribute("message", s.reason.isEmpty() ? s.keyFigure : shownFinding(s.reason));
            attribute("type", s.outcome);
            w.writeCharacters(lines);
            w.writeEndElement();
        } else if (!lines.isEmpty()) {
            w.writeTextElement(QStringLiteral("system-out"), lines);
        }
        w.writeEndElement();
    }
    w.writeEndDocument();
    return xml;
}

QByteArray runsCsv(const std::vector<StoredRun>& runs) {
    QByteArray csv = "id,unit,model,date,bench,operator,plan,outcome,failing_step,key_figure\n";
    for (const StoredRun& r : runs)
        csv += QStringList{r.id,
                           csvField(r.unit.serial),
                           csvField(r.unit.model),
                           r.startedAt,
                           csvField(r.host),
                           csvField(r.unit.operatorName),
                           csvField(r.planName),
                           r.outcome,
                           csvField(r.failingStep),
                           csvField(r.keyFigure)}
                   .join(QLatin1Char(','))
                   .toUtf8() +
               '\n';
    return csv;
}

std::variant<QStringList, QString> exportRun(const StoredRun& run, const QString& format,
                                             const QString& folder) {
    const bool json = format == QLatin1String("json");
    const QString path = QDir(folder).filePath(
        QStringLiteral("run-%1.%2")
            .arg(shortId(run.id), json ? QStringLiteral("json") : QStringLiteral("xml")));
    if (auto error = writeFile(path, json ? runJson(run) : runJunit(run)))
        return *error;
    return QStringList{path};
}

std::variant<QStringList, QString> exportRuns(const std::vector<StoredRun>& runs,
                                              const QString& folder) {
    const QString path = QDir(folder).filePath(QStringLiteral("runs.csv"));
    if (auto error = writeFile(path, runsCsv(runs)))
        return *error;
    return QStringList{path};
}

} // namespace velmor::results

#include "MeasurementCsv.h"
#include "Text.h"

#include "Calibrations.h"
#include "Commands.h"
#include "Outcome.h"
#include "RecordText.h"
#include "RunCommands.h"
#include "Sql.h"
#include "StoredRows.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <limits>

namespace velmor::results {

namespace {

// The calibration the run was measured under, as the query reads it: a store from before
// calibrations keeps none, and its runs read "uncalibrated".
QString calibrationColumn(const QSqlDatabase& db, int version) {
    return version >= 7 ? boundedColumns(db, u"r.calibration")
                        : QStringLiteral("NULL AS calibration");
}

QString number(double value) {
    return QString::number(value, 'g', 12);
}

QString optionalNumber(StoredRow& row, const char* column) {
    const std::optional<double> value = row.optionalMeasured(column);
    return value ? number(*value) : QString();
}

// The calibration's id, or "uncalibrated" also for a run stored before calibrations were kept.
QString calibrationOf(StoredRow& row, const char* column) {
    if (row.null(column) || row.text(column).isEmpty() ||
        row.text(column) == QLatin1String(uncalibratedName))
        return QString::fromLatin1(uncalibratedName);
    return row.id(column);
}

// "+12 V at P3": the output and the point; nothing for a name of another form.
std::pair<QString, QString> outputAndPoint(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^(.+) at (P[0-9]+)$"));
    const auto match = pattern.match(name);
    if (!match.hasMatch())
        return {};
    return {match.captured(1), match.captured(2)};
}

// The filters matched as rows are read: the plan's name and the verdict, as a list matches them.
bool matches(const QString& plan, const QString& outcome, const QString& endState,
             const ListFilter& filter) {
    if (!filter.name.isEmpty() && !plan.contains(filter.name, Qt::CaseInsensitive))
        return false;
    if (filter.verdict.isEmpty() || filter.verdict == outcome)
        return true;
    return filter.verdict == QLatin1String("incomplete") && endState != QLatin1String("completed");
}

} // namespace

std::variant<MeasurementRows, QString>
measurementsCsv(QSqlDatabase& db, int version, const ListFilter& filter, const QString& runId) {
    MeasurementRows out;
    const QStringList header{
        QStringLiteral("run"),   QStringLiteral("unit"),       QStringLiteral("model"),
        QStringLiteral("bench"), QStringLiteral("operator"),   QStringLiteral("plan"),
        QStringLiteral("step"),  QStringLiteral("point"),      QStringLiteral("output"),
        QStringLiteral("name"),  QStringLiteral("value"),      QStringLiteral("units"),
        QStringLiteral("low"),   QStringLiteral("high"),       QStringLiteral("outcome"),
        QStringLiteral("time"),  QStringLiteral("calibration")};
    QString text = QChar(0xFEFF) + header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    if (version < 4) { // a store from before plan runs holds none
        out.csv = text.toUtf8();
        return out;
    }
    QString statement =
        QStringLiteral("SELECT %1, %2 FROM run_measurements m "
                       "JOIN run_steps s ON s.run_id = m.run_id AND s.seq = m.step_seq "
                       "JOIN runs r ON r.id = m.run_id WHERE r.started_at >= ?")
            .arg(boundedColumns(db, u"r.id, r.unit_serial, r.unit_model, r.host, r.operator, "
                                    u"r.plan_name, r.outcome AS verdict, r.end_state, "
                                    u"s.name AS step_name, s.ended_at, m.name AS measured, "
                                    u"m.value, m.unit, m.low, m.high, m.outcome"),
                 calibrationColumn(db, version));
    QVariantList values{filter.since};
    for (const auto& [column, value] :
         {std::pair{"r.id", &runId}, std::pair{"r.unit_serial", &filter.unit},
          std::pair{"r.unit_model", &filter.model}, std::pair{"r.host", &filter.host},
          std::pair{"r.operator", &filter.operatorName}})
        if (!value->isEmpty()) {
            statement += QStringLiteral(" AND %1 = ?").arg(QLatin1String(column));
            values << *value;
        }
    if (!filter.before.isEmpty()) {
        statement += QStringLiteral(" AND r.started_at < ?");
        values << filter.before;
    }
    statement += QStringLiteral(" ORDER BY r.started_at, r.id, m.step_seq, m.seq");
    QString lastRun;
    auto error = eachStoredRow(
        db, statement, values, {Text::tr("measurement of run")}, out.refused,
        [&](const QString& run, StoredRow& row) {
            const QString plan = row.text("plan_name");
            const QString verdict = row.text("verdict");
            const QString endState = row.text("end_state");
            const QString name = canonicalRecordText(row.text("measured"));
            const QString value = number(row.measured("value"));
            const QString low = optionalNumber(row, "low");
            const QString high = optionalNumber(row, "high");
            const QString outcome = row.text("outcome");
            if (!parseOutcome(outcome))
                row.refuse(
                    Text::tr("outcome \"%1\" is not one the bench writes").arg(outcome.left(40)));
            const QStringList fields{run,
                                     row.text("unit_serial"),
                                     row.text("unit_model"),
                                     row.text("host"),
                                     row.text("operator"),
                                     plan,
                                     row.text("step_name"),
                                     outputAndPoint(name).second,
                                     outputAndPoint(name).first,
                                     name,
                                     value,
                                     row.text("unit"),
                                     low,
                                     high,
                                     outcome,
                                     row.time("ended_at"),
                                     calibrationOf(row, "calibration")};
            if (row.refused())
                return;
            if (!matches(plan, verdict, endState, filter))
                return;
            if (run != lastRun)
                ++out.runs;
            lastRun = run;
            QStringList line;
            for (const QString& f : fields)
                line << csvField(f);
            text += line.join(QLatin1Char(',')) + QStringLiteral("\r\n");
        });
    if (error)
        return *error;
    out.csv = text.toUtf8();
    return out;
}

std::variant<QStringList, QString> exportMeasurements(const MeasurementRows& rows,
                                                      const QString& folder) {
    const QString path = QDir(folder).filePath(QStringLiteral("measurements.csv"));
    if (auto error = writeFile(path, rows.csv))
        return *error;
    return QStringList{path};
}

} // namespace velmor::results

#include "CalibrationsPage.h"
#include "WebText.h"

#include "Calibrations.h"
#include "Html.h"
#include "NumberText.h"
#include "Table.h"

namespace velmor::web {

namespace {

QString madeText(const results::CalibrationRecord& r) {
    return html(results::shownTime(r.madeAt.toUTC().toString(Qt::ISODateWithMs)));
}

QString calibrationLink(const QString& id) {
    return link(QStringLiteral("/calibrations/") + urlPart(id), results::shortId(id));
}

} // namespace

Reply calibrationsPage(QSqlDatabase& db) {
    const auto read = results::readCalibrations(db);
    if (const auto* error = std::get_if<QString>(&read))
        return failure(500, *error);
    const auto& records = std::get<std::vector<results::CalibrationRecord>>(read);
    QString body = QStringLiteral("<p>%1</p>\n")
                       .arg(html(WebText::tr("Each calibration of a bench's unit against a "
                                             "reference meter, newest first; a bench judges with "
                                             "its newest.")));
    std::vector<QStringList> rows;
    for (const results::CalibrationRecord& r : records) {
        const Calibration& c = r.calibration;
        rows.push_back({calibrationLink(c.id), madeText(r), html(c.due.toString(Qt::ISODate)),
                        html(r.host), html(r.unit), html(r.operatorName), html(c.meter.name)});
    }
    body += rows.empty() ? QStringLiteral("<p>%1</p>\n").arg(html(WebText::tr("No calibrations.")))
                         : table({WebText::tr("calibration"), WebText::tr("made"),
                                  WebText::tr("due"), WebText::tr("bench"), WebText::tr("unit"),
                                  WebText::tr("operator"), WebText::tr("meter")},
                                 rows);
    return {200, "text/html; charset=utf-8", page(WebText::tr("Calibrations"), body)};
}

Reply calibrationPage(QSqlDatabase& db, const QString& id) {
    const auto found = results::findCalibration(db, id);
    if (const auto* error = std::get_if<QString>(&found))
        return failure(500, *error);
    const auto& record = std::get<std::optional<results::CalibrationRecord>>(found);
    if (!record)
        return failure(404, WebText::tr("no calibration %1").arg(id));
    const Calibration& c = record->calibration;
    std::vector<std::pair<QString, QString>> fields{
        {WebText::tr("Calibration"), html(c.id)},
        {WebText::tr("Made"), madeText(*record)},
        {WebText::tr("Due"), html(c.due.toString(Qt::ISODate))},
        {WebText::tr("Bench"), html(record->host)},
        {WebText::tr("Port"), html(record->port)},
        {WebText::tr("Unit"), html(record->unit)},
        {WebText::tr("Operator"), html(record->operatorName)},
        {WebText::tr("Meter"), html(c.meter.name)},
        {WebText::tr("Certificate"), html(c.meter.certificate)},
        {WebText::tr("Accuracy"),
         html(WebText::tr("±(%1 % of reading + %2 V)")
                  .arg(fixed(c.meter.accuracyPercent, 4), fixed(c.meter.accuracyVolts, 4)))}};
    std::vector<QStringList> inputs;
    for (const Input input : allInputs) {
        const InputCorrection& k = c.of(input);
        const double step = k.gain * stepVolts(input);
        inputs.push_back({html(inputName(input)), fixed(k.gain, 6), fixed(k.offset, 4),
                          fixed(k.standardError, 4), fixed(k.standardError / step, 2),
                          fixed(c.uncertainty(input, unitOutputOf(input).nominalVolts), 4)});
    }
    std::vector<QStringList> points;
    for (std::size_t i = 0; i < record->points.size(); ++i) {
        const CalibrationPoint& p = record->points[i];
        const double residual = i < record->residuals.size() ? record->residuals[i] : 0;
        const double step = c.of(p.input).gain * stepVolts(p.input);
        points.push_back({html(inputName(p.input)), fixed(p.rawMean, 2), fixed(p.rawSpread, 2),
                          fixed(p.meterVolts, 4), fixed(residual, 4), fixed(residual / step, 2)});
    }
    const QString body =
        headerTable(fields) +
        QStringLiteral("<h2>%1</h2>\n").arg(html(WebText::tr("Corrections"))) +
        table({WebText::tr("input"), WebText::tr("gain"), WebText::tr("offset, V"),
               WebText::tr("standard error, V"), WebText::tr("in steps"),
               WebText::tr("uncertainty at nominal, V (k=2)")},
              inputs) +
        QStringLiteral("<h2>%1</h2>\n").arg(html(WebText::tr("Points"))) +
        table({WebText::tr("input"), WebText::tr("raw mean"), WebText::tr("spread"),
               WebText::tr("meter, V"), WebText::tr("residual, V"), WebText::tr("in steps")},
              points);
    return {200, "text/html; charset=utf-8",
            page(WebText::tr("Calibration %1").arg(results::shortId(c.id)), body)};
}

} // namespace velmor::web

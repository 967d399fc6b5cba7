#include "CalibrationText.h"

#include "Printable.h"
#include "Table.h"

#include <QCoreApplication>

namespace velmor::results {

namespace {

struct CalibrationTexts {
    Q_DECLARE_TR_FUNCTIONS(CalibrationText)
};

QString number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

} // namespace

QString calibrationsText(const std::vector<CalibrationRecord>& records) {
    if (records.empty())
        return CalibrationTexts::tr("No calibrations.\n");
    std::vector<QStringList> rows;
    for (const CalibrationRecord& r : records) {
        const Calibration& c = r.calibration;
        rows.push_back({shortId(c.id), shownTime(r.madeAt.toUTC().toString(Qt::ISODateWithMs)),
                        c.due.toString(Qt::ISODate), printable(r.host), printable(r.unit),
                        printable(r.operatorName), printable(c.meter.name)});
    }
    return alignedTable({CalibrationTexts::tr("ID"), CalibrationTexts::tr("MADE"),
                         CalibrationTexts::tr("DUE"), CalibrationTexts::tr("BENCH"),
                         CalibrationTexts::tr("UNIT"), CalibrationTexts::tr("OPERATOR"),
                         CalibrationTexts::tr("METER")},
                        rows);
}

QString calibrationText(const CalibrationRecord& record) {
    const Calibration& c = record.calibration;
    QString text;
    text += CalibrationTexts::tr("Calibration %1\n").arg(c.id);
    text += CalibrationTexts::tr("Made:        %1 on %2, port %3\n")
                .arg(shownTime(record.madeAt.toUTC().toString(Qt::ISODateWithMs)),
                     printable(record.host), printable(record.port));
    text += CalibrationTexts::tr("Due:         %1\n").arg(c.due.toString(Qt::ISODate));
    if (!record.unit.isEmpty())
        text += CalibrationTexts::tr("Unit:        %1\n").arg(printable(record.unit));
    text += CalibrationTexts::tr("Operator:    %1\n").arg(printable(record.operatorName));
    text += CalibrationTexts::tr(
                "Meter:       %1, certificate %2, accuracy ±(%3 % of reading + %4 V)\n")
                .arg(printable(c.meter.name), printable(c.meter.certificate),
                     number(c.meter.accuracyPercent, 4), number(c.meter.accuracyVolts, 4));
    std::vector<QStringList> inputs;
    for (const Input input : allInputs) {
        const InputCorrection& k = c.of(input);
        const double step = k.gain * stepVolts(input);
        const double nominal = unitOutputOf(input).nominalVolts;
        inputs.push_back({inputName(input), number(k.gain, 6), number(k.offset, 4),
                          number(k.standardError, 4), number(k.standardError / step, 2),
                          number(c.uncertainty(input, nominal), 4)});
    }
    text += QLatin1Char('\n') +
            alignedTable({CalibrationTexts::tr("INPUT"), CalibrationTexts::tr("GAIN"),
                          CalibrationTexts::tr("OFFSET V"), CalibrationTexts::tr("STD ERROR V"),
                          CalibrationTexts::tr("STEPS"),
                          CalibrationTexts::tr("UNCERTAINTY V (k=2, at nominal)")},
                         inputs);
    std::vector<QStringList> points;
    for (std::size_t i = 0; i < record.points.size(); ++i) {
        const CalibrationPoint& p = record.points[i];
        const double residual = i < record.residuals.size() ? record.residuals[i] : 0;
        const double step = c.of(p.input).gain * stepVolts(p.input);
        points.push_back({inputName(p.input), number(p.rawMean, 2), number(p.rawSpread, 2),
                          number(p.meterVolts, 4), number(residual, 4),
                          number(residual / step, 2)});
    }
    text += QLatin1Char('\n') +
            alignedTable({CalibrationTexts::tr("INPUT"), CalibrationTexts::tr("RAW MEAN"),
                          CalibrationTexts::tr("SPREAD"), CalibrationTexts::tr("METER V"),
                          CalibrationTexts::tr("RESIDUAL V"), CalibrationTexts::tr("STEPS")},
                         points);
    return text;
}

} // namespace velmor::results

#include "Calibrations.h"

#include "OpenStore.h"
#include "Printable.h"
#include "Schema.h"
#include "Sql.h"
#include "WithStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QUuid>

namespace velmor::results {

namespace {

struct CalibrationsText {
    Q_DECLARE_TR_FUNCTIONS(Calibrations)
};

const QString columns = QStringLiteral(
    "id, made_at, due, host, port, unit, operator, meter, certificate, accuracy_percent, "
    "accuracy_volts, gain5, offset5, error5, gain12, offset12, error12, gain33, offset33, error33");

// The rows of calibrations as records, their points read after.
std::variant<std::vector<CalibrationRecord>, QString>
calibrationsWhere(QSqlDatabase& db, const QString& where, const QVariantList& values) {
    if (!hasTable(db, QStringLiteral("calibrations")))
        return std::vector<CalibrationRecord>();
    auto rows = selectRows(db,
                           QStringLiteral("SELECT %1 FROM calibrations %2 ORDER BY made_at DESC, "
                                          "id DESC")
                               .arg(columns, where),
                           values);
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    std::vector<CalibrationRecord> records;
    for (const Row& row : std::get<Rows>(rows).rows) {
        CalibrationRecord r;
        Calibration& c = r.calibration;
        c.id = row[0].toString();
        r.madeAt = QDateTime::fromString(row[1].toString(), Qt::ISODateWithMs);
        c.date = r.madeAt.date();
        c.due = QDate::fromString(row[2].toString(), Qt::ISODate);
        r.host = row[3].toString();
        r.port = row[4].toString();
        r.unit = row[5].toString();
        r.operatorName = row[6].toString();
        c.meter = {row[7].toString(), row[8].toString(), row[9].toDouble(), row[10].toDouble()};
        for (int i = 0; i < inputCount; ++i)
            c.inputs[static_cast<std::size_t>(i)] = {
                row[11 + 3 * i].toDouble(), row[12 + 3 * i].toDouble(), row[13 + 3 * i].toDouble()};
        if (!r.madeAt.isValid() || !c.due.isValid())
            return CalibrationsText::tr("calibration %1: its dates cannot be read").arg(c.id);
        records.push_back(std::move(r));
    }
    for (CalibrationRecord& r : records) {
        auto points = selectRows(db,
                                 QStringLiteral("SELECT input, raw_mean, raw_spread, meter, "
                                                "residual FROM calibration_points WHERE "
                                                "calibration_id = ? ORDER BY seq"),
                                 {r.calibration.id});
        if (const auto* error = std::get_if<QString>(&points))
            return *error;
        for (const Row& row : std::get<Rows>(points).rows) {
            const auto input = parseInput(row[0].toString());
            if (!input)
                return CalibrationsText::tr("calibration %1: a point names no input")
                    .arg(r.calibration.id);
            r.points.push_back({*input, row[1].toDouble(), row[2].toDouble(), row[3].toDouble()});
            r.residuals.push_back(row[4].toDouble());
        }
    }
    return records;
}

std::variant<std::optional<CalibrationRecord>, QString>
firstOf(std::variant<std::vector<CalibrationRecord>, QString> found) {
    if (auto* error = std::get_if<QString>(&found))
        return *error;
    auto& records = std::get<std::vector<CalibrationRecord>>(found);
    if (records.empty())
        return std::optional<CalibrationRecord>();
    return std::optional<CalibrationRecord>(std::move(records.front()));
}

} // namespace

QString calibrationName(const Calibration& calibration) {
    return calibration.isCalibrated() ? calibration.id : QLatin1String(uncalibratedName);
}

std::optional<QString> insertCalibration(QSqlDatabase& db, CalibrationRecord& record) {
    Calibration& c = record.calibration;
    c.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    Transaction transaction(db);
    if (auto error = transaction.begin())
        return error;
    QVariantList values{c.id,
                        record.madeAt.toUTC().toString(Qt::ISODateWithMs),
                        c.due.toString(Qt::ISODate),
                        record.host,
                        record.port,
                        record.unit,
                        record.operatorName,
                        c.meter.name,
                        c.meter.certificate,
                        c.meter.accuracyPercent,
                        c.meter.accuracyVolts};
    for (const InputCorrection& input : c.inputs)
        values << input.gain << input.offset << input.standardError;
    if (auto error = run(db,
                         QStringLiteral("INSERT INTO calibrations (%1) VALUES (?, ?, ?, ?, ?, ?, "
                                        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                             .arg(columns),
                         values))
        return error;
    for (std::size_t i = 0; i < record.points.size(); ++i) {
        const CalibrationPoint& p = record.points[i];
        if (auto error =
                run(db,
                    QStringLiteral("INSERT INTO calibration_points (calibration_id, seq, "
                                   "input, raw_mean, raw_spread, meter, residual) "
                                   "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                    {c.id, static_cast<qlonglong>(i), inputName(p.input), p.rawMean, p.rawSpread,
                     p.meterVolts, i < record.residuals.size() ? record.residuals[i] : 0.0}))
            return error;
    }
    return transaction.commit();
}

std::variant<std::vector<CalibrationRecord>, QString> readCalibrations(QSqlDatabase& db) {
    return calibrationsWhere(db, QString(), {});
}

std::variant<std::optional<CalibrationRecord>, QString> findCalibration(QSqlDatabase& db,
                                                                        const QString& prefix) {
    if (prefix.size() < 4)
        return std::optional<CalibrationRecord>();
    auto found =
        calibrationsWhere(db, QStringLiteral("WHERE id LIKE ? ESCAPE '!'"), {likePrefix(prefix)});
    if (const auto* records = std::get_if<std::vector<CalibrationRecord>>(&found))
        if (records->size() > 1)
            return CalibrationsText::tr(
                       "\"%1\" is ambiguous: %2 calibrations have ids starting with it")
                .arg(prefix)
                .arg(records->size());
    return firstOf(std::move(found));
}

std::variant<std::optional<CalibrationRecord>, QString> newestCalibration(QSqlDatabase& db,
                                                                          const QString& host) {
    return firstOf(calibrationsWhere(db, QStringLiteral("WHERE host = ?"), {host}));
}

std::variant<Calibration, QString> namedCalibration(QSqlDatabase& db, const QString& name) {
    if (name.isEmpty() || name == QLatin1String(uncalibratedName))
        return Calibration{};
    auto found = findCalibration(db, name);
    if (auto* error = std::get_if<QString>(&found))
        return *error;
    const auto& record = std::get<std::optional<CalibrationRecord>>(found);
    if (!record || record->calibration.id != name)
        return CalibrationsText::tr("it names calibration %1, which the store does not hold")
            .arg(printable(name));
    return record->calibration;
}

std::optional<QString> keepCalibration(const StoreAddress& store, CalibrationRecord& record) {
    if (store.kind == StoreAddress::Kind::Off)
        return CalibrationsText::tr(
            "the results store is off (--results off): a calibration must be kept");
    record.host = QSysInfo::machineHostName();
    return withStore(store, "calibration", [&record](QSqlDatabase& db) -> std::optional<QString> {
        if (auto error = prepareSchema(db))
            return error;
        return insertCalibration(db, record);
    });
}

std::variant<Calibration, QString> benchCalibration(const StoreAddress& store) {
    // A store not made yet holds no calibration, and looking must not make it.
    if (store.kind == StoreAddress::Kind::Off ||
        (store.kind == StoreAddress::Kind::SQLite && !QFile::exists(store.path)))
        return Calibration{};
    return withStore(store, "bench-calibration",
                     [](QSqlDatabase& db) -> std::variant<Calibration, QString> {
                         auto newest = newestCalibration(db, QSysInfo::machineHostName());
                         if (auto* error = std::get_if<QString>(&newest))
                             return *error;
                         auto& record = std::get<std::optional<CalibrationRecord>>(newest);
                         return record ? record->calibration : Calibration{};
                     });
}

} // namespace velmor::results

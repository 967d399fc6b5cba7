#pragma once

#include "Calibration.h"
#include "StoreAddress.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace velmor::results {

// A calibration of the bench's unit as the store keeps it, for good: a new one never rewrites an
// old one. The bench's current calibration is its newest.
struct CalibrationRecord {
    Calibration calibration; // its id given when it is kept
    QDateTime madeAt;        // UTC
    QString host;            // the bench
    QString port;
    QString unit; // the unit's identity, where the operator gave one
    QString operatorName;
    std::vector<CalibrationPoint> points; // in the order they were measured
    std::vector<double> residuals;        // of each point, in volts
};

// What a run or sweep record says it was judged with: a calibration's id, or "uncalibrated".
inline constexpr auto uncalibratedName = "uncalibrated";
QString calibrationName(const Calibration& calibration);

// The calibration a sweep's record names, to judge its cells again: the uncalibrated state for
// "uncalibrated" and for a record from before calibrations (empty); an error where the store holds
// no calibration of exactly that id.
std::variant<Calibration, QString> namedCalibration(QSqlDatabase& db, const QString& name);

// Stores the calibration with a new id (set in the record) in one transaction; the error if any.
std::optional<QString> insertCalibration(QSqlDatabase& db, CalibrationRecord& record);

// The calibrations, newest first; a store from before calibrations has none.
std::variant<std::vector<CalibrationRecord>, QString> readCalibrations(QSqlDatabase& db);
// The one whose id starts with the prefix (at least 4 characters); none where no id does.
std::variant<std::optional<CalibrationRecord>, QString> findCalibration(QSqlDatabase& db,
                                                                        const QString& prefix);
// The newest calibration of the bench (host); none where it has none.
std::variant<std::optional<CalibrationRecord>, QString> newestCalibration(QSqlDatabase& db,
                                                                          const QString& host);

// Opens the store on the calling thread (never the UI's) and keeps the calibration there.
std::optional<QString> keepCalibration(const StoreAddress& store, CalibrationRecord& record);
// Opens the store on the calling thread (never the UI's) and reads this machine's current
// calibration: the uncalibrated state where it has none or the store has not been made.
std::variant<Calibration, QString> benchCalibration(const StoreAddress& store);

} // namespace velmor::results

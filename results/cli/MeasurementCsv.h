#pragma once

#include "RecordList.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <variant>

namespace velmor::results {

// One CSV line per measurement of the runs a list's filters choose (or of the one run `runId`
// names): run id, unit, model, bench, operator, plan, step, point and output (from a name such as
// "+12 V at P3"), the measurement's name, value, unit, low and high limits, outcome, the time its
// step ended and the calibration the run was measured under ("uncalibrated" where none). UTF-8
// with a byte order mark, so that spreadsheet programs read Cyrillic names right; "." decimals.
struct MeasurementRows {
    QByteArray csv;
    int runs = 0;
    QStringList refused; // each measurement left out and why
};
std::variant<MeasurementRows, QString>
measurementsCsv(QSqlDatabase& db, int version, const ListFilter& filter, const QString& runId = {});

// Writes them into the folder as measurements.csv; the file written or why not.
std::variant<QStringList, QString> exportMeasurements(const MeasurementRows& rows,
                                                      const QString& folder);

} // namespace velmor::results

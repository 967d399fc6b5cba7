#pragma once

#include "SessionRead.h"
#include "SessionReport.h"
#include "SessionSheetOf.h"
#include "SweepRead.h"

#include <QSqlDatabase>
#include <QString>

#include <variant>

namespace velmor::results {

// Writes the file whole or not at all, and never through a link planted at its name; why not.
std::optional<QString> writeFile(const QString& path, const QByteArray& bytes);

QString sweepText(const StoredSweep& sweep);
// "Judged with calibration ID" or "Judged uncalibrated (the design's formulas)", and whether the
// bench's calibration was overdue or missing, as a run's or sweep's record names them; a line.
QString judgedWithLine(const QString& calibration, const QString& warning);
QString sessionText(const StoredSession& session);

// Writes the sweep's .bmp, .csv and .txt into the folder, as the save button writes them, under
// its saved name (or its short id); returns the files written or why not.
std::variant<QStringList, QString> exportSweep(const StoredSweep& sweep, const QString& folder);

// Writes one CSV line per reading of the session into the folder.
std::variant<QStringList, QString> exportSession(const StoredSession& session,
                                                 const QString& folder);

// Writes the record's one-page PDF report into the folder: a sweep's under its saved name (or its
// short id), a session's as "session-<short id>.pdf"; returns the file written or why not.
std::variant<QStringList, QString> reportSweep(const StoredSweep& sweep, const QString& folder);
std::variant<QStringList, QString> reportSession(const StoredSession& session,
                                                 const QString& folder);

// Compares two sweeps of the same limits cell by cell: the text, and a difference map written
// into the folder, each cell coloured by how many classes it moved (green: none).
struct Comparison {
    QString text;
};
std::variant<Comparison, QString> compareSweeps(const StoredSweep& a, const StoredSweep& b,
                                                const QString& folder);

} // namespace velmor::results

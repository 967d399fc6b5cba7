#pragma once

#include "Reply.h"

#include <QSqlDatabase>
#include <QString>

namespace velmor::web {

// A record's page: its header and outcome, a sweep's map and summary or a session's readings
// summary (as velmor-results show gives them), and links to its PDF report and CSV. The id, or
// the start of one as the list shows it, is checked before it is looked up; an unknown one is
// 404, one that starts several ids lists them.
Reply recordPage(QSqlDatabase& db, int version, const QString& id);

// A sweep's map as PNG, drawn as velmor-results export draws it.
Reply mapPicture(QSqlDatabase& db, int version, const QString& id);

// A session's or a run's voltages over time as PNG, as their reports draw them.
Reply voltsPicture(QSqlDatabase& db, int version, const QString& id);

// The record's file as velmor-results makes it: "report.pdf" (the one-page report) or
// "export.csv" (a sweep's cells, a session's readings).
Reply recordFile(QSqlDatabase& db, int version, const QString& id, const QString& file);

} // namespace velmor::web

#pragma once

#include "RecordList.h"
#include "RunRead.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace velmor::results {

// The runs a list's filters or a search picks, without steps or readings.

// The runs a list shows (added to listing); version is the store's schema version.
std::optional<QString> listRuns(QSqlDatabase& db, int version, const ListFilter& filter,
                                Listing& listing);

// The unit's last run of the plan that passed (pass or marginal), without steps or readings;
// nothing when there is none. The plan is the same when its name and the text it was read from
// are: a plan edited since (other points, other limits) is another test. A row that breaks what
// the bench writes is passed over.
std::variant<std::optional<StoredRun>, QString> lastPassedRun(QSqlDatabase& db,
                                                              const QString& serial,
                                                              const QString& planName,
                                                              const QString& planText);

// The runs of a list's filters, newest first, without steps or readings, and why each one left
// out was refused.
struct RunSelection {
    std::vector<StoredRun> runs;
    QStringList refused;
};
std::variant<RunSelection, QString> selectRuns(QSqlDatabase& db, int version,
                                               const ListFilter& filter);

} // namespace velmor::results

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace velmor::results {

// Rows under a header, each column as wide as its widest cell, two spaces apart; every row has
// as many cells as the header.
QString alignedTable(const QStringList& header, const std::vector<QStringList>& rows);
// The same with the cells row after row in one list of views of texts kept elsewhere, none made
// per row, and the text after the table in the same string (a list's count line under its 10,000
// lines, not a copy of them).
QString alignedTable(const QStringList& header, const std::vector<QStringView>& cells,
                     const QString& after = {});

// The line under a list of records: how many it shows and, when a limit left some out, how many
// and that --all or --limit shows them. A unit's history leaves out the earlier ones, the list
// the older ones beyond its newest.
enum class LeftOut { More, Earlier };
QString recordCount(qsizetype shown, qint64 leftOut, LeftOut which);

// The first 8 characters of an id, as the list shows it.
QString shortId(const QString& id);

// A stored time (UTC, ISO 8601) as people read it: local, with its offset from UTC; "-" for none.
QString shownTime(const QString& stored);

// A record's end state as people read it: "open" while it has none.
QString shownState(const QString& state);

} // namespace velmor::results

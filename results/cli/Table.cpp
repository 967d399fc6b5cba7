#include "Table.h"

#include "ReportPage.h"

#include <QDateTime>

#include <algorithm>

namespace velmor::results {

QString alignedTable(const QStringList& header, const std::vector<QStringList>& rows) {
    std::vector<qsizetype> widths(static_cast<std::size_t>(header.size()));
    const auto measure = [&](const QStringList& row) {
        for (qsizetype i = 0; i < row.size() && i < header.size(); ++i)
            widths[static_cast<std::size_t>(i)] =
                std::max(widths[static_cast<std::size_t>(i)], row[i].size());
    };
    measure(header);
    for (const QStringList& row : rows)
        measure(row);
    // One string of the whole table's size, each cell padded in place.
    qsizetype lineSize = 1;
    for (const qsizetype width : widths)
        lineSize += width + 2;
    QString table;
    table.reserve(lineSize * static_cast<qsizetype>(rows.size() + 1));
    const auto line = [&](const QStringList& row) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            table += row[i];
            if (i + 1 < row.size())
                table.resize(table.size() +
                                 std::max<qsizetype>(
                                     widths[static_cast<std::size_t>(i)] + 2 - row[i].size(), 0),
                             QLatin1Char(' '));
        }
        table += QLatin1Char('\n');
    };
    line(header);
    for (const QStringList& row : rows)
        line(row);
    return table;
}

QString shortId(const QString& id) {
    return id.left(8);
}

QString shownTime(const QString& stored) {
    if (stored.isEmpty())
        return QStringLiteral("-");
    const QDateTime time = QDateTime::fromString(stored, Qt::ISODateWithMs);
    return time.isValid() ? localTimeText(time) : stored;
}

QString shownState(const QString& state) {
    return state.isEmpty() ? QStringLiteral("open") : state;
}

} // namespace velmor::results

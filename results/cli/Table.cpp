#include "Table.h"
#include "Text.h"

#include "LocalTime.h"
#include "StoredTime.h"

#include <QDateTime>

#include <algorithm>

namespace velmor::results {

QString alignedTable(const QStringList& header, const std::vector<QStringView>& cells,
                     const QString& after) {
    const auto columns = static_cast<std::size_t>(header.size());
    std::vector<qsizetype> widths(columns);
    for (std::size_t i = 0; i < columns; ++i)
        widths[i] = header[static_cast<qsizetype>(i)].size();
    for (std::size_t i = 0; i < cells.size(); ++i)
        widths[i % columns] = std::max(widths[i % columns], cells[i].size());
    // One string of the whole table's size, each cell copied and padded in place.
    const auto lines = static_cast<qsizetype>(cells.size() / columns + 1);
    qsizetype size = header.back().size() + lines + after.size();
    for (std::size_t i = 0; i + 1 < columns; ++i)
        size += (widths[i] + 2) * lines;
    for (std::size_t i = columns - 1; i < cells.size(); i += columns)
        size += cells[i].size();
    QString table(size, Qt::Uninitialized);
    QChar* out = table.data();
    const auto put = [&](QStringView cell, std::size_t column) {
        out = std::copy(cell.begin(), cell.end(), out);
        if (column + 1 < columns)
            out = std::fill_n(out, widths[column] + 2 - cell.size(), QLatin1Char(' '));
        else
            *out++ = QLatin1Char('\n');
    };
    for (std::size_t i = 0; i < columns; ++i)
        put(header[static_cast<qsizetype>(i)], i);
    for (std::size_t i = 0; i < cells.size(); ++i)
        put(cells[i], i % columns);
    std::copy(after.begin(), after.end(), out);
    return table;
}

QString alignedTable(const QStringList& header, const std::vector<QStringList>& rows) {
    std::vector<QStringView> cells;
    cells.reserve(rows.size() * static_cast<std::size_t>(header.size()));
    for (const QStringList& row : rows)
        cells.insert(cells.end(), row.begin(), row.end());
    return alignedTable(header, cells);
}

QString recordCount(qsizetype shown, qint64 leftOut, LeftOut which) {
    if (leftOut <= 0)
        return shown == 1 ? Text::tr("(1 record)\n") : Text::tr("(%1 records)\n").arg(shown);
    const QString rest =
        which == LeftOut::More
            ? Text::tr("%1 more: --all lists every one, --limit N the newest N").arg(leftOut)
            : Text::tr("%1 earlier: --all shows every one, --limit N the newest N").arg(leftOut);
    return shown == 1 ? Text::tr("(the newest record; %1)\n").arg(rest)
                      : Text::tr("(the newest %1 records; %2)\n").arg(shown).arg(rest);
}

QString shortId(const QString& id) {
    return id.left(8);
}

QString shownTime(const QString& stored) {
    if (stored.isEmpty())
        return QStringLiteral("-");
    if (const auto ms = storedTimeMs(stored))
        return localTimeText(*ms);
    const QDateTime time = QDateTime::fromString(stored, Qt::ISODateWithMs);
    return time.isValid() ? localTimeText(time) : stored;
}

QString shownState(const QString& state) {
    return state.isEmpty() ? QStringLiteral("open") : state;
}

} // namespace velmor::results

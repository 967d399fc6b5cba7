#include "ListText.h"

#include "Finding.h"
#include "Printable.h"
#include "StoredTime.h"
#include "Table.h"

#include <algorithm>
#include <limits>

namespace velmor::results {

void ListText::add(const Listed& r) {
    // A start is read back only in the bench's own form, whose milliseconds order as its text.
    lines_.push_back({storedTimeMs(r.startedAt).value_or(std::numeric_limits<qint64>::min()),
                      texts_.put(r.startedAt), texts_.put(r.id), cells_.size()});
    cells_.push_back(lines_.back().id.left(8));
    cells_.push_back(texts_.put(r.run     ? QStringView(u"run")
                                : r.sweep ? QStringView(u"sweep")
                                          : QStringView(u"session")));
    cells_.push_back(texts_.put(shownTime(r.startedAt)));
    cells_.push_back(texts_.put(shownState(r.endState)));
    cells_.push_back(texts_.put(printable(r.host)));
    cells_.push_back(texts_.put(printable(r.unit)));
    cells_.push_back(texts_.put(printable(r.name)));
    cells_.push_back(texts_.put(QString::number(r.count)));
    // A run that did not pass with what decided it, short: "fail: +12 V 11.29 V < 11.40 V at P3".
    cells_.push_back(r.reason.isEmpty() ? texts_.put(r.verdict)
                                        : texts_.put(r.verdict + QStringLiteral(": ") +
                                                     printable(shownFinding(r.reason, true))));
}

QString ListText::text(qint64 more) const {
    std::vector<const Line*> order;
    order.reserve(lines_.size());
    for (const Line& line : lines_)
        order.push_back(&line);
    std::sort(order.begin(), order.end(), [](const Line* a, const Line* b) {
        return a->startedMs != b->startedMs ? a->startedMs > b->startedMs
                                            : listsBefore(a->startedAt, a->id, b->startedAt, b->id);
    });
    std::vector<QStringView> cells;
    cells.reserve(cells_.size());
    for (const Line* line : order)
        for (std::size_t i = 0; i < cellsPerLine; ++i)
            cells.push_back(cells_[line->firstCell + i]);
    return alignedTable(
        {QStringLiteral("id"), QStringLiteral("kind"), QStringLiteral("started"),
         QStringLiteral("end"), QStringLiteral("bench"), QStringLiteral("unit"),
         QStringLiteral("name"), QStringLiteral("cells/ticks"), QStringLiteral("verdict")},
        cells, recordCount(static_cast<qsizetype>(lines_.size()), more, LeftOut::More));
}

} // namespace velmor::results

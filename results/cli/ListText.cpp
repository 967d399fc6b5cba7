#include "ListText.h"
#include "Text.h"

#include "Printable.h"
#include "Table.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace velmor::results {

void ListText::add(const Listed& r) {
    lines_.push_back({r.startedAt,
                      r.id,
                      {shortId(r.id),
                       r.run     ? QStringLiteral("run")
                       : r.sweep ? QStringLiteral("sweep")
                                 : QStringLiteral("session"),
                       shownTime(r.startedAt), shownState(r.endState), printable(r.host),
                       printable(r.unit), printable(r.name), QString::number(r.count), r.verdict}});
}

QString ListText::text() {
    std::vector<Line*> order;
    order.reserve(lines_.size());
    for (Line& line : lines_)
        order.push_back(&line);
    std::sort(order.begin(), order.end(), [](const Line* a, const Line* b) {
        return listsBefore(a->startedAt, a->id, b->startedAt, b->id);
    });
    std::vector<QString> cells;
    cells.reserve(lines_.size() * 9);
    for (Line* line : order)
        cells.insert(cells.end(), std::make_move_iterator(line->cells.begin()),
                     std::make_move_iterator(line->cells.end()));
    return alignedTable({QStringLiteral("id"), QStringLiteral("kind"), QStringLiteral("started"),
                         QStringLiteral("end"), QStringLiteral("bench"), QStringLiteral("unit"),
                         QStringLiteral("name"), QStringLiteral("cells/ticks"),
                         QStringLiteral("verdict")},
                        cells,
                        lines_.size() == 1 ? Text::tr("(1 record)\n")
                                           : Text::tr("(%1 records)\n").arg(lines_.size()));
}

} // namespace velmor::results

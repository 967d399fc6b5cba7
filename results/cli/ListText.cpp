#include "ListText.h"
#include "Text.h"

#include "Printable.h"
#include "Table.h"

namespace velmor::results {

QString listText(const std::vector<Listed>& records) {
    std::vector<QString> cells;
    cells.reserve(records.size() * 9);
    for (const Listed& r : records)
        cells.insert(cells.end(),
                     {shortId(r.id),
                      r.run     ? QStringLiteral("run")
                      : r.sweep ? QStringLiteral("sweep")
                                : QStringLiteral("session"),
                      shownTime(r.startedAt), shownState(r.endState), printable(r.host),
                      printable(r.unit), printable(r.name), QString::number(r.count), r.verdict});
    return alignedTable({QStringLiteral("id"), QStringLiteral("kind"), QStringLiteral("started"),
                         QStringLiteral("end"), QStringLiteral("bench"), QStringLiteral("unit"),
                         QStringLiteral("name"), QStringLiteral("cells/ticks"),
                         QStringLiteral("verdict")},
                        cells,
                        records.size() == 1 ? Text::tr("(1 record)\n")
                                            : Text::tr("(%1 records)\n").arg(records.size()));
}

} // namespace velmor::results

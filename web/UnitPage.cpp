#include "UnitPage.h"
#include "WebText.h"

#include "History.h"
#include "Html.h"

namespace velmor::web {

Reply unitPage(QSqlDatabase& db, int version, const QUrlQuery& query) {
    const QString serial = query.queryItemValue(QStringLiteral("serial"), QUrl::FullyDecoded);
    if (serial.isEmpty())
        return failure(400, WebText::tr("the unit is given as ?serial=SERIAL"));
    const auto history = results::unitEntries(db, version, serial);
    if (const auto* error = std::get_if<QString>(&history))
        return failure(500, *error);
    const auto& entries = std::get<results::UnitEntries>(history).entries;
    std::vector<QStringList> rows;
    rows.reserve(entries.size());
    for (const results::HistoryEntry& e : entries) {
        const results::HistoryCells& c = e.cells;
        rows.push_back({link(QStringLiteral("/record/") + e.id, c[0]), shownWord(c[1]), html(c[2]),
                        html(c[3]), html(c[4]), shownWord(c[5]), outcomeCell(c[6]), html(c[7])});
    }
    QString body = QStringLiteral("<p>%1</p>\n")
                       .arg(link(QStringLiteral("/?unit=") + urlPart(serial),
                                 WebText::tr("Its records in the list")));
    body += rows.empty()
                ? QStringLiteral("<p>%1</p>\n").arg(html(WebText::tr("No records of this unit.")))
                : table({WebText::tr("id"), WebText::tr("kind"), WebText::tr("started"),
                         WebText::tr("bench"), WebText::tr("operator"), WebText::tr("end"),
                         WebText::tr("outcome"), WebText::tr("figures")},
                        rows) +
                      QStringLiteral("<p>%1</p>\n")
                          .arg(html(WebText::tr("%n record(s)", nullptr,
                                                static_cast<int>(entries.size()))));
    return {200, "text/html; charset=utf-8", page(WebText::tr("Unit %1").arg(serial), body)};
}

} // namespace velmor::web

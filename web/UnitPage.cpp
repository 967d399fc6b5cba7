#include "UnitPage.h"
#include "WebText.h"

#include "History.h"
#include "Html.h"

namespace velmor::web {

Reply unitPage(QSqlDatabase& db, int version, const QUrlQuery& query) {
    const QString serial = query.queryItemValue(QStringLiteral("serial"), QUrl::FullyDecoded);
    if (serial.isEmpty())
        return failure(400, WebText::tr("the unit is given as ?serial=SERIAL"));
    const auto history = results::unitHistory(db, version, serial);
    if (const auto* error = std::get_if<QString>(&history))
        return failure(500, *error);
    const QString body = QStringLiteral("<p>%1</p>\n")
                             .arg(link(QStringLiteral("/?unit=") + urlPart(serial),
                                       WebText::tr("Its records in the list"))) +
                         preformatted(std::get<results::UnitHistory>(history).text);
    return {200, "text/html; charset=utf-8", page(WebText::tr("Unit %1").arg(serial), body)};
}

} // namespace velmor::web

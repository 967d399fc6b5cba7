#include "WebView.h"
#include "WebText.h"

#include "Access.h"
#include "BenchPage.h"
#include "CalibrationsPage.h"
#include "ChartPage.h"
#include "GoldenPage.h"
#include "Html.h"
#include "ListPage.h"
#include "ParetoPage.h"
#include "RecordPage.h"
#include "RepeatabilityPage.h"
#include "SummaryPage.h"
#include "UnitPage.h"

#include <QUrlQuery>

namespace velmor::web {

namespace {

// What takes longest to make: a record's picture or file (/record/ID/FILE), the pictures over
// time (/chart/…) and the measurements of many runs.
bool isFile(const QString& path) {
    const QStringList parts = path.split(QLatin1Char('/'));
    return (parts.size() == 4 && parts[1] == QLatin1String("record")) ||
           (parts.size() == 3 && parts[1] == QLatin1String("chart")) ||
           path == QLatin1String("/measurements.csv");
}

} // namespace

WebView::WebView(const results::StoreAddress& store, int version, QByteArray token,
                 QStringList hostNames, QStringList golden, QObject* parent)
    : QObject(parent), version_(version), token_(std::move(token)),
      hostNames_(std::move(hostNames)), golden_(std::move(golden)), workers_(store) {}

std::optional<Reply> WebView::refused(const Request& request) const {
    if (token_.isEmpty()) {
        if (!hostNames_.contains(hostName(request), Qt::CaseInsensitive))
            return failure(421, WebText::tr("this view answers to %1 only")
                                    .arg(hostNames_.join(QStringLiteral(", "))));
        return std::nullopt;
    }
    if (tokenShown(request, token_) != Shown::No)
        return std::nullopt;
    Reply reply = failure(401, WebText::tr("this view needs its token: the header "
                                           "\"Authorization: Bearer TOKEN\", the cookie token or "
                                           "?token=TOKEN"));
    reply.headers.push_back({"WWW-Authenticate", "Bearer"});
    return reply;
}

void WebView::handle(const Request& request, const HttpFront::Respond& respond) {
    if (auto refusal = refused(request)) {
        respond(*refusal);
        return;
    }
    // A browser that came with the token in its address keeps it for the links it follows.
    const bool setCookie = !token_.isEmpty() && tokenShown(request, token_) == Shown::Query;
    const QUrl url = request.url;
    workers_.submit(
        isFile(url.path(QUrl::FullyDecoded)),
        [this, url, setCookie](QSqlDatabase& db) {
            Reply reply = answer(db, url);
            if (setCookie)
                reply.headers.push_back(
                    {"Set-Cookie", "token=" + token_ + "; Path=/; HttpOnly; SameSite=Strict"});
            return reply;
        },
        respond);
}

Reply WebView::answer(QSqlDatabase& db, const QUrl& url) const {
    const QString path = url.path(QUrl::FullyDecoded);
    const QUrlQuery query(url);
    if (path == QLatin1String("/"))
        return listPage(db, version_, query);
    if (path == QLatin1String("/summary"))
        return summaryPage(db, version_, golden_);
    if (path == QLatin1String("/measurements.csv"))
        return measurementsFile(db, version_, query);
    if (path == QLatin1String("/benches"))
        return benchPage(db, version_, query);
    if (path == QLatin1String("/golden"))
        return goldenPage(db, version_, query, golden_);
    if (path == QLatin1String("/charts"))
        return chartPage(db, version_, query);
    if (path.startsWith(QLatin1String("/chart/")))
        return chartPicture(db, version_, path.mid(7), query);
    if (path == QLatin1String("/repeatability"))
        return repeatabilityPage(db, version_, query);
    if (path == QLatin1String("/pareto"))
        return paretoPage(db, version_, query);
    if (path == QLatin1String("/unit"))
        return unitPage(db, version_, query);
    if (path == QLatin1String("/calibrations"))
        return calibrationsPage(db);
    if (path.startsWith(QLatin1String("/calibrations/")))
        return calibrationPage(db, path.mid(14));
    if (path == QLatin1String("/style.css"))
        return {200, "text/css; charset=utf-8", styleSheet()};
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() >= 3 && parts.size() <= 4 && parts[0].isEmpty() &&
        parts[1] == QLatin1String("record")) {
        if (parts.size() == 3)
            return recordPage(db, version_, parts[2]);
        if (parts[3] == QLatin1String("map.png"))
            return mapPicture(db, version_, parts[2]);
        if (parts[3] == QLatin1String("volts.png"))
            return voltsPicture(db, version_, parts[2]);
        return recordFile(db, version_, parts[2], parts[3]);
    }
    return failure(404, WebText::tr("no such page"));
}

} // namespace velmor::web

#include "moc_WebView.cpp"

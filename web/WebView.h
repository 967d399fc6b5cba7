#pragma once

#include "HttpFront.h"
#include "PageWorkers.h"
#include "Reply.h"
#include "Request.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QStringList>

namespace velmor::web {

// The read-only web view of a results store. Pages:
//   /                    the records, with filters and pages
//   /record/ID           one record; /record/ID/map.png, /record/ID/report.pdf, .../export.csv;
//                        ID may be the start of an id, as the list shows it
//   /measurements.csv    the measurements of the runs the list's filters choose, a line each
//   /unit?serial=S       one unit's history
//   /pareto              failures by cause, yields and retests of a model, bench and period
//   /repeatability       the spread of one unit's measurements on one plan, %GRR
//   /charts              first-pass yield per day and a control chart, as /chart/NAME.png
//   /golden?serial=S     a golden unit's readings on each bench against its first runs; without
//                        a serial, those of the golden units named in the models file
//   /benches             each bench's mean at the reference points against all benches'
//   /summary             the completed sweeps and plan runs by model, bench and day, the
//                        outputs' capability at the plans' load points, the golden units' drift
// With a token, a request without it is answered 401; without one, a request must name one of
// hostNames (with any port) as its Host, so that a page of another site cannot read the view
// through a name of its own that resolves to this address.
class WebView final : public QObject {
    Q_OBJECT
public:
    // golden: the golden units' serials, as the models file names them.
    WebView(const results::StoreAddress& store, int version, QByteArray token,
            QStringList hostNames, QStringList golden, QObject* parent = nullptr);

    // Answers the request, its pages made on the workers' threads.
    void handle(const Request& request, const HttpFront::Respond& respond);

private:
    // The answer to a GET of the path and query; what the request may see is judged before.
    Reply answer(QSqlDatabase& db, const QUrl& url) const;
    std::optional<Reply> refused(const Request& request) const;

    int version_;
    QByteArray token_;
    QStringList hostNames_;
    QStringList golden_;
    PageWorkers workers_;
};

} // namespace velmor::web

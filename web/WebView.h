#pragma once

#include "Reply.h"

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QSqlDatabase>

namespace velmor::web {

// The read-only web view of a results store, on the Qt event loop (so the one connection stays
// on the thread that opened it). Pages:
//   /                    the records, with filters and pages
//   /record/ID           one record; /record/ID/map.png, /record/ID/report.pdf, .../export.csv
//   /unit?serial=S       one unit's history
//   /summary             the completed sweeps and plan runs by model, bench and day, and
//                        the outputs' capability at the plans' load points
// With a token, a request without it is answered 401.
class WebView final : public QAbstractHttpServer {
    Q_OBJECT
public:
    WebView(QSqlDatabase db, int version, QByteArray token, QObject* parent = nullptr);

    // The answer to a GET of the path and query; what a request's token allows is judged before.
    Reply answer(const QUrl& url);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    QSqlDatabase db_;
    int version_;
    QByteArray token_;
};

} // namespace velmor::web

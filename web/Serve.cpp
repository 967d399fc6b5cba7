#include "Serve.h"

#include "Access.h"
#include "Printable.h"
#include "ReadOnlyStore.h"
#include "Schema.h"
#include "Sql.h"
#include "TerminationSignals.h"
#include "WebText.h"
#include "WebView.h"

#include <QCoreApplication>
#include <QTcpServer>

#include <cstdio>

namespace velmor::results {

namespace {

int refuse(const QString& message) {
    std::fprintf(stderr, "velmor-results: %s\n", qPrintable(printable(message)));
    return 1;
}

} // namespace

int serveRecords(const StoreAddress& store, const QString& listen, const QString& tokenFile) {
    using web::WebText;
    const auto parsed = web::parseListen(listen);
    if (const auto* error = std::get_if<QString>(&parsed))
        return refuse(*error);
    const web::ListenAddress address = std::get<web::ListenAddress>(parsed);
    QByteArray token;
    if (!tokenFile.isEmpty()) {
        const auto read = web::readTokenFile(tokenFile);
        if (const auto* error = std::get_if<QString>(&read))
            return refuse(*error);
        token = std::get<QByteArray>(read);
    } else if (!address.host.isLoopback()) {
        return refuse(WebText::tr("%1 is not a loopback address: serving the records there "
                                  "needs --token-file FILE")
                          .arg(address.host.toString()));
    }
    auto opened = results::openReadOnly(store, QStringLiteral("velmor-results-serve"));
    if (const auto* error = std::get_if<QString>(&opened))
        return refuse(*error);
    QSqlDatabase db = std::get<QSqlDatabase>(opened);
    const qint64 stored = storedSchemaVersion(db);
    if (stored < 0 || stored > schemaVersion)
        return refuse(unknownSchemaRefused(db, stored));
    const auto version = static_cast<int>(stored);
    if (version < oldestReadableVersion)
        return refuse(WebText::tr("%1 holds no velmor-test records").arg(describe(db)));

    TerminationSignals terminations;
    if (terminations.error())
        return refuse(*terminations.error());
    web::WebView view(db, version, token);
    auto* server = new QTcpServer(&view);
    if (!server->listen(address.host, address.port))
        return refuse(WebText::tr("cannot listen on %1: %2").arg(listen, server->errorString()));
    view.bind(server);
    const quint16 port = server->serverPort();
    const QString host = address.host.protocol() == QAbstractSocket::IPv6Protocol
                             ? QStringLiteral("[%1]").arg(address.host.toString())
                             : address.host.toString();
    // The first line says where: a test or a script that asked for port 0 reads it here.
    std::printf("%s\n", qPrintable(WebText::tr("serving %1 at http://%2:%3/")
                                       .arg(printable(describe(db)), host)
                                       .arg(port)));
    std::fflush(stdout);
    int status = 0;
    QObject::connect(&terminations, &TerminationSignals::received, [&status](int signal) {
        status = TerminationSignals::exitStatus(signal);
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    return status;
}

} // namespace velmor::results

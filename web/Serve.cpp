#include "Serve.h"

#include "Access.h"
#include "HttpFront.h"
#include "ModelsFile.h"
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

int serveRecords(const StoreAddress& store, const QString& listen, const QString& tokenFile,
                 const QString& modelsFile) {
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
    const auto models = readModels(modelsFile);
    if (const auto* error = std::get_if<PlanError>(&models))
        return refuse(error->text());
    QStringList golden;
    for (const auto& [serial, model] : std::get<Models>(models).golden)
        golden << serial;
    QString described;
    int version = 0;
    {
        // Checked once here, so that a store the view cannot show is said before it listens; the
        // pages are made on connections of their own.
        auto opened = results::openReadOnly(store, QStringLiteral("velmor-results-serve"));
        if (const auto* error = std::get_if<QString>(&opened))
            return refuse(*error);
        QSqlDatabase db = std::get<QSqlDatabase>(opened);
        described = describe(db);
        const qint64 stored = storedSchemaVersion(db);
        if (stored < 0 || stored > schemaVersion)
            return refuse(unknownSchemaRefused(db, stored));
        version = static_cast<int>(stored);
        if (version < oldestReadableVersion)
            return refuse(WebText::tr("%1 holds no velmor-test records").arg(described));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("velmor-results-serve"));

    TerminationSignals terminations;
    if (terminations.error())
        return refuse(*terminations.error());
    web::WebView view(store, version, token, web::hostNames(address.host), golden);
    auto* server = new QTcpServer(&view);
    if (!server->listen(address.host, address.port))
        return refuse(WebText::tr("cannot listen on %1: %2").arg(listen, server->errorString()));
    const web::HttpFront front(
        server, [&view](const web::Request& request, const web::HttpFront::Respond& respond) {
            view.handle(request, respond);
        });
    const quint16 port = server->serverPort();
    const QString host = web::hostNames(address.host).front();
    // The first line says where: a test or a script that asked for port 0 reads it here.
    std::printf(
        "%s\n",
        qPrintable(
            WebText::tr("serving %1 at http://%2:%3/").arg(printable(described), host).arg(port)));
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

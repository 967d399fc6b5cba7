#include "StoreAddress.h"
#include "Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>

namespace velmor::results {

namespace {

// The libpq connection parameters a URL may carry besides host, in the order the message
// lists them. Left out: what the URL says itself (user, port, dbname), the passwords, and what
// the driver sets on its own (client_encoding) or a bench has no use for (replication).
const char* const passedParameters =
    "hostaddr sslmode sslrootcert sslcert sslkey sslcrl sslcrldir sslsni ssl_min_protocol_version "
    "ssl_max_protocol_version channel_binding gssencmode krbsrvname gsslib requirepeer passfile "
    "service target_session_attrs connect_timeout tcp_user_timeout keepalives keepalives_idle "
    "keepalives_interval keepalives_count application_name fallback_application_name options";

QStringList passedParameterNames() {
    return QString::fromLatin1(passedParameters).split(QLatin1Char(' '));
}

QString passwordRefused() {
    return Text::tr(
        "The results URL holds a password, which every user of this machine could read in "
        "the process list: leave it out and put it in ~/.pgpass (a line "
        "host:port:database:user:password, mode 0600) or in the environment variable "
        "PGPASSWORD");
}

// The URL's query, but host, as parameters to pass on; or why not, naming the parameter as the
// URL spells it (still percent-encoded, so nothing unprintable reaches the terminal).
std::variant<QList<std::pair<QString, QString>>, QString> connectionParameters(const QUrl& url) {
    QList<std::pair<QString, QString>> parameters;
    for (const auto& [encodedName, encodedValue] : QUrlQuery(url).queryItems(QUrl::FullyEncoded)) {
        const QString name = QUrl::fromPercentEncoding(encodedName.toUtf8());
        const QString value = QUrl::fromPercentEncoding(encodedValue.toUtf8());
        if (name == QLatin1String("host"))
            continue;
        if (name == QLatin1String("password") || name == QLatin1String("sslpassword"))
            return passwordRefused();
        if (!passedParameterNames().contains(name))
            return Text::tr("The results URL's parameter \"%1\" is not one this program passes to "
                            "PostgreSQL; it passes host, %2")
                .arg(encodedName, passedParameterNames().join(QStringLiteral(", ")));
        if (std::any_of(parameters.cbegin(), parameters.cend(),
                        [&name](const auto& given) { return given.first == name; }))
            return Text::tr("The results URL gives its parameter \"%1\" twice").arg(name);
        // The driver turns every ';' of its options into a blank.
        if (value.contains(QLatin1Char(';')) ||
            std::any_of(value.cbegin(), value.cend(),
                        [](QChar c) { return c.category() == QChar::Other_Control; }))
            return Text::tr("The results URL's parameter \"%1\" holds a ';' or a control character")
                .arg(name);
        parameters.append({name, value});
    }
    return parameters;
}

} // namespace

std::variant<StoreAddress, QString> parseResultsUrl(const QString& text) {
    StoreAddress address;
    address.port = 0;
    if (text == QLatin1String("off")) {
        address.kind = StoreAddress::Kind::Off;
        return address;
    }
    if (text.startsWith(QLatin1String("sqlite:"))) {
        const QString path = text.mid(7);
        if (!QDir::isAbsolutePath(path))
            return Text::tr("The SQLite path in \"%1\" must be absolute").arg(text);
        address.path = QDir::cleanPath(path);
        return address;
    }
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() ||
        (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres")))
        return Text::tr("\"%1\" is not a results URL: use postgresql://user@host:port/database, "
                        "sqlite:/path/file.sqlite or off")
            .arg(text);
    if (!url.password().isEmpty())
        return passwordRefused();
    auto parameters = connectionParameters(url);
    if (const auto* refused = std::get_if<QString>(&parameters))
        return *refused;
    address.kind = StoreAddress::Kind::Postgres;
    address.parameters = std::move(std::get<0>(parameters));
    address.user = url.userName();
    address.host = QUrlQuery(url).queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (address.host.isEmpty())
        address.host = url.host();
    address.port = url.port(5432);
    address.database = url.path().mid(1);
    if (address.host.isEmpty() || address.database.isEmpty() || address.database.contains('/'))
        return Text::tr("\"%1\" names no server or no database: use "
                        "postgresql://user@host:port/database")
            .arg(text);
    return address;
}

QString addressText(const StoreAddress& address) {
    switch (address.kind) {
    case StoreAddress::Kind::Off:
        return QStringLiteral("off");
    case StoreAddress::Kind::SQLite:
        return QStringLiteral("sqlite:") +
               QDir::cleanPath(QFileInfo(address.path).absoluteFilePath());
    case StoreAddress::Kind::Postgres:
        break;
    }
    return QStringLiteral("postgresql://%1@%2:%3/%4")
        .arg(address.user, address.host)
        .arg(address.port)
        .arg(address.database);
}

} // namespace velmor::results

#include "StoreChoice.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace velmor::results {

StoreAddress defaultStore() {
    StoreAddress address;
    address.path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                   QStringLiteral("/results.sqlite");
    return address;
}

QString configFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/velmor-test.conf");
}

QString modelsFilePath() {
    return QFileInfo(configFilePath()).path() + QStringLiteral("/models.toml");
}

std::variant<StoreAddress, QString> chooseStore(const std::optional<QString>& commandLineUrl) {
    if (commandLineUrl)
        return parseResultsUrl(*commandLineUrl);
    const QSettings config(configFilePath(), QSettings::IniFormat);
    const QString configured = config.value(QStringLiteral("results")).toString();
    if (!configured.isEmpty())
        return parseResultsUrl(configured);
    return defaultStore();
}

} // namespace velmor::results

#include "MapsFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmor {

MapsFolder chooseMapsFolder(const QString& programFolder, bool programFolderWritable,
                            const QString& userDataFolder) {
    if (programFolderWritable)
        return {programFolder + QStringLiteral("/Graf"), false};
    return {userDataFolder + QStringLiteral("/Graf"), true};
}

MapsFolder mapsFolderOfThisProgram() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString real = QFileInfo(program).canonicalFilePath();
    const bool underUsr = real.startsWith(QLatin1String("/usr/"));
    return chooseMapsFolder(program, QFileInfo(program).isWritable() && !underUsr,
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

std::optional<QString> prepareMapsFolder(const MapsFolder& folder) {
    if (!folder.userFolder || QFileInfo(folder.path).isDir())
        return std::nullopt;
    const QString absolute = QDir::cleanPath(QDir(folder.path).absolutePath());
    QString made;
    for (const QString& part : absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        made += QLatin1Char('/') + part;
        if (QFileInfo(made).isDir())
            continue;
        if (!QDir().mkdir(made, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return QCoreApplication::translate("MapsFolder", "Не удаётся создать папку %1 для карт")
                .arg(made);
    }
    return std::nullopt;
}

} // namespace velmor

#include "MapFile.h"

#include <QDir>
#include <QStringList>

namespace velmor {

std::variant<MapPath, MapNameRefused> mapFilePath(const QString& programFolder,
                                                  const QString& name) {
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = relative.split(QLatin1Char('/'));
    if (relative.isEmpty() || parts.last().isEmpty())
        return MapNameRefused{QStringLiteral("Cannot save a map without a name")};
    // The system would cut the name at a NUL and save the map under what comes before it.
    if (relative.contains(QChar(0)))
        return MapNameRefused{
            QStringLiteral("Cannot save the map: a file name cannot hold the character NUL")};
    bool leavesFolder = QDir::isAbsolutePath(relative) || parts.contains(QStringLiteral(".."));
#ifdef Q_OS_WIN
    leavesFolder = leavesFolder || relative.contains(QLatin1Char(':')); // "C:name" is on drive C
#endif
    if (leavesFolder)
        return MapNameRefused{
            QStringLiteral("Cannot save the map as \"%1\": the name leads out of the Graf folder")
                .arg(name)};
    return MapPath{programFolder + QStringLiteral("/Graf/") + relative + QStringLiteral(".bmp")};
}

} // namespace velmor

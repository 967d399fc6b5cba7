#include "MapFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace velmor {

namespace {

QString refused(const char* why) {
    return QCoreApplication::translate("velmor::MapFile", why);
}

} // namespace

std::variant<MapPath, MapNameRefused> mapFilePath(const QString& programFolder,
                                                  const QString& name) {
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = relative.split(QLatin1Char('/'));
    if (relative.isEmpty() || parts.last().isEmpty())
        return MapNameRefused{refused("Не удаётся сохранить карту без имени")};
    // The system would cut the name at a NUL and save the map under what comes before it.
    if (relative.contains(QChar(0)))
        return MapNameRefused{
            refused("Не удаётся сохранить карту: имя файла не может содержать символ NUL")};
    bool leavesFolder = QDir::isAbsolutePath(relative) || parts.contains(QStringLiteral(".."));
#ifdef Q_OS_WIN
    leavesFolder = leavesFolder || relative.contains(QLatin1Char(':')); // "C:name" is on drive C
#endif
    if (leavesFolder)
        return MapNameRefused{
            refused("Не удаётся сохранить карту как \"%1\": имя ведёт за пределы папки Graf")
                .arg(name)};
    return MapPath{programFolder + QStringLiteral("/Graf/") + relative + QStringLiteral(".bmp")};
}

} // namespace velmor

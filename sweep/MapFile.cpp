#include "MapFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace velmor {

namespace {

// This file's texts, looked up in the catalogue under "velmor::MapFile".
struct MapFileText {
    Q_DECLARE_TR_FUNCTIONS(velmor::MapFile)
};

} // namespace

std::variant<MapPath, MapNameRefused> mapFilePath(const QString& mapsFolder, const QString& name) {
    QString separated = name;
    separated.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList parts = separated.split(QLatin1Char('/'));
    for (QString& part : parts)
        part = part.trimmed();
    const QString relative = parts.join(QLatin1Char('/'));
    if (relative.isEmpty() || parts.last().isEmpty())
        return MapNameRefused{MapFileText::tr("Не удаётся сохранить карту без имени")};
    // The system would cut the name at a NUL and save the map under what comes before it.
    if (relative.contains(QChar(0)))
        return MapNameRefused{
            MapFileText::tr("Не удаётся сохранить карту: имя файла не может содержать символ NUL")};
    bool leavesFolder = separated.trimmed().startsWith(QLatin1Char('/')) ||
                        QDir::isAbsolutePath(relative) || parts.contains(QStringLiteral(".."));
#ifdef Q_OS_WIN
    leavesFolder = leavesFolder || relative.contains(QLatin1Char(':')); // "C:name" is on drive C
#endif
    if (leavesFolder)
        return MapNameRefused{
            MapFileText::tr(
                "Не удаётся сохранить карту как \"%1\": имя ведёт за пределы папки Graf")
                .arg(name)};
    // "." names the folder itself: "." would save a hidden "..bmp", "a\.\b" is "a\b" in disguise.
    if (parts.contains(QStringLiteral(".")))
        return MapNameRefused{
            MapFileText::tr("Не удаётся сохранить карту как \"%1\": \".\" не может быть именем")
                .arg(name.trimmed())};
    const QString file = relative + QStringLiteral(".bmp");
    return MapPath{mapsFolder + QLatin1Char('/') + file, file, parts.join(QLatin1Char('\\')),
                   QDir(mapsFolder).dirName() + QLatin1Char('/') + file};
}

} // namespace velmor

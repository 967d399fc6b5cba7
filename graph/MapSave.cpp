#include "MapSave.h"

#include "Files.h"
#include "SafeWrite.h"

#include <QCoreApplication>

namespace velmor {

MapFiles mapFilesBeside(const QString& bmpPath) {
    const QString stem = bmpPath.endsWith(QLatin1String(".bmp")) ? bmpPath.chopped(4) : bmpPath;
    return {stem + QStringLiteral(".bmp"), stem + QStringLiteral(".csv"),
            stem + QStringLiteral(".txt")};
}

std::optional<QString> saveMapFiles(const QString& mapsFolder, const MapFiles& files,
                                    const QImage& map, const QByteArray& csv,
                                    const QByteArray& summary) {
    const auto bmp = ui::bitmapBytes(map);
    if (!bmp)
        return ui::cannotSave(mapsFolder + QLatin1Char('/') + files.bmp,
                              ui::cannotEncode());
    return ui::writeFilesInFolder(mapsFolder,
                                  {{files.bmp, *bmp}, {files.csv, csv}, {files.txt, summary}});
}

} // namespace velmor

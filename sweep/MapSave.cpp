#include "MapSave.h"

#include "Files.h"
#include "SafeWrite.h"

#include <QCoreApplication>

namespace velmor {

MapFiles mapFilesBeside(const QString& bmpPath) {
    const QString stem = bmpPath.endsWith(QLatin1String(".bmp")) ? bmpPath.chopped(4) : bmpPath;
    return {stem + QStringLiteral(".bmp"), stem + QStringLiteral(".csv"),
            stem + QStringLiteral(".txt"), stem + QStringLiteral(".pdf")};
}

std::optional<QString> saveMapFiles(const QString& mapsFolder, const MapFiles& files,
                                    const QImage& map, const QByteArray& csv,
                                    const QByteArray& summary,
                                    const std::optional<QByteArray>& report) {
    const auto bmp = velmor::bitmapBytes(map);
    if (!bmp)
        return velmor::cannotSave(mapsFolder + QLatin1Char('/') + files.bmp,
                                  velmor::cannotEncode());
    std::vector<velmor::FileToWrite> written{
        {files.bmp, *bmp}, {files.csv, csv}, {files.txt, summary}};
    if (report)
        written.push_back({files.pdf, *report});
    return velmor::writeFilesInFolder(mapsFolder, written);
}

} // namespace velmor

#include "MapSave.h"

#include "Files.h"

#include <QSaveFile>

#include <array>

namespace velmor {

MapFiles mapFilesBeside(const QString& bmpPath) {
    const QString stem = bmpPath.endsWith(QLatin1String(".bmp")) ? bmpPath.chopped(4) : bmpPath;
    return {stem + QStringLiteral(".bmp"), stem + QStringLiteral(".csv"),
            stem + QStringLiteral(".txt")};
}

std::optional<QString> saveMapFiles(const MapFiles& files, const QImage& map, const QByteArray& csv,
                                    const QByteArray& summary) {
    // A QSaveFile that is not committed removes its temporary file when it goes.
    QSaveFile bmpFile(files.bmp);
    QSaveFile csvFile(files.csv);
    QSaveFile txtFile(files.txt);
    const auto bmp = ui::bitmapBytes(map);
    if (!bmp)
        return ui::cannotSave(bmpFile.fileName(), ui::cannotEncode());
    if (auto error = ui::stageWrite(bmpFile, *bmp))
        return error;
    if (auto error = ui::stageWrite(csvFile, csv))
        return error;
    if (auto error = ui::stageWrite(txtFile, summary))
        return error;
    for (QSaveFile* file : std::array{&bmpFile, &csvFile, &txtFile})
        if (!file->commit())
            return ui::cannotSave(file->fileName(), file->errorString());
    return std::nullopt;
}

} // namespace velmor

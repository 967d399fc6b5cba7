#include "MapSave.h"

#include "Files.h"

#include <QSaveFile>

#include <array>

namespace velmor {

namespace {

QString cannotSave(const QSaveFile& file, const QString& reason) {
    return QStringLiteral("Cannot save %1: %2").arg(file.fileName(), reason);
}

} // namespace

MapFiles mapFilesBeside(const QString& bmpPath) {
    const QString stem = bmpPath.endsWith(QLatin1String(".bmp")) ? bmpPath.chopped(4) : bmpPath;
    return {stem + QStringLiteral(".bmp"), stem + QStringLiteral(".csv"),
            stem + QStringLiteral(".txt"), stem + QStringLiteral(".pdf")};
}

std::optional<QString> saveMapFiles(const MapFiles& files, const QImage& map, const QByteArray& csv,
                                    const QByteArray& summary,
                                    const std::optional<QByteArray>& report) {
    // A QSaveFile that is not committed removes its temporary file when it goes.
    QSaveFile bmpFile(files.bmp);
    QSaveFile csvFile(files.csv);
    QSaveFile txtFile(files.txt);
    QSaveFile pdfFile(files.pdf);
    const auto bmp = ui::bitmapBytes(map);
    if (!bmp)
        return cannotSave(bmpFile, QStringLiteral("cannot encode the image"));
    if (auto error = ui::stageWrite(bmpFile, *bmp))
        return error;
    if (auto error = ui::stageWrite(csvFile, csv))
        return error;
    if (auto error = ui::stageWrite(txtFile, summary))
        return error;
    if (report)
        if (auto error = ui::stageWrite(pdfFile, *report))
            return error;
    for (QSaveFile* file : std::array{&bmpFile, &csvFile, &txtFile, &pdfFile})
        if (file->isOpen() && !file->commit())
            return cannotSave(*file, file->errorString());
    return std::nullopt;
}

} // namespace velmor

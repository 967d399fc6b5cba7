#include "MapSave.h"

#include <QSaveFile>

#include <array>

namespace velmor {

namespace {

QString cannotSave(const QSaveFile& file, const QString& reason) {
    return QStringLiteral("Cannot save %1: %2").arg(file.fileName(), reason);
}

// Writes the whole content to the temporary file and hands it to the system, so that a full
// disk shows here rather than when the file is put in place.
std::optional<QString> write(QSaveFile& file, const QByteArray& content) {
    if (!file.open(QIODevice::WriteOnly))
        return cannotSave(file, file.errorString());
    if (file.write(content) != content.size() || !file.flush())
        return cannotSave(file, file.errorString());
    return std::nullopt;
}

std::optional<QString> write(QSaveFile& file, const QImage& image) {
    if (!file.open(QIODevice::WriteOnly))
        return cannotSave(file, file.errorString());
    if (!image.save(&file, "BMP"))
        return cannotSave(file, file.error() != QFileDevice::NoError
                                    ? file.errorString()
                                    : QStringLiteral("cannot encode the image"));
    if (!file.flush())
        return cannotSave(file, file.errorString());
    return std::nullopt;
}

} // namespace

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
    if (auto error = write(bmpFile, map))
        return error;
    if (auto error = write(csvFile, csv))
        return error;
    if (auto error = write(txtFile, summary))
        return error;
    for (QSaveFile* file : std::array{&bmpFile, &csvFile, &txtFile})
        if (!file->commit())
            return cannotSave(*file, file->errorString());
    return std::nullopt;
}

} // namespace velmor

#include "MapSave.h"

#include <QBuffer>
#include <QSaveFile>

#include <array>

namespace velmor {

namespace {

QString cannotSave(const QSaveFile& file, const QString& reason) {
    return QStringLiteral("Cannot save %1: %2").arg(file.fileName(), reason);
}

// A medium that fills takes part of a write without an error; the next write gives the reason.
bool writeAll(QSaveFile& file, const QByteArray& content) {
    for (qsizetype done = 0; done < content.size();) {
        const qint64 n = file.write(content.constData() + done, content.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Writes the whole content to the temporary file and hands it to the system, so that a full
// disk shows here rather than when the file is put in place.
std::optional<QString> write(QSaveFile& file, const QByteArray& content) {
    if (!file.open(QIODevice::WriteOnly))
        return cannotSave(file, file.errorString());
    if (!writeAll(file, content) || !file.flush())
        return cannotSave(file, file.errorString());
    return std::nullopt;
}

// Encoded in memory first: the encoder's small writes straight into the file lose the system's
// reason when the medium fills ("Unknown error").
std::optional<QString> write(QSaveFile& file, const QImage& image) {
    QByteArray bmp;
    QBuffer encoded(&bmp);
    if (!encoded.open(QIODevice::WriteOnly) || !image.save(&encoded, "BMP"))
        return cannotSave(file, QStringLiteral("cannot encode the image"));
    return write(file, bmp);
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

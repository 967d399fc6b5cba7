#include "Files.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace ui {

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

namespace {

QString cannotSave(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot save %1: %2").arg(path, reason);
}

} // namespace

std::optional<QByteArray> bitmapBytes(const QImage& image) {
    QByteArray bmp;
    QBuffer encoded(&bmp);
    if (!encoded.open(QIODevice::WriteOnly) || !image.save(&encoded, "BMP"))
        return std::nullopt;
    return bmp;
}

std::optional<QString> stageWrite(QSaveFile& file, const QByteArray& content) {
    // A save file writes through a symbolic link to whatever it points at; one planted at the
    // name must not redirect the save.
    if (QFileInfo(file.fileName()).isSymLink())
        return cannotSave(file.fileName(),
                          QStringLiteral("it is a symbolic link, which a save does not follow"));
    if (!file.open(QIODevice::WriteOnly))
        return cannotSave(file.fileName(), file.errorString());
    // A full medium takes part of a write without an error; the next write gives the reason.
    for (qsizetype done = 0; done < content.size();) {
        const qint64 n = file.write(content.constData() + done, content.size() - done);
        if (n <= 0)
            return cannotSave(file.fileName(), file.errorString());
        done += n;
    }
    if (!file.flush())
        return cannotSave(file.fileName(), file.errorString());
    return std::nullopt;
}

std::optional<QString> saveBitmap(const QImage& image, const QString& path) {
    const auto bmp = bitmapBytes(image);
    if (!bmp)
        return cannotSave(path, QStringLiteral("cannot encode the image"));
    // Not committed, the save file removes its temporary file and leaves the old file alone.
    QSaveFile file(path);
    if (auto error = stageWrite(file, *bmp))
        return error;
    if (!file.commit())
        return cannotSave(path, file.errorString());
    return std::nullopt;
}

} // namespace ui

#include "Files.h"

#include "SafeWrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>

namespace ui {

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString cannotSave(const QString& path, const QString& reason) {
    return QCoreApplication::translate("ui::Files", "Не удаётся сохранить %1: %2")
        .arg(path, reason);
}

QString cannotEncode() {
    return QCoreApplication::translate("ui::Files", "не удаётся закодировать изображение");
}

std::optional<QByteArray> bitmapBytes(const QImage& image) {
    QByteArray bmp;
    QBuffer encoded(&bmp);
    if (!encoded.open(QIODevice::WriteOnly) || !image.save(&encoded, "BMP"))
        return std::nullopt;
    return bmp;
}

std::optional<QString> saveBitmap(const QImage& image, const QString& path) {
    const auto bmp = bitmapBytes(image);
    if (!bmp)
        return cannotSave(path, cannotEncode());
    const QFileInfo file(path);
    return writeFilesInFolder(file.path(), {{file.fileName(), *bmp}});
}

} // namespace ui

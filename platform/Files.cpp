#include "Files.h"

#include <QBuffer>
#include <QCoreApplication>

namespace velmor {

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

} // namespace velmor

#include "Files.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace ui {

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

std::optional<QString> saveBitmap(const QImage& image, const QString& path) {
    QSaveFile file(path);
    const auto failed = [&](const QString& reason) {
        file.cancelWriting();
        return QStringLiteral("Cannot save %1: %2").arg(path, reason);
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    if (!image.save(&file, "BMP"))
        return failed(file.error() != QFileDevice::NoError
                          ? file.errorString()
                          : QStringLiteral("cannot encode the image"));
    if (!file.commit())
        return QStringLiteral("Cannot save %1: %2").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace ui

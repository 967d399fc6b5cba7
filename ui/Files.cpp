#include "Files.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QSaveFile>

namespace ui {

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

std::optional<QString> saveBitmap(const QImage& image, const QString& path) {
    // Encoded in memory first: written straight into the file, the encoder's small writes lose
    // the system's reason when the medium fills ("Unknown error").
    QByteArray bmp;
    QBuffer encoded(&bmp);
    if (!encoded.open(QIODevice::WriteOnly) || !image.save(&encoded, "BMP"))
        return QStringLiteral("Cannot save %1: cannot encode the image").arg(path);

    QSaveFile file(path);
    const auto failed = [&](const QString& reason) {
        file.cancelWriting();
        return QStringLiteral("Cannot save %1: %2").arg(path, reason);
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    // A full medium takes part of a write without an error; the next write gives the reason.
    for (qsizetype done = 0; done < bmp.size();) {
        const qint64 n = file.write(bmp.constData() + done, bmp.size() - done);
        if (n <= 0)
            return failed(file.errorString());
        done += n;
    }
    if (!file.commit())
        return QStringLiteral("Cannot save %1: %2").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace ui

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace velmor {

// The one message for a file that could not be saved: "Cannot save <path>: <reason>", in the
// operator's words.
QString cannotSave(const QString& path, const QString& reason);
// Why an image could not be made into a BMP file.
QString cannotEncode();

// The image as the bytes of a BMP file, or nothing when it cannot be encoded. Encoding in memory
// keeps the system's reason when the medium fills: the encoder's small writes straight into a
// file lose it ("Unknown error").
std::optional<QByteArray> bitmapBytes(const QImage& image);

} // namespace velmor

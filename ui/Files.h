#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace ui {

// The folder that holds the running program.
QString programFolder();

// The one message for a file that could not be saved: "Cannot save <path>: <reason>".
QString cannotSave(const QString& path, const QString& reason);

// Writes the image as a BMP file, replacing a file of that name in one step: either the new
// file is complete or the old one is left exactly as it was. A symbolic link at the name is
// refused, never written through. Returns what went wrong, naming the file, or nothing.
std::optional<QString> saveBitmap(const QImage& image, const QString& path);

// "Cannot save <path>: <reason>", in the operator's words.
QString cannotSave(const QString& path, const QString& reason);
// Why an image could not be made into a BMP file.
QString cannotEncode();

// The image as the bytes of a BMP file, or nothing when it cannot be encoded. Encoding in memory
// keeps the system's reason when the medium fills: the encoder's small writes straight into a
// file lose it ("Unknown error").
std::optional<QByteArray> bitmapBytes(const QImage& image);

} // namespace ui

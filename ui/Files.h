#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QSaveFile;

#include <optional>

namespace ui {

// The folder that holds the running program.
QString programFolder();

// Writes the image as a BMP file, replacing a file of that name in one step: either the new
// file is complete or the old one is left exactly as it was. Returns what went wrong, naming
// the file, or nothing.
std::optional<QString> saveBitmap(const QImage& image, const QString& path);

// The image as the bytes of a BMP file, or nothing when it cannot be encoded. Encoding in memory
// keeps the system's reason when the medium fills: the encoder's small writes straight into a
// file lose it ("Unknown error").
std::optional<QByteArray> bitmapBytes(const QImage& image);

// Opens the save file and writes the whole content into its temporary file, flushed, so that a
// full medium shows here rather than when the file is put in place. A symbolic link at the name
// is refused, not followed. The caller commits. Returns
// what went wrong, naming the file, or nothing.
std::optional<QString> stageWrite(QSaveFile& file, const QByteArray& content);

} // namespace ui

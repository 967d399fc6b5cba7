#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace ui {

// The folder that holds the running program.
QString programFolder();

// Writes the image as a BMP file, replacing a file of that name in one step: either the new
// file is complete or the old one is left exactly as it was. Returns what went wrong, naming
// the file, or nothing.
std::optional<QString> saveBitmap(const QImage& image, const QString& path);

} // namespace ui

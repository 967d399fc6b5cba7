#pragma once

#include <QString>

#include <variant>

namespace velmor {

// Where a map named by the operator is saved: the program's folder, "Graf", the name, ".bmp".
// A "\" in the name addresses a subfolder of "Graf" on every platform.
struct MapPath {
    QString path;
};

// Why a name is not taken: it is empty, holds a NUL, or would lead out of the "Graf" folder.
struct MapNameRefused {
    QString reason;
};

std::variant<MapPath, MapNameRefused> mapFilePath(const QString& programFolder,
                                                  const QString& name);

} // namespace velmor

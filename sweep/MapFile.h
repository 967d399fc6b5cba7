#pragma once

#include <QString>

#include <variant>

namespace velmor {

// Where a map named by the operator is saved: the maps folder ("Graf"), the name, ".bmp".
// A "\" in the name addresses a subfolder of the maps folder on every platform. Blanks around
// the name and around each "\" do not count: " may \ psu1 " is "may\psu1".
struct MapPath {
    QString path;     // the BMP file
    QString relative; // the BMP file inside the maps folder: "may/psu1.bmp"
    QString name;     // the name as saved, blanks trimmed: "may\psu1"
    QString shown;    // the maps folder's name and the file in it: "Graf/may/psu1.bmp", as the
                      // records keep it (never the operator's home folder)
};

// Why a name is not taken: it is empty, holds a NUL, has a part "." or "..", or would lead out
// of the maps folder.
struct MapNameRefused {
    QString reason;
};

std::variant<MapPath, MapNameRefused> mapFilePath(const QString& mapsFolder, const QString& name);

} // namespace velmor

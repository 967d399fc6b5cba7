#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace velmor {

// The four files of a saved map, side by side: the picture, the cross-load data, the summary
// and the report.
struct MapFiles {
    QString bmp;
    QString csv;
    QString txt;
    QString pdf;
};

// "<name>.bmp" gives "<name>.csv", "<name>.txt" and "<name>.pdf" beside it.
MapFiles mapFilesBeside(const QString& bmpPath);

// Writes the map as a BMP, the CSV, the summary and the report if there is one into the maps
// folder (the files named relative to it), each first to a temporary file beside its final name.
// Only once all are written are they put in place, in the order BMP, CSV, summary, report, each
// in one step; so a failed write leaves every earlier file of those names as it was. A symbolic
// link inside the maps folder, at a file's name or on the way to it, is refused and nothing is
// written. Returns what went wrong, naming the file and the reason, or nothing.
std::optional<QString> saveMapFiles(const QString& mapsFolder, const MapFiles& files,
                                    const QImage& map, const QByteArray& csv,
                                    const QByteArray& summary,
                                    const std::optional<QByteArray>& report = std::nullopt);

} // namespace velmor

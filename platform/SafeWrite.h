#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace velmor {

// A file to write, named relative to the folder it goes into: "may/psu1.bmp".
struct FileToWrite {
    QString relativePath;
    QByteArray content;
};

// Writes the files into the folder, all of them or none. Each is first written whole to a new
// temporary file beside its final name; only once all are written are they put in place, in
// the order given, each in one step (a rename), so a failed write leaves every earlier file of
// those names as it was and no temporary file behind.
//
// Nothing inside the folder is followed when it is a symbolic link: neither a file of those
// names nor a folder on the way to one (the folder itself may be a link). A planted link is
// refused, not written through, and nothing is written at all; where the platform has it, the
// folders are opened without following links, so a link put in place meanwhile is refused too.
// Returns what went wrong, naming the file and the reason, or nothing.
std::optional<QString> writeFilesInFolder(const QString& folder,
                                          const std::vector<FileToWrite>& files);

} // namespace velmor

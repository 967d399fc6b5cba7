#pragma once

#include <QString>

#include <optional>
#include <variant>

namespace velmor::sim {

// The unit's side of a pseudo-terminal: the master, raw and non-blocking, and the path of the
// slave that the program opens as its serial port.
struct PtyMaster {
    int fd = -1;
    QString slavePath;
};

// Opens a pseudo-terminal in raw mode: set on the master at once, before anyone opens the
// slave, or carriage returns would turn into line feeds and bytes would echo. The slave is
// closed again, so that the master hangs up whenever no program holds the port.
std::variant<PtyMaster, QString> openPtyMaster();

// Whether some program holds the slave side open.
bool slaveIsOpen(int masterFd);

// Points the symlink at target, replacing an earlier symlink in one step (no moment without
// one). Any other kind of file at the link path is left alone and reported.
std::optional<QString> pointSymlink(const QString& link, const QString& target);

// Removes the symlink if it still points at target.
void removeSymlinkTo(const QString& link, const QString& target);

} // namespace velmor::sim

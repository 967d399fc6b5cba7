#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace velmor::testing {

// A file's bytes; a file that cannot be read gives a line naming it, so that comparing two
// missing files fails and says which.
inline QByteArray fileContents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll()
                                          : QByteArray("cannot read ") + path.toUtf8();
}

} // namespace velmor::testing

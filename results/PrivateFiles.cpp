#include "PrivateFiles.h"

#include <QDir>
#include <QFileInfo>

namespace velmor::results {

bool makePrivateFolder(const QString& path) {
    const QFileInfo folder(path);
    if (folder.isDir())
        return true;
    if (!makePrivateFolder(folder.absolutePath()))
        return false;
    return QDir().mkdir(path,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner) ||
           QFileInfo(path).isDir();
}

} // namespace velmor::results

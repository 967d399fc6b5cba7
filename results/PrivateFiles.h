#pragma once

#include <QFileDevice>
#include <QString>

namespace velmor::results {

// Makes the folder and those missing above it, each readable by this user alone (0700).
bool makePrivateFolder(const QString& path);

// A file of this user alone (0600).
inline constexpr QFileDevice::Permissions privateFile{QFileDevice::ReadOwner |
                                                      QFileDevice::WriteOwner};

} // namespace velmor::results

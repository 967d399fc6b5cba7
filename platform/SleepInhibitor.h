#pragma once

#include <QDBusUnixFileDescriptor>
#include <QString>

#include <optional>

namespace velmor {

// Keeps the machine from sleeping or idling off while it lives: a logind "block" inhibitor on
// sleep and idle, held by the file descriptor logind returns, which closes with this object.
// Where there is no system bus (a container, a system without logind) it holds nothing and says
// nothing; where logind refuses, error() says why.
class SleepInhibitor {
public:
    // The reason shows in `systemd-inhibit --list`.
    explicit SleepInhibitor(const QString& reason);

    bool held() const { return lock_.isValid(); }
    const std::optional<QString>& error() const { return error_; }

private:
    QDBusUnixFileDescriptor lock_;
    std::optional<QString> error_;
};

} // namespace velmor

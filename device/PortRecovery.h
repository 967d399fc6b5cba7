#pragma once

#include "SerialPort.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace velmor {

// Reads the port of a window or a test run and brings it back after an unplugged adapter: a port
// that is not open at a read (it closed itself on a read, write or resource error) is opened
// again with port 1 and the unit's line settings, once per read, until it opens. Until then the
// result is empty, which the caller shows as no link.
class PortRecovery {
public:
    // Called once when the link goes (with the reason) and once when it is back (with nothing).
    using LinkChange = std::function<void(const std::optional<QString>& lostReason)>;

    PortRecovery(SerialPort& port, LinkChange changed);

    QByteArray read();

private:
    SerialPort& port_;
    LinkChange changed_;
    std::optional<QString> lost_;
};

} // namespace velmor

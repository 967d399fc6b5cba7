#include "PortRecovery.h"

#include "LineSettings.h"

namespace velmor {

PortRecovery::PortRecovery(SerialPort& port, LinkChange changed)
    : port_(port), changed_(std::move(changed)) {}

QByteArray PortRecovery::read() {
    if (port_.isOpen())
        return port_.readAll();
    if (!lost_) {
        lost_ = port_.lostReason().value_or(QStringLiteral("the port is closed"));
        if (changed_)
            changed_(lost_);
    }
    if (port_.open(unitPortNumber, unitLineSettings))
        return {};
    lost_.reset();
    if (changed_)
        changed_(std::nullopt);
    return port_.readAll();
}

} // namespace velmor

#pragma once

#include <QString>

namespace velmor {

// The machine's serial ports, one per line: device, description, manufacturer, serial number.
// Pseudo-terminals and symlinks are not listed by the system, though --port opens them.
QString describeSerialPorts();

} // namespace velmor

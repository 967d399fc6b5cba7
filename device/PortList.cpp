#include "PortList.h"

#include <QSerialPortInfo>

namespace velmor {

QString describeSerialPorts() {
    const auto ports = QSerialPortInfo::availablePorts();
    if (ports.isEmpty())
        return QStringLiteral("No serial ports found.\n");
    const auto orDash = [](const QString& s) { return s.isEmpty() ? QStringLiteral("-") : s; };
    QString out = QStringLiteral("DEVICE\tDESCRIPTION\tMANUFACTURER\tSERIAL NUMBER\n");
    for (const QSerialPortInfo& info : ports)
        out += QStringLiteral("%1\t%2\t%3\t%4\n")
                   .arg(info.systemLocation(), orDash(info.description()),
                        orDash(info.manufacturer()), orDash(info.serialNumber()));
    return out;
}

} // namespace velmor

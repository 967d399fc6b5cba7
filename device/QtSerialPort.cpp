#include "QtSerialPort.h"

#include "LineSettings.h"
#include "SupplyGuardian.h"

#include <QDeadlineTimer>
#include <QFile>

namespace velmor {

namespace {

QSerialPort::Parity toQt(Parity p) {
    switch (p) {
    case Parity::None:
        return QSerialPort::NoParity;
    case Parity::Even:
        return QSerialPort::EvenParity;
    case Parity::Odd:
        return QSerialPort::OddParity;
    case Parity::Mark:
        return QSerialPort::MarkParity;
    case Parity::Space:
        return QSerialPort::SpaceParity;
    }
    return QSerialPort::NoParity;
}

QString cannotOpen(const QString& device, const QString& reason) {
    return QtSerialPort::tr("Не удаётся открыть последовательный порт %1: %2").arg(device, reason);
}

// The system takes no name part over 255 bytes, and Qt names the port's lock file after the
// device ("LCK.." and the path after /dev/, each "/" as "_"), so a long path fails to lock,
// which Qt reports as a permission error.
bool nameTooLong(const QString& device) {
    constexpr qsizetype nameMax = 255;
    constexpr qsizetype pathMax = 4095;
    const QByteArray path = QFile::encodeName(device);
    if (path.size() > pathMax)
        return true;
    for (const QByteArray& part : path.split('/'))
        if (part.size() > nameMax)
            return true;
    QByteArray lockName = path.startsWith("/dev/") ? path.mid(5) : path;
    lockName.replace('/', '_');
    return QByteArray("LCK..").append(lockName).size() > nameMax;
}

// The guardian holds a copy of every port open, so that the unit is switched off even if this
// program dies without closing it (POSIX; elsewhere there is no guardian).
void guard(QSerialPort& port, bool held) {
#ifdef Q_OS_UNIX
    held ? supplyGuardian::hold(port.handle()) : supplyGuardian::release(port.handle());
#else
    (void)port;
    (void)held;
#endif
}

} // namespace

QString platformPortDevice(int portNumber) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNumber);
#else
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

QtSerialPort::QtSerialPort(QString port1Device, QObject* parent)
    : QObject(parent), port1Device_(std::move(port1Device)) {
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
}

QtSerialPort::~QtSerialPort() {
    close();
}

std::optional<QString> QtSerialPort::open(int portNumber, const LineSettings& lineSettings) {
    if (port_.isOpen())
        return cannotOpen(port1Device_, tr("порт уже открыт"));
    const QString device =
        portNumber == unitPortNumber ? port1Device_ : platformPortDevice(portNumber);
    port_.setPortName(device);
    openedDevice_ = device;
    if (nameTooLong(device))
        return cannotOpen(device, tr("name too long"));

    if (!port_.setBaudRate(lineSettings.baud) || !port_.setParity(toQt(lineSettings.parity)) ||
        !port_.setDataBits(static_cast<QSerialPort::DataBits>(lineSettings.dataBits)) ||
        !port_.setStopBits(lineSettings.stopBits == 2 ? QSerialPort::TwoStop
                                                      : QSerialPort::OneStop))
        return cannotOpen(device, port_.errorString());

    if (!port_.open(QIODevice::ReadWrite)) {
        QString reason = port_.errorString();
        if (port_.error() == QSerialPort::PermissionError)
            reason += tr(". Возможно, порт занят другой программой; иначе дайте своему "
                         "пользователю доступ к нему (Linux: sudo usermod -aG dialout $USER и "
                         "войдите в систему заново, или правило udev для адаптера)");
        return cannotOpen(device, reason);
    }
    // A fresh opening starts with nothing from before it: bytes the previous holder left
    // unread (a pseudo-terminal keeps them across close and open) are not this window's.
    dropInput();
    lost_.reset();
    guard(port_, true);
    return std::nullopt;
}

bool QtSerialPort::writeByte(quint8 byte) {
    if (!port_.isOpen())
        return false;
    const char c = static_cast<char>(byte);
    return port_.write(&c, 1) == 1;
}

QByteArray QtSerialPort::readAll() {
    if (!port_.isOpen())
        return {};
    return port_.readAll();
}

void QtSerialPort::dropInput() {
    // Also what the system holds and the event loop has not yet taken in.
    port_.clear(QSerialPort::Input);
}

void QtSerialPort::close() {
    if (port_.isOpen())
        guard(port_, false);
    port_.close();
}

bool QtSerialPort::waitForWritten(int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (port_.isOpen() && port_.bytesToWrite() > 0)
        if (!port_.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            return false;
    return true;
}

void QtSerialPort::holdInput(bool held) {
    // QSerialPort stops watching the device once its read buffer is full: one byte while held,
    // unlimited (0) again on release, when it takes in everything that waited.
    port_.setReadBufferSize(held ? 1 : 0);
}

bool QtSerialPort::isOpen() const {
    return port_.isOpen();
}

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError:
        // Left open, QSerialPort reports the same error again in a tight loop: close at once
        // and remember why, so the window can show no link and try again later.
        if (port_.isOpen()) {
            lost_ = QStringLiteral("%1: %2").arg(openedDevice_, port_.errorString());
            close();
        }
        break;
    default:
        break;
    }
}

} // namespace velmor

#include "moc_QtSerialPort.cpp"

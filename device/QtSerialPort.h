#pragma once

#include "SerialPort.h"

#include <QObject>
#include <QSerialPort>

namespace velmor {

// The platform's device for a port number: /dev/ttyS0 for port 1 on Linux, COM1 on Windows.
QString platformPortDevice(int portNumber);

// The real link over QSerialPort. Port 1 maps to the device given at construction.
class QtSerialPort final : public QObject, public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QString port1Device, QObject* parent = nullptr);
    ~QtSerialPort() override;

    std::optional<QString> open(int portNumber, const LineSettings& lineSettings) override;
    bool writeByte(quint8 byte) override;
    QByteArray readAll() override;
    void dropInput() override;
    void close() override;
    bool isOpen() const override;
    bool waitForWritten(int timeoutMs) override;
    void holdInput(bool held) override;
    std::optional<QString> lostReason() const override { return lost_; }

    QString device() const override { return port1Device_; }

private:
    void onError(QSerialPort::SerialPortError error);

    QString port1Device_;
    QString openedDevice_;
    QSerialPort port_;
    std::optional<QString> lost_;
};

} // namespace velmor

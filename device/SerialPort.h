#pragma once

#include "LineSettings.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace velmor {

// The link to the load-and-measurement unit as the program uses it: open, write a byte, read
// what arrived, close, and the few waits, holds and questions around them. One object per
// window or command-line sweep, created and destroyed with it. The real one is QtSerialPort;
// tests use a scripted port that records writes and hands out queued replies.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Applies the port number, then the line settings, then opens.
    // Returns an error text that names the device and the system's reason, or nothing.
    virtual std::optional<QString> open(int portNumber, const LineSettings& lineSettings) = 0;

    // Queues one byte and returns at once; false when the byte could not be queued.
    virtual bool writeByte(quint8 byte) = 0;

    // Everything received since the previous read, in arrival order, without waiting;
    // empty when nothing arrived or the port is not open.
    virtual QByteArray readAll() = 0;

    // Throws away everything received and not yet read, so that the next read holds only what
    // arrives after this.
    virtual void dropInput() { readAll(); }

    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Waits up to the time given until every queued byte has left for the device; false when
    // some are still waiting then. A port that writes at once has nothing to wait for.
    virtual bool waitForWritten(int timeoutMs) {
        (void)timeoutMs;
        return true;
    }

    // While held, what arrives waits in the system's buffer instead of being taken in at once,
    // so a window that reads nothing for a while is not woken by every byte; the first read
    // after the release still gets everything since the read before. A port without a buffer
    // of its own has nothing to hold.
    virtual void holdInput(bool /*held*/) {}

    // Set when the port closed itself after a read, write or resource error (an unplugged
    // adapter, the far side of a pseudo-terminal gone); cleared by the next successful open.
    virtual std::optional<QString> lostReason() const = 0;

    // The device port 1 maps to, for reports; empty where there is none.
    virtual QString device() const { return {}; }
};

// Makes the port object a window owns; the program maps port 1 to a real device, tests to a
// scripted port.
using PortFactory = std::function<std::unique_ptr<SerialPort>()>;

} // namespace velmor

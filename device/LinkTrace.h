#pragma once

#include "SerialPort.h"

#include <QElapsedTimer>
#include <QFile>

#include <functional>
#include <memory>
#include <optional>

namespace velmor {

// A plain-text record of the link, one line per non-empty read or per frame written:
//   <milliseconds since the trace began, 3 decimals> <IN|OUT|OPEN|CLOSE|LOST> [hex bytes | text]
//   12.406 OUT 01 FF FD FF
//   110.921 IN 41 66 80 80
// Shared by every port object of a run, so the hand-over between the windows shows in one file.
class LinkTrace {
public:
    // failed is called once, the first time the file cannot be opened or written; the bench
    // goes on without a trace after that. The file is never a symbolic link or a device, and a
    // FIFO is opened without waiting for its reader (with none, the trace fails at once); its
    // writes never wait either, so a stalled reader costs the trace, never a tick.
    LinkTrace(const QString& path, std::function<void(const QString&)> failed);

    void bytesIn(const QByteArray& data);
    void bytesOut(const QByteArray& data);
    void event(const char* what, const QString& text = {});

    static QString formatLine(double milliseconds, const char* direction, const QString& body);
    static QString hex(const QByteArray& data);

private:
    std::optional<QString> open(const QString& path);
    void write(const char* direction, const QString& body);

    QFile file_;
    QElapsedTimer clock_;
    std::function<void(const QString&)> failed_;
    bool broken_ = false;
};

// Why a trace may not go to the path: it is the serial port itself (by name or as the same
// file), a device, or a symbolic link; nothing when it may. Writing the trace into the port
// would send its text to the unit as frames.
std::optional<QString> traceTargetRefused(const QString& tracePath, const QString& portDevice);

// A port that passes everything to another port and records it in a trace. Written bytes are
// gathered into frames of four; a partial frame is recorded at the next read or close.
class TracingPort final : public SerialPort {
public:
    TracingPort(std::unique_ptr<SerialPort> inner, std::shared_ptr<LinkTrace> trace);
    ~TracingPort() override;

    std::optional<QString> open(int portNumber, const LineSettings& lineSettings) override;
    bool writeByte(quint8 byte) override;
    QByteArray readAll() override;
    void dropInput() override { inner_->dropInput(); }
    void close() override;
    bool isOpen() const override { return inner_->isOpen(); }
    bool waitForWritten(int timeoutMs) override { return inner_->waitForWritten(timeoutMs); }
    void holdInput(bool held) override { inner_->holdInput(held); }
    std::optional<QString> lostReason() const override { return inner_->lostReason(); }
    QString device() const override { return inner_->device(); }

private:
    void flushOut();

    std::unique_ptr<SerialPort> inner_;
    std::shared_ptr<LinkTrace> trace_;
    QByteArray pendingOut_;
    bool lostSeen_ = false;
};

} // namespace velmor

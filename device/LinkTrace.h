#pragma once

#include "SerialPort.h"

#include <QElapsedTimer>
#include <QFile>

#include <functional>
#include <memory>

namespace velmor {

// A plain-text record of the link, one line per non-empty read or per frame written:
//   <milliseconds since the trace began, 3 decimals> <IN|OUT|OPEN|CLOSE|LOST> [hex bytes | text]
//   12.406 OUT 01 FF FD FF
//   110.921 IN 41 66 80 80
// Shared by every port object of a run, so the hand-over between the windows shows in one file.
class LinkTrace {
public:
    // failed is called once, the first time the file cannot be opened or written; the bench
    // goes on without a trace after that.
    LinkTrace(const QString& path, std::function<void(const QString&)> failed);

    void bytesIn(const QByteArray& data);
    void bytesOut(const QByteArray& data);
    void event(const char* what, const QString& text = {});

    static QString formatLine(double milliseconds, const char* direction, const QString& body);
    static QString hex(const QByteArray& data);

private:
    void write(const char* direction, const QString& body);

    QFile file_;
    QElapsedTimer clock_;
    std::function<void(const QString&)> failed_;
    bool broken_ = false;
};

// A port that passes everything to another port and records it in a trace. Written bytes are
// gathered into frames of four; a partial frame is recorded at the next read or close.
class TracingPort final : public SerialPort {
public:
    TracingPort(std::unique_ptr<SerialPort> inner, std::shared_ptr<LinkTrace> trace);
    ~TracingPort() override;

    std::optional<QString> open(int portNumber, const QString& lineSettings) override;
    bool writeByte(quint8 byte) override;
    QByteArray readAll() override;
    void close() override;
    bool isOpen() const override { return inner_->isOpen(); }
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

#pragma once

#include "QtPrinters.h"
#include "SerialPort.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace velmor::testing {

// What every scripted port of one test did, in order, so a test can check that a window
// closed its port before the next window opened one.
struct PortLog {
    QStringList events; // "open 1 9600,N,8,1", "close", "write 255", "read"
    std::vector<quint8> written;
};

// A serial port for tests: reads hand out queued replies one per read (empty once the queue
// is dry), writes are recorded, and opens or chosen writes can be made to fail.
class ScriptedPort final : public SerialPort {
public:
    explicit ScriptedPort(std::shared_ptr<PortLog> log = std::make_shared<PortLog>());

    std::optional<QString> open(int portNumber, const LineSettings& lineSettings) override;
    bool writeByte(quint8 byte) override;
    QByteArray readAll() override;
    void dropInput() override; // every queued reply
    void close() override;
    bool isOpen() const override { return open_; }
    std::optional<QString> lostReason() const override { return lost_; }

    // Script.
    void queueReply(const QByteArray& reply) { replies_.push_back(reply); }
    void queueReply(std::initializer_list<int> bytes);
    void failOpenWith(const QString& error) { openError_ = error; }
    void allowOpen() { openError_.reset(); }
    void failWritesFrom(int index, int count = 1); // writes number index.. fail (0-based)
    void loseLink(const QString& reason);          // as an unplugged adapter: closes, remembers

    // Record.
    const std::vector<quint8>& written() const { return log_->written; }
    void clearWritten() { log_->written.clear(); }
    const std::shared_ptr<PortLog>& log() const { return log_; }
    int readCount() const { return reads_; }

private:
    std::shared_ptr<PortLog> log_;
    std::deque<QByteArray> replies_;
    std::optional<QString> openError_;
    std::optional<QString> lost_;
    int writeIndex_ = 0;
    int failFrom_ = -1;
    int failCount_ = 0;
    int reads_ = 0;
    bool open_ = false;
};

// Raw bytes as a reply text.
QByteArray bytes(std::initializer_list<int> values);

} // namespace velmor::testing

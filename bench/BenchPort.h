#pragma once

#include "SerialPort.h"

#include <QByteArray>
#include <QList>

namespace velmor::bench {

// A port that costs next to nothing: each read hands out the next of a few replies in turn
// (so the readouts change from tick to tick, as they do with a live unit), writes are counted.
class BenchPort final : public SerialPort {
public:
    explicit BenchPort(QList<QByteArray> replies);

    std::optional<QString> open(int portNumber, const LineSettings& lineSettings) override;
    bool writeByte(quint8 byte) override;
    QByteArray readAll() override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    std::optional<QString> lostReason() const override { return std::nullopt; }

    long long written() const { return written_; }

private:
    QList<QByteArray> replies_;
    qsizetype next_ = 0;
    long long written_ = 0;
    bool open_ = false;
};

// Two replies a few counts apart on every reading, both well inside the outputs' windows.
QList<QByteArray> alternatingReplies();

// Makes BenchPorts with those replies and keeps a pointer to the last one made.
PortFactory benchPortFactory(BenchPort** made);

} // namespace velmor::bench

#include "BenchPort.h"

#include <memory>

namespace velmor::bench {

BenchPort::BenchPort(QList<QByteArray> replies) : replies_(std::move(replies)) {}

std::optional<QString> BenchPort::open(int, const LineSettings&) {
    open_ = true;
    return std::nullopt;
}

bool BenchPort::writeByte(quint8) {
    if (!open_)
        return false;
    ++written_;
    return true;
}

QByteArray BenchPort::readAll() {
    if (!open_ || replies_.isEmpty())
        return {};
    const QByteArray& reply = replies_[next_];
    next_ = (next_ + 1) % replies_.size();
    // A real read hands out a fresh buffer every time.
    return QByteArray(reply.constData(), reply.size());
}

QList<QByteArray> alternatingReplies() {
    return {QByteArray("\x01\x80\x80\x80", 4), QByteArray("\x01\x83\x7c\x85", 4)};
}

PortFactory benchPortFactory(BenchPort** made) {
    return [made]() -> std::unique_ptr<SerialPort> {
        auto port = std::make_unique<BenchPort>(alternatingReplies());
        if (made)
            *made = port.get();
        return port;
    };
}

} // namespace velmor::bench

#include "Frames.h"

#include "SerialPort.h"

namespace velmor {

ControlFrame controlFrame(bool supplyOn, int setting5, int setting12, int setting33) {
    return ControlFrame{static_cast<quint8>(supplyOn ? 1 : 0), loadCode(setting33),
                        loadCode(setting12), loadCode(setting5)};
}

std::optional<ReplyFrame> replyFrame(const QByteArray& reply) {
    if (reply.size() < 4 || reply == QByteArrayLiteral(" "))
        return std::nullopt;
    const auto byte = [&](int i) { return static_cast<quint8>(reply[i]); };
    return ReplyFrame{byte(0), byte(1), byte(2), byte(3)};
}

int sendFrame(SerialPort& port, const ControlFrame& frame) {
    int written = 0;
    for (const quint8 b : frame.bytes())
        written += port.writeByte(b) ? 1 : 0;
    return written;
}

} // namespace velmor

#include "Frames.h"

#include "SerialPort.h"

namespace velmor {

ControlFrame controlFrame(bool supplyOn, int setting5, int setting12, int setting33) {
    return ControlFrame{static_cast<quint8>(supplyOn ? 1 : 0), loadCode(setting33),
                        loadCode(setting12), loadCode(setting5)};
}

ControlFrame controlFrame(bool supplyOn, const LoadSettings& settings) {
    return controlFrame(supplyOn, settings.load5, settings.load12, settings.load33);
}

LoadSettings loadSettings(const ControlFrame& frame) {
    return {loadSetting(frame.load5Code), loadSetting(frame.load12Code),
            loadSetting(frame.load33Code)};
}

ControlFrame controlFrameOf(QByteArrayView fourBytes) {
    const auto byte = [&](int i) { return static_cast<quint8>(fourBytes[i]); };
    return ControlFrame{byte(0), byte(1), byte(2), byte(3)};
}

ReplyFrame storedReply(int b1, int b2, int b3, int b4) {
    const auto byte = [](int b) { return static_cast<quint8>(b); };
    return {byte(b1), byte(b2), byte(b3), byte(b4)};
}

std::optional<ReplyFrame> replyFrame(const QByteArray& reply) {
    if (reply.size() < 4 || reply == QByteArrayLiteral(" "))
        return std::nullopt;
    const auto byte = [&](int i) { return static_cast<quint8>(reply[i]); };
    return ReplyFrame{byte(0), byte(1), byte(2), byte(3)};
}

QByteArray replyBytes(const ReplyFrame& reply) {
    QByteArray bytes(4, '\0');
    bytes[0] = static_cast<char>(reply.b1);
    bytes[1] = static_cast<char>(reply.b2);
    bytes[2] = static_cast<char>(reply.b3);
    bytes[3] = static_cast<char>(reply.b4);
    return bytes;
}

int sendFrame(SerialPort& port, const ControlFrame& frame) {
    int written = 0;
    for (const quint8 b : frame.bytes())
        written += port.writeByte(b) ? 1 : 0;
    return written;
}

} // namespace velmor

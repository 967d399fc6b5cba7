#pragma once

#include "Unit.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <optional>

namespace velmor {

class SerialPort;

// Neither frame has a header, length, delimiter or checksum: every byte means what its
// position says.
//
// ControlFrame, host to unit, exactly four bytes:
//   offset  length  meaning
//   0       1       supply switch: 1 on, 0 off
//   1       1       +3.3 V load code, 255 - setting (255 no load, 0 full load)
//   2       1       +12 V load code, 255 - setting
//   3       1       +5 V load code, 255 - setting
//
// ReplyFrame, unit to host, the first four bytes of whatever arrived since the last read:
//   offset  length  meaning
//   0       1       not interpreted (shown raw in the manual window's diagnostic line)
//   1       1       +5 V reading, raw 0..255
//   2       1       +12 V reading, raw 0..255
//   3       1       +3.3 V reading, raw 0..255
//   4..     -       ignored

// The inverted load byte the unit expects for a load setting, and back.
constexpr quint8 loadCode(int setting) {
    return static_cast<quint8>(maxLoadSetting - setting);
}
constexpr int loadSetting(quint8 code) {
    return maxLoadSetting - code;
}

// The +5 V, +12 V and +3.3 V load settings, 0..255.
struct LoadSettings {
    int load5 = 0;
    int load12 = 0;
    int load33 = 0;
    friend bool operator==(const LoadSettings&, const LoadSettings&) = default;
};

struct ControlFrame {
    quint8 supplySwitch = 0;
    quint8 load33Code = 255;
    quint8 load12Code = 255;
    quint8 load5Code = 255;

    bool supplyOn() const { return supplySwitch != 0; }
    std::array<quint8, 4> bytes() const {
        return {supplySwitch, load33Code, load12Code, load5Code};
    }
    friend bool operator==(const ControlFrame&, const ControlFrame&) = default;
};

// Builds the frame from the supply switch and the three load settings (each 0..255).
ControlFrame controlFrame(bool supplyOn, int setting5, int setting12, int setting33);
ControlFrame controlFrame(bool supplyOn, const LoadSettings& settings);

// The load settings a frame asks for.
LoadSettings loadSettings(const ControlFrame& frame);

// A frame as the unit takes it from four received bytes.
ControlFrame controlFrameOf(QByteArrayView fourBytes);

// Supply off, no load on any output.
inline constexpr ControlFrame allOffFrame{0, 255, 255, 255};

// A control frame and a reply are both this many bytes.
inline constexpr int frameBytes = 4;

struct ReplyFrame {
    quint8 b1 = 0;
    quint8 b2 = 0; // +5 V reading
    quint8 b3 = 0; // +12 V reading
    quint8 b4 = 0; // +3.3 V reading
    friend bool operator==(const ReplyFrame&, const ReplyFrame&) = default;
};

// A reply kept as its bytes (a record's b1..b4; a map cell keeps no b1, pass 0) taken back into
// a frame. Each byte is 0..255, as the record's reader checked.
ReplyFrame storedReply(int b1, int b2, int b3, int b4);

// A reply reading every output in the middle of its range (byte 128, 100.2 % of nominal).
inline constexpr ReplyFrame midRangeReply{0, 128, 128, 128};

// Takes a reply apart: nothing (no link) for fewer than four bytes or for a single blank,
// which the unit never sends as a reading.
std::optional<ReplyFrame> replyFrame(const QByteArray& reply);

// The four bytes the unit sends for a reply.
QByteArray replyBytes(const ReplyFrame& reply);

// Sends the frame as four single-byte writes, one directly after the other. A byte that
// cannot be written is skipped and the rest still go out; returns how many were written.
int sendFrame(SerialPort& port, const ControlFrame& frame);

} // namespace velmor

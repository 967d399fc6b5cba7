#pragma once

#include "Frames.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <random>

namespace velmor::sim {

// How the simulated unit misbehaves.
enum class FaultMode {
    Normal, // one four-byte reply per frame, and one every 100 ms while no frame comes
    Silent, // answers nothing
    Short,  // replies of 1, 2, 3 bytes in turn
    Blank,  // a single blank (0x20) per reply
    Random, // random bytes in random lengths, four and more included
    Burst,  // 64 KiB of repeated replies per reply
    Drop,   // normal replies, but the link goes away for a while every few seconds
};

// "normal", "silent", "short", "blank", "random", "burst", "drop".
QString faultModeName(FaultMode mode);
std::optional<FaultMode> parseFaultMode(const QString& name);
QStringList faultModeNames();

inline constexpr int burstBytes = 64 * 1024;
inline constexpr int randomReplyMaxBytes = 12;

// Turns the model's reply into what the unit sends in a fault mode. Repeatable: the random
// and the short replies follow from the seed.
class ReplyShaper {
public:
    explicit ReplyShaper(unsigned seed = 1) : random_(seed) {}

    QByteArray shape(FaultMode mode, const ReplyFrame& reply);

private:
    std::mt19937 random_;
    int shortLength_ = 0;
};

} // namespace velmor::sim

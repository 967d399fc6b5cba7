#pragma once

#include "Frames.h"

#include <QByteArray>

#include <vector>

namespace velmor::sim {

// Cuts the bytes from the program into four-byte control frames. A partial frame waits for
// its rest across reads; one left waiting longer than a frame's bytes ever take apart (about
// 1 ms each at 9600 baud) is a remnant of a lost or extra byte and is dropped, so that the
// next frame starts in step again.
class FrameAssembler {
public:
    static constexpr qint64 defaultGapMs = 50;

    explicit FrameAssembler(qint64 gapMs = defaultGapMs) : gapMs_(gapMs) {}

    // The frames completed by these bytes, which arrived at nowMs (any steady clock).
    std::vector<ControlFrame> feed(const QByteArray& bytes, qint64 nowMs);

    void clear() { partial_.clear(); }
    qsizetype waiting() const { return partial_.size(); }

private:
    qint64 gapMs_;
    QByteArray partial_;
    qint64 lastByteMs_ = 0;
};

} // namespace velmor::sim

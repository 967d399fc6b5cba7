#include "FrameAssembler.h"

namespace velmor::sim {

std::vector<ControlFrame> FrameAssembler::feed(const QByteArray& bytes, qint64 nowMs) {
    if (!partial_.isEmpty() && nowMs - lastByteMs_ > gapMs_)
        partial_.clear();
    if (!bytes.isEmpty())
        lastByteMs_ = nowMs;
    partial_ += bytes;

    std::vector<ControlFrame> frames;
    qsizetype i = 0;
    for (; partial_.size() - i >= 4; i += 4)
        frames.push_back(controlFrameOf(QByteArrayView(partial_).sliced(i, 4)));
    partial_.remove(0, i);
    return frames;
}

} // namespace velmor::sim

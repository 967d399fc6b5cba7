#include "CalibrationStep.h"

#include <cmath>
#include <numeric>

namespace velmor {

namespace {

double meanOf(std::deque<int>::const_iterator from, std::deque<int>::const_iterator to) {
    return std::accumulate(from, to, 0.0) / static_cast<double>(std::distance(from, to));
}

} // namespace

StepAnswer CalibrationStep::take(const StepReading& reading) {
    if (!reading.reply)
        return {std::nullopt, ReadingUse::Ignored, false};
    // Every reply answered: the supply stays off whatever the unit was sent before.
    StepAnswer answer{allOffFrame, ReadingUse::Unsettled, point_.has_value()};
    if (point_ || reading.sinceStartMs < settleMs)
        return answer;
    const int raw = readingByte(*reading.reply, input_);
    if (atRangeEnd(*reading.reply, input_)) {
        if (++progress_.atRangeEnd >= 2 * window) { // two windows of nothing but range ends
            point_ = CalibrationPoint{input_, static_cast<double>(raw), 0, 0};
            answer.done = true;
        }
        return answer;
    }
    progress_.atRangeEnd = 0;
    answer.use = ReadingUse::Judged;
    constexpr auto windowSize = static_cast<std::size_t>(window);
    recent_.push_back(raw);
    if (recent_.size() > 2 * windowSize)
        recent_.pop_front();
    ++progress_.readings;
    const auto last = recent_.size() > windowSize ? recent_.end() - window : recent_.begin();
    progress_.mean = meanOf(last, recent_.end());
    double squares = 0;
    for (auto it = last; it != recent_.end(); ++it)
        squares += (*it - progress_.mean) * (*it - progress_.mean);
    const auto n = static_cast<double>(std::distance(last, recent_.end()));
    progress_.spread = n > 1 ? std::sqrt(squares / (n - 1)) : 0;
    if (recent_.size() == 2 * windowSize &&
        std::abs(meanOf(recent_.begin(), last) - progress_.mean) < steadyWithin) {
        point_ = CalibrationPoint{input_, progress_.mean, progress_.spread, 0};
        answer.done = true;
    }
    return answer;
}

} // namespace velmor

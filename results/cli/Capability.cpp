#include "Capability.h"

#include <algorithm>
#include <cmath>

namespace velmor::results {

void Capability::add(double value) {
    ++count_;
    const double before = value - mean_;
    mean_ += before / count_;
    squares_ += before * (value - mean_);
}

std::optional<double> Capability::sigma() const {
    if (count_ < 2)
        return std::nullopt;
    return std::sqrt(std::max(0.0, squares_) / (count_ - 1));
}

std::optional<double> Capability::cpk() const {
    const auto s = sigma();
    if (count_ < fewestForCpk || !s || *s <= 0)
        return std::nullopt;
    return std::min(usl_ - mean_, mean_ - lsl_) / (3 * *s);
}

} // namespace velmor::results

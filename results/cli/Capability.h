#pragma once

#include <optional>

namespace velmor::results {

// The spread of one measured value over many units and how well it sits inside its limits,
// gathered a value at a time (Welford's running mean, so that thousands of volts near 12 lose
// no digits to cancellation).
class Capability {
public:
    Capability(double lsl, double usl) : lsl_(lsl), usl_(usl) {}

    // The spread as kept: the count, the mean and the sum of squared distances from it.
    static Capability kept(double lsl, double usl, int count, double mean, double squares) {
        Capability c(lsl, usl);
        c.count_ = count;
        c.mean_ = mean;
        c.squares_ = squares;
        return c;
    }

    void add(double value);

    double lsl() const { return lsl_; }
    double usl() const { return usl_; }
    int count() const { return count_; }
    double mean() const { return mean_; }
    // The sample standard deviation (n - 1); nothing for fewer than two values.
    std::optional<double> sigma() const;
    // min(USL - mean, mean - LSL) / 3σ; nothing for fewer than fewestForCpk values (a few values'
    // σ says little of the process) or no spread at all.
    std::optional<double> cpk() const;
    static constexpr int fewestForCpk = 25;

private:
    double lsl_;
    double usl_;
    int count_ = 0;
    double mean_ = 0;
    double squares_ = 0; // the sum of squared distances from the running mean
};

} // namespace velmor::results

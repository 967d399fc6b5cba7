#pragma once

#include "Finding.h"

#include <optional>

namespace velmor {

// What decides a step judged reading by reading: the first reading outside its limits and the
// first outside its guard band, each with where the step was and the loads then.
class FirstFindings {
public:
    // An output's volts judged `outcome` against `limits`, kept where it is the step's first
    // failure, or first marginal reading. `where()` and `loads()` (the text) are asked only then.
    template <typename Where, typename Loads>
    void note(const QString& output, const UnitOutput& unit, double volts, Outcome outcome,
              const Limits& limits, Where where, Loads loads) {
        if (!first(outcome))
            if (auto what = voltsCrossing(output, unit, volts, outcome, limits))
                first(outcome) = Finding{Finding::Kind::Crossed, *what, where(), loads()};
    }
    // A finding made already, kept likewise.
    void keep(Outcome outcome, const std::optional<Finding>& finding) {
        if (!first(outcome))
            first(outcome) = finding;
    }

    // The finding of a step that came to `outcome`: its first failure when it failed, its first
    // marginal reading when it was marginal; none otherwise.
    std::optional<Finding> deciding(Outcome outcome) const {
        if (outcome == Outcome::Fail)
            return failed_;
        return outcome == Outcome::Marginal ? marginal_ : std::nullopt;
    }

private:
    std::optional<Finding>& first(Outcome outcome) {
        return outcome == Outcome::Fail ? failed_ : marginal_;
    }

    std::optional<Finding> failed_;
    std::optional<Finding> marginal_;
};

} // namespace velmor

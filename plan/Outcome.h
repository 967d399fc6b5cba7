#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace velmor {

// How a measurement, a step or a whole plan run came out, from best to worst. Only a completed
// run has a verdict (pass, marginal or fail); error and aborted say why a run has none.
enum class Outcome {
    Pass,
    Marginal, // inside the limits but outside the tighter guard band
    Fail,
    Error, // the run could not go on: the link lost beyond its timeout, the supply did not power on
    Aborted // stopped from outside: a signal, the operator
};

// The worse of two outcomes.
constexpr Outcome worse(Outcome a, Outcome b) {
    return static_cast<int>(a) >= static_cast<int>(b) ? a : b;
}

// "pass", "marginal", "fail", "error", "aborted": the words the records and exports keep.
QString outcomeName(Outcome outcome);
std::optional<Outcome> parseOutcome(QStringView name);

} // namespace velmor

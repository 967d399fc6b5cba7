#pragma once

#include "Outcome.h"

#include <QColor>

#include <optional>

namespace velmor {

// The colour of an outcome wherever one is shown, in the windows and on the reports' pages:
// green a pass, amber a marginal pass, red a fail and an error (the bench could not test: it wants
// the operator as much as a fail does), grey an aborted run or one without an outcome.
QColor outcomeColour(std::optional<Outcome> outcome);

} // namespace velmor

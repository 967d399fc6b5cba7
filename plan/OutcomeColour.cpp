#include "OutcomeColour.h"

namespace velmor {

QColor outcomeColour(std::optional<Outcome> outcome) {
    if (!outcome)
        return QColor(0x60, 0x60, 0x60);
    switch (*outcome) {
    case Outcome::Pass:
        return QColor(0x2e, 0x9e, 0x44);
    case Outcome::Marginal: // dark enough to read as text on a light window or page
        return QColor(0xc7, 0x8a, 0x0c);
    case Outcome::Fail:
    case Outcome::Error:
        return QColor(0xd3, 0x2f, 0x2f);
    case Outcome::Aborted:
        break;
    }
    return QColor(0x60, 0x60, 0x60);
}

} // namespace velmor

#include "Outcome.h"

#include <array>

namespace velmor {

namespace {

constexpr std::array<const char*, 5> names{"pass", "marginal", "fail", "error", "aborted"};

} // namespace

QString outcomeName(Outcome outcome) {
    return QString::fromLatin1(names.at(static_cast<std::size_t>(outcome)));
}

std::optional<Outcome> parseOutcome(QStringView name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (name == QLatin1String(names[i]))
            return static_cast<Outcome>(i);
    }
    return std::nullopt;
}

} // namespace velmor

#pragma once

#include <QString>

#include <algorithm>

namespace velmor {

// The unit's serial number, its model and the operator's name each take 1 to this many printable
// characters: what a barcode scanner or a keyboard types, nothing that could move a terminal's
// cursor or break a report's line.
inline constexpr int maxIdentityLength = 64;

inline bool isIdentityText(const QString& text) {
    return !text.isEmpty() && text.size() <= maxIdentityLength &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

// The supply under test and who tests it, as the operator gives them: the unit's serial number
// (as a barcode scanner types it), its model and the operator's name. Empty where not given.
struct UnitIdentity {
    QString serial;
    QString model;
    QString operatorName;
    friend bool operator==(const UnitIdentity&, const UnitIdentity&) = default;
};

} // namespace velmor

#pragma once

#include <QString>

namespace velmor {

// The supply under test and who tests it, as the operator gives them: the unit's serial number
// (as a barcode scanner types it), its model and the operator's name. Empty where not given.
struct UnitIdentity {
    QString serial;
    QString model;
    QString operatorName;
    friend bool operator==(const UnitIdentity&, const UnitIdentity&) = default;
};

} // namespace velmor

#pragma once

#include "UnitIdentity.h"

#include <QString>

namespace velmor::results {

// What a sweep's and a session's rows in the store both hold: the record's id and times, how it
// ended (empty while open), the bench it was made on and the unit under test.
struct RecordHeader {
    QString id;
    QString startedAt, endedAt;
    QString endState;
    QString host, port;
    UnitIdentity unit{};
};

} // namespace velmor::results

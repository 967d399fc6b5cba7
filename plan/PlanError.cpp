#include "PlanError.h"

namespace velmor {

QString PlanError::text() const {
    if (line <= 0)
        return QStringLiteral("%1: %2").arg(file, what);
    return QStringLiteral("%1:%2:%3: %4").arg(file).arg(line).arg(column).arg(what);
}

} // namespace velmor

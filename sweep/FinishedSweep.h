#pragma once

#include "Calibration.h"
#include "MapRecord.h"
#include "Sweep.h"
#include "UnitIdentity.h"

#include <QDateTime>
#include <QImage>
#include <QString>

namespace velmor {

// A finished sweep as it is saved: the name it is saved under, the map as drawn, its cells, the
// limits it ran with, when and where it ran, the unit it tested and the calibration its verdict is
// judged with.
struct FinishedSweep {
    QString name;
    QImage map;
    qreal mapPixelRatio = 1; // the map's pixels per logical pixel of the screen it was drawn on
    MapRecord record;
    SweepLimits limits;
    QString port; // the unit's device
    QDateTime finishedAt;
    QString bench{}; // the host it ran on
    UnitIdentity unit{};
    bool completed = true; // a sweep that did not complete has no verdict
    Calibration calibration{};
    QString calibrationWarning{}; // "overdue" or "missing" where the bench's calibration was
};

} // namespace velmor

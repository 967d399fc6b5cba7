#pragma once

#include "FinishedSweep.h"

#include <QByteArray>
#include <QPainter>

namespace velmor {

// The one-page PDF report of a finished sweep: the title with the name, date, bench and port;
// the map with its axes in amperes and the power bound; the colour legend with each class's
// cells; the limits; the verdict; the worst +5 V and +12 V cells; the +3.3 V range.
QByteArray sweepReportPdf(const FinishedSweep& sweep);

// That report's map with its axes, the power bound (for a power limit above 0) and the colour
// legend beside it, its top at `top` on the page. Returns the bottom of what it drew.
double drawSweepMap(QPainter& painter, const FinishedSweep& sweep, double top);

} // namespace velmor

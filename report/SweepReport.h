#pragma once

#include "FinishedSweep.h"

#include <QByteArray>

namespace velmor {

// The one-page PDF report of a finished sweep: the title with the name, date, bench and port;
// the map with its axes in amperes and the power bound; the colour legend with each class's
// cells; the limits; the verdict; the worst +5 V and +12 V cells; the +3.3 V range.
QByteArray sweepReportPdf(const FinishedSweep& sweep);

} // namespace velmor

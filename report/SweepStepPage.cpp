// A sweep step: its cross-load map as the sweep's own report draws it, then its measurements.
#include "MapPicture.h"
#include "StepPages.h"
#include "SweepReport.h"

#include <memory>

namespace velmor {

void addSweepPages(PageFlow& flow, const RunReportStep& step) {
    auto sweep = std::make_shared<FinishedSweep>();
    sweep->name = step.name;
    sweep->map = drawMap(step.cells, mapPicturePixels(1), 1);
    sweep->record = step.cells;
    sweep->limits = step.sweepLimits;
    sweep->finishedAt = step.endedAt;
    // The map's room on the page: at most 700 high, the axes' labels beneath.
    flow.add(880, [sweep](QPainter& p, double top) { drawSweepMap(p, *sweep, top + 40); });
    addMeasurementList(flow, allMeasurements(step));
}

} // namespace velmor

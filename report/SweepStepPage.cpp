// A sweep step: its cross-load map, rebuilt from its readings, as the sweep's own report draws it,
// then its measurements.
#include "MapPicture.h"
#include "StepPages.h"
#include "SweepReport.h"
#include "SweepStep.h"

#include <memory>

namespace velmor {

void addSweepPages(PageFlow& flow, const RunReportStep& step) {
    std::vector<KeptReading> kept;
    kept.reserve(step.readings.size());
    for (const RunReportReading& r : step.readings)
        kept.push_back({r.supplyOn,
                        {r.load5, r.load12, r.load33},
                        storedReply(r.b1, r.b2, r.b3, r.b4),
                        r.settling});
    auto sweep = std::make_shared<FinishedSweep>();
    sweep->name = step.name;
    sweep->record = sweepStepRecord(kept);
    sweep->map = drawMap(sweep->record, mapPicturePixels(1), 1);
    sweep->limits = step.sweepLimits;
    sweep->finishedAt = step.endedAt;
    // The map's room on the page: at most 700 high, the axes' labels beneath.
    flow.add(880, [sweep](QPainter& p, double top) { drawSweepMap(p, *sweep, top + 40); });
    addMeasurementList(flow, allMeasurements(step));
}

} // namespace velmor

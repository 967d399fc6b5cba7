#include "SweepSave.h"

#include "MapSave.h"
#include "SweepReport.h"

namespace velmor {

std::optional<QString> saveSweep(const QString& bmpPath, const FinishedSweep& sweep) {
    return saveMapFiles(mapFilesBeside(bmpPath), sweep.map, crossLoadCsv(sweep.record),
                        crossLoadSummary(sweep.record, sweep.limits, sweep.name),
                        sweepReportPdf(sweep));
}

} // namespace velmor

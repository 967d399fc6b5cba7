#include "SweepSave.h"

#include "MapCsv.h"
#include "MapSave.h"
#include "MapSummaryText.h"
#include "SweepReport.h"

namespace velmor {

std::optional<QString> saveSweep(const QString& mapsFolder, const QString& relativeBmpPath,
                                 const FinishedSweep& sweep, bool withReport) {
    return saveMapFiles(mapsFolder, mapFilesBeside(relativeBmpPath), sweep.map,
                        crossLoadCsv(sweep.record),
                        crossLoadSummary(sweep.record, sweep.limits, sweep.name),
                        withReport ? std::optional(sweepReportPdf(sweep)) : std::nullopt);
}

} // namespace velmor

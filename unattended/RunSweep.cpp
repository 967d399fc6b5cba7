#include "RunSweep.h"

#include "MapFile.h"
#include "MapsFolder.h"
#include "UnattendedSweep.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace velmor {

namespace {

int refuse(const QString& why) {
    std::fprintf(stderr, "velmor-test: %s\n", qPrintable(why));
    return sweepCouldNotRun;
}

} // namespace

int runUnattendedSweep(const SweepRequest& request, const PortFactory& makePort,
                       const MapsFolder& maps, SweepRecorder* recorder,
                       const Calibration& calibration, const QString& calibrationWarning) {
    const auto target = mapFilePath(maps.path, request.name);
    if (const auto* refused = std::get_if<MapNameRefused>(&target))
        return refuse(refused->reason);
    if (const auto error = prepareMapsFolder(maps))
        return refuse(*error);
    const MapPath& map = std::get<MapPath>(target);
    // Checked before the sweep, not after its minutes of running.
    const QDir folder = QFileInfo(map.path).dir();
    if (!folder.exists())
        return refuse(
            QCoreApplication::translate("RunSweep", "Cannot save the map in %1: no such folder")
                .arg(folder.path()));

    UnattendedSweep sweep({request.limits, request.unit, request.linkTimeoutSeconds, request.report,
                           maps.path, map, recorder, calibration, calibrationWarning},
                          makePort, {stdout, ::isatty(::fileno(stdout)) == 1});
    return sweep.runToTheEnd(sweepCouldNotRun);
}

} // namespace velmor

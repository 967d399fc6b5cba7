#include "RunSweep.h"

#include "Files.h"
#include "MapFile.h"
#include "StopSignals.h"
#include "UnattendedSweep.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
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
                       SweepRecorder* recorder) {
    const auto target = mapFilePath(ui::programFolder(), request.name);
    if (const auto* refused = std::get_if<MapNameRefused>(&target))
        return refuse(refused->reason);
    const QString bmpPath = std::get<MapPath>(target).path;
    const QDir folder = QFileInfo(bmpPath).dir();
    if (!folder.exists())
        return refuse(
            QCoreApplication::translate("RunSweep", "Cannot save the map in %1: no such folder")
                .arg(folder.path()));

    UnattendedSweep sweep(request, bmpPath, makePort, {stdout, ::isatty(::fileno(stdout)) == 1},
                          recorder);
    // Caught from before the first frame, so a stop always ends with the loads off.
    const StopSignals stop([&sweep](int) { sweep.interrupt(); });
    if (const auto error = sweep.start())
        return refuse(*error);
    QEventLoop loop;
    QObject::connect(&sweep, &UnattendedSweep::finished, &loop, &QEventLoop::exit);
    return loop.exec();
}

} // namespace velmor

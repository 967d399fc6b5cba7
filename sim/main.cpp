// velmor-unit-sim: the load-and-measurement unit with a simulated supply behind it, on a
// pseudo-terminal. Prints the device to open on its first line and runs until stopped.
#include "FaultMode.h"
#include "SimulatedUnit.h"
#include "TerminationSignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <utility>

namespace {

void logFrame(const velmor::sim::ReceivedFrame& received) {
    const velmor::ControlFrame& f = received.frame;
    const velmor::LoadSettings loads = velmor::loadSettings(f);
    std::printf("%12.3f ms  %02X %02X %02X %02X  switch %d, +5 V %d, +12 V %d, +3.3 V %d\n",
                static_cast<double>(received.atMicroseconds) / 1000.0, f.supplySwitch, f.load33Code,
                f.load12Code, f.load5Code, f.supplySwitch, loads.load5, loads.load12, loads.load33);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    using namespace velmor::sim;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmor-unit-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated load-and-measurement unit on a pseudo-terminal. Prints the "
                       "device to open as port 1, then runs until stopped."));
    parser.addHelpOption();
    const QCommandLineOption link(
        QStringLiteral("link"),
        QStringLiteral("Keep a symbolic link at <path> pointing at the unit's device, across "
                       "drops of the link."),
        QStringLiteral("path"));
    const QCommandLineOption fault(
        QStringLiteral("fault"),
        QStringLiteral("Misbehave: %1.").arg(faultModeNames().join(QStringLiteral(", "))),
        QStringLiteral("mode"), QStringLiteral("normal"));
    const QCommandLineOption ocp(
        QStringLiteral("ocp"),
        QStringLiteral("Switch the supply off above <watts> until it is switched off and on "
                       "(default %1).")
            .arg(SupplyModel::defaultOverPowerWatts),
        QStringLiteral("watts"));
    const QCommandLineOption noise(
        QStringLiteral("noise"),
        QStringLiteral("Add up to +-<lsb> of repeatable noise to each reading (default 0)."),
        QStringLiteral("lsb"));
    const QCommandLineOption powerOn(
        QStringLiteral("power-on-ms"),
        QStringLiteral("Keep the outputs at 0 V for <ms> after switch-on, as a real supply does "
                       "for 100 to 500 ms (default 0: at once; 100000 and more: never)."),
        QStringLiteral("ms"));
    const QCommandLineOption settle(
        QStringLiteral("settle-ms"),
        QStringLiteral("Let the outputs rise after power-on and follow each load change as a "
                       "first-order response with this time constant (default 0: at once; "
                       "tens of ms is realistic)."),
        QStringLiteral("ms"));
    const QCommandLineOption replay(
        QStringLiteral("replay"),
        QStringLiteral("Play back what the unit sent in a trace recorded with velmor-test --trace, "
                       "with its timing, instead of simulating a supply."),
        QStringLiteral("file"));
    const QCommandLineOption answerOnly(
        QStringLiteral("answer-only"),
        QStringLiteral("Speak only when spoken to: answer each frame, and send no reply of its "
                       "own while no frame comes."));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Print each received frame with its time."));
    const QCommandLineOption inputGain(
        QStringLiteral("input-gain"),
        QStringLiteral(
            "Read an output's input mis-scaled by a factor, e.g. 12=1.02 reads +12 V 2 % "
            "high (outputs 5, 12, 3.3; repeat the option for more)."),
        QStringLiteral("output=gain"));
    const QCommandLineOption inputOffset(
        QStringLiteral("input-offset"),
        QStringLiteral("Read an output's input shifted by volts, e.g. 5=-0.03."),
        QStringLiteral("output=volts"));
    parser.addOptions({link, fault, ocp, noise, powerOn, settle, replay, answerOnly, log, inputGain,
                       inputOffset});
    parser.process(app);

    const auto mode = parseFaultMode(parser.value(fault));
    if (!mode) {
        std::fprintf(stderr, "velmor-unit-sim: unknown fault mode \"%s\" (one of: %s)\n",
                     qPrintable(parser.value(fault)),
                     qPrintable(faultModeNames().join(QStringLiteral(", "))));
        return 2;
    }
    SimulatedUnit unit;
    unit.setFaultMode(*mode);
    if (parser.isSet(ocp)) {
        bool ok = false;
        const double watts = parser.value(ocp).toDouble(&ok);
        if (!ok || watts <= 0) {
            std::fprintf(stderr, "velmor-unit-sim: --ocp needs a positive number of watts\n");
            return 2;
        }
        unit.model().setOverPowerWatts(watts);
    }
    if (parser.isSet(noise)) {
        bool ok = false;
        const int lsb = parser.value(noise).toInt(&ok);
        if (!ok || lsb < 0) {
            std::fprintf(stderr, "velmor-unit-sim: --noise needs a whole number from 0\n");
            return 2;
        }
        unit.model().setNoise(lsb);
    }
    for (const auto& [option, set] :
         {std::pair{&powerOn, &SupplyModel::setPowerOnMs}, {&settle, &SupplyModel::setSettleMs}}) {
        if (!parser.isSet(*option))
            continue;
        bool ok = false;
        const int ms = parser.value(*option).toInt(&ok);
        if (!ok || ms < 0) {
            std::fprintf(stderr, "velmor-unit-sim: --%s needs a whole number of milliseconds\n",
                         qPrintable(option->names().constFirst()));
            return 2;
        }
        (unit.model().*set)(ms);
    }
    if (const auto error =
            applyInputScales(unit.model(), parser.values(inputGain), parser.values(inputOffset))) {
        std::fprintf(stderr, "velmor-unit-sim: %s\n", qPrintable(*error));
        return 2;
    }
    if (parser.isSet(replay)) {
        QString error;
        auto recorded = readTraceFile(parser.value(replay), &error);
        if (!recorded) {
            std::fprintf(stderr, "velmor-unit-sim: cannot replay %s\n", qPrintable(error));
            return 2;
        }
        if (!recorded->hasUnitOutput())
            std::fprintf(stderr,
                         "velmor-unit-sim: warning: %s holds no unit output (no IN line); "
                         "the unit will stay silent\n",
                         qPrintable(parser.value(replay)));
        unit.setReplay(std::move(*recorded));
    }
    if (parser.isSet(answerOnly))
        unit.setUnsolicitedInterval(0);
    if (parser.isSet(log))
        QObject::connect(&unit, &SimulatedUnit::frameReceived, &logFrame);
    QObject::connect(&unit, &SimulatedUnit::linkDropped,
                     [] { std::fprintf(stderr, "velmor-unit-sim: link dropped\n"); });
    QObject::connect(&unit, &SimulatedUnit::linkRestored, [](const QString& path) {
        std::fprintf(stderr, "velmor-unit-sim: link back on %s\n", qPrintable(path));
    });

    // SIGTERM, SIGINT and SIGHUP end the event loop, so the unit's destructor removes its link.
    velmor::TerminationSignals stop;
    if (stop.error()) {
        std::fprintf(stderr, "velmor-unit-sim: signal handling: %s\n", qPrintable(*stop.error()));
        return 1;
    }
    QObject::connect(&stop, &velmor::TerminationSignals::received, qApp, &QCoreApplication::quit);
    if (const auto error = unit.start(parser.value(link))) {
        std::fprintf(stderr, "velmor-unit-sim: %s\n", qPrintable(*error));
        return 1;
    }
    std::printf("%s\n", qPrintable(unit.ptyPath()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}

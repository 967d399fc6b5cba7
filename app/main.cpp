#include "Calibrate.h"
#include "DisplayLoss.h"
#include "Language.h"
#include "Operator.h"
#include "Options.h"
#include "Recording.h"
#include "RepeatTest.h"
#include "RunPlan.h"
#include "RunSweep.h"
#include "SharedState.h"
#include "StationWindow.h"
#include "SupplyGuardian.h"
#include "TerminationSignals.h"
#include "UnitOptions.h"
#include "Wiring.h"

#ifdef VELMOR_HAS_SIM
#include "SimulatedUnit.h"
#include "StoreChoice.h"
#endif

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

bool displayAvailable() {
#ifdef Q_OS_LINUX
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

// With VELMOR_REPORT_SHOWN set, the program says on stderr when its first window has been drawn
// on screen, as a steady-clock stamp in microseconds; the start-up benchmark reads it.
class ShownReport final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [] { // once the exposed window has painted
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::fprintf(
                    stderr, "velmor-test: shown at %lld us\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
                std::fflush(stderr);
            });
        }
        return false;
    }
};

// The store a test looks up earlier passes in: the one it records into, if any.
std::optional<velmor::results::StoreAddress> recordsStore(const std::optional<QString>& url) {
    const auto store = velmor::results::chooseStore(url);
    const auto* address = std::get_if<velmor::results::StoreAddress>(&store);
    if (!address || address->kind == velmor::results::StoreAddress::Kind::Off)
        return std::nullopt;
    return *address;
}

// Looked up before the first frame, and the test goes on whatever it finds; kept until the test
// ends, so that a slow store is waited for only then.
template <typename Test>
std::unique_ptr<velmor::results::RepeatTestCheck>
warnOfRepeat(const std::optional<QString>& url, const QString& serial, const Test& test) {
    const auto store = recordsStore(url);
    if (!store || serial.isEmpty())
        return nullptr;
    auto repeat = std::make_unique<velmor::results::RepeatTestCheck>(*store, serial, test);
    if (const auto warning = repeat->warning())
        std::fprintf(stderr, "velmor-test: %s\n", qPrintable(*warning));
    return repeat;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("velmor-test"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMOR_VERSION));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int exitCode = 0;
    if (velmor::wantsTextOnly(arguments)) {
        QCoreApplication app(argc, argv);
        velmor::parseOptions(QCoreApplication::arguments(), &exitCode);
        return exitCode;
    }
    // Forked before any thread: from here on every port the program opens is switched off
    // by the guardian should the program die with it open.
    if (const auto error = velmor::supplyGuardian::start())
        std::fprintf(stderr,
                     "velmor-test: no guardian for the unit (%s); the supply is switched "
                     "off on every ending but a kill or a crash\n",
                     qPrintable(*error));
    const bool sweep = velmor::wantsUnattendedSweep(arguments);
    const bool calibrate = velmor::wantsCalibration(arguments);
    const bool unattended = sweep || calibrate || velmor::wantsPlan(arguments);
    if (unattended)
        qputenv("QT_QPA_PLATFORM", "offscreen"); // no window, so no display either
    else if (!displayAvailable()) {
        std::fprintf(stderr, "velmor-test needs a display. Without one, run it under xvfb-run "
                             "(xvfb-run -a ./run --simulate).\n");
        return 1;
    }

    QApplication app(argc, argv);
    // One language for the run's reports and messages. In a Russian run Qt's own texts are
    // Russian before the options are read, so that its complaints about them are too; the
    // windows have them Russian in any run.
    const velmor::Language language = velmor::chosenLanguage(arguments);
    velmor::useProgramTexts(app, language, !unattended);
    bool qtRussian = language == velmor::Language::Russian && velmor::useRussianQtTexts(app);
    auto options = velmor::parseOptions(QApplication::arguments(), &exitCode);
    if (!options)
        return sweep && exitCode != 0 ? velmor::sweepCouldNotRun : exitCode;
    if (options->checkPlan)
        return velmor::checkPlan(*options->checkPlan);
    // Read and checked in full before the simulated unit, the store or the port is touched.
    std::optional<velmor::Plan> plan;
    // The station reads its plan afresh for each unit.
    if (options->plan && !options->station && !(plan = velmor::loadPlan(options->plan->file)))
        return velmor::planCouldNotRun;
    if (!unattended && language == velmor::Language::English)
        qtRussian = velmor::useRussianQtTexts(app);
    if (!unattended && !qtRussian)
        std::fprintf(stderr, "velmor-test: Qt's Russian translation is missing (Debian package "
                             "qt6-translations-l10n); the dialogs' buttons stay English\n");

#ifdef VELMOR_HAS_SIM
    // The simulated unit lives in this process, on the same event loop, for as long as the bench.
    std::unique_ptr<velmor::sim::SimulatedUnit> unit;
    if (options->simulate) {
        unit = std::make_unique<velmor::sim::SimulatedUnit>();
        if (const auto error = unit->start()) {
            ui::reportError(QCoreApplication::translate("main", "Имитатор блока"), *error);
            return 1;
        }
        options->port1Device = unit->devicePath();
        if (const auto error = velmor::sim::applyInputScales(
                unit->model(), options->simulatedInputGains, options->simulatedInputOffsets)) {
            std::fprintf(stderr, "velmor-test: %s\n", qPrintable(*error));
            return 2;
        }
    }
#else
    if (options->simulate) {
        std::fprintf(stderr, "The simulated unit is not available on this platform.\n");
        return 1;
    }
#endif

    // The windows take the unit from the configuration file where the command line names none;
    // the command-line sweep and plan only from the command line, so that a line left in the file
    // from another unit never names this one.
    velmor::UnitIdentity underTest = options->unit;
    if (!unattended) {
        const auto configured = velmor::configuredUnit(velmor::results::configFilePath());
        if (const auto* error = std::get_if<QString>(&configured)) {
            std::fprintf(stderr, "velmor-test: %s\n", qPrintable(*error));
            return 2;
        }
        underTest = velmor::givenOver(underTest, std::get<velmor::UnitIdentity>(configured));
    }

    velmor::SharedState state; // outlives the windows
    auto wired = velmor::Program::wire(
        {options->port1Device, options->tracePath, options->resultsUrl, underTest});
    if (const auto* error = std::get_if<QString>(&wired)) {
        std::fprintf(stderr, "velmor-test: %s\n", qPrintable(*error));
        return unattended ? velmor::sweepCouldNotRun : 2;
    }
    velmor::Program& program = *std::get<0>(wired);
    const velmor::PortFactory& makePort = program.makePort();
    velmor::results::Recording* recorder = program.recording();
    // The simulated unit's reference source, which a calibration sets at each point.
    velmor::SetSource setSource;
#ifdef VELMOR_HAS_SIM
    if (unit)
        setSource = [&unit](velmor::Input input, double volts) {
            std::array<double, velmor::inputCount> source{};
            source[velmor::indexOf(input)] = volts;
            unit->model().setSource(source);
        };
#endif
    if (options->calibrate) {
        const auto store = velmor::results::chooseStore(options->resultsUrl);
        if (const auto* error = std::get_if<QString>(&store)) {
            std::fprintf(stderr, "velmor-test: %s\n", qPrintable(*error));
            return 1;
        }
        const velmor::results::StoreAddress address =
            std::get<velmor::results::StoreAddress>(store);
        return velmor::runCalibration(
            {options->reference, underTest.operatorName, underTest.serial}, options->port1Device,
            makePort,
            [&address](velmor::results::CalibrationRecord& record) {
                return velmor::results::keepCalibration(address, record);
            },
            setSource);
    }
    if (plan) {
        plan->context.calibration = velmor::currentCalibration(recordsStore(options->resultsUrl),
                                                               &plan->calibrationWarning);
        const auto repeat = warnOfRepeat(options->resultsUrl, underTest.serial, *plan);
        const int status =
            velmor::runUnattendedPlan(std::move(*plan), *options->plan, makePort,
                                      velmor::mapsFolderOfThisProgram(), program.recorder());
        // Records lost fail the run, whatever its outcome: stderr has said how many.
        return recorder && recorder->finish() > 0 ? velmor::planCouldNotRun : status;
    }
    if (options->sweep) {
        QString calibrationWarning;
        const velmor::Calibration calibration =
            velmor::currentCalibration(recordsStore(options->resultsUrl), &calibrationWarning);
        const auto repeat =
            warnOfRepeat(options->resultsUrl, underTest.serial, options->sweep->limits);
        const int status = velmor::runUnattendedSweep(
            *options->sweep, makePort, velmor::mapsFolderOfThisProgram(),
            recorder ? &recorder->recorder() : nullptr, calibration, calibrationWarning);
        // Records lost fail the run, whatever its verdict: stderr has said how many.
        return recorder && recorder->finish() > 0 ? velmor::sweepCouldNotRun : status;
    }

    // A termination signal ends the program cleanly: the station's run ended as aborted, the
    // loads off where a window has the port open, the port closed (which removes its lock
    // file), then the usual way out.
    velmor::StationWindow* station = nullptr;
    const auto endNow = [&program, &station] {
        if (station)
            station->endNow();
        program.ports().loadsOffAndClose();
    };
    velmor::TerminationSignals stop;
    if (stop.error())
        std::fprintf(stderr, "velmor-test: cannot handle termination signals: %s\n",
                     qPrintable(*stop.error()));
    QObject::connect(&stop, &velmor::TerminationSignals::received, [&endNow](int signalNumber) {
        endNow();
        QApplication::exit(velmor::TerminationSignals::exitStatus(signalNumber));
    });
    // The display gone, Qt exits at once: the same end, the windows closed as on any close, and
    // the records stored or journalled before it.
    velmor::onDisplayLost([&endNow, &program, recorder] {
        endNow();
        program.closeWindows();
        if (recorder)
            recorder->finish();
    });

    if (options->station) {
        velmor::StationWindow window(makePort, options->plan ? options->plan->file : QString(),
                                     velmor::mapsFolderOfThisProgram(), program.recorder(),
                                     recordsStore(options->resultsUrl));
        window.setReferenceSource(setSource);
        station = &window;
        window.show();
        const int status = QApplication::exec();
        station = nullptr;
        return status;
    }
    // A port that cannot be opened on the way to the other window ends the program, as it
    // does at start-up. It leaves through the event loop, not exit(): the record writer's threads
    // must stop before the libraries they use are torn down.
    int fatalStatus = 0;
    if (!program.openWindows(state, velmor::mapsFolderOfThisProgram(),
                             [&fatalStatus](const QString& title, const QString& error) {
                                 ui::reportError(title, error);
                                 fatalStatus = 1;
                                 QApplication::exit(fatalStatus);
                             }))
        return 1;
    velmor::WindowSwitcher& switcher = *program.switcher();
    if (qEnvironmentVariableIsSet("VELMOR_REPORT_SHOWN"))
        if (QWindow* window = switcher.manualWindow()->windowHandle())
            window->installEventFilter(new ShownReport(window));
    const int status = QApplication::exec();
    return fatalStatus != 0 ? fatalStatus : status;
}

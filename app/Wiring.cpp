#include "Wiring.h"

#include "LinkTrace.h"
#include "Printable.h"
#include "Startup.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>

namespace velmor {

Program::Program(const ProgramChoice& choice)
    : unit_(choice.unit), recordsWaiting_(results::troubleNote()) {
    PortFactory makePort = devicePortFactory(choice.port1Device);
    if (!choice.tracePath.isEmpty())
        makePort = tracedPortFactory(std::move(makePort), choice.tracePath);
    // A port left open however the program ends gets the all-off frame before it closes.
    makePort_ = ports_.watch(std::move(makePort));
}

std::variant<std::unique_ptr<Program>, QString> Program::wire(const ProgramChoice& choice) {
    if (!choice.tracePath.isEmpty())
        if (const auto refused = traceTargetRefused(choice.tracePath, choice.port1Device))
            return QStringLiteral("--trace: ") + *refused;
    auto recording = results::Recording::start(choice.resultsUrl, choice.port1Device);
    if (const auto* error = std::get_if<QString>(&recording))
        return QStringLiteral("--results: ") + *error;
    std::unique_ptr<Program> program(new Program(choice));
    program->recording_ = std::move(std::get<0>(recording));
    if (auto* recording = program->recording_.get()) {
        recording->recorder().setUnit(choice.unit);
        ui::TitleNote& note = program->recordsWaiting_;
        recording->onTrouble([&note](bool waiting) { note.show(waiting); });
    }
    return program;
}

Program::~Program() {
    closeWindows(); // before the recording ends
}

bool Program::openWindows(SharedState& state, const MapsFolder& mapsFolder,
                          WindowSwitcher::Fatal fatal) {
    state.unit = unit_;
    auto manual = startManualWindow(state, makePort_);
    if (!manual)
        return false;
    switcher_ = std::make_unique<WindowSwitcher>(state, makePort_, mapsFolder, std::move(fatal));
    if (recording_) {
        switcher_->setRecorders(&recording_->recorder(), &recording_->recorder());
        calibrationLookUp_ = std::make_unique<results::CalibrationLookUp>(
            recording_->store(), [this](const results::CalibrationLookUp::Found& found) {
                const auto* calibration = std::get_if<Calibration>(&found);
                if (!calibration)
                    std::fprintf(stderr, "velmor-test: %s\n",
                                 qPrintable(results::printable(
                                     QCoreApplication::translate(
                                         "velmor::Program",
                                         "the bench's calibration cannot be read (%1); the graph "
                                         "window's sweeps are recorded uncalibrated")
                                         .arg(std::get<QString>(found)))));
                const Calibration judged = calibration ? *calibration : Calibration{};
                if (switcher_)
                    switcher_->setCalibration(
                        judged, results::calibrationWarning(judged, QDate::currentDate()));
            });
    }
    switcher_->showManualWindow(std::move(manual));
    return true;
}

} // namespace velmor

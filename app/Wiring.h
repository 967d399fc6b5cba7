#pragma once

#include "CalibrationLookUp.h"
#include "MapsFolder.h"
#include "PortGuard.h"
#include "Recording.h"
#include "SerialPort.h"
#include "SharedState.h"
#include "TitleNote.h"
#include "UnitIdentity.h"
#include "WindowSwitcher.h"

#include <QString>

#include <memory>
#include <optional>
#include <variant>

namespace velmor {

// What the one who starts the program chooses; everything else is put together alike for
// velmor-test, the end-to-end tests and the benchmarks, so that what they exercise is what runs.
struct ProgramChoice {
    QString port1Device;
    QString tracePath;                 // empty: no link trace
    std::optional<QString> resultsUrl; // as --results; nothing: the configured or default store
    UnitIdentity unit;                 // kept in the test records and shown by the windows
};

// The program put together: ports on port 1's device, traced where asked, all watched by one
// guard; the recording; and, for the windows, the manual window and the switcher between it
// and the graph window. Gone, it closes the windows first, then ends the recording.
class Program {
public:
    // The link and the recording; an error ("--trace: …" or "--results: …") where the trace
    // file or the store cannot be used.
    static std::variant<std::unique_ptr<Program>, QString> wire(const ProgramChoice& choice);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Every port of the run: guarded, and traced where asked.
    const PortFactory& makePort() const { return makePort_; }
    PortGuard& ports() { return ports_; }
    // Nothing when recording is off.
    results::Recording* recording() const { return recording_.get(); }
    results::Recorder* recorder() const { return recording_ ? &recording_->recorder() : nullptr; }

    // The manual window loaded on the link and shown, the graph window saving into mapsFolder;
    // fatal as WindowSwitcher's. False where the manual window's port cannot be opened (the
    // operator has been told).
    bool openWindows(SharedState& state, const MapsFolder& mapsFolder, WindowSwitcher::Fatal fatal);
    WindowSwitcher* switcher() const { return switcher_.get(); }
    // The windows gone, their ports with them (the all-off frame from each port left open).
    void closeWindows() { switcher_.reset(); }

private:
    explicit Program(const ProgramChoice& choice);

    UnitIdentity unit_;
    PortGuard ports_;
    PortFactory makePort_;
    // While records wait to be stored, every window's title says so.
    ui::TitleNote recordsWaiting_;
    std::unique_ptr<results::Recording> recording_;
    std::unique_ptr<WindowSwitcher> switcher_;
    // The bench's calibration the graph window's sweeps name, looked up as the windows open.
    std::unique_ptr<results::CalibrationLookUp> calibrationLookUp_;
};

} // namespace velmor

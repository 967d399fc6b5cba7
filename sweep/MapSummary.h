#pragma once

#include "Calibration.h"
#include "MapRecord.h"
#include "Settling.h"
#include "Verdict.h"

#include <cstddef>
#include <optional>

namespace velmor {

// A map's figures and its ATX ±5 % verdict, over the cells the settled rule judges.

// A cell's voltages' distance from nominal.
double cellDeviation5(const MapCell& cell);  // +5 V reading less 5 V
double cellDeviation12(const MapCell& cell); // +12 V reading less 12 V

// Inside the ATX regulation band: under 5 % off nominal on both +5 V and +12 V (classes 0 to 4).
constexpr bool insideAtxBand(const MapCell& cell) {
    return cell.k5 <= 4 && cell.k12 <= 4;
}
// The same in the calibration's corrected volts; the design's classes where it is uncalibrated.
bool insideAtxBand(const MapCell& cell, const Calibration& calibration);

// Which output a worst cell is taken on.
enum class Output { Plus5, Plus12 };

// One output's reading in a cell and its distance from nominal, as a worst-cell line states it.
struct OutputReading {
    double volts = 0;
    double nominal = 0;
    int deviationClass = 0;
    double deviation() const { return volts - nominal; }
    double percent() const { return deviation() / nominal * 100; }
};
OutputReading outputReading(const MapCell& cell, Output output);

// What the summary reports, counted over the judged cells of the record. The worst cells are
// indexes into the record: the largest distance from nominal, the first painted on a tie; none
// when no cell is judged. The ATX ±5 % verdict fails when the supply did not power on or a judged
// cell lies outside the band, and passes when every judged cell lies inside it.
struct MapSummary {
    int cells = 0;
    int judged = 0;
    int supplyOff = 0;     // not judged: the reply to the all-off frame
    int poweringUp = 0;    // not judged: read before the supply was up
    int loadJump = 0;      // not judged: the reply to a load jump (a row wrap)
    int afterShutdown = 0; // not judged: the supply had shut down
    bool didNotPowerOn = false;
    std::optional<std::size_t> shutDownAt; // the cell that showed the supply shut down
    int insideBand = 0;
    std::optional<std::size_t> worst5;
    std::optional<std::size_t> worst12;
    Verdict verdict = Verdict::None;
    int unjudged() const { return cells - judged; }
    bool pass() const { return verdict == Verdict::Pass; }
};
// The summary of a map painted one cell a tick.
MapSummary summarize(const MapRecord& record);
// The same with each cell's settling given (one per cell, in order), for maps whose cells were
// not read one per tick (a plan's sweep paints each cell from a settled reading).
MapSummary summarize(const MapRecord& record, const SettledRun& settled);
// The summary with the band judged in the calibration's corrected volts (the command-line
// sweep's verdict); the worst cells stay those of the design's volts, as the map shows them.
MapSummary summarize(const MapRecord& record, const Calibration& calibration);
MapSummary summarize(const MapRecord& record, const SettledRun& settled,
                     const Calibration& calibration);

// The judged cell of the summary farthest from nominal on the output, or nothing when no cell
// is judged.
const MapCell* worstCell(const MapRecord& record, const MapSummary& summary, Output output);

// A test result: only a completed run has one; otherwise the summary's.
Verdict verdictOf(const MapSummary& summary, bool completed);

} // namespace velmor

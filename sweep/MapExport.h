#pragma once

#include "Limits.h"
#include "MapRecord.h"
#include "Settling.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace velmor {

// The cross-load data saved beside a map: one CSV row per painted cell and a short summary.
// Numbers are written with "." as the decimal point whatever the locale.

// A number with the given decimals and "." as the decimal point, as the summary, the reports
// and velmor-results print it.
QString fixed(double value, int decimals);

// The same with its sign: "+" for zero and above, `minus` below (the summary's "-", the report's
// typographic "−").
QString signedFixed(double value, int decimals, QChar minus = QLatin1Char('-'));

// The share of part in whole in per cent, with two decimals ("99.75").
QString percentOf(double part, double whole);

// The CSV's first line.
extern const QByteArray crossLoadCsvHeader;

// The header, then one line per cell in painting order, each line ending in "\n".
QByteArray crossLoadCsv(const MapRecord& record);

// A cell's voltages' distance from nominal.
double cellDeviation5(const MapCell& cell);  // +5 V reading less 5 V
double cellDeviation12(const MapCell& cell); // +12 V reading less 12 V

// Inside the ATX regulation band: under 5 % off nominal on both +5 V and +12 V (classes 0 to 4).
constexpr bool insideAtxBand(const MapCell& cell) {
    return cell.k5 <= 4 && cell.k12 <= 4;
}

// The cells as readings for the settled rule (Settling.h), with the frame each one answers:
// the first cell the all-off frame sent on loading or reset, every later cell the frame the
// tick before it sent, one +12 V step on from the cell before. Time runs at one tick per cell.
std::vector<RunReading> sweepReadings(const MapRecord& record);

// The settled rule over the cells: which are judged, and why the others are not.
SettledRun settleSweep(const MapRecord& record);

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

// A run's verdict: none when nothing was judged and the supply did not fail to power on;
// incomplete for a run that did not complete, which has no verdict.
enum class Verdict { None, Pass, Fail, Incomplete };
// "none", "pass", "fail" or "incomplete", as the records and the summary write it.
QString verdictName(Verdict verdict);
// The verdict a name of verdictName's stands for, or nothing.
std::optional<Verdict> verdictNamed(const QString& name);
// The verdict as the report and the command-line sweep's last line show it, in the run's
// language: "PASS", "FAIL", "NO VERDICT" or "INCOMPLETE".
QString verdictWord(Verdict verdict);

// What the summary reports, counted over the judged cells of the record. The worst cells are
// indexes into the record: the largest distance from nominal, the first painted on a tie; none
// when no cell is judged. The ATX ±5 % verdict fails when the supply did not power on or a judged
// cell lies outside the band or the supply shut down, and passes when every judged cell lies
// inside it.
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
MapSummary summarize(const MapRecord& record);
// The same with each cell's settling given (one per cell, in order), for maps whose cells were
// not read one per tick (a plan's sweep paints each cell from a settled reading).
MapSummary summarize(const MapRecord& record, const SettledRun& settled);

// The judged cell of the summary farthest from nominal on the output, or nothing when no cell
// is judged.
const MapCell* worstCell(const MapRecord& record, const MapSummary& summary, Output output);

// The summary's line of unjudged cells, e.g. "1 answers the all-off frame, 3 before the supply
// was up, 40 just after a load jump", or "none".
QString unjudgedReasons(const MapSummary& summary);

// "the supply shut down at row 12, column 40 (+5 V 3.75 A, +12 V 6.56 A)" in the run's language,
// or nothing when it did not.
std::optional<QString> shutDownText(const MapRecord& record, const MapSummary& summary);

// A test result: only a completed run has one; otherwise the summary's.
Verdict verdictOf(const MapSummary& summary, bool completed);

// The limits the sweep ran with.
struct SweepLimits {
    int loadLimit1 = 0;
    int loadLimit2 = 0;
    int powerLimit = 0;
};

// The limits a sweep takes from those the windows share.
constexpr SweepLimits sweepLimitsOf(const LoadLimits& limits) {
    return {limits.loadLimit1, limits.loadLimit2, limits.powerLimit};
}

// The summary text of the map saved under the name, lines ending in "\n"; the verdict is
// "incomplete" for a sweep that did not complete.
QByteArray crossLoadSummary(const MapRecord& record, const SweepLimits& limits, const QString& name,
                            bool completed = true);
// The same from a summary of the record.
QByteArray crossLoadSummary(const MapRecord& record, const MapSummary& summary,
                            const SweepLimits& limits, const QString& name, bool completed);

} // namespace velmor

#pragma once

#include "Limits.h"
#include "MapRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmor {

// The cross-load data saved beside a map: one CSV row per painted cell and a short summary.
// Numbers are written with "." as the decimal point whatever the locale.

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

// Cell (0, 0) is coloured by the reply to the all-off frame sent before the supply is switched
// on, so it is shown but not judged: only readings of a switched-on supply count.
constexpr bool judgedCell(const MapCell& cell) {
    return cell.row != 0 || cell.column != 0;
}

// What the summary reports, counted over the judged cells of the record. The worst cells are
// indexes into the record: the largest distance from nominal, the first painted on a tie; none
// when no cell is judged. The ATX ±5 % verdict passes when there are judged cells and every one
// of them lies inside the band.
struct MapSummary {
    int cells = 0;
    int judged = 0;
    int insideBand = 0;
    std::optional<std::size_t> worst5;
    std::optional<std::size_t> worst12;
    bool pass() const { return judged > 0 && insideBand == judged; }
};
MapSummary summarize(const MapRecord& record);

// A test result: only a completed run has one, and only when it judged a reading.
enum class Verdict { Pass, Fail, None, Incomplete };
Verdict verdictOf(const MapSummary& summary, bool completed);

// "pass", "fail", "none" or "incomplete", as the records and the summary write it.
QString verdictName(Verdict verdict);

// The limits the sweep ran with.
struct SweepLimits {
    int loadLimit1 = 0;
    int loadLimit2 = 0;
    int powerLimit = 0;
};

// The limits a sweep takes from those the windows share.
constexpr SweepLimits sweepLimitsOf(const Limits& limits) {
    return {limits.loadLimit1, limits.loadLimit2, limits.powerLimit};
}

// The summary text of the map saved under the name, lines ending in "\n"; the verdict is
// "incomplete" for a sweep that did not complete.
QByteArray crossLoadSummary(const MapRecord& record, const SweepLimits& limits, const QString& name,
                            bool completed = true);

} // namespace velmor

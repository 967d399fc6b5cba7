#pragma once

#include "ColourValue.h"
#include "Conversions.h"
#include "Deviation.h"
#include "Frames.h"
#include "Limits.h"
#include "SweepPosition.h"

#include <QString>

#include <optional>

namespace velmor {

// The cross-load sweep: the +12 V load steps across a row, the +5 V load rises one step per
// row. Step n on either axis is the load setting 2n, and the map cell of column Load12Step and
// row Load5Step shows the worse deviation class measured at that load.

// The sweep advances one step per tick of the graph window's Timer1.
inline constexpr int sweepTickMs = 100;

// The limits a sweep ran with.
struct SweepLimits {
    int loadLimit1 = 0;
    int loadLimit2 = 0;
    int powerLimit = 0;
};

// The limits a sweep takes from those the windows share.
constexpr SweepLimits sweepLimitsOf(const LoadLimits& limits) {
    return {limits.loadLimit1, limits.loadLimit2, limits.powerLimit};
}

// An output's full-scale power in whole watts: 200 W on +5 V, 252 W on +12 V.
constexpr int fullScaleWatts(const UnitOutput& output) {
    return static_cast<int>(output.fullScaleAmps * output.nominalVolts);
}
static_assert(fullScaleWatts(output5) == output5.fullScaleAmps * output5.nominalVolts &&
              fullScaleWatts(output12) == output12.fullScaleAmps * output12.nominalVolts);

// Nominal load power of a step (nominalCurrent5 and nominalCurrent12, Unit.h), in 1/128 W so
// that the comparisons are exact: (load5Step * 40/128 A) * 5 V + (load12Step * 21/128 A) * 12 V.
constexpr int sweepPower128(int load5Step, int load12Step) {
    return load5Step * fullScaleWatts(output5) + load12Step * fullScaleWatts(output12);
}

// The power bound 2 * powerLimit W in the same 1/128 W units.
constexpr int powerBound128(int powerLimit) {
    return powerLimitWatts(powerLimit) * sweepStepsFullScale;
}

// The row ends when the +12 V step reaches half its limit (true division) or the step's power
// exceeds the bound.
constexpr bool rowWraps(int load12Step, int load5Step, int loadLimit2, int powerLimit) {
    return 2 * load12Step >= loadLimit2 ||
           sweepPower128(load5Step, load12Step) > powerBound128(powerLimit);
}

// The sweep ends once the +5 V step passes half its limit (true division).
constexpr bool sweepEnds(int load5Step, int loadLimit1) {
    return 2 * load5Step > loadLimit1;
}

// A box on the plot surface between two corners, in twips from its top-left corner.
struct TwipBox {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    friend bool operator==(const TwipBox&, const TwipBox&) = default;
};

// Cells are 80 twips square; row 0 lies along y = 10240 and rows grow upwards, so the surface
// holds 128 x 128 cells.
inline constexpr int cellTwips = 80;
inline constexpr int mapBaseTwips = 10240;

constexpr TwipBox cellBox(int column, int row) {
    return {cellTwips * column, mapBaseTwips - cellTwips * row, cellTwips * (column + 1),
            mapBaseTwips - cellTwips * (row + 1)};
}

// The frame that asks for the loads of a sweep step. Step 128 on the +12 V axis (reached only
// with LoadLimit2 = 255) would be the code -1; it is sent as 0, full load, so every frame keeps
// its four bytes.
ControlFrame sweepFrame(int graphSupplyOn, int load12Step, int load5Step);

// All three loads off, the supply left as the sweep had it.
ControlFrame sweepEndFrame(int graphSupplyOn);

// The readout under the indicator squares: +5 V volts and amperes, +12 V volts and amperes,
// +3.3 V volts, on three lines.
QString sweepReadout(const ReplyFrame& reply, int load12Step, int load5Step);

extern const QString noLinkCaption;  // "нет" / "Связи"
extern const QString testEndCaption; // "ТЕСТ" / "ЗАКОНЧЕН"

// Everything one sweep tick does, decided from the limits, where the sweep stands and the reply
// it read.
struct SweepTick {
    enum class Outcome {
        NoLink,  // only the caption changes
        Painted, // indicators, caption, one cell, the next frame
        Ended    // indicators, end caption, save enabled, timer off, end frame
    };
    Outcome outcome = Outcome::NoLink;
    Colour indicator5{};  // Shape1 fill, unless NoLink
    Colour indicator12{}; // Shape2 fill, unless NoLink
    QString caption;      // Label1
    TwipBox cell;         // Painted only
    Colour cellColour{};  // Painted only
    std::optional<ControlFrame> frame;
    int load12Step = 0; // the steps after the tick
    int load5Step = 0;
};

SweepTick sweepStep(const LoadLimits& limits, const SweepPosition& position,
                    const std::optional<ReplyFrame>& reply);

} // namespace velmor

#pragma once

#include "Frames.h"

#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <utility>

#include <QString>
#include <QStringList>

namespace velmor::sim {

// What the simulated supply puts out at the moment, in volts, amperes and watts.
struct SupplyOutputs {
    double volts5 = 0;
    double volts12 = 0;
    double volts33 = 0;
    double amps5 = 0;
    double amps12 = 0;
    double amps33 = 0;
    double watts = 0;
};

// A group-regulated PC power supply behind the load-and-measurement unit, without any I/O.
//
// The regulator holds the average of the +5 V and +12 V outputs (each relative to its
// nominal) at nominal, while each output drops with its own load across its rectifier and
// choke. So a heavy +12 V load with a light +5 V load pulls the +12 V output down and
// pushes the +5 V output up, and the reverse; both sag a little with the total power. The
// +3.3 V output has its own regulator and only sags slightly with its own load.
//
// An over-power protection switches the supply off above a settable wattage and keeps it off
// until the unit switches it off and on again.
class SupplyModel {
public:
    static constexpr double defaultOverPowerWatts = 300;

    // Takes a control frame, at a time in milliseconds on any steady clock: the supply switch
    // and the three inverted load codes.
    void apply(const ControlFrame& frame, qint64 atMs = 0);

    // The unit's reply at a time on the same clock: b1 the status byte (statusOn,
    // statusTripped), b2..b4 the +5 V, +12 V and +3.3 V readings on their 80 %..120 % windows,
    // as the outputs stand then. Draws noise when noise is set.
    ReplyFrame reply(qint64 atMs = 0);

    // How the outputs follow: they stay at 0 V for powerOnMs after switch-on, then rise, and
    // move after every load change, each time as a first-order response with the time
    // constant settleMs. Both 0 (the default) is an ideal supply, at its steady outputs at once.
    void setPowerOnMs(int ms) { powerOnMs_ = std::max(ms, 0); }
    void setSettleMs(int ms) { settleMs_ = std::max(ms, 0); }

    SupplyOutputs outputs() const;
    bool isOn() const { return switchedOn_ && !tripped_; }
    bool isTripped() const { return tripped_; }
    const ControlFrame& lastFrame() const { return frame_; }

    void setOverPowerWatts(double watts) { overPowerWatts_ = watts; }
    double overPowerWatts() const { return overPowerWatts_; }

    // Adds a uniform random offset of up to +-lsb to each voltage reading; 0 (the default)
    // keeps the model exactly repeatable.
    void setNoise(int lsb, unsigned seed = 1);

    // How the unit's input of each output reads: gain * volts + offset volts, as a unit whose
    // inputs need calibrating does. 1 and 0 (the default) read true.
    struct InputScale {
        double gain = 1;
        double offset = 0;
    };
    void setInputScale(int output, InputScale scale); // 0 +5 V, 1 +12 V, 2 +3.3 V
    // A reference source on the unit's inputs, in volts each (+5 V, +12 V, +3.3 V), read while
    // the supply is off, as when the unit is calibrated; none (the default): off reads 0 V.
    void setSource(std::optional<std::array<double, 3>> volts) { source_ = volts; }

    static constexpr quint8 statusOn = 0x01;
    static constexpr quint8 statusTripped = 0x02;

    // Each output relative to its nominal voltage.
    struct Ratios {
        double v5 = 0;
        double v12 = 0;
        double v33 = 0;
    };

private:
    Ratios ratiosAt(qint64 atMs) const;
    // The reading byte of an output at a ratio to its nominal, through its input's scale.
    quint8 readAs(int output, double ratioToNominal) const;

    ControlFrame frame_ = allOffFrame;
    int powerOnMs_ = 0;
    int settleMs_ = 0;
    Ratios from_;           // where the outputs stood at the last change
    qint64 movingAtMs_ = 0; // when they began to move from there
    bool switchedOn_ = false;
    bool tripped_ = false;
    double overPowerWatts_ = defaultOverPowerWatts;
    std::array<InputScale, 3> scales_{};
    std::optional<std::array<double, 3>> source_;
    int noiseLsb_ = 0;
    std::mt19937 noise_;
};

// A voltage as the unit's reading byte: the window 80 %..120 % of nominal mapped onto 0..255,
// rounded, clamped. Given as the ratio to nominal so that nominal itself (ratio 1) lands
// exactly on 127.5 and reads 128.
quint8 readingByte(double ratioToNominal);

// "12=1.02": an output (5, 12 or 3.3) and a number for it, as 0, 1 or 2 and the number.
std::optional<std::pair<int, double>> parseOutputValue(const QString& text);

// Sets the inputs' scales from the values of --input-gain and --input-offset ("12=1.02"); returns
// what is wrong with one, or nothing.
std::optional<QString> applyInputScales(SupplyModel& model, const QStringList& gains,
                                        const QStringList& offsets);

} // namespace velmor::sim

#pragma once

#include "Frames.h"

#include <random>

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

    // Takes a control frame: the supply switch and the three inverted load codes.
    void apply(const ControlFrame& frame);

    // The unit's reply: b1 the status byte (statusOn, statusTripped), b2..b4 the +5 V, +12 V
    // and +3.3 V readings on their 80 %..120 % windows. Draws noise when noise is set.
    ReplyFrame reply();

    SupplyOutputs outputs() const;
    bool isOn() const { return switchedOn_ && !tripped_; }
    bool isTripped() const { return tripped_; }
    const ControlFrame& lastFrame() const { return frame_; }

    void setOverPowerWatts(double watts) { overPowerWatts_ = watts; }
    double overPowerWatts() const { return overPowerWatts_; }

    // Adds a uniform random offset of up to +-lsb to each voltage reading; 0 (the default)
    // keeps the model exactly repeatable.
    void setNoise(int lsb, unsigned seed = 1);

    static constexpr quint8 statusOn = 0x01;
    static constexpr quint8 statusTripped = 0x02;

private:
    ControlFrame frame_ = allOffFrame;
    bool switchedOn_ = false;
    bool tripped_ = false;
    double overPowerWatts_ = defaultOverPowerWatts;
    int noiseLsb_ = 0;
    std::mt19937 noise_;
};

// A voltage as the unit's reading byte: the window 80 %..120 % of nominal mapped onto 0..255,
// rounded, clamped. Given as the ratio to nominal so that nominal itself (ratio 1) lands
// exactly on 127.5 and reads 128.
quint8 readingByte(double ratioToNominal);

} // namespace velmor::sim

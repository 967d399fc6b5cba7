#pragma once

namespace velmor {

// The load-and-measurement unit's own figures: what its loads draw and how its readings map to
// volts. Everything that turns a setting into amperes or a reading byte into volts starts here.

// Load settings run from 0 (no load) to 255 (full load), readings from 0 to 255.
inline constexpr int maxLoadSetting = 255;
inline constexpr int maxReading = 255;

// A reading byte 0..255 covers 80 % .. 120 % of its output's nominal voltage.
inline constexpr int readingLowPercent = 80;
inline constexpr int readingHighPercent = 120;

// A reading byte of 0 or 255 says only that its output is at or beyond that end of the range:
// it is kept as it came but never taken for a value.
enum class RangeEnd { Inside, Below, Above };

constexpr RangeEnd rangeEnd(int reading) {
    return reading <= 0            ? RangeEnd::Below
           : reading >= maxReading ? RangeEnd::Above
                                   : RangeEnd::Inside;
}

// The sweep's axes count 128 steps of two settings each across full scale, so a step's nominal
// current is full scale / 128 (the last step, setting 256, is sent as 255).
inline constexpr int sweepStepsFullScale = 128;

struct UnitOutput {
    double nominalVolts = 0;
    double fullScaleAmps = 0; // the load at setting 255

    constexpr double lowVolts() const { return nominalVolts * readingLowPercent / 100; }
    constexpr double spanVolts() const {
        return nominalVolts * (readingHighPercent - readingLowPercent) / 100;
    }
    // (byte * span) / 255 + low, evaluated in exactly that order.
    constexpr double volts(int reading) const {
        return (reading * spanVolts()) / maxReading + lowVolts();
    }
    // The volts of the range's ends, the bytes 0 and 255: what the unit can read at all.
    constexpr double lowestVolts() const { return volts(0); }
    constexpr double highestVolts() const { return volts(maxReading); }
    // Whether some reading inside the unit's range (1..254; 0 and 255 are its ends) falls within
    // low..high volts: a band that holds none can never be met.
    constexpr bool readsWithin(double low, double high) const {
        for (int reading = 1; reading < maxReading; ++reading)
            if (volts(reading) >= low && volts(reading) <= high)
                return true;
        return false;
    }
    // The end of the range a value in volts stands for: only the bytes 0 and 255 reach the ends
    // (a stored value may have lost its last bits on the way).
    constexpr RangeEnd endOf(double value) const {
        const double halfStep = spanVolts() / maxReading / 2;
        return value <= volts(0) + halfStep            ? RangeEnd::Below
               : value >= volts(maxReading) - halfStep ? RangeEnd::Above
                                                       : RangeEnd::Inside;
    }
    // The current a load setting draws; currents are not measured.
    constexpr double amps(int setting) const { return (setting * fullScaleAmps) / maxLoadSetting; }
    // The amperes of one load setting.
    constexpr double loadStepAmps() const { return fullScaleAmps / maxLoadSetting; }
    // The nominal current of a sweep step.
    constexpr double nominalAmps(int sweepStep) const {
        return (sweepStep * fullScaleAmps) / sweepStepsFullScale;
    }
};

inline constexpr UnitOutput output5{5, 40};
inline constexpr UnitOutput output12{12, 21};
inline constexpr UnitOutput output33{3.3, 26.52};

// Nominal load currents of a sweep step: 40/128 A per +5 V step, 21/128 A per +12 V step.
constexpr double nominalCurrent5(int load5Step) {
    return output5.nominalAmps(load5Step);
}
constexpr double nominalCurrent12(int load12Step) {
    return output12.nominalAmps(load12Step);
}

} // namespace velmor

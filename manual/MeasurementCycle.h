#pragma once

#include "ColourValue.h"
#include "Frames.h"
#include "Limits.h"

#include <QChar>
#include <QString>

#include <optional>

namespace velmor {

// The arithmetic of one measurement tick, apart from the window that shows it.

// What the voltage readouts show while the unit does not answer.
inline const QString noLink5 = QStringLiteral("нет");
inline const QString noLink12 = QStringLiteral("связи");
inline const QString noLink33 = QStringLiteral("---");

// A reply byte as one readable character: printable ASCII (blank included) as it is, anything
// else as a middle dot, so the line keeps one place per byte; the exact code follows in decimal.
QChar readableByte(quint8 byte);

// The diagnostic line of a reply: c1 "_" c2 "__" b1 " " b2 "__" I " _" T "_ " H, where I, T
// and H are the digits of the +5 V converter voltage. For 65, 102, 128, 128:
// "A_f__65 102__2 _0_ 0".
QString diagnosticLine(const ReplyFrame& reply);

// A load setting held to its limit; a setting equal to the limit stays.
constexpr int clampToLimit(int setting, int limit) {
    return setting > limit ? limit : setting;
}

// Overload is a power strictly above the limit of 2 W per unit of the power limit.
bool isOverload(double power, int powerLimit);

// Everything one measurement tick shows and sends. Without a usable reply only the voltage
// readouts (the no-link texts) and the power readout's colour change, and nothing is sent.
struct ManualMeasurement {
    bool linked = false;
    QString volts5Caption;    // Label1
    QString volts12Caption;   // Label3
    QString volts33Caption;   // Label5
    Colour powerBack = white; // Label12: red only in the tick that finds an overload

    // With a usable reply only.
    QString diagnostic;    // Text1
    QString amps5Caption;  // Label2, from the clamped settings
    QString amps12Caption; // Label4
    QString amps33Caption; // Label6
    QString powerCaption;  // Label12
    double volts5 = 0;     // the voltages as shown, two decimals
    double volts12 = 0;
    double volts33 = 0;
    double power = 0;     // W, from the voltages as shown and the clamped settings
    LoadSettings clamped; // held to the limits: what the currents and the power are from
    bool overload = false;
    LoadSettings settings; // what the load scroll bars take: clamped, all 0 on overload
    std::optional<ControlFrame> frame;
};

// One tick, in the order the unit relies on: the voltages, the clamp, the currents and the power
// from the clamped settings, the overload cut, and last the frame from the settings after both.
ManualMeasurement measurementStep(const std::optional<ReplyFrame>& reply,
                                  const LoadSettings& settings, const LoadLimits& limits,
                                  bool supplyOn);

} // namespace velmor

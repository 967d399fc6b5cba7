#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace velmor {

// What lives as long as the program and both windows reach. Everything starts at zero.
struct SharedState {
    // What the last tick of either window read from the port.
    QByteArray lastReply;

    // Upper bounds of the +5 V, +12 V and +3.3 V load settings (0..255), and the power limit in
    // units of 2 W. The manual window presets them at every load; Limit mode sets them; the
    // measurement cycle enforces them; the cross-load sweep takes its bounds from them.
    qint16 loadLimit1 = 0;
    qint16 loadLimit2 = 0;
    qint16 loadLimit3 = 0;
    qint16 powerLimit = 0;

    // The sweep's present +12 V and +5 V load steps: the column and row of the map cell.
    int load12Step = 0;
    int load5Step = 0;

    // The supply switch the sweep puts first in each frame: 1 after start, 0 after reset.
    qint16 graphSupplyOn = 0;
};

} // namespace velmor

#pragma once

#include "SerialPort.h"

#include <memory>

namespace velmor {

// Watches the ports a factory makes, so that the unit is left safe however the program ends.
// On a termination signal, every port that is open gets the all-off frame (supply off, no
// load), waits until it has left, and is closed, which also frees the serial lock file; from
// then on the watched ports stay closed and send nothing, whatever a window still tries. A
// watched port destroyed while open (its window closed by the frame's close control, or left
// at the program's end) sends the all-off frame the same way first.
class PortGuard {
public:
    PortGuard();

    // The factory's ports, watched by this guard; the guard may go before them.
    PortFactory watch(PortFactory inner) const;

    // Loads off and closed, as above; returns how many ports were open. Waits at most
    // flushTimeoutMs for each port's bytes to leave.
    int loadsOffAndClose(int flushTimeoutMs = 2000);

    struct Watched;

private:
    std::shared_ptr<Watched> watched_;
};

} // namespace velmor

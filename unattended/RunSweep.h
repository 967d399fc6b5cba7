#pragma once

#include "SerialPort.h"
#include "SweepRequest.h"

namespace velmor {

// Runs the requested sweep on port 1 to its end, or until SIGINT or SIGTERM, and returns the
// exit status: 0 passed, 2 failed, 1 when it could not run, was given up or was interrupted.
// The map is saved in the Graf folder beside the program, as the graph window saves it; a name
// that cannot be saved there is refused before the sweep starts.
int runUnattendedSweep(const SweepRequest& request, const PortFactory& makePort);

} // namespace velmor

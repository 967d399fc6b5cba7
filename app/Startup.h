#pragma once

#include "Form1.h"
#include "SerialPort.h"
#include "SharedState.h"

#include <QString>

#include <memory>

namespace velmor {

// Port objects on the machine's serial ports, with port 1 on the given device.
PortFactory devicePortFactory(const QString& port1Device);

// Wraps every port the factory makes so that its traffic lands in the trace file. A trace
// that cannot be written is reported to the operator once; the bench goes on without it.
PortFactory tracedPortFactory(PortFactory inner, const QString& tracePath);

// Loads the start-up window, the manual window, ready to show. When its port cannot be opened,
// tells the operator why (one line on stderr, and a message box where there is a display) and
// returns nothing; the program then ends with a failure status.
std::unique_ptr<Form1> startManualWindow(SharedState& state, const PortFactory& makePort);

} // namespace velmor

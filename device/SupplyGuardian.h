#pragma once

#include <QString>

#include <optional>

namespace velmor::supplyGuardian {

// A small process forked from the program that outlives it: it holds its own descriptor of
// every port the program has open, and when the program vanishes without having closed one
// (kill -9, an out-of-memory kill, a crash, an exit from inside a library) it sends that port
// the all-off frame and closes it. A port closed by the program was left safe by the program
// and is given up by the guardian at once, so a clean end leaves it nothing to do.
//
// The guardian learns of the program's end from a socket whose other end only the program
// holds: the system closes it however the program goes. After the fork it calls only what a
// signal handler may, so it is safe whatever threads the program had.

// Forks the guardian. Call once, early in main, before threads start; a second call does
// nothing. Returns why there is none (the program then runs without it).
std::optional<QString> start();

// An open port's descriptor, handed over to the guardian; nothing without a guardian.
void hold(int descriptor);

// The port is about to be closed by the program: the guardian closes its copy.
void release(int descriptor);

} // namespace velmor::supplyGuardian

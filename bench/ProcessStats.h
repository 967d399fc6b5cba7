#pragma once

#include <QtGlobal>

namespace velmor::bench {

// Memory of a process from /proc/<pid>/status, in MB (10^6 bytes): resident now and its
// peak so far.
struct Memory {
    double rssMB = 0;
    double peakRssMB = 0;
};
Memory memoryOf(qint64 pid); // zeros when it cannot be read
Memory ownMemory();

// CPU time this process has used so far (user + system, all threads), in seconds.
double ownCpuSeconds();

// How often this process has gone to sleep waiting for something so far (voluntary context
// switches, all threads): each one is a wake-up later.
qint64 ownSleeps();

// Microseconds on the steady clock, the same clock in every process of the machine.
qint64 steadyMicroseconds();

} // namespace velmor::bench

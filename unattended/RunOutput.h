#pragma once

#include <cstdio>

namespace velmor {

// Flushes a run's progress stream. The first time the stream cannot be written (its reader
// gone, a full disk) says why on stderr, sets `lost` and returns true: the caller stops the run,
// whose end is then an error, with the supply off. Once lost, nothing more is said.
bool outputJustLost(std::FILE* stream, bool& lost);

} // namespace velmor

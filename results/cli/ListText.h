#pragma once

#include "StoreRead.h"

#include <QString>

#include <vector>

namespace velmor::results {

// The list's table: a line per record, newest first as listed, and the count beneath.
QString listText(const std::vector<Listed>& records);

} // namespace velmor::results

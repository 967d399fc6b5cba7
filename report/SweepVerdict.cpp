#include "SweepVerdict.h"

#include <algorithm>

namespace velmor {

SweepVerdict judgeSweep(const MapRecord& record) {
    SweepVerdict verdict;
    std::copy_if(record.begin(), record.end(), std::back_inserter(verdict.judged),
                 [](const MapCell& cell) { return cell.row != 0 || cell.column != 0; });
    verdict.summary = summarize(verdict.judged);
    return verdict;
}

} // namespace velmor

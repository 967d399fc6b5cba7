#include "MapRecord.h"

#include <algorithm>

namespace velmor {

MapCell paintedCell(const ReplyFrame& reply, const SweepTick& tick) {
    const int column = std::min(tick.cell.x1, tick.cell.x2) / cellTwips;
    const int row = (mapBaseTwips - std::max(tick.cell.y1, tick.cell.y2)) / cellTwips;
    return MapCell{static_cast<qint16>(row),
                   static_cast<qint16>(column),
                   reply.b2,
                   reply.b3,
                   reply.b4,
                   static_cast<quint8>(deviationClass5(reply.b2)),
                   static_cast<quint8>(deviationClass12(reply.b3))};
}

} // namespace velmor

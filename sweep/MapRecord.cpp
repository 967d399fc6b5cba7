#include "MapRecord.h"

#include <algorithm>

namespace velmor {

MapCell mapCell(int row, int column, const ReplyFrame& reply) {
    const DeviationClasses k = deviationClasses(reply);
    return MapCell{
        static_cast<qint16>(row),  static_cast<qint16>(column), reply.b2, reply.b3, reply.b4,
        static_cast<quint8>(k.k5), static_cast<quint8>(k.k12)};
}

MapCell paintedCell(const ReplyFrame& reply, const SweepTick& tick) {
    const int column = std::min(tick.cell.x1, tick.cell.x2) / cellTwips;
    const int row = (mapBaseTwips - std::max(tick.cell.y1, tick.cell.y2)) / cellTwips;
    return mapCell(row, column, reply);
}

Reading cellReading(const MapCell& cell) {
    return graphReading(storedReply(0, cell.b2, cell.b3, cell.b4));
}

} // namespace velmor

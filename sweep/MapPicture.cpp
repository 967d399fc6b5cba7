#include "MapPicture.h"

#include "BoxPaint.h"
#include "Deviation.h"
#include "Sweep.h"

namespace velmor {

QImage drawMap(const MapRecord& cells, QSize pixels, qreal ratio) {
    QImage map(pixels, QImage::Format_RGB32);
    map.fill(standardQColor(mapBackColour));
    for (const MapCell& cell : cells) {
        const TwipBox box = cellBox(cell.column, cell.row);
        paintBox(map, box.x1, box.y1, box.x2, box.y2,
                 standardQColor(classColour(cellClass(cell.k5, cell.k12))), ratio);
    }
    return map;
}

} // namespace velmor

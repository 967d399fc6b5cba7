#include "MapPicture.h"

#include "BoxPaint.h"
#include "Deviation.h"
#include "Sweep.h"

#include <cmath>

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

QSize mapPicturePixels(qreal ratio) {
    return {static_cast<int>(std::ceil(mapPictureSize.width() * ratio)),
            static_cast<int>(std::ceil(mapPictureSize.height() * ratio))};
}

} // namespace velmor

#include "MapPicture.h"

#include "Deviation.h"
#include "PictureBox.h"
#include "Sweep.h"

#include <cmath>

namespace velmor {

QImage drawMap(const MapRecord& cells, QSize pixels, qreal ratio) {
    QImage map(pixels, QImage::Format_RGB32);
    map.fill(ui::toQColor(mapBackColour));
    for (const MapCell& cell : cells) {
        const TwipBox box = cellBox(cell.column, cell.row);
        ui::paintBox(map, box.x1, box.y1, box.x2, box.y2,
                     classColour(cellClass(cell.k5, cell.k12)).value(), ratio);
    }
    return map;
}

QSize mapPicturePixels(qreal ratio) {
    return {static_cast<int>(std::ceil(mapPictureSize.width() * ratio)),
            static_cast<int>(std::ceil(mapPictureSize.height() * ratio))};
}

} // namespace velmor

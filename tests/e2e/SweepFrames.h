#pragma once

#include "Frames.h"
#include "PictureBox.h"
#include "Twips.h"

#include <QColor>

#include <vector>

namespace velmor::testing {

// What the unit receives during a whole sweep with the supply switched on, for load limits
// whose power stays below the power limit: row by row, the frame after each painted cell asks
// for the next +12 V step of that row; the end frame turns every load off.
inline std::vector<ControlFrame> expectedSweepFrames(int loadLimit1, int loadLimit2) {
    const int rows = loadLimit1 / 2 + 1;      // rows r with 2r <= LoadLimit1
    const int columns = (loadLimit2 + 1) / 2; // columns c with 2c < LoadLimit2
    std::vector<ControlFrame> frames;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            frames.push_back({1, 255, static_cast<quint8>(255 - 2 * (column + 1)),
                              static_cast<quint8>(255 - 2 * row)});
    frames.push_back({1, 255, 255, 255});
    return frames;
}

// How many of the cells in the given rows and columns from (0, 0) still show the black background:
// 80 twips square, row 0 along the bottom edge at 10240 twips.
inline int unpaintedCells(const ui::PictureBox& picture, int rows, int columns) {
    const QImage& map = picture.image();
    int blank = 0;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            if (map.pixelColor(velmor::toPixels(80 * column + 40, 10240 - 80 * row - 40)) ==
                QColor(0, 0, 0))
                ++blank;
    return blank;
}

} // namespace velmor::testing

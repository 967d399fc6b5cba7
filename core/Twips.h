#pragma once

#include <QPoint>
#include <QRect>

namespace velmor {

// Places and sizes of windows, controls and map cells are kept in twips (1/1440 inch). At 96
// logical dots per inch that is 15 twips to a pixel; Qt's own high-DPI scaling takes it from
// there. This is the one place where twips meet pixels: the toolkit's controls and the report's
// map both take the ratio from here.
inline constexpr int twipsPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero.
constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel
                      : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

// A control's place in its parent's client area (or a picture box's interior), in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline QPoint toPixels(int x, int y) {
    return {twipsToPixels(x), twipsToPixels(y)};
}

inline QRect toPixels(const TwipsRect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

} // namespace velmor

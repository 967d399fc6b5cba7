#include "Font.h"

namespace ui {

QFont toQFont(const Font& font) {
    QFont f(font.face);
    f.setPointSizeF(font.points);
    f.setBold(font.bold);
    return f;
}

} // namespace ui

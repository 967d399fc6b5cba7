#pragma once

#include <QFont>
#include <QString>

namespace ui {

// A font as the layouts give it. Every text is Unicode, so the Cyrillic character set needs no
// setting of its own; "Arial" and "Times New Roman" resolve to their metric-compatible
// Liberation faces where the originals are missing.
struct Font {
    QString face{};
    double points = 8.25;
    bool bold = false;
};

QFont toQFont(const Font& font);

} // namespace ui

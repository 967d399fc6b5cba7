#pragma once

#include "Colour.h"

#include <QWidget>

namespace ui {

// A straight one-pixel line. The control covers the line's bounding box; the parts outside the
// parent's client area are never seen.
class Line : public QWidget {
    Q_OBJECT
public:
    explicit Line(QWidget* parent = nullptr);

    // Ends in twips from the parent's top-left corner.
    void setEnds(int x1, int y1, int x2, int y2);
    void setColour(Colour colour);

    bool visible() const { return !isHidden(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
    Colour colour_ = sys::windowText;
};

} // namespace ui

#pragma once

#include "Colour.h"

#include <QWidget>

namespace ui {

// A rectangle, or a square (the largest that fits, centred in the control's place), with an
// opaque fill and a solid one-pixel outline. It takes no clicks.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Square };

    explicit Shape(QWidget* parent = nullptr);

    void setKind(Kind kind);
    void setFillColour(Colour colour);
    Colour fillColour() const { return fill_; }
    void setOutlineColour(Colour colour);
    Colour outlineColour() const { return outline_; }

    // The area painted, in the control's own pixels.
    QRect shapeRect() const;

    bool visible() const { return !isHidden(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_ = Kind::Rectangle;
    Colour fill_ = sys::window;
    Colour outline_ = sys::windowText;
};

} // namespace ui

#pragma once

#include "Colour.h"

#include <QFrame>
#include <QImage>

namespace ui {

// Fills the box between two corners in twips on an image of `ratio` device pixels per logical
// pixel, as PictureBox::drawBox does; returns the device pixels filled.
QRect paintBox(QImage& image, int x1, int y1, int x2, int y2, Colour colour, qreal ratio);

// A drawing surface with a sunken two-pixel border. Everything drawn goes into a retained image
// of the interior, which is what the surface paints (so a covered plot comes back complete)
// and what a save writes. The image holds the screen's own pixels: on a scaled display
// (devicePixelRatio above 1) it has that many more, so the drawing stays as sharp as the
// screen and boxes still meet without gaps. Controls placed inside (Form::addInside) sit on
// the interior, over the drawing, positioned from its top-left corner.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Also clears, as a new background does.
    void setBackColour(Colour colour);
    Colour backColour() const { return back_; }

    // Fills the interior with the back colour and empties the retained image.
    void clear();

    // A filled box between two corners given in twips from the interior's top-left corner, in
    // either order. It covers the pixels from the first corner's pixel up to, not including,
    // the second corner's pixel (at least one pixel each way), so boxes that share an edge in
    // twips meet without a gap or an overlap.
    void drawBox(int x1, int y1, int x2, int y2, Colour colour);

    // The interior as drawn, in the screen's pixels: the boxes, and the back colour where
    // nothing is drawn.
    const QImage& image() const { return image_; }

    // The widget that holds the controls placed inside.
    QWidget* interior() const { return interior_; }

    bool visible() const { return !isHidden(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize deviceSize(qreal ratio) const;
    // Fits the image to the interior's size at the screen's present ratio.
    void fitImage();
    void paintInterior(QPainter& painter);

    QWidget* interior_;
    QImage image_;
    qreal ratio_ = 1; // device pixels of the image per logical pixel of the interior
    Colour back_ = sys::buttonFace;
};

} // namespace ui

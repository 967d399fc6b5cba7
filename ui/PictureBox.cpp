#include "PictureBox.h"

#include "BoxPaint.h"
#include "Twips.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace ui {

namespace {

// Paints what its owner retains; the controls placed inside the box are its children.
class Interior final : public QWidget {
public:
    using Paint = std::function<void(QPainter&)>;
    Interior(Paint paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint_(painter);
    }

private:
    Paint paint_;
};

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent),
      interior_(new Interior([this](QPainter& painter) { paintInterior(painter); }, this)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus); // a stop in the window's tab order, as every control
    interior_->setGeometry(contentsRect());
    clear();
}

void PictureBox::setBackColour(Colour colour) {
    back_ = colour;
    clear();
}

QSize PictureBox::deviceSize(qreal ratio) const {
    const QSize logical = contentsRect().size().expandedTo(QSize(1, 1));
    return {static_cast<int>(std::ceil(logical.width() * ratio)),
            static_cast<int>(std::ceil(logical.height() * ratio))};
}

void PictureBox::clear() {
    ratio_ = devicePixelRatioF();
    const QSize size = deviceSize(ratio_);
    if (image_.size() != size)
        image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(toQColor(back_));
    interior_->update();
}

void PictureBox::drawBox(int x1, int y1, int x2, int y2, Colour colour) {
    fitImage();
    const QRect box = velmor::paintBox(image_, x1, y1, x2, y2, toQColor(colour), ratio_);
    interior_->update(
        QRectF(QPointF(box.topLeft()) / ratio_, QPointF(box.bottomRight() + QPoint(1, 1)) / ratio_)
            .toAlignedRect());
}

void PictureBox::fitImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize size = deviceSize(ratio);
    if (image_.size() == size && ratio == ratio_)
        return;
    // Keep what is drawn (rescaled if the screen's ratio changed); new room shows the back
    // colour.
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(toQColor(back_));
    const qreal scale = ratio / ratio_;
    QPainter(&fitted).drawImage(QRectF(0, 0, image_.width() * scale, image_.height() * scale),
                                image_);
    image_ = fitted;
    ratio_ = ratio;
}

void PictureBox::paintInterior(QPainter& painter) {
    fitImage();
    // Device pixel for device pixel: the painter is clipped to what needs painting.
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image_.size()) / ratio_), image_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    interior_->setGeometry(contentsRect());
    fitImage();
}

} // namespace ui

#include "moc_PictureBox.cpp"

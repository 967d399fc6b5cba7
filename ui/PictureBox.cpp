#include "PictureBox.h"

#include "Twips.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace ui {

namespace {

// Paints the owner's retained image; the controls placed inside the box are its children.
class Interior final : public QWidget {
public:
    Interior(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.drawImage(event->rect(), image_, event->rect());
    }

private:
    const QImage& image_;
};

// The pixel span [from, to) covered by a box edge from a to b twips, at least one pixel wide.
std::pair<int, int> span(int a, int b) {
    const int from = twipsToPixels(std::min(a, b));
    const int to = twipsToPixels(std::max(a, b));
    return {from, std::max(to, from + 1)};
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent), interior_(new Interior(image_, this)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    interior_->setGeometry(contentsRect());
    clear();
}

void PictureBox::setBackColour(Colour colour) {
    back_ = colour;
    clear();
}

void PictureBox::clear() {
    const QSize size = contentsRect().size().expandedTo(QSize(1, 1));
    if (image_.size() != size)
        image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(toQColor(back_));
    interior_->update();
}

void PictureBox::drawBox(int x1, int y1, int x2, int y2, Colour colour) {
    const auto [left, right] = span(x1, x2);
    const auto [top, bottom] = span(y1, y2);
    const QRect box(QPoint(left, top), QPoint(right - 1, bottom - 1));
    QPainter painter(&image_);
    painter.fillRect(box, toQColor(colour));
    interior_->update(box);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    interior_->setGeometry(contentsRect());
    const QSize size = contentsRect().size().expandedTo(QSize(1, 1));
    if (image_.size() == size)
        return;
    // Keep what is drawn; new room shows the back colour.
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(toQColor(back_));
    QPainter(&resized).drawImage(0, 0, image_);
    image_ = resized;
}

} // namespace ui

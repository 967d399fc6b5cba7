#include "HScrollBar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionFocusRect>

namespace ui {

HScrollBar::HScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    // A stop in the window's tab order: the keys move it as the mouse does.
    setFocusPolicy(Qt::StrongFocus);
}

void HScrollBar::setValue(int value) {
    const QSignalBlocker quiet(this);
    QScrollBar::setValue(value);
}

void HScrollBar::keyPressEvent(QKeyEvent* event) {
    // QScrollBar, made for scroll areas that take the keys themselves, turns Left and Right
    // round; these are the keys of a scroll bar that stands on its own.
    const SliderAction action = [&] {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            return SliderSingleStepSub;
        case Qt::Key_Right:
        case Qt::Key_Down:
            return SliderSingleStepAdd;
        case Qt::Key_PageUp:
            return SliderPageStepSub;
        case Qt::Key_PageDown:
            return SliderPageStepAdd;
        case Qt::Key_Home:
            return SliderToMinimum;
        case Qt::Key_End:
            return SliderToMaximum;
        default:
            return SliderNoAction;
        }
    }();
    if (action == SliderNoAction) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

void HScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return; // the style draws no focus on a scroll bar, made for scroll areas
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

} // namespace ui

#include "moc_HScrollBar.cpp"

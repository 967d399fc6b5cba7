#include "HScrollBar.h"

#include <QSignalBlocker>

namespace ui {

HScrollBar::HScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

void HScrollBar::setValue(int value) {
    const QSignalBlocker quiet(this);
    QScrollBar::setValue(value);
}

} // namespace ui

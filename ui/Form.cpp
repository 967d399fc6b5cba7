#include "Form.h"

#include <QVariant>

#include <algorithm>
#include <vector>

namespace ui {

namespace {

const char* const tabIndexProperty = "tabIndex";

} // namespace

Form::Form(const QString& caption, int clientWidthTwips, int clientHeightTwips, Frame frame,
           Colour backColour, QWidget* parent)
    : QWidget(parent, Qt::Window), clientWidth_(clientWidthTwips), clientHeight_(clientHeightTwips),
      back_(backColour) {
    setWindowTitle(caption);
    const QSize client(velmor::twipsToPixels(clientWidthTwips),
                       velmor::twipsToPixels(clientHeightTwips));
    if (frame == Frame::FixedSingle) {
        setFixedSize(client);
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint);
    } else {
        resize(client);
    }
    setAutoFillBackground(true);
    setBackColour(backColour);
}

void Form::setBackColour(Colour colour) {
    back_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(colour));
    setPalette(p);
}

void Form::setDefaultFont(const Font& font) {
    setFont(toQFont(font));
}

Line* Form::addLine(const QString& name, int x1, int y1, int x2, int y2) {
    auto* line = new Line(this);
    line->setObjectName(name);
    line->setEnds(x1, y1, x2, y2);
    line->lower();
    return line;
}

Timer* Form::addTimer(const QString& name, int intervalMs, bool enabled) {
    auto* timer = new Timer(this);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    timer->setEnabled(enabled);
    return timer;
}

void Form::applyTabOrder() {
    std::vector<std::pair<int, QWidget*>> order;
    for (QWidget* w : findChildren<QWidget*>()) {
        const QVariant index = w->property(tabIndexProperty);
        if (index.isValid() && w->focusPolicy() != Qt::NoFocus)
            order.emplace_back(index.toInt(), w);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    // Qt leaves a pair alone when the second already follows the first among the widgets that
    // take focus, counting round the end of the ring; the window standing in the ring as a stop
    // while the chain is laid makes the first control of the order the first after it.
    const Qt::FocusPolicy own = focusPolicy();
    setFocusPolicy(Qt::TabFocus);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    setFocusPolicy(own);
}

void Form::settle(QWidget* control, const QString& name, const velmor::TwipsRect& place,
                  int tabIndex) {
    control->setObjectName(name);
    control->setGeometry(velmor::toPixels(place));
    if (tabIndex >= 0)
        control->setProperty(tabIndexProperty, tabIndex);
    control->lower(); // behind every control added before
}

} // namespace ui

#include "moc_Form.cpp"

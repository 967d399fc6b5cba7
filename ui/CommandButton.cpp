#include "CommandButton.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace ui {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (handler_)
            handler_();
    });
}

void CommandButton::setCaption(const QString& caption) {
    caption_ = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(shown); // also the accessible name; the face is painted below
    update();
}

void CommandButton::setGraphical(bool graphical) {
    graphical_ = graphical;
    update();
}

void CommandButton::setBackColour(Colour colour) {
    back_ = colour;
    update();
}

void CommandButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void CommandButton::onClick(std::function<void()> handler) {
    handler_ = std::move(handler);
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    const bool pressed = isDown();
    const QRect face = rect().adjusted(3, 3, -3, -3);
    if (graphical_)
        painter.fillRect(face, toQColor(back_));

    // A pressed face shifts its content by a pixel, as a raised button sinks.
    const QRect content = pressed ? face.translated(1, 1) : face;
    if (!picture_.isNull()) {
        const QPixmap shown =
            isEnabled() ? picture_
                        : style()->generatedIconPixmap(QIcon::Disabled, picture_, &option);
        style()->drawItemPixmap(&painter, content, Qt::AlignCenter, shown);
    }
    if (!text().isEmpty())
        style()->drawItemText(&painter, content, Qt::AlignCenter | Qt::TextWordWrap, palette(),
                              isEnabled(), text(), QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = face.adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace ui

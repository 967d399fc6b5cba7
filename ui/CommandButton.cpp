#include "CommandButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

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
    setIconSize(picture.deviceIndependentSize().toSize());
    setIcon(QIcon(picture));
}

QPixmap CommandButton::picture() const {
    return icon().pixmap(iconSize(), devicePixelRatioF());
}

void CommandButton::onClick(std::function<void()> handler) {
    handler_ = std::move(handler);
}

// The style's own button, drawn in its parts: the bevel, the flat face of graphical style over
// it, the icon (greyed by the style while disabled) and the focus frame. The caption is drawn
// here, as the style would not wrap it.
void CommandButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const QRect face = rect().adjusted(3, 3, -3, -3);
    if (graphical_)
        painter.fillRect(face, toQColor(back_));

    // A pressed face shifts its content by a pixel, as a raised button sinks; the flat face
    // hides the style's own pressed look.
    QStyleOptionButton content = option;
    content.rect = isDown() ? face.translated(1, 1) : face;
    content.text.clear();
    painter.drawControl(QStyle::CE_PushButtonLabel, content);
    if (!option.text.isEmpty())
        painter.drawItemText(content.rect, Qt::AlignCenter | Qt::TextWordWrap, palette(),
                             isEnabled(), option.text, QPalette::ButtonText);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace ui

#include "moc_CommandButton.cpp"

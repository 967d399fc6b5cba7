#include "Label.h"

namespace ui {

namespace {

QString shownText(QString caption) {
    caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return caption;
}

} // namespace

Label::Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setTextAlignment(Alignment::Left);
    setOpaque(true);
    applyColours();
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    setText(shownText(caption));
}

void Label::setBackColour(Colour colour) {
    back_ = colour;
    applyColours();
}

void Label::setOpaque(bool opaque) {
    setAutoFillBackground(opaque);
}

void Label::setForeColour(Colour colour) {
    fore_ = colour;
    applyColours();
}

void Label::setSingleBorder(bool on) {
    setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::setTextAlignment(Alignment alignment) {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == Alignment::Centre)
        horizontal = Qt::AlignHCenter;
    else if (alignment == Alignment::Right)
        horizontal = Qt::AlignRight;
    setAlignment(horizontal | Qt::AlignVCenter);
}

void Label::applyFont(const Font& font) {
    setFont(toQFont(font));
}

void Label::applyColours() {
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(back_));
    p.setColor(QPalette::WindowText, toQColor(fore_));
    setPalette(p);
}

} // namespace ui

#include "moc_Label.cpp"

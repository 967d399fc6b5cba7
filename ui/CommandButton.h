#pragma once

#include "Colour.h"

#include <QPixmap>
#include <QPushButton>

#include <functional>

namespace ui {

// A push button. Its caption wraps at word breaks and a carriage return and line feed starts a
// new line. In graphical style the back colour fills the face flat; in standard style the face
// keeps the scheme's button colour. A picture is the button's icon, in the middle of the face,
// drawn by the style: greyed while the button is disabled, sunk with the face while pressed.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

    void setGraphical(bool graphical);
    void setBackColour(Colour colour);
    Colour backColour() const { return back_; }
    void setPicture(const QPixmap& picture);
    QPixmap picture() const; // at the screen's ratio

    // The click handler; a disabled button raises no click. click() (from QAbstractButton)
    // raises it as the operator's click would.
    void onClick(std::function<void()> handler);

    bool visible() const { return !isHidden(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    Colour back_ = sys::buttonFace;
    bool graphical_ = false;
    std::function<void()> handler_;
};

} // namespace ui

#pragma once

#include "Colour.h"
#include "Font.h"

#include <QLabel>

namespace ui {

enum class Alignment { Left, Right, Centre };

// A text on the window. The caption reads back exactly as it was set; a carriage return and
// line feed in it starts a new line, and a text too wide for the label wraps at word breaks.
// The text is centred vertically in the label and aligned left, right or centred across it.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

    void setBackColour(Colour colour);
    Colour backColour() const { return back_; }
    void setOpaque(bool opaque); // false: the controls behind show through
    void setForeColour(Colour colour);
    Colour foreColour() const { return fore_; }
    void setSingleBorder(bool on); // a one-pixel line in the text colour
    void setTextAlignment(Alignment alignment);
    void applyFont(const Font& font);

    // The control's own visibility, whether or not its window is on screen yet.
    bool visible() const { return !isHidden(); }

private:
    void applyColours();

    QString caption_;
    Colour back_ = sys::buttonFace;
    Colour fore_ = sys::buttonText;
};

} // namespace ui

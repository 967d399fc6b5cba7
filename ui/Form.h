#pragma once

#include "Colour.h"
#include "Font.h"
#include "Line.h"
#include "PictureBox.h"
#include "Timer.h"
#include "Twips.h"

#include <QWidget>

namespace ui {

// A window built from a layout table. Controls are added in the table's front-to-back order:
// each one goes behind those added before it, so an earlier control is drawn over a later
// one where they overlap. Every control bears its name and is found again by it.
class Form : public QWidget {
    Q_OBJECT
public:
    enum class Frame {
        FixedSingle, // title bar, no resizing by the operator
        Sizable,     // the operator may resize; nothing inside moves or scales
    };

    Form(const QString& caption, int clientWidthTwips, int clientHeightTwips, Frame frame,
         Colour backColour, QWidget* parent = nullptr);

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }
    void setBackColour(Colour colour);
    Colour backColour() const { return back_; }

    // The font of every control that has none of its own.
    void setDefaultFont(const Font& font);

    // A control on the client area, placed in twips, behind the controls added before it.
    // tabIndex orders keyboard focus among the controls that take it (see applyTabOrder).
    template <class Control>
    Control* add(const QString& name, const velmor::TwipsRect& place, int tabIndex = -1) {
        auto* control = new Control(this);
        settle(control, name, place, tabIndex);
        return control;
    }

    // A control inside a picture box, placed in twips from the box's interior.
    template <class Control>
    Control* addInside(PictureBox* box, const QString& name, const velmor::TwipsRect& place,
                       int tabIndex = -1) {
        auto* control = new Control(box->interior());
        settle(control, name, place, tabIndex);
        return control;
    }

    Line* addLine(const QString& name, int x1, int y1, int x2, int y2);
    Timer* addTimer(const QString& name, int intervalMs, bool enabled);

    // Chains keyboard focus through the controls in the order of their tab indexes.
    void applyTabOrder();

    // The control of that name and kind, or nullptr.
    template <class Control> Control* control(const QString& name) const {
        return findChild<Control*>(name);
    }

    // The client area in twips.
    int clientWidthTwips() const { return clientWidth_; }
    int clientHeightTwips() const { return clientHeight_; }

private:
    void settle(QWidget* control, const QString& name, const velmor::TwipsRect& place,
                int tabIndex);

    int clientWidth_;
    int clientHeight_;
    Colour back_;
};

} // namespace ui

#pragma once

#include <QScrollBar>

namespace ui {

// A horizontal scroll bar whose position the windows read in their timer ticks. Setting the
// value from code raises nothing: no handler of the windows ever runs on a change. It takes
// keyboard focus: Left and Up step it down by SmallChange, Right and Down up; Page Up and Page
// Down move it by LargeChange; Home and End to its ends. The style's focus frame shows it has the
// keys.
class HScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit HScrollBar(QWidget* parent = nullptr);

    void setMin(int min) { setMinimum(min); }
    void setMax(int max) { setMaximum(max); }
    void setSmallChange(int step) { setSingleStep(step); }
    void setLargeChange(int step) { setPageStep(step); }

    void setValue(int value); // quietly; clamped to Min..Max
    int value() const { return QScrollBar::value(); }

    bool visible() const { return !isHidden(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui

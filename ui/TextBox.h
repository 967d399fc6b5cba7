#pragma once

#include <QLineEdit>

namespace ui {

// A single-line text box; setText() and text() come from QLineEdit.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    bool visible() const { return !isHidden(); }
};

} // namespace ui

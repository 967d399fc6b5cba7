#include "TextBox.h"

namespace ui {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

} // namespace ui

#include "moc_TextBox.cpp"

#include "Form1Layout.h"

#include "CommandButton.h"
#include "Form.h"
#include "HScrollBar.h"
#include "Label.h"
#include "Line.h"
#include "Shape.h"
#include "TextBox.h"

namespace velmor {

namespace {

using ui::sys::buttonFace;
using ui::sys::captionText;
using ui::sys::highlightText;
using K = ControlKind;

const ui::Font readout{QStringLiteral("Arial"), 20.25, true};
const ui::Font power{QStringLiteral("Times New Roman"), 14.25, true};
const ui::Font heading{QStringLiteral("Times New Roman"), 14.25, false};
const ui::Font small{QStringLiteral("Times New Roman"), 9.75, false};

void buildLabel(ui::Form& form, const ControlRow& row) {
    auto* label = form.add<ui::Label>(row.name, row.place, row.tabIndex);
    label->setTextAlignment(ui::Alignment::Centre);
    if (!row.font.face.isEmpty())
        label->applyFont(row.font);
    label->setBackColour(row.back);
    label->setOpaque(row.opaque);
    label->setSingleBorder(row.border);
    label->setCaption(row.caption);
    label->setVisible(row.visible);
}

void buildButton(ui::Form& form, const ControlRow& row) {
    auto* button = form.add<ui::CommandButton>(row.name, row.place, row.tabIndex);
    button->setCaption(row.caption);
    button->setGraphical(row.graphical);
    button->setBackColour(row.back);
    button->setVisible(row.visible);
}

void buildScrollBar(ui::Form& form, const ControlRow& row) {
    auto* bar = form.add<ui::HScrollBar>(row.name, row.place, row.tabIndex);
    bar->setMin(0);
    bar->setMax(255);
    bar->setSmallChange(1);
    bar->setLargeChange(row.largeChange);
    bar->setValue(0);
    bar->setVisible(row.visible);
}

void buildTextBox(ui::Form& form, const ControlRow& row) {
    auto* box = form.add<ui::TextBox>(row.name, row.place, row.tabIndex);
    box->setText(row.caption);
    box->setVisible(row.visible);
}

void buildShape(ui::Form& form, const ControlRow& row) {
    auto* shape = form.add<ui::Shape>(row.name, row.place);
    shape->setKind(ui::Shape::Kind::Rectangle);
    shape->setFillColour(row.back);
    shape->setOutlineColour(ui::sys::windowText);
    shape->setVisible(row.visible);
}

void buildLine(ui::Form& form, const ControlRow& row) {
    form.addLine(row.name, row.place.left, row.place.top, row.place.width, row.place.height);
}

} // namespace

ui::Font form1DefaultFont() {
    return {QStringLiteral("Arial"), 8.25, false};
}

const std::vector<ControlRow>& form1Layout() {
    // clang-format off
    static const std::vector<ControlRow> rows{
        {.name = "Command3", .kind = K::Button, .place = {6120, 600, 735, 495}, .tabIndex = 20, .caption = "Предел"},
        {.name = "HScroll4", .kind = K::ScrollBar, .place = {240, 2880, 2895, 255}, .tabIndex = 18, .largeChange = 16, .visible = false},
        {.name = "Command2", .kind = K::Button, .place = {6120, 1200, 735, 495}, .tabIndex = 17, .caption = "График    КНХ"},
        {.name = "Command1", .kind = K::Button, .place = {6120, 120, 735, 375}, .tabIndex = 4, .caption = "Вкл", .back = ui::sys::activeBorder, .graphical = true},
        {.name = "HScroll3", .kind = K::ScrollBar, .place = {240, 2160, 2895, 255}, .tabIndex = 3, .largeChange = 8, .visible = false},
        {.name = "HScroll2", .kind = K::ScrollBar, .place = {240, 720, 2895, 255}, .tabIndex = 2, .largeChange = 8, .visible = false},
        {.name = "HScroll1", .kind = K::ScrollBar, .place = {240, 1440, 2895, 255}, .tabIndex = 1, .largeChange = 8, .visible = false},
        {.name = "Text1", .kind = K::TextBox, .place = {5040, 3480, 1695, 375}, .tabIndex = 0, .caption = "Text1"},
        {.name = "Label13", .place = {600, 2640, 2175, 375}, .tabIndex = 19, .caption = "Мощность, Вт", .font = small, .opaque = false},
        {.name = "Label12", .place = {3240, 2760, 2655, 375}, .tabIndex = 16, .caption = "P, W", .font = power, .back = captionText, .border = true},
        {.name = "Label11", .place = {1440, 1800, 855, 375}, .tabIndex = 15, .caption = "+3,3V", .font = heading, .opaque = false},
        {.name = "Label10", .place = {1320, 360, 855, 375}, .tabIndex = 14, .caption = "+12V", .font = heading, .opaque = false},
        {.name = "Label9", .place = {1320, 1080, 855, 375}, .tabIndex = 13, .caption = "+5V", .font = heading, .opaque = false},
        {.name = "Line5", .kind = K::Line, .place = {8400, 1680, 8400, 4200}},
        {.name = "Line4", .kind = K::Line, .place = {9000, 3960, 3120, 3960}},
        {.name = "Line3", .kind = K::Line, .place = {7800, 1680, 7800, 3840}},
        {.name = "Line1", .kind = K::Line, .place = {8160, 1440, 8160, 3960}},
        {.name = "Label5", .place = {4680, 1920, 1215, 495}, .tabIndex = 10, .caption = "---", .font = readout, .back = captionText, .border = true},
        {.name = "Label6", .place = {3240, 1920, 1215, 495}, .tabIndex = 9, .caption = "---", .font = readout, .back = captionText, .border = true},
        {.name = "Shape3", .kind = K::Shape, .place = {120, 1800, 5895, 735}, .back = ui::rgb(255, 128, 0), .visible = false},
        {.name = "Label3", .place = {4680, 480, 1215, 495}, .tabIndex = 8, .caption = "---", .font = readout, .back = highlightText, .border = true},
        {.name = "Label4", .place = {3240, 480, 1215, 495}, .tabIndex = 7, .caption = "---", .font = readout, .back = highlightText, .border = true},
        {.name = "Label1", .place = {4680, 1200, 1215, 495}, .tabIndex = 6, .caption = "Label1", .font = readout, .back = highlightText, .border = true},
        {.name = "Label2", .place = {3240, 1200, 1215, 495}, .tabIndex = 5, .caption = "---", .font = readout, .back = highlightText, .border = true},
        {.name = "Shape1", .kind = K::Shape, .place = {120, 1080, 5895, 735}, .back = ui::rgb(255, 0, 0), .visible = false},
        {.name = "Shape2", .kind = K::Shape, .place = {120, 360, 5895, 735}, .back = ui::rgb(255, 255, 0), .visible = false},
        {.name = "Label7", .place = {4800, 0, 1095, 375}, .tabIndex = 11, .caption = "U, V", .font = heading, .back = buttonFace},
        {.name = "Label8", .place = {3480, 0, 855, 375}, .tabIndex = 12, .caption = "I ,A", .font = heading, .back = buttonFace},
        {.name = "Shape4", .kind = K::Shape, .place = {120, 2640, 5895, 615}, .back = ui::rgb(128, 128, 255), .visible = false},
    };
    // clang-format on
    return rows;
}

void buildForm1Layout(ui::Form& form) {
    form.setDefaultFont(form1DefaultFont());
    for (const ControlRow& row : form1Layout()) {
        switch (row.kind) {
        case K::Label:
            buildLabel(form, row);
            break;
        case K::Button:
            buildButton(form, row);
            break;
        case K::ScrollBar:
            buildScrollBar(form, row);
            break;
        case K::TextBox:
            buildTextBox(form, row);
            break;
        case K::Shape:
            buildShape(form, row);
            break;
        case K::Line:
            buildLine(form, row);
            break;
        }
    }
    form.addTimer(QStringLiteral("Timer1"), timer1Interval, true);
    form.addTimer(QStringLiteral("Timer2"), timer2Interval, false);
    form.applyTabOrder();
}

} // namespace velmor

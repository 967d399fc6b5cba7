#include "TitleNote.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace ui {

TitleNote::TitleNote(QString text) : text_(std::move(text)) {
    qApp->installEventFilter(this);
}

TitleNote::~TitleNote() {
    qApp->removeEventFilter(this);
}

void TitleNote::show(bool shown) {
    shown_ = shown;
    for (QWidget* window : QApplication::topLevelWidgets())
        title(window);
}

void TitleNote::title(QWidget* window) const {
    QString title = window->windowTitle();
    if (title.isEmpty())
        return;
    if (title.endsWith(text_))
        title.chop(text_.size());
    if (shown_)
        title += text_;
    if (title != window->windowTitle())
        window->setWindowTitle(title);
}

bool TitleNote::eventFilter(QObject* watched, QEvent* event) {
    // A window that sets its own title (a lost port, a new window) keeps the note.
    if ((event->type() == QEvent::WindowTitleChange || event->type() == QEvent::Show) &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
        title(static_cast<QWidget*>(watched));
    return false;
}

} // namespace ui

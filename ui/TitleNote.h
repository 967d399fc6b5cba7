#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace ui {

// A note at the end of every window's title while it is shown: put on the windows open when it
// shows, on a window that shows later, and back on a window that sets a title of its own.
class TitleNote final : public QObject {
public:
    explicit TitleNote(QString text);
    ~TitleNote() override;

    void show(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void title(QWidget* window) const;

    QString text_;
    bool shown_ = false;
};

} // namespace ui

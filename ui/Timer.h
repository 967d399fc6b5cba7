#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace ui {

// A window's timer: while enabled it raises its tick once per interval, on the window's thread
// and never inside another handler. Precise timing keeps the period from drifting.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);

    void setInterval(int milliseconds);
    int interval() const { return timer_.interval(); }

    // Enabling a running timer leaves its rhythm alone; disabling stops it before the next tick.
    void setEnabled(bool enabled);
    bool enabled() const { return timer_.isActive(); }

    void onTick(std::function<void()> handler) { handler_ = std::move(handler); }

private:
    QTimer timer_;
    std::function<void()> handler_;
};

} // namespace ui

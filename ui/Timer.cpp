#include "Timer.h"

namespace ui {

Timer::Timer(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (handler_)
            handler_();
    });
}

void Timer::setInterval(int milliseconds) {
    timer_.setInterval(milliseconds);
}

void Timer::setEnabled(bool enabled) {
    if (!enabled)
        timer_.stop();
    else if (!timer_.isActive())
        timer_.start();
}

} // namespace ui

#include "moc_Timer.cpp"

#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace velmor {

// Turns SIGINT and SIGTERM into a call on the event loop, so that a stop can still send frames
// and close the port. One at a time; the default handling comes back when it goes.
class StopSignals : public QObject {
public:
    explicit StopSignals(std::function<void(int signal)> stop, QObject* parent = nullptr);
    ~StopSignals() override;

private:
    std::function<void(int)> stop_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace velmor

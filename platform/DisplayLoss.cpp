#include "DisplayLoss.h"

#include <QString>
#include <QtGlobal>

#include <utility>

namespace velmor {

namespace {

std::function<void()> displayLost;
QtMessageHandler before = nullptr; // set before handle() is installed

// The warnings Qt's X11 and Wayland connections give before they exit.
bool saysDisplayLost(QtMsgType type, const QString& message) {
    return type == QtWarningMsg &&
           (message.startsWith(QLatin1String("The X11 connection broke")) ||
            message.startsWith(QLatin1String("The Wayland connection broke")));
}

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (displayLost && saysDisplayLost(type, message))
        std::exchange(displayLost, nullptr)();
    before(type, context, message); // Qt's own where none was installed before
}

} // namespace

void onDisplayLost(std::function<void()> lost) {
    displayLost = std::move(lost);
    const QtMessageHandler previous = qInstallMessageHandler(handle);
    if (previous != handle)
        before = previous;
}

} // namespace velmor

#pragma once

#include "Frames.h"

#include <QString>

#include <optional>

namespace velmor {

// One measurement tick of the manual window as recorded: the reply, the three load settings after
// the clamp, the power shown, and whether it was an overload (the settings are then the ones
// the tick found, before the cut).
struct SessionReading {
    ReplyFrame reply;
    int load5 = 0;
    int load12 = 0;
    int load33 = 0;
    double power = 0;
    bool overload = false;
    bool clamped = false; // a setting was over its limit and was held to it
};

// How a session ended: the supply switched off, the window handed over to the graph window, or
// the program closed. A session a crash left open is closed as abandoned by the next start.
enum class SessionEnd { SwitchedOff, HandedOver, Exited };

// What the manual window tells whoever keeps the test records. Every call returns at once: the
// recorder only hands the values on. The window works the same without one.
class SessionRecorder {
public:
    virtual ~SessionRecorder() = default;
    virtual void sessionStarted() = 0; // the supply was switched on
    virtual void reading(const SessionReading& reading) = 0;
    virtual void linkChanged(const std::optional<QString>& lostReason) = 0;
    // Nothing happens when no session is open.
    virtual void sessionEnded(SessionEnd how) = 0;
};

} // namespace velmor

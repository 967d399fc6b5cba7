#pragma once

#include "Plan.h"
#include "StoreAddress.h"
#include "Sweep.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>

namespace velmor::results {

// Whether the unit has passed the same test before: looked up in the store on a thread of its
// own as the test starts, so that a slow or unreachable store never holds the test, or a window,
// up. The same sweep is one of the same limits; the same plan one of the same name and text (see
// lastPassedRun).
class RepeatTestCheck final {
public:
    RepeatTestCheck(const StoreAddress& store, const QString& serial, const SweepLimits& limits);
    RepeatTestCheck(const StoreAddress& store, const QString& serial, const Plan& plan);
    ~RepeatTestCheck(); // waits for the look-up to end
    RepeatTestCheck(const RepeatTestCheck&) = delete;
    RepeatTestCheck& operator=(const RepeatTestCheck&) = delete;

    // "repeat test: PSU-0001 passed this sweep (limits 80,80,70) on <local time>, record <id>",
    // or "… passed this plan ("quick") on …", when the look-up finds such a record within 2 s of
    // its start; nothing when it finds none, cannot reach the store or takes longer. Waits for
    // the look-up until then.
    std::optional<QString> warning();

    // Calls answered once, on the thread that made the check, with what warning() gives as soon
    // as it no longer waits: when the look-up ends or its 2 s are up. For a window, which must
    // not wait. Never called once the check is gone.
    void whenAnswered(std::function<void(std::optional<QString>)> answered);

private:
    // The look-up on a connection of the thread's own; its warning, if any.
    using LookUp = std::function<std::optional<QString>(QSqlDatabase&)>;
    RepeatTestCheck(const StoreAddress& store, LookUp lookUp);

    QObject answers_; // the context of whenAnswered's calls
    std::unique_ptr<QThread> thread_;
    QDeadlineTimer deadline_;
    std::optional<QString> found_; // written by the thread, read once it has finished
};

} // namespace velmor::results

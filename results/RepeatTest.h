#pragma once

#include "MapExport.h"
#include "StoreAddress.h"

#include <QString>
#include <QThread>

#include <memory>
#include <optional>

namespace velmor::results {

// Whether the unit has passed the same sweep before: looked up in the store on a thread of its
// own as the command-line sweep starts, so that a slow or unreachable store never holds the
// sweep up.
class RepeatTestCheck final {
public:
    RepeatTestCheck(const StoreAddress& store, const QString& serial, const SweepLimits& limits);
    ~RepeatTestCheck(); // waits for the look-up to end
    RepeatTestCheck(const RepeatTestCheck&) = delete;
    RepeatTestCheck& operator=(const RepeatTestCheck&) = delete;

    // "repeat test: PSU-0001 passed this sweep (limits 80,80,70) on <local time>, record <id>"
    // when the look-up finds such a sweep within 2 s; nothing when it finds none, cannot reach
    // the store or takes longer.
    std::optional<QString> warning();

private:
    std::unique_ptr<QThread> thread_;
    std::optional<QString> found_; // written by the thread, read once it has finished
};

} // namespace velmor::results

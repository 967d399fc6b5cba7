#pragma once

#include <QDeadlineTimer>
#include <QTest>

namespace velmor::testing {

inline constexpr int patienceMs = 5000;

// Runs the event loop until the condition holds; false if the patience ran out first. Used
// in place of the QTRY_ macros, which report to QTest's own log: under GoogleTest a failed
// QTRY_ only returns from the test, which then counts as passed.
template <typename Condition> bool eventually(Condition condition, int timeoutMs = patienceMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

} // namespace velmor::testing

#pragma once

#include "Finding.h"
#include "RecordList.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <tuple>
#include <variant>
#include <vector>

namespace velmor::results {

// What a failed or errored run failed of, language-free: the kind of its finding, and for a
// crossed limit the measurement's name, the point and the side (+12 V at P3 low); for a shutdown
// the step it happened in. A run stored without a finding counts under its failing step.
struct FailureCause {
    enum class Side { None, Low, High };
    Finding::Kind kind = Finding::Kind::Crossed;
    QString name;  // "+12 V"; empty but for a crossed limit
    QString where; // "P3", the step's name for a shutdown or a run of no finding
    Side side = Side::None;
    bool unknown = false; // stored without a finding
    friend bool operator<(const FailureCause& a, const FailureCause& b) {
        return std::tie(a.unknown, a.kind, a.name, a.where, a.side) <
               std::tie(b.unknown, b.kind, b.name, b.where, b.side);
    }
};

struct CauseCount {
    FailureCause cause;
    int runs = 0;
};

// A unit's runs in the selection beyond its first.
struct Retests {
    QString serial;
    int retests = 0;
    bool passedAtLast = false;
};

// The plan runs of the filter's model, bench and period (its other fields unused): the failed
// and errored ones by cause, most first (of as many, in the cause's order); the units' first-pass
// and final yield over the completed runs (a unit passed first when its first completed run
// passed, at last when its last one did; pass and marginal pass); and the units tested more than
// once, most retests first.
struct FailurePareto {
    std::vector<CauseCount> causes;
    int failures = 0; // failed and errored runs
    int units = 0;    // units with a completed run; a run of no serial stands for a unit of its own
    int firstPassed = 0;
    int finallyPassed = 0;
    std::vector<Retests> retested;
    QStringList refused; // each run left out and why
};
std::variant<FailurePareto, QString> failurePareto(QSqlDatabase& db, int version,
                                                   const ListFilter& filter);

// The cause in the view's language: "+12 V at P3 low", "shut down at corners", "did not power
// on", "bench: no reply".
QString causeText(const FailureCause& cause);

} // namespace velmor::results

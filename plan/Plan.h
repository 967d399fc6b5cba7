#pragma once

#include "PlanError.h"
#include "PlanStep.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace velmor {

// A test plan as read from its file, checked in full before anything is sent to the unit.
struct Plan {
    QString name;    // the plan's own name, or the file's base name
    QString file;    // as given
    QByteArray text; // the file's bytes, kept with every run record
    PlanContext context{};
    std::vector<std::shared_ptr<const StepSpec>> steps;
    // "overdue" or "missing" where the bench's calibration was when the run began; kept in its
    // record.
    QString calibrationWarning{};

    qint64 estimatedMs() const;
};

// Plans bigger than this are refused unread.
inline constexpr qint64 maxPlanBytes = 1 << 20;
// A plan's name as [plan] gives it, and how long a plan may take by its estimate.
inline constexpr qsizetype maxPlanNameLength = 100;
inline constexpr qint64 maxPlanMs = qint64{30} * 24 * 3600 * 1000;

// Reads and checks a plan file: a regular file of at most maxPlanBytes, valid TOML, every key
// known and every value in range. The error names the file, line and column.
std::variant<Plan, PlanError> readPlan(const QString& path);
std::variant<Plan, PlanError> parsePlan(const QByteArray& text, const QString& file);

// The keys the reader asks for while reading text, found or not: for a plan with each table and
// each step kind, every key a plan file may hold (the plan reference is kept in step with them).
std::set<std::string> planKeysAsked(const QByteArray& text);

} // namespace velmor

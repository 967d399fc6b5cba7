#pragma once

#include <QString>

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace velmor {

// Why a plan file is refused, where: "plans/quick.toml:12:7: load p12 = 140 % is above the
// +12 V full scale (21 A)".
struct PlanError {
    QString file;
    int line = 0; // 1-based; 0 for the file as a whole (cannot be read, too big)
    int column = 0;
    QString what;
    QString text() const;
};

// A piece of the plan file (UTF-8) as a message quotes it: control characters as escapes, so a
// key or a value cannot move a terminal's cursor or fake a line.
QString planText(std::string_view utf8);

// The first error of a plan being read, and every key its tables were asked for, found or not.
struct PlanErrors {
    std::optional<PlanError> first;
    std::set<std::string> keysAsked;
    void add(PlanError error) {
        if (!first)
            first = std::move(error);
    }
};

} // namespace velmor

#pragma once

#include "LoadFrame.h"
#include "PlanError.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmor {

struct PlanContext;

// A load asked for by a plan: the amperes per output it works out to (percent of the label's
// rating already turned into amperes), before rounding to the unit's load step.
struct AskedLoad {
    LoadAmps amps{};
};

// One table of a plan file as the step kinds read it. Every getter checks the value's type and
// range; a wrong or missing value records an error at its line and column (the table's for a
// missing key) and returns nothing, and the first error is the plan's. A key the kind does not
// read is refused by finish(). toml++ stays inside PlanTable.cpp.
class PlanTable {
public:
    enum class Need { Required, Optional };

    std::optional<double> number(std::string_view key, double min, double max,
                                 Need need = Need::Required);
    std::optional<int> integer(std::string_view key, int min, int max, Need need = Need::Required);
    std::optional<QString> text(std::string_view key, Need need = Need::Required);
    std::optional<bool> flag(std::string_view key, Need need = Need::Required);
    // Seconds as a number (0.1 .. 10^6), returned in milliseconds.
    std::optional<qint64> seconds(std::string_view key, Need need = Need::Required);
    // Two numbers [low, high], each within min..max, low not above high.
    std::optional<std::pair<double, double>> range(std::string_view key, double min, double max,
                                                   Need need = Need::Required);

    // A load: a table { a5 = …, a12 = …, a33 = … } in amperes, or { p5 = …, p12 = …, p33 = … } in
    // percent of the label's rating per output, or { percent = … } for all three; a missing output
    // draws nothing. Refused above the unit's full scale or the plan's power bound.
    std::optional<AskedLoad> load(std::string_view key, Need need = Need::Required);
    // The same for each element of an array of such tables.
    std::optional<std::vector<AskedLoad>> loads(std::string_view key, Need need = Need::Required);

    // A table, or the tables of an array of tables (each its own PlanTable, sharing this one's
    // errors).
    std::optional<PlanTable> table(std::string_view key, Need need = Need::Required);
    std::optional<std::vector<PlanTable>> tables(std::string_view key, Need need = Need::Required);

    // An error of the kind's own (one value against another) at the key, or at the table.
    void fail(std::string_view key, const QString& what);
    void fail(const QString& what);

    // Refuses the keys nobody read; then whether the table had no error.
    bool finish();

    const PlanContext& context() const { return *context_; }

    // Made by the plan reader only.
    PlanTable(const void* table, const PlanContext& context, PlanErrors& errors);

private:
    const void* find(std::string_view key, Need need); // a toml::node, marked read
    void failAt(const void* node, const QString& what);
    std::optional<AskedLoad> loadOf(const void* node, std::string_view key);

    const void* table_; // a toml::table
    const PlanContext* context_;
    PlanErrors* errors_;
    std::vector<std::string> read_;
    std::optional<std::string> missing_; // a required key missing, when that is the plan's error
    bool failed_ = false;
};

} // namespace velmor

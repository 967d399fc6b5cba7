#include "StoreRow.h"
#include "RecordFields.h"

#include <QVariant>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace velmor::results {

namespace {

template <std::size_t N> struct TableColumns {
    const char* table;
    std::array<const char*, N> names;
};

// The table and the columns of a record that adds a row, one for each of its fields in order.
TableColumns<15> columns(const SweepBegan&) {
    return {"sweeps",
            {"id", "started_at", "host", "port", "load_limit1", "load_limit2", "power_limit",
             "map_width", "map_height", "map_ratio", "unit_serial", "unit_model", "operator",
             "calibration", "calibration_warning"}};
}
TableColumns<10> columns(const CellPainted&) {
    return {"sweep_cells",
            {"sweep_id", "seq", "at", "cell_row", "cell_column", "b2", "b3", "b4", "k5", "k12"}};
}
TableColumns<7> columns(const SessionBegan&) {
    return {"sessions",
            {"id", "started_at", "host", "port", "unit_serial", "unit_model", "operator"}};
}
TableColumns<12> columns(const TickRead&) {
    return {"session_ticks",
            {"session_id", "seq", "at", "b1", "b2", "b3", "b4", "load5", "load12", "load33",
             "power", "overload"}};
}
TableColumns<5> columns(const SessionEvent&) {
    return {"session_events", {"session_id", "seq", "at", "kind", "detail"}};
}
TableColumns<13> columns(const RunBegan&) {
    return {"runs",
            {"id", "started_at", "host", "port", "plan_name", "plan_file", "plan_text", "profile",
             "unit_serial", "unit_model", "operator", "calibration", "calibration_warning"}};
}
TableColumns<13> columns(const RunReadingTaken&) {
    return {"run_readings",
            {"run_id", "seq", "at", "step_seq", "supply_on", "load5", "load12", "load33", "b1",
             "b2", "b3", "b4", "settling"}};
}
TableColumns<11> columns(const RunStepEnded&) {
    return {"run_steps",
            {"run_id", "seq", "ended_at", "started_at", "kind", "name", "outcome", "key_figure",
             "judged", "unsettled", "reason"}};
}
TableColumns<13> columns(const RunMeasurement&) {
    return {"run_measurements",
            {"run_id", "step_seq", "seq", "name", "value", "unit", "low", "high", "guard_low",
             "guard_high", "asked", "outcome", "uncertainty"}};
}

// A field as the store keeps it: a flag as 0 or 1, the unit's fields NULL where not given.
QVariant storedValue(bool flag, const char*) {
    return flag ? 1 : 0;
}
QVariant storedValue(const QString& text, const char* column) {
    static constexpr std::string_view nullWhenEmpty[] = {"unit_serial", "unit_model", "operator",
                                                         "calibration", "calibration_warning"};
    if (text.isEmpty() && std::find(std::begin(nullWhenEmpty), std::end(nullWhenEmpty),
                                    std::string_view(column)) != std::end(nullWhenEmpty))
        return QVariant(QMetaType::fromType<QString>());
    return text;
}
// A limit or asked value that is not there (NaN) as NULL.
QVariant storedValue(double value, const char*) {
    return std::isnan(value) ? QVariant(QMetaType::fromType<double>()) : QVariant(value);
}
template <typename Value> QVariant storedValue(const Value& value, const char*) {
    return QVariant::fromValue(value);
}

} // namespace

std::optional<StoreRow> storeRow(const Record& record) {
    return std::visit(
        [](auto value) -> std::optional<StoreRow> {
            if constexpr (requires { columns(value); }) {
                const auto listed = columns(value);
                const auto& names = listed.names;
                auto values = fields(value);
                static_assert(std::tuple_size_v<decltype(values)> ==
                                  std::tuple_size_v<std::remove_cvref_t<decltype(names)>>,
                              "a record's columns follow its fields one for one");
                StoreRow row{QString::fromLatin1(listed.table), {}, {}};
                std::size_t i = 0;
                std::apply(
                    [&](const auto&... field) {
                        ((row.columns << QString::fromLatin1(names[i]),
                          row.values << storedValue(field, names[i]), ++i),
                         ...);
                    },
                    values);
                return row;
            } else {
                return std::nullopt;
            }
        },
        record);
}

} // namespace velmor::results

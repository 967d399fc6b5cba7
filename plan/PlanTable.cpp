#include "PlanTable.h"

#include "PlanStep.h"

#include <QCoreApplication>
#include <QLocale>

#include <toml++/toml.h>

#include <algorithm>
#include <cmath>

namespace velmor {

namespace {

const toml::table& tableAt(const void* table) {
    return *static_cast<const toml::table*>(table);
}

const toml::node& nodeAt(const void* node) {
    return *static_cast<const toml::node*>(node);
}

QString keyText(std::string_view key) {
    return planText(key);
}

// As short as it can be and still read back as the same number: 0.09999999999999999 is not
// shown as 0.1 when 0.1 is the bound it misses.
QString figure(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

bool hasControl(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

// The three outputs as a load names them.
struct LoadOutput {
    const char* ampsKey;
    const char* percentKey;
    const UnitOutput* unit;
    const char* name;
    double LoadAmps::*amps;
};
constexpr LoadOutput loadOutputs[] = {
    {"a5", "p5", &output5, "+5 V", &LoadAmps::amps5},
    {"a12", "p12", &output12, "+12 V", &LoadAmps::amps12},
    {"a33", "p33", &output33, "+3.3 V", &LoadAmps::amps33},
};

// Far above any full scale: the full-scale check then says what is wrong.
constexpr double maxLoadFigure = 1e6;

} // namespace

PlanTable::PlanTable(const void* table, const PlanContext& context, PlanErrors& errors)
    : table_(table), context_(&context), errors_(&errors) {}

void PlanTable::failAt(const void* node, const QString& what) {
    failed_ = true;
    const toml::source_position at =
        node ? nodeAt(node).source().begin : tableAt(table_).source().begin;
    errors_->add({QString(), static_cast<int>(at.line), static_cast<int>(at.column), what});
}

void PlanTable::fail(std::string_view key, const QString& what) {
    failAt(tableAt(table_).get(key), what);
}

void PlanTable::fail(const QString& what) {
    failAt(nullptr, what);
}

const void* PlanTable::find(std::string_view key, Need need) {
    read_.emplace_back(key);
    errors_->keysAsked.emplace(key);
    const toml::node* node = tableAt(table_).get(key);
    if (!node && need == Need::Required) {
        if (!errors_->first)
            missing_ = std::string(key);
        fail(QCoreApplication::translate("velmor::Plan", "missing key %1").arg(keyText(key)));
    }
    return node;
}

std::optional<double> PlanTable::number(std::string_view key, double min, double max, Need need) {
    const void* node = find(key, need);
    if (!node)
        return std::nullopt;
    const std::optional<double> value =
        nodeAt(node).is_number() ? nodeAt(node).value<double>() : std::optional<double>();
    if (!value) {
        failAt(
            node,
            QCoreApplication::translate("velmor::Plan", "%1 must be a number").arg(keyText(key)));
        return std::nullopt;
    }
    if (!(*value >= min && *value <= max)) { // also NaN
        failAt(node,
               QCoreApplication::translate("velmor::Plan", "%1 = %2 is out of range (%3 to %4)")
                   .arg(keyText(key), figure(*value), figure(min), figure(max)));
        return std::nullopt;
    }
    return value;
}

std::optional<int> PlanTable::integer(std::string_view key, int min, int max, Need need) {
    const void* node = find(key, need);
    if (!node)
        return std::nullopt;
    if (!nodeAt(node).is_integer()) {
        failAt(node, QCoreApplication::translate("velmor::Plan", "%1 must be a whole number")
                         .arg(keyText(key)));
        return std::nullopt;
    }
    const std::int64_t value = *nodeAt(node).value<std::int64_t>();
    if (value < min || value > max) {
        failAt(node,
               QCoreApplication::translate("velmor::Plan", "%1 = %2 is out of range (%3 to %4)")
                   .arg(keyText(key))
                   .arg(value)
                   .arg(min)
                   .arg(max));
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<QString> PlanTable::text(std::string_view key, Need need) {
    const void* node = find(key, need);
    if (!node)
        return std::nullopt;
    if (!nodeAt(node).is_string()) {
        failAt(
            node,
            QCoreApplication::translate("velmor::Plan", "%1 must be a string").arg(keyText(key)));
        return std::nullopt;
    }
    const std::string_view utf8 = *nodeAt(node).value<std::string_view>();
    QString value = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    if (hasControl(value)) {
        failAt(node, QCoreApplication::translate("velmor::Plan", "%1 has a control character")
                         .arg(keyText(key)));
        return std::nullopt;
    }
    return value;
}

std::optional<bool> PlanTable::flag(std::string_view key, Need need) {
    const void* node = find(key, need);
    if (!node)
        return std::nullopt;
    if (!nodeAt(node).is_boolean()) {
        failAt(node, QCoreApplication::translate("velmor::Plan", "%1 must be true or false")
                         .arg(keyText(key)));
        return std::nullopt;
    }
    return nodeAt(node).value<bool>();
}

std::optional<qint64> PlanTable::seconds(std::string_view key, Need need) {
    const auto s = number(key, 0.1, 1e6, need);
    if (!s)
        return std::nullopt;
    return std::llround(*s * 1000);
}

std::optional<std::pair<double, double>> PlanTable::range(std::string_view key, double min,
                                                          double max, Need need) {
    const void* node = find(key, need);
    if (!node)
        return std::nullopt;
    const toml::array* pair = nodeAt(node).as_array();
    if (!pair || pair->size() != 2 || !(*pair)[0].is_number() || !(*pair)[1].is_number()) {
        failAt(node,
               QCoreApplication::translate("velmor::Plan", "%1 must be two numbers [low, high]")
                   .arg(keyText(key)));
        return std::nullopt;
    }
    const double low = *(*pair)[0].value<double>();
    const double high = *(*pair)[1].value<double>();
    for (const toml::node* end : {&(*pair)[0], &(*pair)[1]}) {
        const double value = *end->value<double>();
        if (!(value >= min && value <= max)) {
            failAt(end,
                   QCoreApplication::translate("velmor::Plan", "%1: %2 is out of range (%3 to %4)")
                       .arg(keyText(key), figure(value), figure(min), figure(max)));
            return std::nullopt;
        }
    }
    if (low > high) {
        failAt(node, QCoreApplication::translate("velmor::Plan", "%1: low %2 is above high %3")
                         .arg(keyText(key), figure(low), figure(high)));
        return std::nullopt;
    }
    return std::pair{low, high};
}

std::optional<AskedLoad> PlanTable::loadOf(const void* node, std::string_view key) {
    const toml::table* table = nodeAt(node).as_table();
    if (!table) {
        failAt(node, QCoreApplication::translate(
                         "velmor::Plan",
                         "%1 must be a load, e.g. { a5 = 10, a12 = 8 } or { percent = 50 }")
                         .arg(keyText(key)));
        return std::nullopt;
    }
    PlanTable load(table, *context_, *errors_);
    const SupplyLabel& label = context_->label;
    AskedLoad asked;
    int kinds = 0; // amperes, percent per output, percent for all: one of them
    bool anyAmps = false;
    bool anyPercent = false;
    for (const LoadOutput& out : loadOutputs) {
        const double rated = label.ratedAmps.*out.amps;
        if (const auto a = load.number(out.ampsKey, 0, maxLoadFigure, Need::Optional)) {
            asked.amps.*out.amps = *a;
            anyAmps = true;
        }
        if (const auto p = load.number(out.percentKey, 0, maxLoadFigure, Need::Optional)) {
            asked.amps.*out.amps = *p / 100 * rated;
            anyPercent = true;
        }
    }
    kinds += anyAmps ? 1 : 0;
    kinds += anyPercent ? 1 : 0;
    if (const auto all = load.number("percent", 0, maxLoadFigure, Need::Optional)) {
        ++kinds;
        for (const LoadOutput& out : loadOutputs)
            asked.amps.*out.amps = *all / 100 * label.ratedAmps.*out.amps;
    }
    if (!load.finish()) {
        failed_ = true;
        return std::nullopt;
    }
    if (kinds > 1) {
        failAt(node, QCoreApplication::translate(
                         "velmor::Plan",
                         "%1 mixes amperes (a5, a12, a33), percent per output (p5, p12, p33) and "
                         "percent of all three: give one of them")
                         .arg(keyText(key)));
        return std::nullopt;
    }
    for (const LoadOutput& out : loadOutputs) {
        const double amps = asked.amps.*out.amps;
        if (amps > out.unit->fullScaleAmps) {
            failAt(node, QCoreApplication::translate(
                             "velmor::Plan",
                             "%1 asks for %2 A on %3, above the unit's full scale of %4 A")
                             .arg(keyText(key), figure(amps), QString::fromLatin1(out.name),
                                  figure(out.unit->fullScaleAmps)));
            return std::nullopt;
        }
    }
    const double watts = nominalWatts(asked.amps);
    if (watts > context_->powerBoundWatts) {
        failAt(node, QCoreApplication::translate(
                         "velmor::Plan",
                         "%1 draws %2 W at nominal volts, above the plan's power bound of %3 W")
                         .arg(keyText(key), figure(watts), figure(context_->powerBoundWatts)));
        return std::nullopt;
    }
    return asked;
}

std::optional<AskedLoad> PlanTable::load(std::string_view key, Need need) {
    const void* node = find(key, need);
    if (!node)
        return std::nullopt;
    return loadOf(node, key);
}

std::optional<std::vector<AskedLoad>> PlanTable::loads(std::string_view key, Need need) {
    const void* node = find(key, need);
    if (!node)
        return std::nullopt;
    const toml::array* array = nodeAt(node).as_array();
    if (!array) {
        failAt(node, QCoreApplication::translate("velmor::Plan", "%1 must be an array of loads")
                         .arg(keyText(key)));
        return std::nullopt;
    }
    std::vector<AskedLoad> loads;
    loads.reserve(array->size());
    for (const toml::node& element : *array) {
        const auto load = loadOf(&element, key);
        if (!load)
            return std::nullopt;
        loads.push_back(*load);
    }
    return loads;
}

std::optional<PlanTable> PlanTable::table(std::string_view key, Need need) {
    const void* node = find(key, need);
    if (!node)
        return std::nullopt;
    const toml::table* table = nodeAt(node).as_table();
    if (!table) {
        failAt(node,
               QCoreApplication::translate("velmor::Plan", "%1 must be a table").arg(keyText(key)));
        return std::nullopt;
    }
    return PlanTable(table, *context_, *errors_);
}

std::optional<std::vector<PlanTable>> PlanTable::tables(std::string_view key, Need need) {
    const void* node = find(key, need);
    if (!node)
        return std::nullopt;
    const toml::array* array = nodeAt(node).as_array();
    if (!array || (!array->empty() && !array->is_array_of_tables())) {
        failAt(node,
               QCoreApplication::translate("velmor::Plan", "%1 must be an array of tables ([[%1]])")
                   .arg(keyText(key)));
        return std::nullopt;
    }
    std::vector<PlanTable> tables;
    tables.reserve(array->size());
    for (const toml::node& element : *array)
        tables.emplace_back(element.as_table(), *context_, *errors_);
    return tables;
}

bool PlanTable::finish() {
    // The table is ordered by key: the first unknown key in the file is the one to name.
    const toml::key* first = nullptr;
    for (auto it = tableAt(table_).cbegin(); it != tableAt(table_).cend(); ++it) {
        if (std::find(read_.begin(), read_.end(), it->first.str()) == read_.end() &&
            (!first || it->first.source().begin < first->source().begin))
            first = &it->first;
    }
    if (first) {
        failed_ = true;
        const toml::source_position at = first->source().begin;
        PlanError unknown{QString(), static_cast<int>(at.line), static_cast<int>(at.column),
                          QCoreApplication::translate("velmor::Plan", "unknown key %1")
                              .arg(keyText(first->str()))};
        // A misspelt key is also a missing one: the key as written is what to name.
        if (missing_) {
            unknown.what =
                QCoreApplication::translate("velmor::Plan", "unknown key %1 (and missing key %2)")
                    .arg(keyText(first->str()), keyText(*missing_));
            errors_->first = unknown;
        } else {
            errors_->add(unknown);
        }
    }
    return !failed_;
}

} // namespace velmor

#include "ReferenceFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "TomlDocument.h"

namespace velmor {

namespace {

struct ReferenceFileText {
    Q_DECLARE_TR_FUNCTIONS(ReferenceFile)
};

constexpr qint64 maxReferenceBytes = 64 * 1024;

PlanError errorAt(const QString& file, const toml::node& node, const QString& what) {
    const toml::source_position at = node.source().begin;
    return {file, static_cast<int>(at.line), static_cast<int>(at.column), what};
}

// A text value of a table: none where the key is missing, an error where it is not text.
std::variant<QString, PlanError> textOf(const toml::table& table, const char* key,
                                        const QString& file) {
    const toml::node* node = table.get(key);
    if (!node)
        return QString();
    const auto* value = node->as_string();
    if (!value)
        return errorAt(file, *node,
                       ReferenceFileText::tr("%1 must be text").arg(QLatin1String(key)));
    const QString text = QString::fromStdString(value->get());
    if (text.size() > 200)
        return errorAt(
            file, *node,
            ReferenceFileText::tr("%1 is longer than 200 characters").arg(QLatin1String(key)));
    return text;
}

// A number of a table within low..high: none where the key is missing.
std::variant<std::optional<double>, PlanError>
numberOf(const toml::table& table, const char* key, double low, double high, const QString& file) {
    const toml::node* node = table.get(key);
    if (!node)
        return std::optional<double>();
    const auto value = node->value<double>();
    if (!value || !std::isfinite(*value))
        return errorAt(file, *node,
                       ReferenceFileText::tr("%1 must be a number").arg(QLatin1String(key)));
    if (*value < low || *value > high)
        return errorAt(file, *node,
                       ReferenceFileText::tr("%1 = %2 lies outside %3..%4")
                           .arg(QLatin1String(key))
                           .arg(*value)
                           .arg(low)
                           .arg(high));
    return value;
}

} // namespace

std::variant<ReferenceFile, PlanError> parseReferenceFile(const QByteArray& text,
                                                          const QString& file) {
    auto parsed = tomlDocument(text, file);
    if (auto* refused = std::get_if<PlanError>(&parsed))
        return *refused;
    toml::table& document = std::get<toml::table>(parsed);
    ReferenceFile reference;
    // Each value read in turn; the first error ends the reading.
    std::optional<PlanError> failed;
    const auto take = [&failed](auto read, auto& into) {
        if (failed)
            return;
        if (auto* error = std::get_if<PlanError>(&read))
            failed = *error;
        else
            into = std::get<0>(std::move(read));
    };
    if (const toml::table* meter = document["meter"].as_table()) {
        take(textOf(*meter, "name", file), reference.meter.name);
        take(textOf(*meter, "certificate", file), reference.meter.certificate);
        std::optional<double> percent;
        std::optional<double> volts;
        take(numberOf(*meter, "accuracy_percent", 0, 10, file), percent);
        take(numberOf(*meter, "accuracy_volts", 0, 1, file), volts);
        reference.meter.accuracyPercent = percent.value_or(0);
        reference.meter.accuracyVolts = volts.value_or(0);
    }
    if (const toml::table* calibration = document["calibration"].as_table()) {
        take(textOf(*calibration, "operator", file), reference.operatorName);
        take(textOf(*calibration, "unit", file), reference.unit);
        std::optional<double> months;
        take(numberOf(*calibration, "due_months", 1, maxDueMonths, file), months);
        if (months)
            reference.dueMonths = static_cast<int>(*months);
    }
    const toml::node* points = document.get("point");
    const toml::array* array = points ? points->as_array() : nullptr;
    if (!failed && (!array || !array->is_array_of_tables()))
        return PlanError{file, 0, 0, ReferenceFileText::tr("no points ([[point]] tables)")};
    for (std::size_t i = 0; array && !failed && i < array->size(); ++i) {
        const toml::table& table = *array->get(i)->as_table();
        QString name;
        take(textOf(table, "input", file), name);
        const auto input = parseInput(name);
        if (!failed && !input) {
            failed = errorAt(
                file, table,
                ReferenceFileText::tr("a point needs input = \"+5 V\", \"+12 V\" or \"+3.3 V\""));
            break;
        }
        std::optional<double> source;
        std::optional<double> meter;
        const double top = input ? unitOutputOf(*input).nominalVolts * 2 : 0;
        take(numberOf(table, "source", 0, top, file), source);
        take(numberOf(table, "meter", 0, top, file), meter);
        if (!failed && !meter && !source)
            failed = errorAt(file, table,
                             ReferenceFileText::tr("a point needs meter (the meter's volts)"));
        if (!failed)
            reference.points.push_back({*input, source.value_or(meter.value_or(0)), meter});
    }
    if (failed)
        return *failed;
    return reference;
}

std::variant<ReferenceFile, PlanError> readReferenceFile(const QString& path) {
    const auto fail = [&path](const QString& what) { return PlanError{path, 0, 0, what}; };
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return fail(ReferenceFileText::tr("not a regular file"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(ReferenceFileText::tr("cannot be read: %1").arg(file.errorString()));
    const QByteArray text = file.read(maxReferenceBytes + 1);
    if (text.size() > maxReferenceBytes)
        return fail(ReferenceFileText::tr("larger than %1 KiB").arg(maxReferenceBytes / 1024));
    return parseReferenceFile(text, path);
}

} // namespace velmor

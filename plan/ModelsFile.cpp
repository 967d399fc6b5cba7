#include "ModelsFile.h"

#include "Plan.h"
#include "TomlDocument.h"
#include "UnitIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmor {
namespace {

struct ModelsText {
    Q_DECLARE_TR_FUNCTIONS(velmor::ModelsFile)
};

PlanError modelsError(const QString& file, const toml::source_region& where, const QString& what) {
    const toml::source_position at = where.begin;
    return {file, static_cast<int>(at.line), static_cast<int>(at.column), what};
}

// The model's golden serials into the models', or why not.
std::optional<PlanError> readGolden(const QString& file, std::string_view name,
                                    const toml::node& node, Models& models) {
    const QString model = planText(name);
    const toml::array* serials = node.as_array();
    if (!serials)
        return modelsError(file, node.source(),
                           ModelsText::tr("golden of model %1 must be a list of serial numbers, "
                                          "golden = [\"SN\", …]")
                               .arg(model));
    for (const toml::node& entry : *serials) {
        const auto text = entry.value<std::string>();
        const QString serial = text ? QString::fromStdString(*text) : QString();
        if (!isIdentityText(serial))
            return modelsError(file, entry.source(),
                               ModelsText::tr("a golden serial of model %1 must be 1 to %2 "
                                              "printable characters")
                                   .arg(model)
                                   .arg(maxIdentityLength));
        const auto [known, added] =
            models.golden.emplace(serial, QString::fromUtf8(name.data(), qsizetype(name.size())));
        if (!added)
            return modelsError(file, entry.source(),
                               ModelsText::tr("golden serial %1 is named twice (model %2)")
                                   .arg(serial, planText(known->second.toStdString())));
    }
    return std::nullopt;
}

} // namespace

std::variant<Models, PlanError> readModels(const QString& path) {
    if (!QFileInfo::exists(path))
        return Models{};
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > maxPlanBytes || !file.open(QIODevice::ReadOnly))
        return PlanError{path, 0, 0, ModelsText::tr("cannot be read as a models file")};
    auto parsed = tomlDocument(file.readAll(), path);
    if (auto* refused = std::get_if<PlanError>(&parsed))
        return *refused;
    const toml::table& root = std::get<toml::table>(parsed);
    Models out;
    for (const auto& [key, node] : root) {
        if (key.str() != "models")
            return modelsError(path, key.source(),
                               ModelsText::tr("unknown key %1").arg(planText(key.str())));
        const toml::table* models = node.as_table();
        if (!models)
            return modelsError(path, node.source(),
                               ModelsText::tr("models must be a table of models"));
        for (const auto& [name, entry] : *models) {
            const QString model = planText(name.str());
            const toml::table* table = entry.as_table();
            if (!table)
                return modelsError(
                    path, entry.source(),
                    ModelsText::tr("model %1 must be a table with plan = \"FILE\"").arg(model));
            for (const auto& [field, value] : *table)
                if (field.str() != "plan" && field.str() != "golden")
                    return modelsError(path, field.source(),
                                       ModelsText::tr("unknown key %1").arg(planText(field.str())));
            const auto* plan = table->get("plan");
            if (!plan)
                return modelsError(path, entry.source(),
                                   ModelsText::tr("model %1 names no plan").arg(model));
            const auto text = plan->value<std::string>();
            if (!text || text->empty())
                return modelsError(
                    path, plan->source(),
                    ModelsText::tr("plan of model %1 must be a file name").arg(model));
            if (const auto* golden = table->get("golden"))
                if (auto refused = readGolden(path, name.str(), *golden, out))
                    return *refused;
            out.plans[QString::fromStdString(std::string(name.str()))] =
                QFileInfo(path).dir().absoluteFilePath(QString::fromStdString(*text));
        }
    }
    return out;
}

} // namespace velmor

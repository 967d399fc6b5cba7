#include "ModelsFile.h"

#include "Plan.h"
#include "StoreAddress.h"
#include "StoreChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <toml++/toml.h>

namespace velmor {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(velmor::ModelsFile)
};

PlanError errorAt(const QString& file, const toml::source_region& where, const QString& what) {
    return {file, static_cast<int>(where.begin.line), static_cast<int>(where.begin.column), what};
}

} // namespace

QString modelsFilePath() {
    return QFileInfo(results::configFilePath()).path() + QStringLiteral("/models.toml");
}

std::variant<ModelPlans, PlanError> readModels(const QString& path) {
    if (!QFileInfo::exists(path))
        return ModelPlans{};
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > maxPlanBytes || !file.open(QIODevice::ReadOnly))
        return PlanError{path, 0, 0, Text::tr("cannot be read as a models file")};
    const QByteArray bytes = file.readAll();
    toml::table root;
    try {
        root = toml::parse(std::string_view(bytes.constData(), bytes.size()));
    } catch (const toml::parse_error& e) {
        return errorAt(path, e.source(),
                       Text::tr("not valid TOML: %1").arg(planText(e.description())));
    }
    ModelPlans plans;
    for (const auto& [key, node] : root) {
        if (key.str() != "models")
            return errorAt(path, key.source(), Text::tr("unknown key %1").arg(planText(key.str())));
        const toml::table* models = node.as_table();
        if (!models)
            return errorAt(path, node.source(), Text::tr("models must be a table of models"));
        for (const auto& [name, entry] : *models) {
            const QString model = planText(name.str());
            const toml::table* table = entry.as_table();
            if (!table)
                return errorAt(
                    path, entry.source(),
                    Text::tr("model %1 must be a table with plan = \"FILE\"").arg(model));
            for (const auto& [field, value] : *table)
                if (field.str() != "plan")
                    return errorAt(path, field.source(),
                                   Text::tr("unknown key %1").arg(planText(field.str())));
            const auto* plan = table->get("plan");
            if (!plan)
                return errorAt(path, entry.source(), Text::tr("model %1 names no plan").arg(model));
            const auto text = plan->value<std::string>();
            if (!text || text->empty())
                return errorAt(path, plan->source(),
                               Text::tr("plan of model %1 must be a file name").arg(model));
            plans[QString::fromStdString(std::string(name.str()))] =
                QFileInfo(path).dir().absoluteFilePath(QString::fromStdString(*text));
        }
    }
    return plans;
}

} // namespace velmor

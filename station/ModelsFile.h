#pragma once

#include "PlanError.h"

#include <QString>
#include <map>
#include <variant>

namespace velmor {

// Which plan tests each model, as the station's models file says:
//   [models."ATX-450"]
//   plan = "/path/quick.toml"   # relative to the models file's folder when not absolute
using ModelPlans = std::map<QString, QString>;

// ~/.config/velmor-test/models.toml, beside the program's configuration file.
QString modelsFilePath();

// The models file read and checked; an error names the file, line and column. A missing file
// is no error: it has no models.
std::variant<ModelPlans, PlanError> readModels(const QString& path);

} // namespace velmor

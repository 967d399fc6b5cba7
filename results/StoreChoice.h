#pragma once

#include "StoreAddress.h"

#include <QString>

#include <optional>
#include <variant>

namespace velmor::results {

// The default store: results.sqlite in QStandardPaths::AppDataLocation.
StoreAddress defaultStore();

// The store for the command line's --results value if given, else the "results" key of
// velmor-test.conf in the user's configuration folder, else the default.
std::variant<StoreAddress, QString> chooseStore(const std::optional<QString>& commandLineUrl);

// The configuration file chooseStore reads.
QString configFilePath();
// The lab's models file beside it (see ModelsFile.h), which the station and the web view read.
QString modelsFilePath();

} // namespace velmor::results

#pragma once

#include "PlanError.h"

#include <QByteArray>
#include <QString>

#include <toml++/toml.h>

#include <variant>

namespace velmor {

// A file's text read as TOML, or where in the file and why it is not TOML.
std::variant<toml::table, PlanError> tomlDocument(const QByteArray& text, const QString& file);

} // namespace velmor

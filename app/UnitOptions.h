#pragma once

#include "UnitIdentity.h"

#include <QString>

#include <optional>
#include <variant>

namespace velmor {

enum class IdentityField { Serial, Model, Operator };

// Why the value cannot stand for the field, or nothing when it can.
std::optional<QString> identityRefused(IdentityField field, const QString& value);

// The "unit", "model" and "operator" lines of the configuration file (key=value, outside any
// section but [General]); nothing for a missing file or line. A value that cannot stand is
// refused naming the file and its line.
std::variant<UnitIdentity, QString> configuredUnit(const QString& configFile);

// The command line's identity, each field given there replacing the configuration file's.
UnitIdentity givenOver(const UnitIdentity& commandLine, const UnitIdentity& configured);

} // namespace velmor

#include "TomlDocument.h"

#include <QCoreApplication>

#include <string_view>

namespace velmor {

std::variant<toml::table, PlanError> tomlDocument(const QByteArray& text, const QString& file) {
    try {
        return toml::parse(
            std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    } catch (const toml::parse_error& error) {
        const toml::source_position at = error.source().begin;
        return PlanError{file, static_cast<int>(at.line), static_cast<int>(at.column),
                         QCoreApplication::translate("velmor::Plan", "not valid TOML: %1")
                             .arg(planText(error.description()))};
    }
}

} // namespace velmor

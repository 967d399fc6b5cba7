#include "UnitOptions.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <array>

namespace velmor {

namespace {

struct UnitOptionsText {
    Q_DECLARE_TR_FUNCTIONS(UnitOptions)
};

QString describe(IdentityField field) {
    switch (field) {
    case IdentityField::Serial:
        return UnitOptionsText::tr("a serial number");
    case IdentityField::Model:
        return UnitOptionsText::tr("a model name");
    case IdentityField::Operator:
        break;
    }
    return UnitOptionsText::tr("an operator's name");
}

constexpr std::array<std::pair<IdentityField, const char*>, 3> configKeys{
    {{IdentityField::Serial, "unit"},
     {IdentityField::Model, "model"},
     {IdentityField::Operator, "operator"}}};

QString& fieldOf(UnitIdentity& unit, IdentityField field) {
    switch (field) {
    case IdentityField::Serial:
        return unit.serial;
    case IdentityField::Model:
        return unit.model;
    case IdentityField::Operator:
        break;
    }
    return unit.operatorName;
}

} // namespace

std::optional<QString> identityRefused(IdentityField field, const QString& value) {
    const QString rule = UnitOptionsText::tr("%1 is 1 to %2 printable characters")
                             .arg(describe(field))
                             .arg(maxIdentityLength);
    const QList<uint> characters = value.toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i)
        if (!QChar::isPrint(characters[i]))
            // Named by its code, never printed: it could be a terminal's control sequence.
            return UnitOptionsText::tr(
                       "%1; this one has the unprintable character U+%2 at character %3")
                .arg(rule)
                .arg(QString::number(characters[i], 16)
                         .toUpper()
                         .rightJustified(4, QLatin1Char('0')))
                .arg(i + 1);
    if (value.trimmed().isEmpty())
        return UnitOptionsText::tr("%1; this one is empty").arg(rule);
    if (characters.size() > maxIdentityLength)
        return UnitOptionsText::tr("%1; this one has %2 characters")
            .arg(rule)
            .arg(characters.size());
    return std::nullopt;
}

std::variant<UnitIdentity, QString> configuredUnit(const QString& configFile) {
    UnitIdentity unit;
    QFile file(configFile);
    if (!file.open(QIODevice::ReadOnly))
        return unit;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    if (utf8.hasError())
        return UnitOptionsText::tr("%1: not UTF-8 text").arg(configFile);
    bool inGeneral = true;
    int number = 0;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        ++number;
        QString line = raw;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('['))) {
            inGeneral = trimmed.compare(QLatin1String("[General]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inGeneral || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        for (const auto& [field, name] : configKeys) {
            if (key != QLatin1String(name))
                continue;
            const QString value = line.mid(equals + 1).trimmed();
            if (const auto why = identityRefused(field, value))
                return UnitOptionsText::tr("%1, line %2 (%3=): %4")
                    .arg(configFile)
                    .arg(number)
                    .arg(key, *why);
            fieldOf(unit, field) = value;
        }
    }
    return unit;
}

UnitIdentity givenOver(const UnitIdentity& commandLine, const UnitIdentity& configured) {
    const auto either = [](const QString& given, const QString& otherwise) {
        return given.isEmpty() ? otherwise : given;
    };
    return {either(commandLine.serial, configured.serial),
            either(commandLine.model, configured.model),
            either(commandLine.operatorName, configured.operatorName)};
}

} // namespace velmor

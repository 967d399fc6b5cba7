#include "LineSettings.h"

#include <QStringList>

namespace velmor {

std::optional<LineSettings> parseLineSettings(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;

    LineSettings s;
    bool ok = false;
    s.baud = parts[0].trimmed().toInt(&ok);
    if (!ok || s.baud <= 0)
        return std::nullopt;

    const QString parity = parts[1].trimmed().toUpper();
    if (parity == QLatin1String("N"))
        s.parity = Parity::None;
    else if (parity == QLatin1String("E"))
        s.parity = Parity::Even;
    else if (parity == QLatin1String("O"))
        s.parity = Parity::Odd;
    else if (parity == QLatin1String("M"))
        s.parity = Parity::Mark;
    else if (parity == QLatin1String("S"))
        s.parity = Parity::Space;
    else
        return std::nullopt;

    s.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || s.dataBits < 5 || s.dataBits > 8)
        return std::nullopt;

    s.stopBits = parts[3].trimmed().toInt(&ok);
    if (!ok || (s.stopBits != 1 && s.stopBits != 2))
        return std::nullopt;
    return s;
}

} // namespace velmor

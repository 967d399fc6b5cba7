#include "SweepRequest.h"

#include "SweepCourse.h"

#include <QCoreApplication>
#include <QStringList>

namespace velmor {

namespace {

// This file's texts, looked up in the catalogue under "SweepRequest".
struct SweepRequestText {
    Q_DECLARE_TR_FUNCTIONS(SweepRequest)
};

} // namespace

std::variant<SweepLimits, QString> parseSweepLimits(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return SweepRequestText::tr("--limits takes three numbers L1,L2,P, not \"%1\"").arg(text);
    static const char* const names[] = {"LoadLimit1", "LoadLimit2", "PowerLimit"};
    int values[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || values[i] < 0 || values[i] > 255)
            return SweepRequestText::tr("--limits: %1 \"%2\" is not a whole number from 0 to 255")
                .arg(QLatin1String(names[i]), parts[i]);
    }
    const SweepLimits limits{values[0], values[1], values[2]};
    if (judgeableSweepCells(limits) == 0)
        return SweepRequestText::tr(
                   "--limits %1: that sweep paints %2 cells and could judge none of them, even of "
                   "a perfect supply (the first answers the all-off frame, the next is read as the "
                   "supply comes up, the second of a row just after the load jump of its wrap)")
            .arg(text)
            .arg(expectedSweepCells(limits));
    return limits;
}

std::variant<int, QString> parseLinkTimeout(const QString& text) {
    bool ok = false;
    const int seconds = text.toInt(&ok);
    if (!ok || seconds < 1 || seconds > 24 * 3600)
        return SweepRequestText::tr(
                   "--link-timeout: \"%1\" is not a whole number of seconds from 1 to 86400")
            .arg(text);
    return seconds;
}

} // namespace velmor

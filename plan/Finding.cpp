#include "Finding.h"

#include "Reading.h"
#include "RecordText.h"
#include "SupplyLabel.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace velmor {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Finding)
};

constexpr std::array<const char*, 6> kindWords{"crossed",  "shutdown",  "no-power",
                                               "no-reply", "port-lost", "file-refused"};
constexpr QChar separator = QLatin1Char('|');

QString figure(double value, const QString& unit) {
    const int decimals = unit == QLatin1String("V") || unit == QLatin1String("A") ? 2 : 1;
    return QStringLiteral("%1 %2").arg(QString::number(value, 'f', decimals), unit).trimmed();
}

} // namespace

std::optional<QString> crossing(const QString& output, double value, const QString& unit,
                                std::optional<double> low, std::optional<double> high) {
    if (low && value < *low)
        return QStringLiteral("%1 %2 < %3").arg(output, figure(value, unit), figure(*low, unit));
    if (high && value > *high)
        return QStringLiteral("%1 %2 > %3").arg(output, figure(value, unit), figure(*high, unit));
    return std::nullopt;
}

std::optional<QString> voltsCrossing(const QString& output, const UnitOutput& unit, double volts,
                                     Outcome outcome, const Limits& limits) {
    if (outcome == Outcome::Pass)
        return std::nullopt;
    if (unit.endOf(volts) != RangeEnd::Inside)
        return QStringLiteral("%1 %2 V").arg(output, shownVolts(unit, volts));
    const bool failed = outcome == Outcome::Fail;
    return crossing(output, volts, QStringLiteral("V"), failed ? limits.low : limits.guardLow,
                    failed ? limits.high : limits.guardHigh);
}

QString loadsText(const LoadAmps& amps) {
    return QStringLiteral("+5 V %1 A, +12 V %2 A, +3.3 V %3 A, %4 W")
        .arg(QString::number(amps.amps5, 'f', 1), QString::number(amps.amps12, 'f', 1),
             QString::number(amps.amps33, 'f', 1), QString::number(nominalWatts(amps), 'f', 0));
}

QString storedFinding(const std::optional<Finding>& finding) {
    if (!finding)
        return {};
    // A port's reason or a refusal comes from outside: a separator in it would split the record.
    QString what = finding->what;
    what.replace(separator, QLatin1Char('/'));
    return QStringList{QLatin1String(kindWords.at(static_cast<std::size_t>(finding->kind))),
                       finding->where, what, finding->loads}
        .join(separator);
}

std::optional<Finding> findingStored(QStringView text) {
    const auto parts = text.split(separator);
    if (parts.size() != 4)
        return std::nullopt;
    for (std::size_t i = 0; i < kindWords.size(); ++i)
        if (parts[0] == QLatin1String(kindWords[i]))
            return Finding{static_cast<Finding::Kind>(i), parts[2].toString(), parts[1].toString(),
                           parts[3].toString()};
    return std::nullopt;
}

QString findingText(const Finding& stored, bool shortForm) {
    Finding f = stored;
    f.what = shownWords(f.what);
    f.loads = shownWords(f.loads);
    const bool withLoads = !shortForm && !f.loads.isEmpty();
    switch (f.kind) {
    case Finding::Kind::Crossed:
        if (f.where.isEmpty())
            return f.what;
        return withLoads ? Text::tr("%1 at %2 (%3)").arg(f.what, f.where, f.loads)
                         : Text::tr("%1 at %2").arg(f.what, f.where);
    case Finding::Kind::ShutDown:
        return withLoads ? Text::tr("the supply shut down at %1 (%2)").arg(f.where, f.loads)
                         : Text::tr("the supply shut down at %1").arg(f.where);
    case Finding::Kind::NoPower:
        return Text::tr("did not power on");
    case Finding::Kind::NoReply:
        return Text::tr("no reply from the unit for %1 s").arg(f.what);
    case Finding::Kind::PortLost:
        return Text::tr("port lost: %1").arg(f.what);
    case Finding::Kind::FileRefused:
        return Text::tr("file refused: %1").arg(f.what);
    }
    return f.what;
}

QString shownFinding(const QString& stored, bool shortForm) {
    const auto finding = findingStored(stored);
    return finding ? findingText(*finding, shortForm) : stored;
}

} // namespace velmor

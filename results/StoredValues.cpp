#include "StoredValues.h"
#include "Text.h"

#include "Printable.h"

#include <QCoreApplication>

#include <cmath>

namespace velmor::results {

namespace {

// A text that may be anything, shortened for a message.
QString quoted(const QVariant& value) {
    const QString text = value.toString();
    return QLatin1Char('"') + printable(text.left(40)) +
           (text.size() > 40 ? QStringLiteral("…\"") : QStringLiteral("\""));
}

} // namespace

bool StoredValues::fail(const QString& problem) {
    if (problem_->isEmpty())
        *problem_ = problem;
    return false;
}

int StoredValues::number(int column, const char* field, int low, int high) {
    const QVariant& value = row_.value(column);
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    // SQLite keeps whatever was put in a column: a text or a fraction is no integer.
    if (!ok || value.isNull() || value.toString() != QString::number(n)) {
        fail(Text::tr("%1 = %2 is not an integer").arg(QLatin1String(field), quoted(value)));
        return low;
    }
    if (n < low || n > high) {
        fail(Text::tr("%1 = %2, outside %3..%4")
                 .arg(QLatin1String(field))
                 .arg(n)
                 .arg(low)
                 .arg(high));
        return low;
    }
    return static_cast<int>(n);
}

double StoredValues::real(int column, const char* field, double low, double high) {
    const QVariant& value = row_.value(column);
    bool ok = false;
    const double x = value.toDouble(&ok);
    if (!ok || value.isNull() || !std::isfinite(x) || x < low || x > high) {
        fail(Text::tr("%1 = %2, outside %3..%4")
                 .arg(QLatin1String(field), quoted(value))
                 .arg(low)
                 .arg(high));
        return low;
    }
    return x;
}

QString StoredValues::text(int column) const {
    return row_.value(column).isNull() ? QString() : row_.value(column).toString();
}

QString StoredValues::id(int column) {
    const QString id = text(column);
    const bool hex = std::all_of(id.begin(), id.end(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('f')) || c == QLatin1Char('-');
    });
    if (id.isEmpty() || id.size() > 36 || !hex)
        fail(Text::tr("id %1 is not one the bench makes").arg(quoted(id)));
    return id;
}

QString StoredValues::time(int column, const char* field, bool mayBeMissing) {
    const QString at = text(column);
    if (at.isEmpty() && mayBeMissing)
        return at;
    const QDateTime parsed = QDateTime::fromString(at, Qt::ISODateWithMs);
    static const QDateTime earliest(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime latest = QDateTime::currentDateTimeUtc().addDays(1);
    if (at.size() != 24 || !at.endsWith(QLatin1Char('Z')) || !parsed.isValid() ||
        parsed < earliest || parsed > latest)
        fail(Text::tr("%1 = %2 is not a time the bench writes")
                 .arg(QLatin1String(field), quoted(at)));
    return at;
}

QString StoredValues::state(int column) {
    const QString state = text(column);
    const bool words = std::all_of(state.begin(), state.end(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == QLatin1Char('-');
    });
    if (state.size() > 32 || !words)
        fail(Text::tr("end state %1 is not one the bench writes").arg(quoted(state)));
    return state;
}

bool withinRecord(const QString& at, const QString& started, const QString& ended) {
    // The times share one fixed layout, so they order as text.
    return at >= started && (ended.isEmpty() || at <= ended);
}

} // namespace velmor::results

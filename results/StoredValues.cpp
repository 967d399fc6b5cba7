#include "StoredValues.h"
#include "StoredTime.h"
#include "Text.h"

#include "Printable.h"

#include "Plan.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

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

int StoredValues::number(const Column& column, int low, int high) {
    const QVariant& value = row_.value(column.index);
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    // SQLite keeps whatever was put in a column: a text or a fraction is no integer.
    if (!ok || value.isNull() || value.toString() != QString::number(n)) {
        fail(Text::tr("%1 = %2 is not an integer").arg(column.name, quoted(value)));
        return low;
    }
    if (n < low || n > high) {
        fail(Text::tr("%1 = %2, outside %3..%4").arg(column.name).arg(n).arg(low).arg(high));
        return low;
    }
    return static_cast<int>(n);
}

double StoredValues::real(const Column& column, double low, double high) {
    const QVariant& value = row_.value(column.index);
    bool ok = false;
    const double x = value.toDouble(&ok);
    if (!ok || value.isNull() || !std::isfinite(x) || x < low || x > high) {
        fail(
            Text::tr("%1 = %2, outside %3..%4").arg(column.name, quoted(value)).arg(low).arg(high));
        return low;
    }
    return x;
}

QString StoredValues::text(const Column& column) {
    const QVariant& value = row_.value(column.index);
    if (value.isNull())
        return {};
    QString text = value.toString();
    const int limit = textLimit(column.name);
    // A query counts characters, a QString UTF-16 units: one beyond Unicode's first plane is two.
    if (limit > 0 && text.size() > limit && text.toUcs4().size() > limit) {
        fail(Text::tr("%1 is longer than %2 characters").arg(column.name).arg(limit));
        text.truncate(limit);
    }
    return text;
}

QString StoredValues::id(const Column& column) {
    const QString id = text(column);
    const bool hex = std::all_of(id.begin(), id.end(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('f')) || c == QLatin1Char('-');
    });
    if (id.isEmpty() || id.size() > 36 || !hex)
        fail(Text::tr("id %1 is not one the bench makes").arg(quoted(id)));
    return id;
}

QString StoredValues::time(const Column& column, bool mayBeMissing) {
    const QString at = text(column);
    if (at.isEmpty() && mayBeMissing)
        return at;
    constexpr qint64 earliest = 946684800000; // 2000-01-01T00:00:00Z
    constexpr qint64 day = 86400000;
    const std::optional<qint64> ms = storedTimeMs(at);
    if (!ms || *ms < earliest || *ms > QDateTime::currentMSecsSinceEpoch() + day)
        fail(Text::tr("%1 = %2 is not a time the bench writes").arg(column.name, quoted(at)));
    return at;
}

QString StoredValues::state(const Column& column) {
    const QString state = text(column);
    const bool words = std::all_of(state.begin(), state.end(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == QLatin1Char('-');
    });
    if (state.size() > 32 || !words)
        fail(Text::tr("end state %1 is not one the bench writes").arg(quoted(state)));
    return state;
}

int textLimit(QStringView column) {
    static const QHash<QString, int> limits{
        {QStringLiteral("id"), 36},
        {QStringLiteral("run_id"), 36},
        {QStringLiteral("session_id"), 36},
        {QStringLiteral("sweep_id"), 36},
        {QStringLiteral("started_at"), 32},
        {QStringLiteral("ended_at"), 32},
        {QStringLiteral("at"), 32},
        {QStringLiteral("first_at"), 32},
        {QStringLiteral("day"), 32},
        {QStringLiteral("step"), 256},
        {QStringLiteral("last_at"), 32},
        {QStringLiteral("end_state"), 32},
        {QStringLiteral("verdict"), 32},
        {QStringLiteral("outcome"), 32},
        {QStringLiteral("settling"), 32},
        {QStringLiteral("kind"), 32},
        {QStringLiteral("unit"), 16},
        {QStringLiteral("calibration"), 36},
        {QStringLiteral("unit_serial"), 64},
        {QStringLiteral("unit_model"), 64},
        {QStringLiteral("operator"), 64},
        {QStringLiteral("host"), 255},
        {QStringLiteral("saved_name"), 255},
        {QStringLiteral("port"), 4096},
        {QStringLiteral("bmp_path"), 4096},
        {QStringLiteral("csv_path"), 4096},
        {QStringLiteral("txt_path"), 4096},
        {QStringLiteral("plan_file"), 4096},
        {QStringLiteral("plan_name"), 256},
        {QStringLiteral("profile"), 256},
        {QStringLiteral("name"), 256},
        {QStringLiteral("step_name"), 256},
        {QStringLiteral("measured"), 256},
        {QStringLiteral("failing_step"), 256},
        {QStringLiteral("key_figure"), 1024},
        {QStringLiteral("reason"), 1024},
        {QStringLiteral("detail"), 1024},
        {QStringLiteral("plan_text"), static_cast<int>(maxPlanBytes)},
    };
    return limits.value(column.toString(), 0);
}

QString boundedColumns(const QSqlDatabase& db, QStringView columns) {
    // SQLite's substr of a text ends at a NUL, which would hide what follows: there it takes the
    // bytes, as many as the characters could need.
    const bool postgres = isPostgres(db);
    QStringList out;
    for (const QStringView item : columns.split(QLatin1Char(','))) {
        const auto words = item.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QStringView source = words.front();
        const QStringView name =
            words.size() == 3 ? words[2] : source.mid(source.lastIndexOf(QLatin1Char('.')) + 1);
        const int limit = textLimit(name);
        if (limit == 0)
            out << item.trimmed().toString();
        else if (postgres)
            out << QStringLiteral("substr(%1, 1, %2) AS %3").arg(source).arg(limit + 1).arg(name);
        else
            out << QStringLiteral("substr(CAST(%1 AS BLOB), 1, %2) AS %3")
                       .arg(source)
                       .arg(4 * limit + 1)
                       .arg(name);
    }
    return out.join(QStringLiteral(", "));
}

QString refusal(const QString& kind, const QString& id, const QString& problem) {
    return Text::tr("%1 %2 is refused: %3 (not a value the bench writes; the record is not read)")
        .arg(kind, printable(id), problem);
}

bool withinRecord(const QString& at, const QString& started, const QString& ended) {
    // The times share one fixed layout, so they order as text.
    return at >= started && (ended.isEmpty() || at <= ended);
}

} // namespace velmor::results

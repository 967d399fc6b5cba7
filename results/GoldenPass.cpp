#include "GoldenPass.h"
#include "Text.h"

#include "Schema.h"
#include "Sql.h"
#include "StoredValues.h"
#include "WithStore.h"

#include <QFile>
#include <QSysInfo>

namespace velmor::results {

std::variant<std::optional<QDateTime>, QString> lastGoldenPass(const StoreAddress& store,
                                                               const QStringList& serials) {
    using Found = std::variant<std::optional<QDateTime>, QString>;
    // A store not made yet holds no run, and looking must not make it.
    if (serials.isEmpty() || store.kind == StoreAddress::Kind::Off ||
        (store.kind == StoreAddress::Kind::SQLite && !QFile::exists(store.path)))
        return std::optional<QDateTime>();
    return withStore(store, "golden-pass", [&serials](QSqlDatabase& db) -> Found {
        if (storedSchemaVersion(db) < 4) // from before plan runs
            return std::optional<QDateTime>();
        QStringList marks;
        QVariantList values{QSysInfo::machineHostName()};
        for (const QString& serial : serials) {
            marks << QStringLiteral("?");
            values << serial;
        }
        const auto rows = selectRows(
            db,
            QStringLiteral("SELECT %1 FROM runs WHERE host = ? AND unit_serial IN (%2) AND "
                           "end_state = 'completed' AND outcome IN ('pass', 'marginal') "
                           "ORDER BY started_at DESC LIMIT 1")
                .arg(boundedColumns(db, u"id, started_at"), marks.join(QStringLiteral(", "))),
            values);
        if (const auto* error = std::get_if<QString>(&rows))
            return *error;
        const Rows& answer = std::get<Rows>(rows);
        if (answer.rows.empty())
            return std::optional<QDateTime>();
        QString problem;
        StoredValues v(answer.rows.front(), &problem);
        const QString run = v.id(answer.column("id"));
        const QString at = v.time(answer.column("started_at"));
        if (!problem.isEmpty())
            return refusal(Text::tr("run"), run, problem);
        return std::optional(QDateTime::fromString(at, Qt::ISODateWithMs));
    });
}

} // namespace velmor::results

#include "RecordFind.h"
#include "Text.h"

#include "Printable.h"
#include "Sql.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>

namespace velmor::results {

std::variant<std::vector<FoundRecord>, QString> recordsStartingWith(QSqlDatabase& db,
                                                                    const QString& prefix) {
    if (prefix.size() < 4)
        return Text::tr("\"%1\": give at least 4 characters of the id").arg(printable(prefix));
    const bool hex = std::all_of(prefix.begin(), prefix.end(), [](QChar c) {
        return std::isxdigit(c.unicode() < 0x80 ? c.toLatin1() : 'x') || c == QLatin1Char('-');
    });
    if (!hex || prefix.size() > 36)
        return Text::tr("\"%1\" is no id: an id is up to 36 hex digits and dashes")
            .arg(printable(prefix));
    std::vector<FoundRecord> found;
    // A store from before plan runs has no table of them.
    const bool runs = hasTable(db, QStringLiteral("runs"));
    for (const auto& [table, kind] :
         {std::pair{"sweeps", RecordKind::Sweep}, std::pair{"sessions", RecordKind::Session},
          std::pair{"runs", RecordKind::Run}}) {
        if (kind == RecordKind::Run && !runs)
            continue;
        // A whole id is looked up in the key's index, which a LIKE cannot use. Ids are the
        // bench's, at most 36 characters; a longer one is none of its records.
        const bool whole = prefix.size() == 36;
        auto rows = selectRows(
            db,
            QStringLiteral("SELECT id FROM %1 WHERE %2 AND length(id) <= 36 "
                           "ORDER BY id LIMIT 100")
                .arg(QLatin1String(table),
                     whole ? QStringLiteral("id = ?") : QStringLiteral("id LIKE ? ESCAPE '!'")),
            {whole ? prefix.toLower() : likePrefix(prefix.toLower())});
        if (const auto* error = std::get_if<QString>(&rows))
            return *error;
        for (const Row& row : std::get<Rows>(rows).rows)
            found.push_back({row.value(0).toString(), kind});
    }
    return found;
}

std::variant<FoundRecord, QString> findRecord(QSqlDatabase& db, const QString& prefix) {
    auto starting = recordsStartingWith(db, prefix);
    if (const auto* error = std::get_if<QString>(&starting))
        return *error;
    const auto& found = std::get<std::vector<FoundRecord>>(starting);
    if (found.empty())
        return Text::tr("no record has an id starting with \"%1\"").arg(prefix);
    if (found.size() > 1)
        return Text::tr("\"%1\" is ambiguous: %2 records have ids starting with it; give more "
                        "characters")
            .arg(prefix)
            .arg(found.size());
    return found.front();
}

} // namespace velmor::results

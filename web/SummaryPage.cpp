#include "SummaryPage.h"
#include "WebText.h"

#include "Html.h"
#include "MapExport.h"
#include "StoreRead.h"
#include "StoredValues.h"

#include <map>
#include <set>
#include <tuple>

namespace velmor::web {

namespace {

struct Group {
    int runs = 0;
    int passed = 0;
    std::set<QString> serials; // of the units seen so far
    int units = 0;
    int firstPassed = 0;
};

} // namespace

Reply summaryPage(QSqlDatabase& db, int version) {
    if (version < 3)
        return failure(500, WebText::tr("this store is of schema version %1, which keeps no "
                                        "sweep's verdict in its row; the summary needs version 3")
                                .arg(version));
    const auto rows = results::selectRows(
        db, QStringLiteral("SELECT id, unit_model, host, started_at, unit_serial, verdict "
                           "FROM sweeps WHERE end_state = 'completed' AND verdict IS NOT NULL "
                           "ORDER BY started_at, id"));
    if (const auto* error = std::get_if<QString>(&rows))
        return failure(500, *error);
    const results::Rows& answer = std::get<results::Rows>(rows);
    const results::Column id = answer.column("id"), model = answer.column("unit_model"),
                          host = answer.column("host"), started = answer.column("started_at"),
                          serial = answer.column("unit_serial"), verdict = answer.column("verdict");
    std::map<std::tuple<QString, QString, QString>, Group> groups;
    QStringList refused;
    for (const results::Row& row : answer.rows) {
        QString problem;
        results::StoredValues v(row, &problem);
        const QString sweepId = v.id(id);
        const QString at = v.time(started);
        const QString outcome = v.text(verdict);
        if (problem.isEmpty() && !verdictNamed(outcome))
            problem = WebText::tr("its verdict \"%1\" is none this program writes").arg(outcome);
        if (!problem.isEmpty()) {
            refused << WebText::tr("sweep %1 is left out: %2").arg(sweepId, problem);
            continue;
        }
        Group& g = groups[{v.text(model), v.text(host), at.left(10)}];
        const bool pass = outcome == QLatin1String("pass");
        ++g.runs;
        g.passed += pass ? 1 : 0;
        // A sweep of no named unit stands for a unit of its own.
        const QString unit = v.text(serial);
        if (unit.isEmpty() || g.serials.insert(unit).second) {
            ++g.units;
            g.firstPassed += pass ? 1 : 0;
        }
    }
    std::vector<QStringList> table;
    for (const auto& [key, g] : groups) {
        const auto& [m, h, day] = key;
        table.push_back({html(m.isEmpty() ? QStringLiteral("-") : m), html(h), html(day),
                         QString::number(g.runs), QString::number(g.passed),
                         QString::number(g.units), html(percentOf(g.firstPassed, g.units) + " %"),
                         QStringLiteral("-")});
    }
    QString body;
    for (const QString& r : refused)
        body += QStringLiteral("<p class=\"refused\">%1</p>\n").arg(html(r));
    body += table.empty()
                ? QStringLiteral("<p>%1</p>\n").arg(html(WebText::tr("No completed sweeps.")))
                : web::table({WebText::tr("model"), WebText::tr("bench"), WebText::tr("day (UTC)"),
                              WebText::tr("sweeps"), WebText::tr("passed"), WebText::tr("units"),
                              WebText::tr("first-pass yield"),
                              WebText::tr("most frequent failing step")},
                             table);
    return {200, "text/html; charset=utf-8", page(WebText::tr("Summary"), body)};
}

} // namespace velmor::web

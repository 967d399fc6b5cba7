#include "SummaryPage.h"
#include "WebText.h"

#include "GoldenPage.h"
#include "Html.h"
#include "NumberText.h"
#include "RunSummary.h"
#include "Sql.h"
#include "StoredValues.h"
#include "Verdict.h"

#include <map>
#include <optional>
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

QString orDash(const QString& text) {
    return html(text.isEmpty() ? QStringLiteral("-") : text);
}

QString runGroupsTable(const std::vector<RunGroup>& groups) {
    if (groups.empty())
        return QStringLiteral("<p>%1</p>\n").arg(html(WebText::tr("No completed runs.")));
    std::vector<QStringList> rows;
    for (const RunGroup& g : groups)
        rows.push_back({orDash(g.model), html(g.host), html(g.day), QString::number(g.runs),
                        QString::number(g.passed), QString::number(g.units),
                        html(percentOf(g.firstPassed, g.units) + " %"), orDash(g.failingStep)});
    return table({WebText::tr("model"), WebText::tr("bench"), WebText::tr("day (UTC)"),
                  WebText::tr("runs"), WebText::tr("passed"), WebText::tr("units"),
                  WebText::tr("first-pass yield"), WebText::tr("most frequent failing step")},
                 rows);
}

QString optionalFixed(const std::optional<double>& value, int decimals) {
    return value ? fixed(*value, decimals) : QStringLiteral("-");
}

QString capabilityTable(const std::vector<PointCapability>& points) {
    if (points.empty())
        return QStringLiteral("<p>%1</p>\n")
            .arg(html(WebText::tr("No volts of a load point in the completed runs.")));
    std::vector<QStringList> rows;
    for (const PointCapability& p : points)
        rows.push_back({orDash(p.model), html(p.plan), html(p.step),
                        QStringLiteral("P%1").arg(p.point), html(outputName(p.output)),
                        fixed(p.values.lsl(), 3), fixed(p.values.usl(), 3),
                        QString::number(p.values.count()), fixed(p.values.mean(), 3),
                        optionalFixed(p.values.sigma(), 4), optionalFixed(p.values.cpk(), 2)});
    return table({WebText::tr("model"), WebText::tr("plan"), WebText::tr("step"),
                  WebText::tr("point"), WebText::tr("output"), WebText::tr("LSL, V"),
                  WebText::tr("USL, V"), WebText::tr("values"), WebText::tr("mean, V"),
                  WebText::tr("σ, V"), WebText::tr("Cpk")},
                 rows);
}

// The plan runs' groups, then their outputs at the reference load points.
QString runSections(const RunSummary& summary) {
    QString out = QStringLiteral("<h2>%1</h2>\n<p>%2</p>\n")
                      .arg(html(WebText::tr("Plan runs")),
                           html(WebText::tr("Completed runs only. A run passed with the verdict "
                                            "pass or marginal (inside the limits, outside the "
                                            "guard band); the first-pass yield is the share of "
                                            "units whose first run of the group passed.")));
    for (const QString& r : summary.refused)
        out += QStringLiteral("<p class=\"refused\">%1</p>\n").arg(html(r));
    out += runGroupsTable(summary.groups);
    out +=
        QStringLiteral("<h2>%1</h2>\n<p>%2</p>\n")
            .arg(html(WebText::tr("Outputs at the reference load points")),
                 html(WebText::tr(
                          "Each load point of a points step, by model, plan and step: the volts "
                          "the step kept for it (the reading furthest from nominal among the "
                          "point's settled readings) over the completed runs, against the "
                          "profile's limits stored with them as LSL and USL. σ is the sample "
                          "standard deviation; Cpk = min(USL − mean, mean − LSL) / 3σ, shown from "
                          "%1 values on (\"-\" for fewer, or for σ = 0): the count beside it says "
                          "how many values it rests on.")
                          .arg(results::Capability::fewestForCpk)));
    return out + capabilityTable(summary.points);
}

} // namespace

Reply summaryPage(QSqlDatabase& db, int version, const QStringList& golden) {
    if (version < 3)
        return failure(500, WebText::tr("this store is of schema version %1, which keeps no "
                                        "sweep's verdict in its row; the summary needs version 3")
                                .arg(version));
    const auto rows = results::selectRows(
        db, QStringLiteral("SELECT %1 FROM sweeps WHERE end_state = 'completed' AND verdict IS "
                           "NOT NULL ORDER BY started_at, id")
                .arg(results::boundedColumns(
                    db, u"id, unit_model, host, started_at, unit_serial, verdict")));
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
    QString body = QStringLiteral("<h2>%1</h2>\n").arg(html(WebText::tr("Sweeps")));
    for (const QString& r : refused)
        body += QStringLiteral("<p class=\"refused\">%1</p>\n").arg(html(r));
    body += table.empty()
                ? QStringLiteral("<p>%1</p>\n").arg(html(WebText::tr("No completed sweeps.")))
                : web::table({WebText::tr("model"), WebText::tr("bench"), WebText::tr("day (UTC)"),
                              WebText::tr("sweeps"), WebText::tr("passed"), WebText::tr("units"),
                              WebText::tr("first-pass yield"),
                              WebText::tr("most frequent failing step")},
                             table);
    if (version >= 4) { // a store from before plan runs holds none
        const auto runs = summariseRuns(db, version);
        if (const auto* error = std::get_if<QString>(&runs))
            return failure(500, *error);
        body += runSections(std::get<RunSummary>(runs));
        const auto drift = results::goldenDrift(db, version, golden);
        if (const auto* error = std::get_if<QString>(&drift))
            return failure(500, *error);
        body += QStringLiteral("<h2>%1</h2>\n").arg(html(WebText::tr("Golden units"))) +
                goldenSection(std::get<results::GoldenDrift>(drift), golden);
    }
    return {200, "text/html; charset=utf-8", page(WebText::tr("Summary"), body)};
}

} // namespace velmor::web

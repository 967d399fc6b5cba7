// A points step: one table row per load point, from the measurements named "<what> at <point>"
// ("+12 V at P3", "load +5 V at P3"): the loads asked and set, the volts coloured by their
// outcome, and the row's worst outcome. The step's other measurements (the regulation) follow.
#include "ReportPage.h"
#include "StepPages.h"

#include <algorithm>

namespace velmor {

namespace {

struct Column {
    QString quantity;
    bool load = false; // a value the plan set: asked and set
    const Measurement* first = nullptr;
};

struct Row {
    QString point;
    std::vector<const Measurement*> cells; // one per column, or null
    Outcome worst = Outcome::Pass;
};

struct Table {
    std::vector<Column> columns;
    std::vector<Row> rows;
    std::vector<const Measurement*> rest;
};

constexpr double pointWidth = 80;
constexpr double loadWidth = 160;
constexpr double valueWidth = 110;
constexpr double outcomeWidth = 200;

double widthOf(const Column& c) {
    return c.load ? loadWidth : valueWidth;
}

Table tableOf(const RunReportStep& step) {
    Table t;
    double used = pointWidth + outcomeWidth;
    for (const Measurement& m : step.measurements) {
        const qsizetype at = m.name.lastIndexOf(QLatin1String(" at "));
        if (at <= 0) {
            t.rest.push_back(&m);
            continue;
        }
        const QString quantity = m.name.left(at);
        const QString point = m.name.mid(at + 4);
        auto column = std::find_if(t.columns.begin(), t.columns.end(),
                                   [&](const Column& c) { return c.quantity == quantity; });
        if (column == t.columns.end()) {
            const Column added{quantity, m.asked.has_value(), &m};
            if (used + widthOf(added) > reportPageWidth) {
                t.rest.push_back(&m); // no room across the page: listed below
                continue;
            }
            used += widthOf(added);
            t.columns.push_back(added);
            column = t.columns.end() - 1;
        }
        auto row = std::find_if(t.rows.begin(), t.rows.end(),
                                [&](const Row& r) { return r.point == point; });
        if (row == t.rows.end()) {
            t.rows.push_back({point, {}, Outcome::Pass});
            row = t.rows.end() - 1;
        }
        const auto index = static_cast<std::size_t>(column - t.columns.begin());
        row->cells.resize(std::max(row->cells.size(), index + 1), nullptr);
        if (row->cells[index]) {
            t.rest.push_back(&m); // the same quantity twice at one point
            continue;
        }
        row->cells[index] = &m;
        row->worst = worse(row->worst, m.outcome);
    }
    // Loads first, as the plan set them, then what was measured.
    std::vector<std::size_t> order(t.columns.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&t](std::size_t a, std::size_t b) {
        return t.columns[a].load > t.columns[b].load;
    });
    Table sorted{{}, {}, t.rest};
    for (const std::size_t i : order)
        sorted.columns.push_back(t.columns[i]);
    for (Row& r : t.rows) {
        r.cells.resize(t.columns.size(), nullptr);
        Row s{r.point, {}, r.worst};
        for (const std::size_t i : order)
            s.cells.push_back(r.cells[i]);
        sorted.rows.push_back(std::move(s));
    }
    return sorted;
}

void cell(QPainter& p, double x, double y, double width, const QString& line) {
    drawLine(p, x, y, width - 10, line);
}

} // namespace

void addPointsPages(PageFlow& flow, const RunReportStep& step) {
    auto table = std::make_shared<Table>(tableOf(step));
    if (!table->rows.empty()) {
        std::size_t valueColumns = 0;
        for (const Column& column : table->columns)
            valueColumns += !column.load;
        const double limitsHeight = 26.0 * static_cast<double>(valueColumns);
        flow.add(156 + limitsHeight, [table, limitsHeight](QPainter& p, double top) {
            p.setFont(reportFont(11, true));
            p.setPen(Qt::black);
            p.drawText(QPointF(0, top + 40), RunText::tr("Load points"));
            p.setFont(reportFont(8));
            drawLine(p, 0, top + 70, reportPageWidth,
                     RunText::tr("Loads asked / set; volts in green pass, amber marginal, red "
                                 "fail."));
            double y = top + 96;
            for (const Column& c : table->columns)
                if (!c.load) {
                    drawLine(
                        p, 0, y, reportPageWidth,
                        RunText::tr("%1 limits: %2")
                            .arg(pageText(c.quantity), limitsText(c.first->limits, c.first->unit)));
                    y += 26;
                }
            y = top + 126 + limitsHeight;
            p.setFont(reportFont(8, true));
            cell(p, 0, y, pointWidth, RunText::tr("Point"));
            double x = pointWidth;
            for (const Column& c : table->columns) {
                cell(p, x, y, widthOf(c),
                     RunText::tr("%1, %2").arg(pageText(c.quantity), unitText(c.first->unit)));
                x += widthOf(c);
            }
            cell(p, x, y, outcomeWidth, RunText::tr("Outcome"));
            p.drawLine(QPointF(0, y + 10), QPointF(reportPageWidth, y + 10));
        });
        for (const Row& row : table->rows)
            flow.add(28, [table, &row](QPainter& p, double top) {
                const double y = top + 20;
                p.setFont(reportFont(8));
                p.setPen(Qt::black);
                cell(p, 0, y, pointWidth, pageText(row.point));
                double x = pointWidth;
                for (std::size_t i = 0; i < table->columns.size(); ++i) {
                    const Column& c = table->columns[i];
                    if (const Measurement* m = row.cells[i]) {
                        p.setPen(c.load ? QColor(Qt::black) : outcomeColour(m->outcome));
                        cell(p, x, y, widthOf(c),
                             c.load
                                 ? QStringLiteral("%1 / %2").arg(
                                       m->asked ? valueText(*m->asked, {}, 2) : QStringLiteral("-"),
                                       valueText(m->value, {}, 2))
                                 : measuredText(*m));
                    }
                    x += widthOf(c);
                }
                p.setFont(reportFont(8, true));
                p.setPen(outcomeColour(row.worst));
                cell(p, x, y, outcomeWidth, outcomeWord(row.worst));
            });
    }
    addMeasurementList(flow, table->rest);
}

} // namespace velmor

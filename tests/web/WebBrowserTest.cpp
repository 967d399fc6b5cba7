// The web view in a real browser: headless Chromium loads the list, a sweep's and a run's page,
// a unit's history and the summary, and draws them. VELMOR_SCREENSHOTS=DIR keeps the pictures
// (docs/web-list.png, web-record.png, web-run.png, web-summary.png, web-unit.png,
// web-pareto.png, web-control.png).
#include "HeadlessChromium.h"
#include "PlanRuns.h"
#include "QualityRuns.h"
#include "WebServer.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmor::testing;

namespace {

// Draws the page at url into name, a PNG, kept where VELMOR_SCREENSHOTS says.
void screenshot(HeadlessChromium& browser, const QTemporaryDir& dir, const QString& url,
                const char* name) {
    ASSERT_TRUE(browser.load(url)) << name;
    const QString file = dir.filePath(QString::fromLatin1(name));
    QFile shot(file);
    ASSERT_TRUE(shot.open(QIODevice::WriteOnly)) << name;
    shot.write(browser.screenshot());
    shot.close();
    ASSERT_TRUE(shot.open(QIODevice::ReadOnly)) << name;
    EXPECT_TRUE(shot.read(4) == "\x89PNG") << name;
    if (const QByteArray keep = qgetenv("VELMOR_SCREENSHOTS"); !keep.isEmpty()) {
        const QString kept = QString::fromLocal8Bit(keep) + QLatin1Char('/') + QLatin1String(name);
        QFile::remove(kept); // a copy never overwrites
        EXPECT_TRUE(QFile::copy(file, kept)) << kept.toStdString();
    }
}

// The page's document once loaded; empty when it did not load.
QByteArray domOf(HeadlessChromium& browser, const QString& url) {
    return browser.load(url) ? browser.dom() : QByteArray();
}

} // namespace

// Chromium found, or the case skipped; a store of the case's own.
class WebBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (program.isEmpty())
            GTEST_SKIP() << "chromium is not installed (apt-get install chromium): no browser test";
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    }

    const QString program = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    QTemporaryDir dir;
    const QString store = QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("r.sqlite"));
};

TEST_F(WebBrowserTest, ChromiumShowsListAndRecord) {
    ASSERT_EQ(
        fillStore(std::get<velmor::results::StoreAddress>(velmor::results::parseResultsUrl(store))),
        std::nullopt);
    WebServer server({QStringLiteral("--results"), store, QStringLiteral("--listen"),
                      QStringLiteral("127.0.0.1:0")});
    ASSERT_FALSE(server.url().isEmpty());
    HeadlessChromium browser(program, dir.filePath(QStringLiteral("chromium")));

    const QString list = server.url() + QStringLiteral("?model=ATX-500");
    const QString record =
        server.url() + QStringLiteral("record/aa000000-0000-4000-8000-000000000000");
    const QByteArray listDom = domOf(browser, list);
    EXPECT_TRUE(listDom.contains("<h1>Test records</h1>")) << listDom.toStdString();
    EXPECT_EQ(listDom.count("<tr><td><a href=\"/record/aa"), 30);
    EXPECT_FALSE(listDom.contains("ATX-650"));
    const QByteArray recordDom = domOf(browser, record);
    EXPECT_TRUE(recordDom.contains("<h1>Sweep aa000000</h1>")) << recordDom.toStdString();
    EXPECT_TRUE(recordDom.contains("src=\"/record/aa000000-0000-4000-8000-000000000000/map.png\""));
    EXPECT_TRUE(recordDom.contains("<th>Verdict</th><td>fail</td>")) << recordDom.toStdString();
    EXPECT_TRUE(recordDom.contains("<th>cells</th><td class=\"n\">1600</td>"));

    screenshot(browser, dir, list, "web-list.png");
    screenshot(browser, dir, record, "web-record.png");
}

TEST_F(WebBrowserTest, ChromiumShowsSummaryHistoryAndARun) {
    const auto address =
        std::get<velmor::results::StoreAddress>(velmor::results::parseResultsUrl(store));
    ASSERT_EQ(fillStore(address), std::nullopt);
    ASSERT_EQ(fillRuns(address), std::nullopt);
    WebServer server({QStringLiteral("--results"), store, QStringLiteral("--listen"),
                      QStringLiteral("127.0.0.1:0")});
    ASSERT_FALSE(server.url().isEmpty());
    HeadlessChromium browser(program, dir.filePath(QStringLiteral("chromium")));

    const QString summary = server.url() + QStringLiteral("summary");
    const QByteArray summaryDom = domOf(browser, summary);
    for (const char* shown : {"<h2>Sweeps</h2>", "<h2>Plan runs</h2>", "first-pass yield", "Cpk"})
        EXPECT_TRUE(summaryDom.contains(shown)) << shown << summaryDom.toStdString();
    const QByteArray unitDom = domOf(browser, server.url() + QStringLiteral("unit?serial=PSU-A"));
    EXPECT_EQ(unitDom.count("<td>run</td>"), 2) << unitDom.toStdString();
    const QString run =
        server.url() + QStringLiteral("record/ee000003-0000-4000-8000-000000000000");
    const QByteArray runDom = domOf(browser, run);
    EXPECT_TRUE(runDom.contains("volts.png")) << runDom.toStdString();

    screenshot(browser, dir, summary, "web-summary.png");
    screenshot(browser, dir, run, "web-run.png");
    screenshot(browser, dir, server.url() + QStringLiteral("unit?serial=PSU-A"), "web-unit.png");
}

TEST_F(WebBrowserTest, ChromiumShowsFailuresByCauseAndCharts) {
    ASSERT_EQ(fillQualityRuns(
                  std::get<velmor::results::StoreAddress>(velmor::results::parseResultsUrl(store))),
              std::nullopt);
    WebServer server({QStringLiteral("--results"), store, QStringLiteral("--listen"),
                      QStringLiteral("127.0.0.1:0")});
    ASSERT_FALSE(server.url().isEmpty());
    HeadlessChromium browser(program, dir.filePath(QStringLiteral("chromium")));
    const QString pareto = server.url() + QStringLiteral("pareto?model=ATX-650");
    const QByteArray paretoDom = domOf(browser, pareto);
    EXPECT_TRUE(paretoDom.contains("<td>+12 V at P3 low</td>")) << paretoDom.toStdString();
    EXPECT_TRUE(paretoDom.contains("<meter")) << paretoDom.toStdString();
    const QString charts = server.url() + QStringLiteral("charts?model=ATX-650");
    const QByteArray chartsDom = domOf(browser, charts);
    EXPECT_TRUE(chartsDom.contains("/chart/control.png?model=ATX-650")) << chartsDom.toStdString();
    EXPECT_TRUE(chartsDom.contains("- (24 of 25 values)")) << chartsDom.toStdString();

    screenshot(browser, dir, pareto, "web-pareto.png");
    screenshot(browser, dir, charts, "web-control.png");
}

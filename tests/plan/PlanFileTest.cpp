// Plan files read and refused: each refusal names the line and column where the fault is, and a
// file that is not a regular file is never read.
#include "ModelsFile.h"
#include "Plan.h"
#include "PlanSummary.h"
#include "PointsStep.h"

#include <sys/stat.h>

namespace velmor::testing {
namespace {

const QByteArray head = R"([supply]
watts = 300
a5 = 20
a12 = 10
a33 = 10
[profile]
name = "atx"
)";

PlanError refusal(const QByteArray& text) {
    auto read = parsePlan(text, QStringLiteral("bad.toml"));
    if (auto* plan = std::get_if<Plan>(&read)) {
        ADD_FAILURE() << "read with " << plan->steps.size() << " steps";
        return {};
    }
    return std::get<PlanError>(read);
}

TEST(PlanFileTest, aFaultyPlanIsRefusedAtItsLineAndColumn) {
    struct Case {
        const char* what;
        QByteArray text;
        int line;
        int column;
        const char* says;
    };
    const Case cases[] = {
        {"syntax", head + "[[step]]\nkind = \"points\"\ndwell = 1\npoints = [{ percent = 10 }\n",
         11, 28, "not valid TOML"},
        {"unknown key",
         head + "[[step]]\nkind = \"points\"\n  dwel = 1\ndwell = 1\npoints = [{ percent = 10 "
                "}]\nabc = 1\n",
         10, 3, "unknown key dwel"},
        {"unknown key in a load",
         head + "[[step]]\nkind = \"points\"\ndwell = 1\npoints = [{ a6 = 1 }]\n", 11, 13,
         "unknown key a6"},
        {"above full scale",
         head +
             "[[step]]\nkind = \"points\"\ndwell = 1\npoints = [{ percent = 10 }, { p12 = 220 }]\n",
         11, 29, "22 A on +12 V, above the unit's full scale of 21 A"},
        {"over the power bound",
         head +
             "[[step]]\nkind = \"points\"\ndwell = 1\npoints = [{ a5 = 20, a12 = 14, a33 = 10 }]\n",
         11, 11, "301 W at nominal volts, above the plan's power bound of 300 W"},
        {"out of range",
         head + "[[step]]\nkind = \"points\"\ndwell = 0\npoints = [{ percent = 10 }]\n", 10, 9,
         "dwell = 0 is out of range"},
        {"wrong type",
         head + "[[step]]\nkind = \"points\"\ndwell = \"1\"\npoints = [{ percent = 10 }]\n", 10, 9,
         "dwell must be a number"},
        {"unknown kind", head + "[[step]]\nkind = \"soak\"\n", 9, 8,
         "unknown step kind \"soak\" (known: points"},
        {"no steps", head, 1, 1, "the plan has no steps"},
        {"unknown profile", QByteArray(head).replace("\"atx\"", "\"ibm\"") + "[[step]]\n", 7, 8,
         "unknown profile \"ibm\""},
        {"invalid UTF-8", head + "# \xff\n[[step]]\n", 8, 2, "not valid TOML"},
        {"misspelt key", head + "[[step]]\nkind = \"points\"\ndwel = 1\npoints = [{ p5 = 1 }]\n",
         10, 1, "unknown key dwel (and missing key dwell)"},
        {"just below a bound",
         head + "[[step]]\nkind = \"points\"\ndwell = 0.09999999999999999\npoints = [{ p5 = 1 "
                "}]\n",
         10, 9, "dwell = 0.09999999999999999 is out of range (0.1 to"},
        {"an empty array of steps", "step = []\n" + head, 1, 1, "the plan has no steps"},
        {"a plan of years",
         head + "[[step]]\nkind = \"points\"\ndwell = 1e6\npoints = [{ p5 = 1 }, { p5 = 2 }, "
                "{ p5 = 3 }]\n",
         1, 1, "the plan would take 34 days; a plan may take at most 30"},
        {"a band no reading passes",
         QByteArray(head).replace("name = \"atx\"",
                                  "out5 = [0, 0]\nout12 = [-5, 5]\nout33 = [-5, 5]") +
             "[[step]]\n",
         7, 8, "out5 is narrower than one step of the unit's reading"},
        {"a blank name", "[plan]\nname = \" \"\n" + head + "[[step]]\n", 2, 8,
         "name must be 1 to 100 characters"},
        {"settle time out of range", "[plan]\nsettle_ms = 0\n" + head + "[[step]]\n", 2, 13,
         "settle_ms = 0 is out of range (1 to 5000)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PlanError error = refusal(c.text);
        EXPECT_EQ(error.file, QStringLiteral("bad.toml"));
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.column, c.column);
        EXPECT_TRUE(error.what.contains(QString::fromUtf8(c.says))) << error.text().toStdString();
    }
}

TEST(PlanFileTest, aFileNameIsQuotedAsItIs) {
    EXPECT_EQ((PlanError{QStringLiteral("pct%1%2.toml"), 3, 4, QStringLiteral("why")}.text()),
              QStringLiteral("pct%1%2.toml:3:4: why"));
}

TEST(PlanFileTest, theQuickPlanReadsWithItsLoadsInAmperes) {
    auto read = readPlan(QStringLiteral(VELMOR_PLANS "/quick.toml"));
    ASSERT_TRUE(std::holds_alternative<Plan>(read))
        << std::get<PlanError>(read).text().toStdString();
    const Plan& plan = std::get<Plan>(read);
    EXPECT_EQ(plan.name, QStringLiteral("quick"));
    EXPECT_EQ(plan.context.profile.name, QStringLiteral("atx3"));
    EXPECT_EQ(plan.context.powerBoundWatts, 220);
    ASSERT_EQ(plan.steps.size(), 3u);
    const auto& corners = dynamic_cast<const PointsSpec&>(*plan.steps[1]);
    EXPECT_EQ(corners.name, QStringLiteral("corners"));
    ASSERT_EQ(corners.points.size(), 4u);
    EXPECT_EQ(corners.points[2].amps, (LoadAmps{1.5, 8, 5}));
    EXPECT_EQ(corners.dwellMs, 7000);
    EXPECT_EQ(plan.context.settleMs, 100) << "a tick unless the plan says";
    // About a minute, every step listed with its time.
    EXPECT_GE(plan.estimatedMs(), 50000);
    EXPECT_LE(plan.estimatedMs(), 70000);
    const QString summary = describePlan(plan);
    EXPECT_EQ(summary.count(QLatin1Char('\n')), 9) << summary.toStdString();
    EXPECT_TRUE(summary.contains(
        QStringLiteral("2. points \"corners\": load points: 4, 7 s each; about 28 s")))
        << summary.toStdString();
}

TEST(PlanFileTest, onlyARegularFileIsRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("plan.toml"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {fifo, dir.path(), QStringLiteral("/dev/zero")}) {
        auto read = readPlan(path);
        ASSERT_TRUE(std::holds_alternative<PlanError>(read)) << path.toStdString();
        EXPECT_EQ(std::get<PlanError>(read).what, QStringLiteral("not a regular file"));
    }
    const QString big = dir.filePath(QStringLiteral("big.toml"));
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(maxPlanBytes + 1, '#'));
    file.close();
    auto read = readPlan(big);
    ASSERT_TRUE(std::holds_alternative<PlanError>(read));
    EXPECT_TRUE(std::get<PlanError>(read).what.startsWith(QStringLiteral("larger than")));
}

// The models file names each model's plan and its golden units; a golden entry that is no serial,
// or a serial named golden twice, is refused at its line and column.
TEST(PlanFileTest, theModelsFileNamesGoldenUnitsAndRefusesABadEntryAtItsLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("models.toml"));
    const auto read = [&](const QByteArray& text) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        return readModels(path);
    };
    const QByteArray models = "[models.\"ATX-450\"]\nplan = \"quick.toml\"\n"
                              "golden = [\"GOLD-1\", \"GOLD-2\"]\n"
                              "[models.REF]\nplan = \"/plans/ref.toml\"\n";
    const auto good = read(models);
    ASSERT_TRUE(std::holds_alternative<Models>(good))
        << std::get<PlanError>(good).text().toStdString();
    const Models& m = std::get<Models>(good);
    EXPECT_EQ(m.plans.at(QStringLiteral("ATX-450")), dir.filePath(QStringLiteral("quick.toml")));
    EXPECT_EQ(m.golden.at(QStringLiteral("GOLD-2")), QStringLiteral("ATX-450"));
    EXPECT_FALSE(m.isGolden(QStringLiteral("REF")));

    struct Case {
        QByteArray text;
        int line;
        int column;
        const char* says;
    };
    const Case cases[] = {
        {models + "golden = \"GOLD-3\"\n", 6, 10, "golden of model REF must be a list"},
        {models + "golden = [\"GOLD-3\", 7]\n", 6, 21, "a golden serial of model REF must be"},
        {models + "golden = [\"\"]\n", 6, 11, "a golden serial of model REF must be"},
        {models + "golden = [\"GOLD-1\"]\n", 6, 11,
         "golden serial GOLD-1 is named twice (model ATX-450)"},
        {models + "goldens = []\n", 6, 1, "unknown key goldens"},
    };
    for (const Case& c : cases) {
        const auto refused = read(c.text);
        ASSERT_TRUE(std::holds_alternative<PlanError>(refused)) << c.says;
        const PlanError& e = std::get<PlanError>(refused);
        EXPECT_EQ(std::pair(e.line, e.column), std::pair(c.line, c.column)) << c.says;
        EXPECT_TRUE(e.text().startsWith(path + QStringLiteral(":%1:").arg(c.line)))
            << e.text().toStdString();
        EXPECT_TRUE(e.what.startsWith(QString::fromUtf8(c.says))) << e.what.toStdString();
    }
}

} // namespace
} // namespace velmor::testing

// The plan reference (docs/plans.md) kept in step with the reader: every key the reader knows is
// described there, and every example there is a plan the reader takes.
#include "Plan.h"
#include "StepKinds.h"

#include <QFile>
#include <QRegularExpression>

namespace velmor::testing {
namespace {

// Every table and every step kind, so that the reader asks for each key it knows.
const QByteArray everyTable = R"([plan]
name = "all"
[supply]
watts = 300
a5 = 20
a12 = 10
a33 = 10
[profile]
name = "atx"
[[step]]
kind = "points"
dwell = 1
points = [{ percent = 10 }]
[[step]]
kind = "sweep"
load_limit1 = 10
load_limit2 = 10
power_limit = 10
[[step]]
kind = "trip"
output = "all"
start = { percent = 10 }
step = { percent = 10 }
end = { percent = 20 }
dwell = 1
window = [0, 100]
[[step]]
kind = "hold"
[[step.level]]
seconds = 1
load = { percent = 10 }
)";

TEST(PlanReferenceTest, describesEveryKeyAndKindAndItsExamplesAreGoodPlans) {
    QFile file(QStringLiteral(VELMOR_PLAN_REFERENCE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << VELMOR_PLAN_REFERENCE;
    const QString reference = QString::fromUtf8(file.readAll());

    const auto read = parsePlan(everyTable, QStringLiteral("all.toml"));
    ASSERT_TRUE(std::holds_alternative<Plan>(read))
        << std::get<PlanError>(read).text().toStdString();
    ASSERT_EQ(std::get<Plan>(read).steps.size(), stepKinds().size()) << "a step of each kind";
    auto named = planKeysAsked(everyTable);
    for (const StepKind& kind : stepKinds())
        named.emplace(kind.name);
    for (const std::string& key : named) {
        const QString k = QString::fromStdString(key);
        EXPECT_TRUE(reference.contains(u'`' + k + u'`') ||
                    reference.contains(QStringLiteral("`[%1]`").arg(k)) ||
                    reference.contains(QStringLiteral("`[[%1]]`").arg(k)))
            << key << " is not in " << VELMOR_PLAN_REFERENCE;
    }

    const QRegularExpression example(QStringLiteral("```toml\n(.*?)```"),
                                     QRegularExpression::DotMatchesEverythingOption);
    int examples = 0;
    for (const auto& match : example.globalMatch(reference)) {
        ++examples;
        const auto plan = parsePlan(match.captured(1).toUtf8(), QStringLiteral("example.toml"));
        EXPECT_TRUE(std::holds_alternative<Plan>(plan))
            << std::get<PlanError>(plan).text().toStdString() << "\n"
            << match.captured(1).toStdString();
    }
    EXPECT_GE(examples, static_cast<int>(stepKinds().size())) << "an example per kind";
}

} // namespace
} // namespace velmor::testing

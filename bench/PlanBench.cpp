// Reading and checking a plan of 1,000 points steps (each with three load points of the three
// kinds of load), as --check-plan and --plan do before anything is sent to the unit.
#include "Plan.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace velmor;

namespace {

QByteArray bigPlan(int steps) {
    QByteArray text = R"([plan]
name = "big"
[supply]
watts = 450
a5 = 20
a12 = 18
a33 = 20
[profile]
name = "atx3"
guard = 1.0
)";
    for (int i = 0; i < steps; ++i) {
        text += "[[step]]\nkind = \"points\"\nname = \"step " + QByteArray::number(i) +
                "\"\ndwell = 0.5\npoints = [{ percent = " + QByteArray::number(i % 90 + 10) +
                " }, { a5 = 12.5, a12 = 8, a33 = 3 }, { p5 = 80, p12 = 20, p33 = 40 }]\n";
    }
    return text;
}

void readBigPlan(benchmark::State& st) {
    const QByteArray text = bigPlan(1000);
    for (auto _ : st) {
        auto plan = parsePlan(text, QStringLiteral("big.toml"));
        if (!std::holds_alternative<Plan>(plan))
            st.SkipWithError(qPrintable(std::get<PlanError>(plan).text()));
        benchmark::DoNotOptimize(plan);
    }
    st.counters["bytes"] = static_cast<double>(text.size());
}

} // namespace

BENCHMARK(readBigPlan)->Name("plan_1000_steps")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}

// The plan run's report of an eight-hour hold: 288,000 readings at 100 ms, each trace reduced to
// a low and a high per device pixel across. The target is 2 s and 200 MB; run it under
// /usr/bin/time -v for the peak resident size.
#include "RunReport.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace velmor;

namespace {

RunReportInput eightHourHold() {
    RunReportInput run;
    run.id = QStringLiteral("be4c0000-0000-0000-0000-000000000008");
    run.planName = QStringLiteral("burn-in");
    run.profile = *namedProfile(u"atx");
    run.outcome = Outcome::Pass;
    RunReportStep hold;
    hold.kind = QStringLiteral("hold");
    hold.name = QStringLiteral("eight hours");
    constexpr int readings = 8 * 3600 * 10;
    hold.readings.reserve(readings);
    for (int i = 0; i < readings; ++i) {
        // Slow drift with a spike now and then, so that every column has something to keep.
        const auto b = static_cast<quint8>(124 + (i / 600) % 8 + (i % 997 == 0 ? 6 : 0));
        hold.readings.push_back({i * 100LL, true, 80, 120, 40, 1, b, b, b, Settling::Judged});
    }
    hold.judged = readings;
    hold.keyFigure = QStringLiteral("8:00:00 held");
    run.steps.push_back(std::move(hold));
    return run;
}

void BM_EightHourHoldReport(benchmark::State& state) {
    const RunReportInput run = eightHourHold();
    qint64 bytes = 0;
    for (auto _ : state) {
        auto pdf = runReportPdf(run);
        bytes = std::get<QByteArray>(pdf).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EightHourHoldReport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir; // a private folder keeps Qt from warning about XDG_RUNTIME_DIR
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
        QFile::setPermissions(runtimeDir.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}

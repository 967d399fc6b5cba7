#pragma once

// A plan run on the test-run engine, over the real serial port class to the simulated unit on a
// pseudo-terminal of the test's own.

#include "Eventually.h"
#include "PlanRun.h"
#include "QtSerialPort.h"
#include "SimulatedUnit.h"
#include "SweepStep.h"
#include "TestRun.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace velmor::testing {

// Keeps what a plan run records: every reading as the run record keeps it, and the steps' results.
class KeptRun final : public PlanRecorder {
public:
    void runStarted(const Plan&, const UnitIdentity&) override {}
    void stepStarted(int, const StepSpec&) override {}
    void readingTaken(int, const StepReading& reading, Settling settling) override {
        kept.push_back({reading.answers.supplySwitch != 0, loadSettings(reading.answers),
                        reading.reply, settling});
    }
    void stepEnded(int, const StepResult& result) override { results.push_back(result); }
    void runEnded(Outcome, RunEnd) override {}

    std::vector<KeptReading> kept;
    std::vector<StepResult> results;
};

class UnitRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const auto started = unit.start(
            dir.filePath(QStringLiteral("velmor-plan-%1").arg(QCoreApplication::applicationPid())));
        ASSERT_FALSE(started) << started->toStdString();
    }

    // Runs the step to its end; how the run ended.
    std::optional<RunEnd> run(RunStep& step, RunRecorder* recorder = nullptr) {
        const QString device = unit.devicePath();
        TestRun engine(
            step, [device] { return std::make_unique<QtSerialPort>(device); }, 5, recorder);
        std::optional<RunEnd> ended;
        QObject::connect(&engine, &TestRun::finished, [&](RunEnd end) { ended = end; });
        if (const auto error = engine.start()) {
            ADD_FAILURE() << error->toStdString();
            return std::nullopt;
        }
        eventually([&] { return ended.has_value(); }, 60000);
        return ended;
    }

    // A plan of the one step, run to its end; what it recorded.
    KeptRun runPlan(std::shared_ptr<const StepSpec> step, const PlanContext& context) {
        Plan plan;
        plan.name = QStringLiteral("test");
        plan.context = context;
        plan.steps.push_back(std::move(step));
        KeptRun kept;
        PlanRun planRun(plan, UnitIdentity{}, &kept);
        EXPECT_EQ(run(planRun, &planRun), RunEnd::Completed);
        EXPECT_EQ(kept.results.size(), 1u);
        return kept;
    }

    QTemporaryDir dir;
    sim::SimulatedUnit unit;
};

} // namespace velmor::testing

#pragma once

// One step at a time on the test-run engine, over the real serial port class to the simulated
// unit on a pseudo-terminal of the test's own.

#include "Eventually.h"
#include "PlanStep.h"
#include "QtSerialPort.h"
#include "Reading.h"
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

// A plan step alone on the engine, each reading put through the settled rule first, as a plan
// run does; every reading is kept as the run record keeps it.
class OneStep final : public RunStep {
public:
    OneStep(std::unique_ptr<PlanStep> step, bool paced)
        : step_(std::move(step)), first_(step_->firstFrame()), paced_(paced) {}

    std::optional<ControlFrame> firstFrame() const override { return first_; }
    StepAnswer take(const StepReading& reading) override {
        if (!reading.reply)
            return {};
        const LoadSettings loads = loadSettings(reading.answers);
        const Reading volts = graphReading(*reading.reply);
        const bool on = reading.answers.supplySwitch != 0;
        const Settling settling = settle_.next({reading.sinceStartMs, on, loads.load5, loads.load12,
                                                loads.load33, volts.volts5 / output5.nominalVolts,
                                                volts.volts12 / output12.nominalVolts,
                                                volts.volts33 / output33.nominalVolts});
        kept.push_back({on, loads, reading.reply, settling});
        return step_->take(reading, settling);
    }
    std::optional<ControlFrame> endFrame() const override {
        return controlFrame(true, LoadSettings{});
    }
    bool pacedByReplies() const override { return paced_; }

    PlanStep& step() { return *step_; }
    std::vector<KeptReading> kept;

private:
    std::unique_ptr<PlanStep> step_;
    ControlFrame first_;
    bool paced_;
    SettleTracker settle_;
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
    std::optional<RunEnd> run(RunStep& step, int patienceMs = 60000) {
        const QString device = unit.devicePath();
        TestRun engine(
            step, [device] { return std::make_unique<QtSerialPort>(device); }, 5);
        std::optional<RunEnd> ended;
        QObject::connect(&engine, &TestRun::finished, [&](RunEnd end) { ended = end; });
        if (const auto error = engine.start()) {
            ADD_FAILURE() << error->toStdString();
            return std::nullopt;
        }
        eventually([&] { return ended.has_value(); }, patienceMs);
        return ended;
    }

    QTemporaryDir dir;
    sim::SimulatedUnit unit;
};

} // namespace velmor::testing

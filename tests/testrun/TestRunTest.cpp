// The test-run engine over a scripted port with a scripted step: the frames on the wire from the
// open to the close however the run ends, what the step is handed, and what the recorder hears.
#include "TestRun.h"
#include "Eventually.h"
#include "ScriptedPort.h"

namespace velmor::testing {
namespace {

constexpr ControlFrame firstFrame{1, 255, 255, 250};
constexpr ControlFrame endFrame{1, 255, 255, 255};

ControlFrame loadFrame(int n) {
    return {1, 255, 255, static_cast<quint8>(200 - n)};
}

// Answers each reading with the next load frame and is done after `readings` replies.
class ScriptedStep final : public RunStep {
public:
    explicit ScriptedStep(int readings) : readings_(readings) {}
    std::optional<ControlFrame> firstFrame() const override { return velmor::testing::firstFrame; }
    StepAnswer take(const StepReading& reading) override {
        taken.push_back(reading);
        if (!reading.reply)
            return {};
        if (++replies_ > readings_)
            return {std::nullopt, ReadingUse::Ignored, true};
        return {loadFrame(replies_), ReadingUse::Judged, false};
    }
    std::optional<ControlFrame> endFrame() const override { return velmor::testing::endFrame; }
    int tickMs() const override { return 10; }

    std::vector<StepReading> taken;

private:
    int readings_;
    int replies_ = 0;
};

struct Recorded final : RunRecorder {
    QStringList calls;
    void runStarted() override { calls << "started"; }
    void readingTaken(const StepReading&, const StepAnswer& answer) override {
        calls << (answer.done ? "done" : answer.frame ? "frame" : "none");
    }
    void portLost(const QString& reason) override { calls << "port lost: " + reason; }
    void runEnded(RunEnd end) override { calls << QStringLiteral("ended %1").arg(int(end)); }
};

std::vector<ControlFrame> framesOf(const std::vector<quint8>& bytes) {
    std::vector<ControlFrame> frames;
    for (std::size_t i = 0; i + 3 < bytes.size(); i += 4)
        frames.push_back({bytes[i], bytes[i + 1], bytes[i + 2], bytes[i + 3]});
    return frames;
}

struct Bench {
    explicit Bench(int readings, int linkTimeoutSeconds = 30)
        : step(readings), run(
                              step,
                              [this] {
                                  auto made = std::make_unique<ScriptedPort>(log);
                                  port = made.get();
                                  return made;
                              },
                              linkTimeoutSeconds, &recorder) {
        QObject::connect(&run, &TestRun::finished, [this](RunEnd end) { ended = end; });
    }
    std::vector<ControlFrame> frames() const { return framesOf(log->written); }
    // Nothing reaches the port after it closed.
    bool closedLast() const {
        return !log->events.isEmpty() && log->events.last() == "close" &&
               log->events.count("close") == 1;
    }

    std::shared_ptr<PortLog> log = std::make_shared<PortLog>();
    ScriptedPort* port = nullptr;
    ScriptedStep step;
    Recorded recorder;
    TestRun run;
    std::optional<RunEnd> ended;
};

TEST(TestRunTest, aDoneStepEndsWithItsEndFrameThenAllOffAndTheClose) {
    Bench bench(2);
    for (int i = 0; i < 3; ++i)
        bench.port->queueReply({1, 128, 128, 128});
    ASSERT_FALSE(bench.run.start());
    ASSERT_TRUE(eventually([&] { return bench.ended.has_value(); }, 2000));
    EXPECT_EQ(*bench.ended, RunEnd::Completed);
    EXPECT_EQ(bench.frames(), (std::vector<ControlFrame>{allOffFrame, firstFrame, loadFrame(1),
                                                         loadFrame(2), endFrame, allOffFrame}));
    EXPECT_TRUE(bench.closedLast());
    // Each reading carries the frame it answers.
    ASSERT_EQ(bench.step.taken.size(), 3u);
    EXPECT_EQ(bench.step.taken[0].answers, firstFrame);
    EXPECT_EQ(bench.step.taken[2].answers, loadFrame(2));
    EXPECT_LE(bench.step.taken[0].sinceStartMs, bench.step.taken[2].sinceStartMs);
    EXPECT_EQ(bench.recorder.calls, (QStringList{"started", "frame", "frame", "done", "ended 0"}));
}

TEST(TestRunTest, aReplyHalfInAtATickIsNeverTheStartOfTheNextReading) {
    Bench bench(2);
    bench.port->queueReply(bytes({1, 128, 128, 128, 1, 100}));   // a reply and half the next
    bench.port->queueReply(bytes({100, 100, 1, 129, 129, 129})); // its rest, and the next
    bench.port->queueReply({1, 130, 130, 130});
    ASSERT_FALSE(bench.run.start());
    ASSERT_TRUE(eventually([&] { return bench.ended.has_value(); }, 2000));
    ASSERT_EQ(bench.step.taken.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(bench.step.taken[i].reply) << i;
        EXPECT_EQ(bench.step.taken[i].reply->b2, 128 + i) << i;
    }
}

TEST(TestRunTest, anInterruptSwitchesOffOnceWhateverFollows) {
    Bench bench(1000);
    bench.port->queueReply({1, 128, 128, 128});
    ASSERT_FALSE(bench.run.start());
    ASSERT_TRUE(eventually([&] { return bench.step.taken.size() >= 2; }, 2000));
    bench.run.interrupt();
    bench.run.interrupt();
    const auto atInterrupt = bench.frames();
    EXPECT_EQ(std::vector<ControlFrame>(atInterrupt.end() - 2, atInterrupt.end()),
              (std::vector<ControlFrame>{endFrame, allOffFrame}));
    ASSERT_TRUE(eventually([&] { return bench.ended.has_value(); }, 2000));
    QTest::qWait(30); // no tick after the end
    EXPECT_EQ(*bench.ended, RunEnd::Aborted);
    EXPECT_EQ(bench.frames(), atInterrupt);
    EXPECT_EQ(bench.frames().front(), allOffFrame);
    EXPECT_TRUE(bench.closedLast());
    EXPECT_EQ(bench.recorder.calls.last(), "ended 1");
}

TEST(TestRunTest, aSilentUnitEndsTheRunAtTheLinkTimeoutAndALostPortIsTriedOnceMore) {
    // Silent from the start: the end frame and all-off frame still go out.
    {
        Bench bench(5, 0);
        ASSERT_FALSE(bench.run.start());
        ASSERT_TRUE(eventually([&] { return bench.ended.has_value(); }, 2000));
        EXPECT_EQ(*bench.ended, RunEnd::LinkLost);
        EXPECT_EQ(bench.frames(),
                  (std::vector<ControlFrame>{allOffFrame, firstFrame, endFrame, allOffFrame}));
        EXPECT_TRUE(bench.closedLast());
        EXPECT_EQ(bench.recorder.calls.last(), "ended 2");
        EXPECT_FALSE(bench.run.portLostReason());
    }
    // A port gone and not coming back gets nothing more, and the recorder hears why it was
    // gone; one that opens at the end is switched off, the unit silent.
    for (const bool back : {false, true}) {
        Bench bench(5, 0);
        ASSERT_FALSE(bench.run.start());
        bench.port->loseLink("unplugged");
        bench.port->failOpenWith("no such device");
        QStringList link;
        QObject::connect(
            &bench.run, &TestRun::linkChanged,
            [&](const std::optional<QString>& lost) { link << lost.value_or("back"); });
        if (back)
            QTimer::singleShot(0, [&] { bench.port->allowOpen(); });
        ASSERT_TRUE(eventually([&] { return bench.ended.has_value(); }, 2000));
        EXPECT_EQ(*bench.ended, RunEnd::LinkLost);
        auto expected = std::vector<ControlFrame>{allOffFrame, firstFrame};
        if (back)
            expected.insert(expected.end(), {endFrame, allOffFrame});
        EXPECT_EQ(bench.frames(), expected) << "back: " << back;
        EXPECT_FALSE(bench.log->events.contains("write failed")) << "back: " << back;
        EXPECT_EQ(link.value(0), "unplugged");
        const QStringList ending = bench.recorder.calls.mid(bench.recorder.calls.size() - 2);
        const QStringList expectedEnding =
            back ? QStringList{"none", "ended 2"} : QStringList{"port lost: unplugged", "ended 2"};
        EXPECT_EQ(ending, expectedEnding);
        EXPECT_EQ(bench.run.portLostReason().has_value(), !back);
    }
}

TEST(TestRunTest, aPortThatWillNotOpenGetsNothingAndEndsNoRun) {
    Bench bench(1);
    bench.port->failOpenWith("busy");
    EXPECT_EQ(bench.run.start(), QString("busy"));
    QTest::qWait(30);
    EXPECT_TRUE(bench.log->written.empty());
    EXPECT_FALSE(bench.ended);
    EXPECT_TRUE(bench.recorder.calls.isEmpty());
}

} // namespace
} // namespace velmor::testing

// The sweep step driven by a list of readings, without a port or a timer: the graph window's
// frames, one cell per reply, and which readings the settled rule judges.
#include "SweepRunStep.h"
#include "../e2e/SweepFrames.h"
#include "MapSummary.h"
#include "MapSummaryText.h"
#include "SweepCourse.h"
#include "SweepSettling.h"

namespace velmor::testing {
namespace {

TEST(SweepRunStepTest, aListOfRepliesGivesTheGraphWindowsFramesAndCells) {
    const SweepLimits limits{6, 7, 255};
    SweepRunStep step(limits);
    const ReplyFrame nominal{1, 128, 128, 128};
    std::vector<ControlFrame> frames;
    std::vector<ReadingUse> uses;
    ControlFrame sent = allOffFrame;
    qint64 ms = 0;
    for (int tick = 0; tick < 100; ++tick, ms += 100) {
        // Every third tick the link is down: nothing changes and nothing is sent.
        if (tick % 3 == 2) {
            const StepAnswer silent = step.take({std::nullopt, ms, sent});
            EXPECT_FALSE(silent.frame);
            EXPECT_FALSE(silent.done);
            EXPECT_EQ(silent.use, ReadingUse::Ignored);
            continue;
        }
        const StepAnswer answer = step.take({nominal, ms, sent});
        if (answer.done) {
            EXPECT_FALSE(answer.frame) << "the end frame is the step's end frame";
            break;
        }
        ASSERT_TRUE(answer.frame);
        frames.push_back(sent = *answer.frame);
        uses.push_back(answer.use);
    }
    frames.push_back(*step.endFrame());
    EXPECT_EQ(frames, expectedSweepFrames(limits.loadLimit1, limits.loadLimit2));
    EXPECT_EQ(step.record().size(), static_cast<std::size_t>(expectedSweepCells(limits)));
    // The first reply answers the all-off frame; the rest are judged as the summary judges them.
    ASSERT_EQ(uses.size(), step.record().size());
    EXPECT_EQ(uses.front(), ReadingUse::Unsettled);
    EXPECT_EQ(static_cast<int>(std::count(uses.begin(), uses.end(), ReadingUse::Judged)),
              settleSweep(step.record()).judged);
}

// A supply that was up and then reads below power-good on every output has shut down: the step
// ends on that reply with no frame of its own (the end frame takes the loads off on the same
// tick), and the summary fails the map there, naming the cell, with nothing after it judged.
TEST(SweepRunStepTest, aShutdownEndsTheSweepFailedOnThatCell) {
    SweepRunStep step(SweepLimits{80, 80, 70});
    const ReplyFrame nominal{1, 128, 128, 128};
    const ReplyFrame dead{3, 0, 0, 0};
    ControlFrame sent = allOffFrame;
    qint64 ms = 0;
    for (int tick = 0; tick < 20; ++tick, ms += 100) {
        const StepAnswer answer = step.take({nominal, ms, sent});
        ASSERT_TRUE(answer.frame);
        sent = *answer.frame;
    }
    const StepAnswer last = step.take({dead, ms, sent});
    EXPECT_TRUE(last.done);
    EXPECT_FALSE(last.frame);
    EXPECT_EQ(last.use, ReadingUse::Unsettled);
    EXPECT_EQ(loadSettings(*step.endFrame()), LoadSettings{});

    const MapRecord& record = step.record();
    const MapSummary summary = summarize(record);
    ASSERT_EQ(summary.shutDownAt, record.size() - 1);
    EXPECT_EQ(summary.verdict, Verdict::Fail);
    EXPECT_EQ(summary.afterShutdown, 1);
    EXPECT_EQ(
        shutDownText(record, summary),
        QStringLiteral("the supply shut down at row 0, column 20 (+5 V 0.00 A, +12 V 3.28 A)"));
    EXPECT_TRUE(crossLoadSummary(record, summary, step.limits(), QStringLiteral("m"), true)
                    .contains("Shutdown: the supply shut down at row 0, column 20"));
    // A supply that never came up did not shut down.
    MapRecord neverUp = record;
    for (std::size_t i = 1; i < neverUp.size(); ++i)
        neverUp[i].b2 = neverUp[i].b3 = neverUp[i].b4 = 0;
    EXPECT_FALSE(summarize(neverUp).shutDownAt);
}

} // namespace
} // namespace velmor::testing

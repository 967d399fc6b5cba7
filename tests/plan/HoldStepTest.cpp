// The hold step driven by readings, without a port: every judged reading counts, the levels
// follow one another on time, and a power cycle's readings are kept but not judged.
#include "HoldStep.h"
#include "LoadFrame.h"
#include "Reading.h"

namespace velmor::testing {
namespace {

constexpr ReplyFrame nominal{1, 128, 128, 128};

HoldSpec hold(std::vector<qint64> levelMs, int repeat, bool powerCycle) {
    HoldSpec spec;
    double amps = 1;
    for (const qint64 ms : levelMs)
        spec.levels.push_back({ms, {{amps, amps++, 0}}});
    spec.repeat = repeat;
    spec.powerCycle = powerCycle;
    return spec;
}

PlanContext atx() {
    return {{450, {20, 18, 20}}, *namedProfile(u"atx"), 400, false};
}

// A supply that answers nominal while switched on and 0 V (the lowest byte) while off, each
// reading put through the settled rule as the plan run does.
struct Supply {
    PlanStep& step;
    SettleTracker settle;
    ControlFrame sent;
    qint64 ms = 0;
    std::vector<ControlFrame> frames;
    std::vector<ReadingUse> uses;

    explicit Supply(PlanStep& s) : step(s), sent(s.firstFrame()) { frames.push_back(sent); }

    StepAnswer tick(ReplyFrame reply) {
        if (!sent.supplySwitch)
            reply = {0, 0, 0, 0};
        const LoadSettings loads = loadSettings(sent);
        const Reading volts = graphReading(reply);
        const Settling s =
            settle.next({ms, sent.supplySwitch == 1, loads.load5, loads.load12, loads.load33,
                         volts.volts5 / 5, volts.volts12 / 12, volts.volts33 / 3.3});
        const StepAnswer answer = step.take({reply, ms, sent}, s);
        ms += 100;
        uses.push_back(answer.use);
        if (answer.frame && !(*answer.frame == sent))
            frames.push_back(sent = *answer.frame);
        return answer;
    }
    // Ticks to the step's end; how many it took.
    int run(ReplyFrame reply = nominal, int limit = 1000000) {
        for (int n = 1; n <= limit; ++n)
            if (tick(reply).done)
                return n;
        return -1;
    }
};

const Measurement& measurementOf(const StepResult& r, const QString& name) {
    for (const Measurement& m : r.measurements)
        if (m.name == name)
            return m;
    throw std::runtime_error(name.toStdString());
}

TEST(HoldStepTest, judgesEveryReadingOfEveryLevelAndRepetitionAsItComes) {
    const HoldSpec spec = hold({1000, 500}, 2, false);
    const PlanContext context = atx();
    EXPECT_EQ(spec.estimatedMs(context), 3000);
    const auto step = spec.make(context);
    Supply supply(*step);
    for (int i = 0; i < 5; ++i)
        supply.tick(nominal);
    supply.tick({1, 128, 50, 128}); // +12 V at 10.54 V, below 11.4 V
    const double low12 = graphReading({1, 128, 50, 128}).volts12;
    EXPECT_EQ(supply.run(), 25); // 3 s of ticks, the one that ends it included
    // Level 0, level 1, level 0 again, level 1 again: a frame on each change and nothing else.
    const ControlFrame level0 = loadFrame(true, spec.levels[0].load.amps).frame;
    const ControlFrame level1 = loadFrame(true, spec.levels[1].load.amps).frame;
    EXPECT_EQ(supply.frames, (std::vector<ControlFrame>{level0, level1, level0, level1}));

    const StepResult r = step->result();
    EXPECT_EQ(r.outcome, Outcome::Fail);
    EXPECT_EQ(measurementOf(r, "+12 V lowest").value, low12);
    EXPECT_EQ(measurementOf(r, "+12 V lowest").outcome, Outcome::Fail);
    EXPECT_EQ(measurementOf(r, "+12 V readings outside").value, 1);
    EXPECT_EQ(measurementOf(r, "+5 V readings outside").outcome, Outcome::Pass);
    EXPECT_EQ(measurementOf(r, "+5 V highest").value, graphReading(nominal).volts5);
    EXPECT_EQ(measurementOf(r, "+5 V highest").limits, voltsLimits(output5, {-5, 5}, 0));
    // The reply to the first frame still counts as powering up; the level changes are load
    // jumps of more than two settings.
    EXPECT_EQ(r.unsettled, 4);
    EXPECT_EQ(r.judged, 31 - 4);
    EXPECT_EQ(measurementOf(r, "readings not judged").value, r.unsettled);
    EXPECT_EQ(r.keyFigure, "3 s, 27 judged, 1 outside");
    EXPECT_DOUBLE_EQ(step->progress(), 1);
}

TEST(HoldStepTest, powerCycleSwitchesOffBetweenLevelsAndItsReadingsAreNotJudged) {
    const HoldSpec spec = hold({500, 500}, 1, true);
    const PlanContext context = atx();
    EXPECT_EQ(spec.estimatedMs(context), 500 + HoldSpec::offMs + 500);
    const auto step = spec.make(context);
    Supply supply(*step);
    EXPECT_EQ(supply.run(), 31);
    EXPECT_EQ(supply.frames, (std::vector<ControlFrame>{
                                 loadFrame(true, spec.levels[0].load.amps).frame, allOffFrame,
                                 loadFrame(true, spec.levels[1].load.amps).frame}));
    const StepResult r = step->result();
    // 20 readings of the supply off, the replies to both switch-on frames: none judged, every
    // one counted. The 0 V readings never reach the lowest figures.
    EXPECT_EQ(r.unsettled, 22);
    EXPECT_EQ(r.judged, 31 - 22);
    EXPECT_EQ(r.outcome, Outcome::Pass);
    EXPECT_EQ(measurementOf(r, "+12 V lowest").value, graphReading(nominal).volts12);
    const auto off = std::count(supply.uses.begin(), supply.uses.end(), ReadingUse::Unsettled);
    EXPECT_EQ(off, 22);
}

TEST(HoldStepTest, eightHoursKeepsOnlyRunningFiguresAndSaysSoInOneLine) {
    const HoldSpec spec = hold({8 * 3600 * 1000}, 1, false);
    const auto step = spec.make(atx());
    Supply supply(*step);
    supply.frames.reserve(4);
    EXPECT_EQ(supply.run(nominal, 300000), 288001);
    EXPECT_EQ(step->result().keyFigure, "8 h, 288,000 judged, none outside");
}

TEST(HoldStepTest, nothingJudgedIsNoVerdict) {
    const HoldSpec spec = hold({1000}, 1, false);
    const auto step = spec.make(atx());
    for (qint64 ms = 0; !step->take({nominal, ms, step->firstFrame()}, Settling::PoweringUp).done;
         ms += 100) {
    }
    EXPECT_EQ(step->result().outcome, Outcome::Error);
    EXPECT_EQ(step->result().keyFigure, "1 s, no reading judged");
}

} // namespace
} // namespace velmor::testing

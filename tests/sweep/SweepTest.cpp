#include "Sweep.h"

#include "ScriptedPort.h"
#include "SharedState.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

using namespace velmor;
using velmor::testing::bytes;

namespace {

const ReplyFrame nominal{0, 128, 128, 128};

SharedState limits(int l1, int l2, int power) {
    SharedState s;
    s.loadLimit1 = static_cast<qint16>(l1);
    s.loadLimit2 = static_cast<qint16>(l2);
    s.powerLimit = static_cast<qint16>(power);
    s.graphSupplyOn = 1;
    return s;
}

// Runs the pure sweep from a fresh start to its end, as the window's ticks would.
struct SweepRun {
    std::map<int, std::vector<int>> columnsByRow;
    std::set<std::pair<int, int>> cells;
    int cellCount = 0;
    int ticks = 0;
    std::vector<ControlFrame> frames;
    SweepTick last;
};

SweepRun runSweep(SharedState state) {
    SweepRun run;
    while (run.ticks < 100000) {
        const SweepTick tick = sweepStep(state, state, nominal);
        ++run.ticks;
        run.frames.push_back(*tick.frame);
        state.load12Step = tick.load12Step;
        state.load5Step = tick.load5Step;
        run.last = tick;
        if (tick.outcome == SweepTick::Outcome::Ended)
            break;
        const int column = tick.cell.x1 / cellTwips;
        const int row = (mapBaseTwips - tick.cell.y1) / cellTwips;
        run.columnsByRow[row].push_back(column);
        run.cells.insert({column, row});
        ++run.cellCount;
    }
    return run;
}

std::vector<int> columns(int first, int last) {
    std::vector<int> v;
    for (int c = first; c <= last; ++c)
        v.push_back(c);
    return v;
}

TEST(SweepPowerTest, exactInSixteenthsOfHalfWatts) {
    EXPECT_EQ(sweepPower128(40, 39), 17828); // 139.28125 W
    EXPECT_EQ(sweepPower128(40, 40), 18080); // 141.25 W
    EXPECT_EQ(sweepPower128(40, 19), 12788); // 99.90625 W
    EXPECT_EQ(sweepPower128(40, 20), 13040); // 101.875 W
    EXPECT_EQ(powerBound128(70), 140 * 128);
}

TEST(SweepBoundsTest, wrapAndEndUseTrueDivision) {
    EXPECT_FALSE(rowWraps(40, 0, 81, 255)); // 40 < 40.5
    EXPECT_TRUE(rowWraps(41, 0, 81, 255));
    EXPECT_TRUE(rowWraps(40, 0, 80, 255));
    EXPECT_FALSE(rowWraps(39, 40, 80, 70)); // exactly at the bound is still allowed
    EXPECT_TRUE(rowWraps(40, 40, 81, 70));  // over the power bound
    EXPECT_FALSE(sweepEnds(40, 80));
    EXPECT_TRUE(sweepEnds(41, 80));
    EXPECT_FALSE(sweepEnds(40, 81));
}

TEST(SweepStepTest, presetSweepPaintsFortyByFortyOneAndEndsOnTick1641) {
    const SweepRun run = runSweep(limits(80, 80, 70));
    EXPECT_EQ(run.cellCount, 1640);
    EXPECT_EQ(run.cells.size(), 1640u); // no cell twice
    EXPECT_EQ(run.ticks, 1641);
    ASSERT_EQ(run.columnsByRow.size(), 41u);
    for (const auto& [row, cols] : run.columnsByRow)
        EXPECT_EQ(cols, columns(0, 39)) << "row " << row;
    EXPECT_EQ(run.frames.front(), (ControlFrame{1, 255, 253, 255}));
    EXPECT_EQ(run.frames.back(), (ControlFrame{1, 255, 255, 255}));
    EXPECT_EQ(run.last.caption, QStringLiteral("ТЕСТ\r\nЗАКОНЧЕН"));
}

TEST(SweepStepTest, firstTickPaintsCellZeroAtTheBottomLeft) {
    const SharedState state = limits(80, 80, 70);
    const SweepTick tick = sweepStep(state, state, nominal);
    EXPECT_EQ(tick.outcome, SweepTick::Outcome::Painted);
    EXPECT_EQ(tick.cell, (TwipBox{0, 10240, 80, 10160}));
    EXPECT_EQ(tick.cellColour, classColour(0));
    EXPECT_EQ(tick.load12Step, 1);
    EXPECT_EQ(tick.load5Step, 0);
    EXPECT_EQ(tick.frame, (ControlFrame{1, 255, 253, 255}));
}

struct ExtentCase {
    const char* name;
    int l1, l2, power;
    int rows;      // rows 0 .. rows-1 hold cells
    int cellCount; // over the whole map
    std::map<int, std::vector<int>> checkedRows;
};

class MapExtentTest : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(MapExtentTest, rowsAndColumnsFollowTheLimits) {
    const ExtentCase& c = GetParam();
    const SweepRun run = runSweep(limits(c.l1, c.l2, c.power));
    EXPECT_EQ(run.cellCount, c.cellCount);
    EXPECT_EQ(run.cells.size(), static_cast<std::size_t>(c.cellCount));
    EXPECT_EQ(run.ticks, c.cellCount + 1);
    EXPECT_EQ(run.columnsByRow.empty() ? 0 : run.columnsByRow.rbegin()->first + 1, c.rows);
    for (const auto& [row, cols] : c.checkedRows) {
        const auto found = run.columnsByRow.find(row);
        EXPECT_EQ(found == run.columnsByRow.end() ? std::vector<int>{} : found->second, cols)
            << "row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sweep, MapExtentTest,
    ::testing::Values(
        ExtentCase{"halfStepTwelveVoltLimit",
                   80,
                   81,
                   255,
                   41,
                   41 * 41,
                   {{0, columns(0, 40)}, {40, columns(0, 40)}}},
        ExtentCase{"halfStepLimitCutByPower",
                   80,
                   81,
                   70,
                   41,
                   40 * 41 + 40,
                   {{39, columns(0, 40)}, {40, columns(0, 39)}}},
        ExtentCase{"fullArea",
                   255,
                   255,
                   255,
                   128,
                   128 * 128,
                   {{0, columns(0, 127)}, {127, columns(0, 127)}}},
        ExtentCase{"noFiveVoltLoad", 0, 80, 70, 1, 40, {{0, columns(0, 39)}, {1, {}}}},
        ExtentCase{"noTwelveVoltLoad", 80, 0, 70, 41, 40, {{0, {}}, {1, {0}}, {40, {0}}}},
        ExtentCase{"powerLimitHundredWatts", 80, 80, 50, 41, 1366, {{40, columns(0, 19)}}},
        ExtentCase{"powerLimitFortyWatts",
                   80,
                   80,
                   20,
                   41,
                   299,
                   {{24, {0, 1}}, {25, {0}}, {26, {0}}, {40, {0}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SweepStepTest, powerBoundStillPaintsTheFirstCellOfEachRow) {
    // From row 26 on the first cell alone needs more than 40 W, and is painted all the same.
    const SweepRun run = runSweep(limits(80, 80, 20));
    for (int row = 25; row <= 40; ++row)
        EXPECT_EQ(run.columnsByRow.at(row), std::vector<int>{0}) << row;
    EXPECT_GT(sweepPower128(26, 0), powerBound128(20));
}

TEST(SweepStepTest, twelveVoltStep128IsSentAsFullLoad) {
    const SweepRun run = runSweep(limits(255, 255, 255));
    int fullLoadFrames = 0;
    for (const ControlFrame& f : run.frames) {
        if (f.load12Code == 0) {
            ++fullLoadFrames;
            EXPECT_EQ(f.supplySwitch, 1);
            EXPECT_EQ(f.load33Code, 255);
        }
    }
    EXPECT_EQ(fullLoadFrames, 128); // the last column of every row
}

TEST(SweepStepTest, worseClassColoursTheCellAndEachIndicatorItsOwn) {
    const SharedState state = limits(80, 80, 70);
    const SweepTick tick = sweepStep(state, state, ReplyFrame{0, 143, 96, 128});
    EXPECT_EQ(tick.indicator5, rgb(255, 255, 0));
    EXPECT_EQ(tick.indicator12, rgb(255, 0, 0));
    EXPECT_EQ(tick.cellColour, rgb(255, 0, 0));
}

TEST(SweepStepTest, readoutShowsVoltsAndTheNominalCurrentsOfThePaintedCell) {
    SharedState state = limits(80, 80, 70);
    state.load5Step = 8;
    state.load12Step = 32;
    const SweepTick tick = sweepStep(state, state, nominal);
    EXPECT_EQ(tick.caption, QStringLiteral("5.00     2.50\r\n12.01   5.25\r\n3.30"));
    // The currents are those after the row wrap.
    state.load12Step = 40;
    EXPECT_EQ(sweepStep(state, state, nominal).caption,
              QStringLiteral("5.00     2.81\r\n12.01   0.00\r\n3.30"));
}

TEST(SweepStepTest, missingReplyChangesNothingButTheCaption) {
    SharedState state = limits(80, 80, 70);
    state.load5Step = 3;
    state.load12Step = 7;
    for (const QByteArray& reply :
         {QByteArray(), bytes({1, 2}), bytes({1, 2, 3}), QByteArray(" "), QByteArray()}) {
        const SweepTick tick = sweepStep(state, state, replyFrame(reply));
        EXPECT_EQ(tick.outcome, SweepTick::Outcome::NoLink);
        EXPECT_EQ(tick.caption, QStringLiteral("нет\r\nСвязи"));
        EXPECT_FALSE(tick.frame);
        EXPECT_EQ(tick.load5Step, 3);
        EXPECT_EQ(tick.load12Step, 7);
    }
}

TEST(SweepStepTest, tickAfterTheEndEndsAgainAtOnce) {
    SharedState state = limits(80, 80, 70);
    state.load5Step = 41; // where a finished preset sweep stands
    state.load12Step = 0;
    const SweepTick tick = sweepStep(state, state, nominal);
    EXPECT_EQ(tick.outcome, SweepTick::Outcome::Ended);
    EXPECT_EQ(tick.frame, (ControlFrame{1, 255, 255, 255}));
    state.graphSupplyOn = 0;
    EXPECT_EQ(sweepStep(state, state, nominal).frame, (ControlFrame{0, 255, 255, 255}));
}

} // namespace

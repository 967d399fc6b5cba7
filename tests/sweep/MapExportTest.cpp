#include "MapCsv.h"
#include "MapSave.h"
#include "MapSummaryText.h"
#include "NumberText.h"
#include "SweepSettling.h"

#include <QLocale>

#include <array>

#include <gtest/gtest.h>

using namespace velmor;

namespace {

// Four cells with the +5 V and +12 V classes apart, one inside the band, a tie on +12 V.
const MapRecord fourCells{
    {0, 0, 128, 128, 128, 0, 0},
    {0, 1, 90, 140, 100, 5, 2},
    {1, 0, 155, 89, 200, 4, 6},
    {1, 1, 128, 89, 128, 0, 6},
};

const char* const fourCellsCsv =
    "row,column,load5_setting,load12_setting,current5_A,current12_A,b2,b3,b4,"
    "volts5_V,volts12_V,volts33_V,k5,k12,cell_class\n"
    "0,0,0,0,0,0,128,128,128,5.0039,12.0094,3.3026,0,0,0\n"
    "0,1,0,2,0,0.1640625,90,140,100,4.7059,12.2353,3.1576,5,2,5\n"
    "1,0,2,0,0.3125,0,155,89,200,5.2157,11.2753,3.6753,4,6,6\n"
    "1,1,2,2,0.3125,0.1640625,128,89,128,5.0039,11.2753,3.3026,0,6,6\n";

// Cell (0, 0) answers the all-off frame and cell (0, 1) the switch-on; both are not judged.
const char* const fourCellsSummary =
    "Cross-load map \"psu 1\"\n"
    "Limits: LoadLimit1 4, LoadLimit2 6, PowerLimit 255 (510 W)\n"
    "Cells: 4, judged 2, not judged 2: 1 answers the all-off frame, 1 before the supply was up\n"
    "Inside the ATX ±5 % band on both +5 V and +12 V (classes 0 to 4): 0 of 2 judged cells, "
    "0.00 %\n"
    "Worst +5 V: 5.216 V, +0.216 V (+4.31 %), class 4, at row 1, column 0 (+5 V 0.31 A, "
    "+12 V 0.00 A)\n"
    "Worst +12 V: 11.275 V, -0.725 V (-6.04 %), class 6, at row 1, column 0 (+5 V 0.31 A, "
    "+12 V 0.00 A)\n"
    "Verdict (ATX ±5 %): fail\n";

// A cell of row 0 with the given readings; its classes as the sweep works them out.
MapCell row0(int column, int b2, int b3, int b4 = 128) {
    return {0,
            static_cast<qint16>(column),
            static_cast<quint8>(b2),
            static_cast<quint8>(b3),
            static_cast<quint8>(b4),
            static_cast<quint8>(deviationClass5(b2)),
            static_cast<quint8>(deviationClass12(b3))};
}

// Row 0 of a sweep: cell (0, 0) off, then the given readings from column 1 on.
MapRecord row0Sweep(const std::vector<std::array<int, 2>>& readings) {
    MapRecord record{row0(0, 0, 0, 0)};
    for (const auto& [b2, b3] : readings)
        record.push_back(row0(static_cast<int>(record.size()), b2, b3));
    return record;
}

const SweepLimits smallLimits{4, 6, 255};

TEST(CrossLoadCsvTest, oneLinePerCellInPaintingOrderWithExactCurrents) {
    EXPECT_EQ(crossLoadCsv(fourCells).toStdString(), fourCellsCsv);
    EXPECT_EQ(crossLoadCsv({}).toStdString(), crossLoadCsvHeader.toStdString() + "\n");
}

TEST(CrossLoadCsvTest, fullScaleCellsKeepEveryDigit) {
    const MapRecord corner{{127, 127, 255, 255, 255, 20, 20}};
    EXPECT_EQ(crossLoadCsv(corner).split('\n').at(1).toStdString(),
              "127,127,254,254,39.6875,20.8359375,255,255,255,6.0000,14.4000,3.9600,20,20,20");
}

TEST(CrossLoadSummaryTest, limitsCountBandShareAndWorstCells) {
    EXPECT_EQ(crossLoadSummary(fourCells, smallLimits, "psu 1").toStdString(), fourCellsSummary);
}

TEST(CrossLoadSummaryTest, worstIsTheLargestDistanceEitherWayAndTheFirstPaintedOnATie) {
    const MapSummary summary = summarize(row0Sweep({{128, 128}, {90, 140}, {155, 89}, {128, 89}}));
    EXPECT_EQ(summary.cells, 5);
    EXPECT_EQ(summary.judged, 3);
    EXPECT_EQ(summary.insideBand, 0);
    EXPECT_EQ(summary.worst5, 2u);  // 4.71 V lies further off than 5.22 V
    EXPECT_EQ(summary.worst12, 3u); // cells 3 and 4 read the same

    const MapSummary high = summarize(row0Sweep({{128, 128}, {170, 140}}));
    EXPECT_EQ(high.worst5, 2u);
    EXPECT_EQ(high.worst12, 2u);
}

TEST(CrossLoadSummaryTest, readingsBeforeTheSupplyWasUpAreShownButNeitherWorstNorJudged) {
    // A supply that needs 300 ms: the replies to the switch-on and the two frames after it read
    // 0 V, the next one comes up at 4.92 V; every reading after that lies in the band.
    const MapRecord sweep = row0Sweep({{0, 0}, {0, 0}, {0, 0}, {124, 126}, {130, 130}, {126, 127}});
    const MapSummary summary = summarize(sweep);
    EXPECT_EQ(summary.cells, 7);
    EXPECT_EQ(summary.supplyOff, 1);
    EXPECT_EQ(summary.poweringUp, 4); // the last of them the first power-good reading
    EXPECT_EQ(summary.judged, 2);
    EXPECT_FALSE(summary.didNotPowerOn);
    EXPECT_EQ(summary.verdict, Verdict::Pass);
    EXPECT_EQ(summary.worst5, 5u); // 5.04 V, not the 4.00 V before power-on
    const QByteArray text = crossLoadSummary(sweep, smallLimits, "ok");
    EXPECT_TRUE(text.contains("Cells: 7, judged 2, not judged 5: 1 answers the all-off frame, 4 "
                              "before the supply was up\n"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("Verdict (ATX ±5 %): pass\n"));
}

TEST(CrossLoadSummaryTest, aSupplyNotUpWithinTwoSecondsFailsAndNothingJudgedHasNoVerdict) {
    // 25 cells of 0 V: the reply to the switch-on at 100 ms, the last one at 2.4 s.
    const MapRecord dead = row0Sweep(std::vector<std::array<int, 2>>(24, {0, 0}));
    const MapSummary summary = summarize(dead);
    EXPECT_EQ(summary.judged, 0);
    EXPECT_TRUE(summary.didNotPowerOn);
    EXPECT_EQ(summary.verdict, Verdict::Fail);
    EXPECT_TRUE(crossLoadSummary(dead, smallLimits, "dead")
                    .contains("Power-on: the supply did not power on (not all three outputs "
                              "within ±10 % 2 s after switch-on)\nVerdict (ATX ±5 %): fail\n"));

    // Cut short at 2 s: not yet a failure, and no reading judged.
    const MapRecord early(dead.begin(), dead.begin() + 21);
    EXPECT_EQ(summarize(early).verdict, Verdict::None);
    EXPECT_EQ(summarize({row0(0, 0, 0, 0)}).verdict, Verdict::None);
}

TEST(CrossLoadSummaryTest, theReplyToARowWrapsLoadJumpIsNotJudged) {
    // LoadLimit2 8: columns 0 to 3, so each wrap takes +12 V from setting 8 back to 2.
    MapRecord sweep;
    for (qint16 row = 0; row < 3; ++row)
        for (qint16 column = 0; column < 4; ++column)
            sweep.push_back({row, column, 128, 128, 128, 0, 0});
    sweep[5].b2 = 60; // row 1, column 1: still reads the load before the jump
    const SettledRun settled = settleSweep(sweep);
    EXPECT_EQ(settled.settling[4], Settling::Judged); // row 1, column 0: one step past row 0's end
    EXPECT_EQ(settled.settling[5], Settling::LoadJump);
    EXPECT_EQ(settled.settling[9], Settling::LoadJump);
    EXPECT_EQ(settled.judged, 8);
    EXPECT_EQ(summarize(sweep).verdict, Verdict::Pass);
}

TEST(CrossLoadSummaryTest, aCalibratedVerdictIsJudgedInCorrectedVolts) {
    // The unit's +12 V input reads 2 % high: a supply 6 % low (11.28 V) reads 11.50 V, 4.2 % low.
    const MapRecord sweep = row0Sweep({{128, 101}, {128, 101}, {128, 101}});
    Calibration twoPercentHigh;
    twoPercentHigh.date = QDate(2026, 3, 2);
    twoPercentHigh.due = twoPercentHigh.date.addYears(1);
    twoPercentHigh.inputs[indexOf(Input::Volts12)].gain = 1 / 1.02;
    EXPECT_EQ(summarize(sweep).verdict, Verdict::Pass);
    EXPECT_EQ(summarize(sweep, Calibration{}).verdict, Verdict::Pass);
    const MapSummary calibrated = summarize(sweep, twoPercentHigh);
    EXPECT_GT(calibrated.judged, 0);
    EXPECT_EQ(calibrated.insideBand, 0);
    EXPECT_EQ(calibrated.verdict, Verdict::Fail);
}

TEST(CrossLoadSummaryTest, anEmptyMapSaysSo) {
    EXPECT_EQ(crossLoadSummary({}, {0, 0, 70}, "1").toStdString(),
              "Cross-load map \"1\"\n"
              "Limits: LoadLimit1 0, LoadLimit2 0, PowerLimit 70 (140 W)\n"
              "Cells: 0, judged 0, not judged 0: none\n"
              "Inside the ATX ±5 % band on both +5 V and +12 V (classes 0 to 4): no judged cells\n"
              "Worst +5 V: none\n"
              "Worst +12 V: none\n"
              "Verdict (ATX ±5 %): none\n"); // nothing judged: no verdict
}

class DecimalPointTest : public ::testing::TestWithParam<QLocale::Language> {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(DecimalPointTest, staysAPointWhateverTheLocale) {
    QLocale::setDefault(QLocale(GetParam()));
    ASSERT_EQ(QLocale().decimalPoint(), ","); // the locale would write commas
    EXPECT_EQ(crossLoadCsv(fourCells).toStdString(), fourCellsCsv);
    EXPECT_EQ(crossLoadSummary(fourCells, smallLimits, "psu 1").toStdString(), fourCellsSummary);
}

INSTANTIATE_TEST_SUITE_P(CommaLocales, DecimalPointTest,
                         ::testing::Values(QLocale::German, QLocale::Russian));

TEST(NumberFormTest, signsAsTheSummaryAndTheReportWriteThemAndVerdictNamesReadBack) {
    EXPECT_EQ(signedFixed(0, 2), "+0.00");
    EXPECT_EQ(signedFixed(0.1694, 3), "+0.169");
    EXPECT_EQ(signedFixed(-0.48, 3), "-0.480");
    EXPECT_EQ(signedFixed(-4.0, 2, QChar(0x2212)), QString::fromUtf8("−4.00"));
    EXPECT_EQ(percentOf(1597, 1598), "99.94");
    for (const Verdict v : {Verdict::Pass, Verdict::Fail, Verdict::None, Verdict::Incomplete})
        EXPECT_EQ(verdictNamed(verdictName(v)), v);
    EXPECT_EQ(verdictNamed("PASS"), std::nullopt); // the shown word is not a stored name
    EXPECT_EQ(verdictNamed(""), std::nullopt);
}

TEST(MapFilesTest, dataAndSummaryLieBesideTheBitmap) {
    const MapFiles files = mapFilesBeside("/opt/bench/Graf/may/psu 1.bmp");
    EXPECT_EQ(files.bmp, "/opt/bench/Graf/may/psu 1.bmp");
    EXPECT_EQ(files.csv, "/opt/bench/Graf/may/psu 1.csv");
    EXPECT_EQ(files.txt, "/opt/bench/Graf/may/psu 1.txt");
    EXPECT_EQ(files.pdf, "/opt/bench/Graf/may/psu 1.pdf");
}

} // namespace

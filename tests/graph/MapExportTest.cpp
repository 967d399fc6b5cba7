#include "MapExport.h"
#include "MapSave.h"

#include <QLocale>

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

const char* const fourCellsSummary =
    "Cross-load map \"psu 1\"\n"
    "Limits: LoadLimit1 4, LoadLimit2 6, PowerLimit 255 (510 W)\n"
    "Cells: 4, judged 3 (cell (0, 0) shows the reply to the all-off frame and is not judged)\n"
    "Inside the ATX ±5 % band on both +5 V and +12 V (classes 0 to 4): 0 of 3 judged cells, "
    "0.00 %\n"
    "Worst +5 V: 4.706 V, -0.294 V (-5.88 %), class 5, at row 0, column 1 (+5 V 0.00 A, "
    "+12 V 0.16 A)\n"
    "Worst +12 V: 11.275 V, -0.725 V (-6.04 %), class 6, at row 1, column 0 (+5 V 0.31 A, "
    "+12 V 0.00 A)\n"
    "Verdict (ATX ±5 %): fail\n";

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
    const MapSummary summary = summarize(fourCells);
    EXPECT_EQ(summary.cells, 4);
    EXPECT_EQ(summary.judged, 3);
    EXPECT_EQ(summary.insideBand, 0);
    EXPECT_EQ(summary.worst5, 1u);  // 4.71 V lies further off than 5.22 V
    EXPECT_EQ(summary.worst12, 2u); // cells 2 and 3 read the same

    const MapRecord high{{0, 0, 128, 128, 128, 0, 0}, {0, 1, 170, 140, 128, 6, 2}};
    EXPECT_EQ(summarize(high).worst5, 1u);
    EXPECT_EQ(summarize(high).worst12, 1u);
}

TEST(CrossLoadSummaryTest, cellZeroZeroIsShownButNeitherWorstNorJudged) {
    // The all-off reply reads 0 V on both outputs; every reading of the switched-on supply is in
    // the band.
    const MapRecord sweep{
        {0, 0, 0, 0, 0, 20, 20}, {0, 1, 130, 130, 128, 0, 0}, {1, 0, 126, 127, 128, 0, 0}};
    const MapSummary summary = summarize(sweep);
    EXPECT_EQ(summary.cells, 3);
    EXPECT_EQ(summary.judged, 2);
    EXPECT_TRUE(summary.pass());
    EXPECT_EQ(summary.worst5, 1u); // 5.04 V, not the 0 V of cell (0, 0)
    EXPECT_EQ(summary.worst12, 1u);
    EXPECT_TRUE(crossLoadSummary(sweep, smallLimits, "ok").endsWith("Verdict (ATX ±5 %): pass\n"));

    EXPECT_FALSE(summarize({sweep[0]}).pass()); // nothing judged proves nothing
}

TEST(CrossLoadSummaryTest, anEmptyMapSaysSo) {
    EXPECT_EQ(crossLoadSummary({}, {0, 0, 70}, "1").toStdString(),
              "Cross-load map \"1\"\n"
              "Limits: LoadLimit1 0, LoadLimit2 0, PowerLimit 70 (140 W)\n"
              "Cells: 0, judged 0 (cell (0, 0) shows the reply to the all-off frame and is not "
              "judged)\n"
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

TEST(MapFilesTest, dataAndSummaryLieBesideTheBitmap) {
    const MapFiles files = mapFilesBeside("/opt/bench/Graf/may/psu 1.bmp");
    EXPECT_EQ(files.bmp, "/opt/bench/Graf/may/psu 1.bmp");
    EXPECT_EQ(files.csv, "/opt/bench/Graf/may/psu 1.csv");
    EXPECT_EQ(files.txt, "/opt/bench/Graf/may/psu 1.txt");
    EXPECT_EQ(files.pdf, "/opt/bench/Graf/may/psu 1.pdf");
}

} // namespace

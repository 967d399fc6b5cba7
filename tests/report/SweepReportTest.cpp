// The sweep report's text, as pdftotext reads it off the page.
#include "SweepReport.h"
#include "GrafLayout.h"
#include "MapSummary.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmor;

namespace {

MapCell cell(int row, int column, int b2, int b3) {
    return {static_cast<qint16>(row),
            static_cast<qint16>(column),
            static_cast<quint8>(b2),
            static_cast<quint8>(b3),
            128,
            static_cast<quint8>(deviationClass5(b2)),
            static_cast<quint8>(deviationClass12(b3))};
}

// Cell (0, 0) read with the supply off, as every sweep has it; the rest as given.
FinishedSweep sweepOf(MapRecord cells) {
    FinishedSweep sweep;
    sweep.name = QStringLiteral("psu 7");
    sweep.map = QImage(693, 685, QImage::Format_RGB32);
    sweep.map.fill(Qt::black);
    sweep.record = {cell(0, 0, 0, 0)};
    sweep.record.insert(sweep.record.end(), cells.begin(), cells.end());
    sweep.limits = {2, 4, 70};
    sweep.port = QStringLiteral("/dev/ttyUSB3");
    sweep.finishedAt = QDateTime(QDate(2026, 3, 14), QTime(9, 30));
    return sweep;
}

QString pageText(const FinishedSweep& sweep) {
    QTemporaryDir dir;
    QFile pdf(dir.filePath("report.pdf"));
    if (!pdf.open(QIODevice::WriteOnly) || pdf.write(sweepReportPdf(sweep)) <= 0)
        return QStringLiteral("cannot write the report");
    pdf.close();
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {pdf.fileName(), QStringLiteral("-")});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
        return QStringLiteral("pdftotext failed: ") + reader.errorString();
    // One space between words, whatever the layout put there.
    return QString::fromUtf8(reader.readAllStandardOutput()).simplified();
}

TEST(SweepReportTest, failedSweepNamesItsLimitsVerdictAndWorstCellsButNotTheAllOffCell) {
    const QString text =
        pageText(sweepOf({cell(0, 1, 128, 128), cell(1, 0, 150, 80), cell(1, 1, 134, 133)}));
    EXPECT_TRUE(text.contains("Cross-load test \"psu 7\"")) << text.toStdString();
    EXPECT_TRUE(text.contains("2026-03-14 09:30")) << text.toStdString();
    EXPECT_TRUE(text.contains("Port /dev/ttyUSB3")) << text.toStdString();
    EXPECT_TRUE(text.contains("FAIL")) << text.toStdString();
    EXPECT_FALSE(text.contains("PASS")) << text.toStdString();
    // Cell (0, 1), the reply to the switch-on, is not judged either.
    EXPECT_TRUE(text.contains("1 of 2 judged cells inside the ATX ±5 % band"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("On the map but not judged: 1 answering the all-off frame, 1 read "
                              "before the supply was up, 0 just after a load jump"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Limits: LoadLimit1 2, LoadLimit2 4, PowerLimit 70 (140 W)"))
        << text.toStdString();
    // +5 V: b2 = 150 is 5.176 V; +12 V: b3 = 80 is 11.106 V, both at row 1, column 0.
    EXPECT_TRUE(text.contains("Worst +5 V: 5.176 V, +0.176 V (+3.53 %) at +5 V 0.31 A, +12 V "
                              "0.00 A (row 1, column 0)"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Worst +12 V: 11.106 V, −0.894 V (−7.45 %) at +5 V 0.31 A, "
                              "+12 V 0.00 A (row 1, column 0)"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("+3.3 V seen: 3.303 V to 3.303 V")) << text.toStdString();
}

TEST(SweepReportTest, sweepInsideTheBandPasses) {
    const FinishedSweep sweep = sweepOf({cell(0, 1, 128, 128), cell(1, 0, 133, 122)});
    EXPECT_TRUE(summarize(sweep.record).pass());
    const QString text = pageText(sweep);
    EXPECT_TRUE(text.contains("PASS")) << text.toStdString();
    EXPECT_TRUE(text.contains("1 of 1 judged cells")) << text.toStdString();
    EXPECT_EQ(summarize(sweepOf({}).record).verdict, Verdict::None) << "nothing judged, no verdict";
    EXPECT_TRUE(pageText(sweepOf({})).contains("NO VERDICT no judged cells"));
}

} // namespace

// The session report: its figures per output and its text layer as pdftotext reads it.
#include "SessionReport.h"
#include "Reading.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmor;

namespace {

// Ten seconds at 200 ms: +12 V sags to 11.3 V (outside ±5 %) from 4 s to 6 s under a heavier
// +12 V load, an overload cut at 5 s, the link away from 7 s to 8 s. The first reading answers
// the frame before the switch-on, the second the switch-on itself.
SessionSheet burnIn() {
    SessionSheet session;
    session.id = QStringLiteral("5e551011-aaaa-bbbb-cccc-000000000001");
    session.startedAt = QDateTime(QDate(2026, 3, 14), QTime(9, 30));
    session.host = QStringLiteral("bench-2");
    session.port = QStringLiteral("/dev/ttyUSB0");
    session.endState = QStringLiteral("switched-off");
    for (qint64 ms = 0; ms <= 10000; ms += 200) {
        const bool sag = ms >= 4000 && ms < 6000;
        session.samples.push_back(
            {ms, 5.02, sag ? 11.3 : 12.05, 3.31, 80, sag ? 200 : 120, 20, sag ? 180.0 : 120.0});
    }
    session.marks = {{5000, SessionMark::Kind::OverloadCut},
                     {7000, SessionMark::Kind::LinkLost},
                     {8000, SessionMark::Kind::LinkBack}};
    return session;
}

TEST(SessionReportTest, figuresCountEachJudgedSampleUntilTheNext) {
    const SessionSheet session = burnIn();
    const OutputFigures v12 = outputFigures(session.samples, &SessionSample::volts12, output12);
    EXPECT_DOUBLE_EQ(v12.min, 11.3);
    EXPECT_DOUBLE_EQ(v12.max, 12.05);
    // Not judged: the first two readings, and those at 4.2 s and 6.2 s, each the reply to the
    // frame that moved the +12 V load by 80.
    EXPECT_EQ(v12.judged, 47);
    EXPECT_EQ(v12.msOutside, 1800);
    EXPECT_NEAR(v12.mean, (38 * 12.05 + 9 * 11.3) / 47, 1e-9);
    EXPECT_EQ(outputFigures(session.samples, &SessionSample::volts5, output5).msOutside, 0);
    EXPECT_EQ(outputFigures({}, &SessionSample::volts5, output5).msOutside, 0);
}

TEST(SessionReportTest, aReadingAtAnEndOfTheRangeIsOutsideButNotAveraged) {
    SessionSheet session = burnIn();
    for (SessionSample& s : session.samples)
        if (s.ms >= 4000 && s.ms < 6000)
            s.volts12 = output12.volts(0); // below the unit's range, 9.60 V or less
    const OutputFigures v12 = outputFigures(session.samples, &SessionSample::volts12, output12);
    EXPECT_EQ(v12.judged, 47);
    EXPECT_EQ(v12.averaged, 38);
    EXPECT_NEAR(v12.mean, 12.05, 1e-9);
    EXPECT_EQ(shownVolts(output12, v12.min, 3), "< 9.600");
    EXPECT_EQ(v12.msOutside, 1800);
}

TEST(SessionReportTest, ticksBeforeTheSupplyCameUpAreNotCounted) {
    // The supply reads 0 V for its first 400 ms, then sits at nominal.
    std::vector<SessionSample> samples;
    for (qint64 ms = 0; ms <= 2000; ms += 200) {
        const bool up = ms >= 600;
        samples.push_back({ms, up ? 5.0 : 4.0, up ? 12.0 : 9.6, up ? 3.3 : 2.64, 0, 0, 0, 0});
    }
    const SettledRun settled = settleSession(samples);
    EXPECT_EQ(settled.supplyOff, 1);
    EXPECT_EQ(settled.poweringUp, 3); // 200, 400 and the first power-good reading at 600 ms
    EXPECT_EQ(settled.judged, 7);
    const OutputFigures v12 = outputFigures(samples, &SessionSample::volts12, output12);
    EXPECT_DOUBLE_EQ(v12.min, 12.0);
    EXPECT_EQ(v12.msOutside, 0);
}

TEST(SessionReportTest, pageCarriesTheFiguresAndTheEvents) {
    QTemporaryDir dir;
    QFile pdf(dir.filePath("session.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    ASSERT_GT(pdf.write(sessionReportPdf(burnIn())), 0);
    pdf.close();
    QProcess reader;
    reader.start("pdftotext", {pdf.fileName(), "-"});
    ASSERT_TRUE(reader.waitForFinished(30000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    EXPECT_TRUE(text.contains("Manual session 5e551011")) << text.toStdString();
    EXPECT_TRUE(text.contains("+12 V 11.300 V 12.050 V 11.906 V 0:01")) << text.toStdString();
    EXPECT_TRUE(text.contains("Figures from 47 of 51 readings; not judged: 1 supply off, 1 "
                              "before the supply was up, 2 after a load jump"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Overload cuts: 1 Link losses: 1")) << text.toStdString();
}

} // namespace

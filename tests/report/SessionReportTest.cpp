// The session report: its figures per output and its text layer as pdftotext reads it.
#include "SessionReport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmor;

namespace {

// Ten seconds at 200 ms: +12 V sags to 11.3 V (outside ±5 %) from 4 s to 6 s, an overload cut
// at 5 s, the link away from 7 s to 8 s.
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

TEST(SessionReportTest, figuresCountEachSampleUntilTheNext) {
    const SessionSheet session = burnIn();
    const OutputFigures v12 = outputFigures(session.samples, &SessionSample::volts12, 12);
    EXPECT_DOUBLE_EQ(v12.min, 11.3);
    EXPECT_DOUBLE_EQ(v12.max, 12.05);
    EXPECT_EQ(v12.msOutside, 2000);
    EXPECT_NEAR(v12.mean, (41 * 12.05 + 10 * 11.3) / 51, 1e-9);
    EXPECT_EQ(outputFigures(session.samples, &SessionSample::volts5, 5).msOutside, 0);
    EXPECT_EQ(outputFigures({}, &SessionSample::volts5, 5).msOutside, 0);
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
    EXPECT_TRUE(text.contains("+12 V 11.300 V 12.050 V 11.903 V 0:02")) << text.toStdString();
    EXPECT_TRUE(text.contains("Overload cuts: 1 Link losses: 1")) << text.toStdString();
}

} // namespace

// The hand-over to the graph window and a whole sweep against the simulated unit, through the
// real port and timers.
#include "AnswerPrompt.h"
#include "Bench.h"
#include "MapSummaryText.h"
#include "ProcessMemory.h"
#include "SweepFrames.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QTimer>

namespace velmor::testing {
namespace {

using GraphBenchTest = Bench;

QStringList traceLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// The word after the time stamp: IN, OUT, OPEN, CLOSE, LOST.
QString kind(const QString& traceLine) {
    return traceLine.section(' ', 1, 1);
}

TEST_F(GraphBenchTest, handOverClosesThePortOpensItAgainAndSendsAllOffBeforeUsingAnyReply) {
    const QString trace = dir.filePath("link.trace");
    ASSERT_NO_FATAL_FAILURE(startProgram(trace));
    ASSERT_TRUE(waitForFrames(2));
    const size_t mark = frameCount();
    ASSERT_NO_FATAL_FAILURE(toGraph());
    ASSERT_TRUE(waitForFrames(mark + 1));
    run(300); // the unit answers; the sweep is stopped, so nothing reads the answers
    EXPECT_EQ(framesFrom(mark), std::vector<ControlFrame>{allOffFrame});
    EXPECT_EQ(label(graph(), "Label1")->caption(), "Label1");
    EXPECT_FALSE(button(graph(), "Command5")->isEnabled());

    const QStringList lines = traceLines(trace);
    const qsizetype close = lines.lastIndexOf(QRegularExpression(".* CLOSE$"));
    ASSERT_GE(close, 0) << lines.join('\n').toStdString();
    ASSERT_LT(close + 2, lines.size()) << lines.join('\n').toStdString();
    EXPECT_EQ(kind(lines[close + 1]), "OPEN");
    EXPECT_TRUE(lines[close + 1].endsWith("port 1 9600,N,8,1")) << lines[close + 1].toStdString();
    EXPECT_EQ(lines[close + 2].section(' ', 1), "OUT 00 FF FF FF");
    EXPECT_EQ(lines.size(), close + 3) << "nothing read before the sweep starts";
}

// Each window that goes leaves nothing behind: a hundred and twenty hand-overs, both windows
// shown and painted, cost no memory once the first few have warmed the caches.
TEST_F(GraphBenchTest, handOversLeaveNoMemoryBehind) {
    if (underAddressSanitizer)
        GTEST_SKIP() << "resident memory means nothing under AddressSanitizer";
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ASSERT_TRUE(waitForFrames(1));
    const auto roundTrip = [&] {
        click(manual(), "Command2");
        ASSERT_TRUE(eventually([&] { return !manual() && graph() && graph()->isVisible(); }));
        run(20); // painted
        click(graph(), "Command1");
        ASSERT_TRUE(eventually([&] { return !graph() && manual() && manual()->isVisible(); }));
        run(20);
    };
    for (int i = 0; i < 10; ++i)
        ASSERT_NO_FATAL_FAILURE(roundTrip());
    const long before = residentBytes();
    for (int i = 0; i < 60; ++i)
        ASSERT_NO_FATAL_FAILURE(roundTrip());
    const long after = residentBytes();
    EXPECT_LT(after - before, 1536L * 1024) << "RSS " << before << " -> " << after;
    EXPECT_TRUE(fatal.isEmpty());
}

class SweepBenchTest : public Bench {
protected:
    // The manual window's Limit mode sets the sweep's bounds, then the graph window opens.
    void openGraphWithLimits(int limit1, int limit2, int power) {
        ASSERT_NO_FATAL_FAILURE(startProgram());
        ASSERT_TRUE(waitForFrames(1));
        ASSERT_NO_FATAL_FAILURE(setLimits(limit1, limit2, 70, power));
        ASSERT_NO_FATAL_FAILURE(toGraph());
        ASSERT_TRUE(eventually(
            [&] { return frameCount() > 0 && unit.receivedFrames().back().frame == allOffFrame; }));
        run(150);
        mark = frameCount();
    }

    bool ended() const {
        return label(graph(), "Label1")->caption() == QStringLiteral("ТЕСТ\r\nЗАКОНЧЕН") &&
               button(graph(), "Command5")->isEnabled();
    }

    size_t mark = 0;
};

TEST_F(SweepBenchTest, shortSweepSendsExactlyItsFramesEndsAndSavesItsMap) {
    ASSERT_NO_FATAL_FAILURE(openGraphWithLimits(6, 6, 255));
    click(graph(), "Command3");
    ASSERT_TRUE(eventually([&] { return ended(); }, benchPatienceMs));
    run(300);
    EXPECT_EQ(framesFrom(mark), expectedSweepFrames(6, 6)); // 12 cells, then the end frame
    EXPECT_EQ(framesFrom(mark).size(), 13u);
    EXPECT_EQ(unpaintedCells(*find<ui::PictureBox>(graph(), "Picture1"), 4, 3), 0);

    const QString name = QStringLiteral("e2e-%1").arg(QCoreApplication::applicationPid());
    const QString file = mapsFolder.path + "/" + name + ".bmp";
    QStringList errors;
    graph()->onSaveError([&errors](const QString& message) { errors << message; });
    answerPrompt(name);
    click(graph(), "Command5");
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    const QImage saved(file, "BMP");
    QFile::remove(file);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(
        saved.convertToFormat(QImage::Format_RGB32),
        find<ui::PictureBox>(graph(), "Picture1")->image().convertToFormat(QImage::Format_RGB32));
    // The report names the port the window's guarded port stands for.
    QProcess reader;
    reader.start("pdftotext", {mapsFolder.path + "/" + name + ".pdf", "-"});
    ASSERT_TRUE(reader.waitForFinished(programPatienceMs));
    const QString reportText = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_TRUE(reportText.contains("Port " + linkPath())) << reportText.toStdString();

    // Back to manual mode: the graph window's port closes, the manual window's opens; the
    // next frame is the manual window's, with every load off and the limits at their presets.
    const size_t back = frameCount();
    click(graph(), "Command1");
    ASSERT_TRUE(eventually([&] { return manual() && manual()->isVisible() && !graph(); }));
    EXPECT_TRUE(fatal.isEmpty());
    ASSERT_TRUE(waitForFrames(back + 2));
    EXPECT_EQ(framesFrom(back)[0], allOffFrame);
    EXPECT_EQ(state.loadLimit1, 80);
    EXPECT_EQ(state.powerLimit, 70);
}

TEST_F(SweepBenchTest, aSupplyThatTakes300MsToComeUpPassesWithItsFramesUnchanged) {
    unit.model().setPowerOnMs(300);
    unit.model().setSettleMs(30);
    ASSERT_NO_FATAL_FAILURE(openGraphWithLimits(8, 20, 255));
    click(graph(), "Command3");
    ASSERT_TRUE(eventually([&] { return ended(); }, benchPatienceMs));
    run(300);
    EXPECT_EQ(framesFrom(mark), expectedSweepFrames(8, 20));
    const MapSummary summary = summarize(graph()->mapRecord());
    EXPECT_EQ(summary.cells, 50);
    EXPECT_GE(summary.poweringUp, 3) << "300 ms of 0 V after the switch-on";
    EXPECT_EQ(summary.loadJump, 4); // column 1 of rows 1 to 4
    EXPECT_EQ(summary.verdict, Verdict::Pass)
        << crossLoadSummary(graph()->mapRecord(), {8, 20, 255}, "delayed").toStdString();
    EXPECT_TRUE(fatal.isEmpty());
}

TEST_F(SweepBenchTest, pauseStopsTheTrafficAndStartGoesOnAtTheNextStep) {
    ASSERT_NO_FATAL_FAILURE(openGraphWithLimits(6, 6, 255));
    click(graph(), "Command3");
    ASSERT_TRUE(waitForFrames(mark + 4));
    click(graph(), "Command2");
    run(150); // a frame already on its way may still land
    const size_t paused = frameCount();
    const int step12 = state.load12Step;
    const int step5 = state.load5Step;
    run(800);
    EXPECT_EQ(frameCount(), paused) << "nothing is sent while paused";
    EXPECT_EQ(state.load12Step, step12);
    EXPECT_EQ(state.load5Step, step5);

    click(graph(), "Command3");
    ASSERT_TRUE(eventually([&] { return ended(); }, benchPatienceMs));
    run(300);
    EXPECT_EQ(framesFrom(mark), expectedSweepFrames(6, 6)) << "no step twice, none left out";
}

TEST_F(SweepBenchTest, resetSendsAllOffStopsTheSweepAndClearsTheMap) {
    ASSERT_NO_FATAL_FAILURE(openGraphWithLimits(80, 80, 70));
    click(graph(), "Command3");
    ASSERT_TRUE(waitForFrames(mark + 5));
    click(graph(), "Command4");
    ASSERT_TRUE(eventually([&] { return unit.receivedFrames().back().frame == allOffFrame; }));
    run(100);
    const size_t afterReset = frameCount();
    run(600);
    EXPECT_EQ(frameCount(), afterReset);
    EXPECT_EQ(state.load12Step, 0);
    EXPECT_EQ(state.load5Step, 0);
    EXPECT_EQ(state.graphSupplyOn, 0);
    EXPECT_EQ(unpaintedCells(*find<ui::PictureBox>(graph(), "Picture1"), 1, 1), 1)
        << "cell (0, 0) is blank again";
    EXPECT_FALSE(button(graph(), "Command5")->isEnabled());

    click(graph(), "Command3"); // a fresh sweep from the first cell
    ASSERT_TRUE(waitForFrames(afterReset + 2));
    EXPECT_EQ(framesFrom(afterReset)[0], (ControlFrame{1, 255, 253, 255}));
    click(graph(), "Command2");
}

} // namespace
} // namespace velmor::testing

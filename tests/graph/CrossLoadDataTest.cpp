#include "AnswerPrompt.h"
#include "GrafWindow.h"

#include "Conversions.h"
#include "Deviation.h"
#include "FileContents.h"
#include "Sweep.h"
#include "Twips.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cmath>

using namespace velmor;
using namespace velmor::testing;

namespace {

// Replies whose classes differ from cell to cell: (b2, b3, b4).
const int replies[][3] = {
    {128, 128, 128}, {121, 140, 100}, {143, 96, 130}, {150, 95, 90},   {155, 89, 128},
    {90, 128, 200},  {80, 122, 128},  {128, 133, 60}, {134, 200, 128}, {128, 128, 128},
};

// What the sweep logic says a painting tick put where.
struct PaintedTick {
    int row = 0;
    int column = 0;
    ReplyFrame reply;
    SweepTick tick;
};

// A sweep of 3 x 3 cells (LoadLimit1 4, LoadLimit2 6) on a scripted port, each tick
// checked against the pure sweep on the same state and reply.
class CrossLoadDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(w.form->load());
        w.form->onSaveError([this](const QString& message) { errors << message; });
        w.button("Command3")->click();
        for (const auto& r : replies) {
            if (w.button("Command5")->isEnabled())
                break;
            const ReplyFrame reply{0, static_cast<quint8>(r[0]), static_cast<quint8>(r[1]),
                                   static_cast<quint8>(r[2])};
            const SweepTick expected = sweepStep(w.state, w.state, reply);
            if (expected.outcome == SweepTick::Outcome::Painted)
                painted.push_back( // the tick advanced the column after painting
                    {expected.load5Step, expected.load12Step - 1, reply, expected});
            w.port->queueReply(bytes({0, r[0], r[1], r[2]}));
            w.form->tick();
        }
        ASSERT_TRUE(w.button("Command5")->isEnabled()) << "the sweep ends within the replies";
        ASSERT_EQ(painted.size(), 9u);
    }

    void TearDown() override {
        for (const char* extension : {".bmp", ".csv", ".txt", ".pdf"})
            QFile::remove(stem + extension);
    }

    void save() {
        answerPrompt(name);
        w.button("Command5")->click();
    }

    GrafWindow w{4, 6, 255};
    std::vector<PaintedTick> painted;
    QStringList errors;
    const QString name = QStringLiteral("cross-load-%1").arg(QCoreApplication::applicationPid());
    QString grafFolder() const { return w.mapsFolder.path; }
    const QString stem = grafFolder() + "/" + name;
};

TEST_F(CrossLoadDataTest, recordHoldsEveryPaintedCellAsTheMapShowsIt) {
    const MapRecord& record = w.form->mapRecord();
    ASSERT_EQ(record.size(), painted.size());
    for (std::size_t i = 0; i < record.size(); ++i) {
        const MapCell& cell = record[i];
        const SweepTick& tick = painted[i].tick;
        EXPECT_EQ(cellBox(cell.column, cell.row), tick.cell) << "cell " << i;
        EXPECT_EQ(classColour(cellClass(cell.k5, cell.k12)), tick.cellColour) << "cell " << i;
        EXPECT_EQ(cell.b2, painted[i].reply.b2);
        EXPECT_EQ(cell.b3, painted[i].reply.b3);
        EXPECT_EQ(cell.b4, painted[i].reply.b4);
        const QColor shown = w.picture1()->image().pixelColor(
            velmor::toPixels((tick.cell.x1 + tick.cell.x2) / 2, (tick.cell.y1 + tick.cell.y2) / 2));
        EXPECT_EQ(ui::rgb(shown.red(), shown.green(), shown.blue()), tick.cellColour);
    }
}

TEST_F(CrossLoadDataTest, saveWritesTheDataAndSummaryBesideTheMap) {
    save();
    ASSERT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_FALSE(QImage(stem + ".bmp", "BMP").isNull());

    const QList<QByteArray> lines = fileContents(stem + ".csv").split('\n');
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(painted.size()) + 2); // header, rows, ""
    EXPECT_EQ(lines.front().toStdString(),
              "row,column,load5_setting,load12_setting,current5_A,current12_A,b2,b3,b4,"
              "volts5_V,volts12_V,volts33_V,k5,k12,cell_class");
    EXPECT_TRUE(lines.back().isEmpty());
    for (std::size_t i = 0; i < painted.size(); ++i) {
        const QList<QByteArray> f = lines[static_cast<qsizetype>(i) + 1].split(',');
        ASSERT_EQ(f.size(), 15) << lines[static_cast<qsizetype>(i) + 1].toStdString();
        const ReplyFrame& reply = painted[i].reply;
        const int column = f[1].toInt();
        const int row = f[0].toInt();
        EXPECT_EQ(cellBox(column, row), painted[i].tick.cell) << "line " << i + 1;
        EXPECT_EQ(f[2].toInt(), 2 * row);
        EXPECT_EQ(f[3].toInt(), 2 * column);
        EXPECT_EQ(f[4].toDouble(), row * 40 / 128.0);
        EXPECT_EQ(f[5].toDouble(), column * 21 / 128.0);
        EXPECT_EQ(f[6].toInt(), reply.b2);
        EXPECT_EQ(f[7].toInt(), reply.b3);
        EXPECT_EQ(f[8].toInt(), reply.b4);
        EXPECT_NEAR(f[9].toDouble(), volts5Graph(reply.b2), 0.00005);
        EXPECT_NEAR(f[10].toDouble(), volts12(reply.b3), 0.00005);
        EXPECT_NEAR(f[11].toDouble(), volts33(reply.b4), 0.00005);
        EXPECT_EQ(f[12].toInt(), deviationClass5(reply.b2));
        EXPECT_EQ(f[13].toInt(), deviationClass12(reply.b3));
        EXPECT_EQ(classColour(f[14].toInt()), painted[i].tick.cellColour);
    }

    // The summary, worked out here from the ticks alone. Not judged: cell (0, 0), the reply to the
    // all-off frame; cell (0, 1), the reply to the switch-on; column 1 of rows 1 and 2, each the
    // reply to the load jump of a row wrap (+12 V from setting 6 back to 2).
    ASSERT_EQ(painted[0].row + painted[0].column, 0);
    int inside = 0;
    std::size_t worst5 = 2;
    std::size_t worst12 = 2;
    for (std::size_t i = 2; i < painted.size(); ++i) {
        if (painted[i].row > 0 && painted[i].column == 1)
            continue;
        const ReplyFrame& r = painted[i].reply;
        inside += deviationClass5(r.b2) <= 4 && deviationClass12(r.b3) <= 4 ? 1 : 0;
        if (std::abs(volts5Graph(r.b2) - 5) > std::abs(volts5Graph(painted[worst5].reply.b2) - 5))
            worst5 = i;
        if (std::abs(volts12(r.b3) - 12) > std::abs(volts12(painted[worst12].reply.b3) - 12))
            worst12 = i;
    }
    const QStringList summary = QString::fromUtf8(fileContents(stem + ".txt")).split('\n');
    ASSERT_GE(summary.size(), 6) << summary.join('\n').toStdString();
    EXPECT_EQ(summary[1], "Limits: LoadLimit1 4, LoadLimit2 6, PowerLimit 255 (510 W)");
    EXPECT_EQ(summary[2], "Cells: 9, judged 5, not judged 4: 1 answers the all-off frame, 1 "
                          "before the supply was up, 2 just after a load jump");
    EXPECT_TRUE(summary[3].endsWith(QStringLiteral(": %1 of 5 judged cells, %2 %")
                                        .arg(inside)
                                        .arg(inside * 100.0 / 5, 0, 'f', 2)))
        << summary[3].toStdString();
    const auto at = [&](std::size_t i) {
        return QStringLiteral(", at row %1, column %2 (")
            .arg(painted[i].row)
            .arg(painted[i].column);
    };
    EXPECT_TRUE(summary[4].startsWith(
        "Worst +5 V: " + QString::number(volts5Graph(painted[worst5].reply.b2), 'f', 3) + " V"))
        << summary[4].toStdString();
    EXPECT_TRUE(summary[4].contains(at(worst5))) << summary[4].toStdString();
    EXPECT_TRUE(summary[5].startsWith(
        "Worst +12 V: " + QString::number(volts12(painted[worst12].reply.b3), 'f', 3) + " V"))
        << summary[5].toStdString();
    EXPECT_TRUE(summary[5].contains(at(worst12))) << summary[5].toStdString();
}

TEST_F(CrossLoadDataTest, aFileThatCannotBeWrittenLeavesAllEarlierFilesAsTheyWere) {
    for (const char* extension : {".bmp", ".txt"}) {
        QFile earlier(stem + extension);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier file");
    }
    ASSERT_TRUE(QDir().mkdir(stem + ".csv")); // the data cannot go where a folder stands
    const QStringList before = QDir(grafFolder()).entryList(QDir::AllEntries | QDir::Hidden);
    save();
    EXPECT_EQ(QDir(grafFolder()).entryList(QDir::AllEntries | QDir::Hidden), before)
        << "no temporary file is left behind";
    QDir().rmdir(stem + ".csv");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().startsWith("Не удаётся сохранить " + stem + ".csv: "))
        << errors.first().toStdString();
    EXPECT_EQ(fileContents(stem + ".bmp"), "an earlier file");
    EXPECT_EQ(fileContents(stem + ".txt"), "an earlier file");
}

TEST_F(CrossLoadDataTest, resetClearsTheRecordWithTheMap) {
    w.button("Command4")->click();
    EXPECT_TRUE(w.form->mapRecord().empty());
    w.button("Command3")->click();
    w.port->queueReply(bytes({0, 150, 95, 128}));
    w.form->tick();
    ASSERT_EQ(w.form->mapRecord().size(), 1u);
    EXPECT_EQ(w.form->mapRecord().front(), (MapCell{0, 0, 150, 95, 128, 3, 5}));
}

} // namespace

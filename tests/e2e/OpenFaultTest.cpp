// Port 1 that cannot be opened: at start-up and during a window hand-over the program tells
// the operator why and ends with a failure status; it never hangs.
#include "Bench.h"
#include "Form1Layout.h"
#include "GrafLayout.h"
#include "LineSettings.h"
#include "OnDisplay.h"
#include "QtSerialPort.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <functional>

namespace velmor::testing {
namespace {

struct Outcome {
    bool ended = false;
    int exitCode = -1;
    QString told;
};

Outcome runProgram(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(programPath(), arguments);
    Outcome outcome;
    outcome.ended = finishes(process);
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.told = QString::fromLocal8Bit(process.readAllStandardError());
    return outcome;
}

using StartupFaultTest = Bench;

TEST_F(StartupFaultTest, missingDeviceIsReportedAndEndsTheProgram) {
    const QString absent = dir.filePath("ttyUSB7");
    const Outcome run = runProgram({"--port", absent});
    ASSERT_TRUE(run.ended) << "still running after " << programPatienceMs << " ms";
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.told.contains(absent)) << run.told.toStdString();
    // The program speaks Russian, Qt's reasons included.
    EXPECT_TRUE(run.told.contains("Не удаётся открыть последовательный порт " + absent +
                                  ": Файл или каталог не существует"))
        << run.told.toStdString();
}

TEST_F(StartupFaultTest, fileThatIsNoSerialDeviceIsReportedAndEndsTheProgram) {
    const QString plain = dir.filePath("not-a-tty");
    {
        QFile file(plain);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("plain file");
    }
    const Outcome run = runProgram({"--port", plain});
    ASSERT_TRUE(run.ended) << "still running after " << programPatienceMs << " ms";
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.told.contains(plain)) << run.told.toStdString();
}

TEST_F(StartupFaultTest, deviceHeldByAnotherProgramIsReportedAndEndsTheProgram) {
    ASSERT_FALSE(unit.start(linkPath()));
    QtSerialPort holder(linkPath()); // the other program
    const auto held = holder.open(unitPortNumber, unitLineSettings);
    ASSERT_FALSE(held) << held->toStdString();

    const Outcome run = runProgram({"--port", linkPath()});
    ASSERT_TRUE(run.ended) << "still running after " << programPatienceMs << " ms";
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.told.contains(linkPath())) << run.told.toStdString();
    EXPECT_TRUE(run.told.contains("Возможно, порт занят другой программой"))
        << run.told.toStdString();
    EXPECT_TRUE(unit.receivedFrames().empty());
}

// In this process, with the real ports: the hand-over reaches its failure report with the
// window's caption and the device's error, and leaves no window behind.
using HandOverTest = Bench;

TEST_F(HandOverTest, toTheGraphWindowWithTheDeviceGoneIsFatal) {
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ASSERT_TRUE(waitForFrames(1));
    ::testing::internal::CaptureStderr();
    unit.dropLink(60000);
    QPointer<Form1> left = manual();
    click(manual(), "Command2");
    ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(fatal.size(), 2);
    EXPECT_EQ(fatal[0], "Grafik");
    EXPECT_TRUE(fatal[1].contains(linkPath())) << fatal[1].toStdString();
    EXPECT_TRUE(fatal[1].contains("No such file or directory")) << fatal[1].toStdString();
    ASSERT_TRUE(eventually([&] { return left.isNull(); }));
    EXPECT_FALSE(manual());
    EXPECT_FALSE(graph());
}

TEST_F(HandOverTest, backToTheManualWindowWithTheDeviceHeldElsewhereIsFatal) {
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ASSERT_TRUE(waitForFrames(1));
    ASSERT_NO_FATAL_FAILURE(toGraph());
    // The adapter goes and comes back, and another program takes it before this one does: the
    // graph window is stopped, so it does not try to open it again on its own.
    ::testing::internal::CaptureStderr();
    unit.dropLink(100);
    ASSERT_TRUE(eventually([&] { return !unit.isLinkUp(); }));
    ASSERT_TRUE(eventually([&] { return unit.isLinkUp(); }));
    QtSerialPort holder(linkPath());
    ASSERT_TRUE(eventually([&] { return !holder.open(unitPortNumber, unitLineSettings); }));

    QPointer<FormGraf> left = graph();
    click(graph(), "Command1");
    ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(fatal.size(), 2);
    EXPECT_EQ(fatal[0], "Velmor test");
    EXPECT_TRUE(fatal[1].contains(linkPath())) << fatal[1].toStdString();
    EXPECT_TRUE(fatal[1].contains("Возможно, порт занят другой программой"))
        << fatal[1].toStdString();
    ASSERT_TRUE(eventually([&] { return left.isNull(); }));
    EXPECT_FALSE(manual());
    EXPECT_FALSE(graph());
}

// The program itself on a virtual X display, clicked as the operator clicks it.
class ProgramOnDisplayTest : public OnDisplay {
protected:
    // Clicks the button until its effect shows. A click that comes while a window just shown
    // is still settling can be lost, on a loaded machine, as an operator's can; a click that
    // was taken leaves the button gone with its window, so a second one reaches nothing.
    bool clickUntil(const QString& windowId, const velmor::TwipsRect& place,
                    const std::function<bool()>& effect) {
        const QPoint centre =
            velmor::toPixels(place.left + place.width / 2, place.top + place.height / 2);
        for (int attempt = 0; attempt < 3; ++attempt) {
            xdotool({"mousemove", "--window", windowId, QString::number(centre.x()),
                     QString::number(centre.y()), "click", "1"});
            if (eventually(effect, programPatienceMs / 3))
                return true;
        }
        return false;
    }

    // The failure report is up, or the program has already ended.
    bool reported(const QString& boxTitle) {
        return program.state() == QProcess::NotRunning || visible("^" + boxTitle + "$");
    }

    void startTheProgram() {
        ASSERT_FALSE(unit.start(linkPath()));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(env);
        program.start(programPath(), {"--port", linkPath()});
        ASSERT_TRUE(program.waitForStarted(programPatienceMs));
        manualId = window("^Velmor test$");
        ASSERT_FALSE(manualId.isEmpty())
            << "the manual window did not appear; the program "
            << (program.state() == QProcess::NotRunning ? "ended" : "runs")
            << " and said: " << program.readAllStandardError().toStdString();
        ASSERT_TRUE(waitForFrames(1));
    }

    // The error box is up, names the device and why; dismissed, the program ends with 1.
    void expectReportedAndEnded(const QString& boxTitle, const char* reason) {
        const QString box = window("^" + boxTitle + "$");
        ASSERT_FALSE(box.isEmpty())
            << "no message box; the program said: " << program.readAllStandardError().toStdString();
        ASSERT_EQ(program.state(), QProcess::Running) << "ended before the operator saw why";
        xdotool({"key", "--window", box, "Return"});
        ASSERT_TRUE(finishes(program)) << "the program did not end";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 1);
        const QString told = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_TRUE(
            told.contains(boxTitle + ": Не удаётся открыть последовательный порт " + linkPath()))
            << told.toStdString();
        EXPECT_TRUE(told.contains(reason)) << told.toStdString();
    }

    // Where a button sits; the two windows reuse the names.
    static velmor::TwipsRect manualPlace(const char* name) {
        for (const ControlRow& row : form1Layout())
            if (row.name == QLatin1String(name))
                return row.place;
        return {};
    }
    static velmor::TwipsRect graphPlace(const char* name) {
        for (const GrafPlace& p : grafLayout)
            if (QLatin1String(p.name) == QLatin1String(name))
                return p.place;
        return {};
    }

    QString manualId;
};

TEST_F(ProgramOnDisplayTest, deviceGoneBeforeTheGraphWindowOpensEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(startTheProgram());
    unit.dropLink(60000);
    ASSERT_TRUE(clickUntil(manualId, manualPlace("Command2"), // "График    КНХ"
                           [&] { return reported("Grafik"); }));
    expectReportedAndEnded("Grafik", "Файл или каталог не существует");
}

TEST_F(ProgramOnDisplayTest, deviceGoneBeforeTheManualWindowOpensAgainEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(startTheProgram());
    const size_t before = frameCount();
    ASSERT_TRUE(clickUntil(manualId, manualPlace("Command2"), [&] { return visible("^Grafik$"); }));
    const QString graphId = window("^Grafik$");
    ASSERT_FALSE(graphId.isEmpty()) << "the graph window did not appear";
    ASSERT_TRUE(eventually([&] {
        return frameCount() > before && unit.receivedFrames().back().frame == allOffFrame;
    }));
    unit.dropLink(60000);
    ASSERT_TRUE(clickUntil(graphId, graphPlace("Command1"), // "Ручной режим"
                           [&] { return reported("Velmor test"); }));
    expectReportedAndEnded("Velmor test", "Файл или каталог не существует");
}

} // namespace
} // namespace velmor::testing

// The operator's station: a serial scanned into the program on a display runs the plan to a
// verdict with the unit switched off at both ends; in this process, a station run sends the
// frames a headless plan run sends, and its verdict says what decided it.
#include "CalibrationDialog.h"
#include "Calibrations.h"
#include "Language.h"
#include "ModelsFile.h"
#include "OnDisplay.h"
#include "OpenStore.h"
#include "Plan.h"
#include "PlanRun.h"
#include "QtSerialPort.h"
#include "Recorder.h"
#include "Schema.h"
#include "StationCalibration.h"
#include "StationGolden.h"
#include "StationWindow.h"
#include "StoreAddress.h"
#include "StoreChoice.h"
#include "StoreWrite.h"
#include "TestRun.h"
#include "UnitIdentity.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSysInfo>

namespace velmor::testing {
namespace {

// A few seconds of the quick plan's checks; the profile given decides the verdict.
QString writePlan(const QTemporaryDir& dir, const char* name, const char* profile) {
    const QString path = dir.filePath(QString::fromLatin1(name) + ".toml");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QByteArray("[supply]\nwatts = 220\na5 = 15\na12 = 8\na33 = 10\n\n[profile]\n") +
               profile +
               "\n\n[[step]]\nkind = \"points\"\nname = \"power-on\"\ndwell = 2\n"
               "points = [{ percent = 10 }]\n\n"
               "[[step]]\nkind = \"points\"\nname = \"rows\"\ndwell = 1.5\n"
               "points = [{ percent = 50 }, { percent = 100 }]\n");
    return path;
}

const char* const passing = "name = \"atx3\"\nguard = 1.0";
const char* const tight = "out5 = [-0.3, 0.3]\nout12 = [-0.3, 0.3]\nout33 = [-0.3, 0.3]";

// The frames in order, each change once: how long a frame is held depends on the machine.
std::vector<ControlFrame> changes(const std::vector<ControlFrame>& frames) {
    std::vector<ControlFrame> changed;
    for (const ControlFrame& f : frames)
        if (changed.empty() || !(changed.back() == f))
            changed.push_back(f);
    return changed;
}

// station.conf in this process's config folder, beside the models file.
QString stationConf() {
    return QFileInfo(results::configFilePath()).path() + "/station.conf";
}

bool writeFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(text) == text.size();
}

// A calibration of this bench kept in the store `monthsAgo` months ago, due a year after.
bool keptCalibration(const results::StoreAddress& store, int monthsAgo) {
    results::CalibrationRecord record;
    record.madeAt = QDateTime::currentDateTimeUtc().addMonths(-monthsAgo);
    record.calibration.date = record.madeAt.date();
    record.calibration.due = record.calibration.date.addMonths(12);
    record.port = "/dev/ttyUSB0";
    return !results::keepCalibration(store, record);
}

// The records kept in the store, its schema prepared first.
void storeAll(const results::StoreAddress& store, const std::vector<results::Record>& records) {
    const QString name = QStringLiteral("station-records");
    {
        auto opened = results::openStore(store, name);
        ASSERT_TRUE(std::holds_alternative<QSqlDatabase>(opened));
        QSqlDatabase db = std::get<QSqlDatabase>(opened);
        ASSERT_EQ(results::prepareSchema(db), std::nullopt);
        ASSERT_FALSE(results::storeRecords(db, records));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

using StationOnDisplayTest = OnDisplay;

TEST_F(StationOnDisplayTest, aScannedSerialRunsThePlanToItsVerdictBetweenTwoAllOffFrames) {
    const QString plan = writePlan(dir, "short", passing);
    const QString trace = dir.filePath("station.trace");
    ASSERT_FALSE(unit.start(linkPath()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(env);
    const QString store = dir.filePath("results.sqlite");
    program.start(programPath(), {"--station", "--plan", plan, "--port", linkPath(), "--trace",
                                  trace, "--results", "sqlite:" + store});
    ASSERT_TRUE(program.waitForStarted(programPatienceMs));
    const QString id = window("станция");
    ASSERT_FALSE(id.isEmpty()) << program.readAllStandardError().toStdString();
    EXPECT_EQ(frameCount(), 0u) << "nothing is sent before a unit is scanned";

    // A scanner is a keyboard: the serial's keys, then Enter, into the field that has the focus.
    QString told;
    for (int attempt = 0; attempt < 3 && frameCount() == 0; ++attempt) {
        xdotool({"type", "--window", id, "SN-0042"});
        xdotool({"key", "--window", id, "Return"});
        waitForFrames(1, programPatienceMs / 3);
    }
    ASSERT_TRUE(eventually(
        [&] {
            told += QString::fromLocal8Bit(program.readAllStandardError());
            return told.contains("станция: SN-0042: ");
        },
        programPatienceMs))
        << told.toStdString();
    EXPECT_TRUE(told.contains("станция: SN-0042: pass")) << told.toStdString();
    EXPECT_EQ(program.state(), QProcess::Running) << "the station waits for the next unit";
    run(300);

    const auto frames = framesFrom(0);
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames.front(), allOffFrame);
    EXPECT_EQ(frames.back(), allOffFrame);
    QFile file(trace);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList out =
        QString::fromUtf8(file.readAll()).split('\n').filter(QRegularExpression(" OUT "));
    ASSERT_FALSE(out.isEmpty());
    EXPECT_TRUE(out.first().endsWith("OUT 00 FF FF FF")) << out.first().toStdString();
    EXPECT_TRUE(out.last().endsWith("OUT 00 FF FF FF")) << out.last().toStdString();

    // The run's record, written while the station waits for the next unit.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "station-record");
        db.setDatabaseName(store);
        ASSERT_TRUE(db.open());
        QString record;
        eventually(
            [&] {
                QSqlQuery query(db);
                query.exec("SELECT unit_serial, plan_name, outcome, end_state FROM runs");
                record = query.next()
                             ? QStringList{query.value(0).toString(), query.value(1).toString(),
                                           query.value(2).toString(), query.value(3).toString()}
                                   .join(' ')
                             : QString();
                return !record.isEmpty() && !record.endsWith(' ');
            },
            programPatienceMs);
        EXPECT_EQ(record, "SN-0042 short pass completed");
        db.close();
    }
    QSqlDatabase::removeDatabase("station-record");
}

// Each case reads and writes a config folder of its own (station.conf, the models file), so a
// case leaves nothing behind for the next one in the same process.
class StationRunTest : public Bench {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        sharedConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    }
    void TearDown() override {
        Bench::TearDown();
        qputenv("XDG_CONFIG_HOME", sharedConfig_);
    }

private:
    QByteArray sharedConfig_;
};

TEST_F(StationRunTest, aStationRunSendsTheFramesOfAHeadlessPlanRun) {
    const QString file = writePlan(dir, "short", passing);
    ASSERT_FALSE(unit.start(linkPath()));
    auto wired = Program::wire({linkPath(), {}, QStringLiteral("off"), {}});
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Program>>(wired));
    program = std::move(std::get<0>(wired));
    auto read = readPlan(file);
    ASSERT_TRUE(std::holds_alternative<Plan>(read))
        << std::get<PlanError>(read).text().toStdString();

    PlanRun headless(std::get<Plan>(read), {QStringLiteral("SN-1"), {}, {}});
    TestRun engine(headless, program->makePort(), 30, &headless);
    QSignalSpy ended(&engine, &TestRun::finished);
    ASSERT_FALSE(engine.start());
    ASSERT_TRUE(eventually([&] { return !ended.isEmpty(); }, programPatienceMs));
    const std::vector<ControlFrame> headlessFrames = framesFrom(0);
    ASSERT_EQ(headless.outcome(), velmor::Outcome::Pass);

    const size_t before = frameCount();
    StationWindow station(program->makePort(), file, mapsFolder);
    QSignalSpy finished(&station, &StationWindow::runFinished);
    station.show();
    auto* serial = station.findChild<QLineEdit*>(QStringLiteral("serial"));
    ASSERT_TRUE(serial);
    QTest::keyClicks(serial, QStringLiteral("SN-2"));
    QTest::keyClick(serial, Qt::Key_Return);
    ASSERT_TRUE(eventually([&] { return !finished.isEmpty(); }, programPatienceMs));
    run(200);
    EXPECT_EQ(finished.first().at(1).value<velmor::Outcome>(), velmor::Outcome::Pass);
    EXPECT_EQ(changes(framesFrom(before)), changes(headlessFrames));
    EXPECT_TRUE(serial->text().isEmpty()) << "cleared for the next unit";
}

// The end of a station run, in large type and its note, as the station shows it.
QString verdictShown(const PortFactory& port, const QString& plan, const MapsFolder& reports) {
    StationWindow station(port, plan, reports);
    station.show();
    auto* serial = station.findChild<QLineEdit*>(QStringLiteral("serial"));
    auto* outcome = station.findChild<QLabel*>(QStringLiteral("outcome"));
    QTest::keyClicks(serial, QStringLiteral("SN-3"));
    QTest::keyClick(serial, Qt::Key_Return);
    eventually([&] { return !station.running() && !outcome->text().isEmpty(); }, programPatienceMs);
    return outcome->text() + '\n' + station.findChild<QLabel*>(QStringLiteral("note"))->text();
}

// A supply that shuts down and one that never powers on fail with what decided it; a port that
// does not open is the bench's error, with its reason, and no verdict on the unit.
TEST_F(StationRunTest, theVerdictSaysWhatDecidedItAndTellsTheBenchsFaultApart) {
    velmor::useProgramTexts(*qApp, velmor::Language::Russian, true);
    ASSERT_FALSE(unit.start(linkPath()));
    auto wired = Program::wire({linkPath(), {}, QStringLiteral("off"), {}});
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Program>>(wired));
    program = std::move(std::get<0>(wired));
    const QString plan = writePlan(dir, "short", passing);

    unit.model().setOverPowerWatts(150); // the rows' 100 % draws 204 W
    const QString shutDown = verdictShown(program->makePort(), plan, mapsFolder);
    // In the window's language, units and all.
    EXPECT_TRUE(QRegularExpression(R"(^НЕ ГОДЕН\nШаг «rows»: БП отключился в P2 \(\+5 В 15\.1 А, )"
                                   R"(\+12 В 8\.0 А, \+3,3 В 10\.\d А, 20\d Вт\)\n)")
                    .match(shutDown)
                    .hasMatch())
        << shutDown.toStdString();
    unit.model().setOverPowerWatts(sim::SupplyModel::defaultOverPowerWatts);

    unit.model().setPowerOnMs(60'000);
    const QString dead = verdictShown(program->makePort(), plan, mapsFolder);
    EXPECT_TRUE(dead.startsWith("НЕ ГОДЕН\nШаг «power-on»: не включился\n")) << dead.toStdString();

    const QString noPort = verdictShown(
        [] { return std::make_unique<QtSerialPort>(QStringLiteral("/dev/velmor-no-such-port")); },
        plan, mapsFolder);
    EXPECT_TRUE(noPort.startsWith("ОШИБКА СТЕНДА\n")) << noPort.toStdString();
    EXPECT_GT(noPort.trimmed().size(), QStringLiteral("ОШИБКА СТЕНДА").size()) << "with its reason";
}

// A unit that passed this plan waits, warned, for a second Enter; Esc clears it instead. The
// store's earlier pass is looked up off the window's thread.
TEST_F(StationRunTest, aUnitThatPassedThePlanIsWarnedAndRunsOnlyOnASecondEnter) {
    const QString file = writePlan(dir, "short", passing);
    auto read = readPlan(file);
    ASSERT_TRUE(std::holds_alternative<Plan>(read));
    const auto store = std::get<results::StoreAddress>(
        results::parseResultsUrl("sqlite:" + dir.filePath("results.sqlite")));
    {
        std::vector<results::Record> records;
        results::Recorder recorder([&](results::Record r) { records.push_back(std::move(r)); },
                                   "/dev/ttyUSB0");
        recorder.runStarted(std::get<Plan>(read), {"PSU-X", {}, {}});
        recorder.runEnded(velmor::Outcome::Pass, RunEnd::Completed);
        ASSERT_NO_FATAL_FAILURE(storeAll(store, records));
    }
    ASSERT_FALSE(unit.start(linkPath()));
    auto wired = Program::wire({linkPath(), {}, QStringLiteral("off"), {}});
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Program>>(wired));
    program = std::move(std::get<0>(wired));

    StationWindow station(program->makePort(), file, mapsFolder, nullptr, store);
    QSignalSpy finished(&station, &StationWindow::runFinished);
    station.show();
    station.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&station));
    auto* serial = station.findChild<QLineEdit*>(QStringLiteral("serial"));
    auto* outcome = station.findChild<QLabel*>(QStringLiteral("outcome"));
    ASSERT_TRUE(serial && outcome);
    // A serial longer than the command line takes is refused, and nothing is sent.
    QTest::keyClicks(serial, QString(maxIdentityLength + 1, QLatin1Char('7')));
    QTest::keyClick(serial, Qt::Key_Return);
    EXPECT_EQ(outcome->text(), "ОШИБКА");
    EXPECT_TRUE(serial->text().isEmpty());
    const auto warned = [&] {
        QTest::keyClicks(serial, QStringLiteral("PSU-X"));
        QTest::keyClick(serial, Qt::Key_Return);
        return eventually([&] { return outcome->text() == "ПОВТОР"; }, programPatienceMs);
    };
    ASSERT_TRUE(warned());
    run(300);
    EXPECT_EQ(frameCount(), 0u) << "nothing is sent before the second Enter";
    EXPECT_FALSE(station.running());
    QTest::keyClick(serial, Qt::Key_Escape);
    EXPECT_TRUE(serial->text().isEmpty());
    EXPECT_TRUE(outcome->text().isEmpty());
    EXPECT_EQ(frameCount(), 0u);

    ASSERT_TRUE(warned());
    QTest::keyClick(serial, Qt::Key_Return);
    ASSERT_TRUE(eventually([&] { return !finished.isEmpty(); }, programPatienceMs));
    EXPECT_EQ(finished.first().at(0).toString(), "PSU-X");
    EXPECT_GT(frameCount(), 0u);
    // A unit with no pass of this plan runs at its first Enter.
    QTest::keyClicks(serial, QStringLiteral("PSU-Y"));
    QTest::keyClick(serial, Qt::Key_Return);
    ASSERT_TRUE(eventually([&] { return finished.size() == 2; }, programPatienceMs));
    EXPECT_EQ(finished.last().at(0).toString(), "PSU-Y");
}

// Under station.conf's calibration = "refuse" an overdue calibration blocks every unit, says what
// to do, and nothing is sent.
TEST_F(StationRunTest, anOverdueCalibrationWithRefuseBlocksTheStation) {
    const auto store = std::get<results::StoreAddress>(
        results::parseResultsUrl("sqlite:" + dir.filePath("results.sqlite")));
    ASSERT_TRUE(keptCalibration(store, 14));
    ASSERT_TRUE(writeFile(stationConf(), "calibration = \"refuse\"\n"));
    ASSERT_FALSE(unit.start(linkPath()));
    auto wired = Program::wire({linkPath(), {}, QStringLiteral("off"), {}});
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Program>>(wired));
    program = std::move(std::get<0>(wired));

    StationWindow station(program->makePort(), writePlan(dir, "short", passing), mapsFolder,
                          nullptr, store);
    station.show();
    auto* serial = station.findChild<QLineEdit*>(QStringLiteral("serial"));
    auto* outcome = station.findChild<QLabel*>(QStringLiteral("outcome"));
    auto* note = station.findChild<QLabel*>(QStringLiteral("note"));
    auto* calibration = station.findChild<QLabel*>(QStringLiteral("calibration"));
    ASSERT_TRUE(serial && outcome && note && calibration);
    ASSERT_TRUE(
        eventually([&] { return calibration->text().contains("просрочена"); }, programPatienceMs))
        << calibration->text().toStdString();
    QTest::keyClicks(serial, QStringLiteral("PSU-Z"));
    QTest::keyClick(serial, Qt::Key_Return);
    EXPECT_EQ(outcome->text(), "ОШИБКА");
    EXPECT_TRUE(note->text().contains("--calibrate")) << note->text().toStdString();
    run(300);
    EXPECT_EQ(frameCount(), 0u);
    EXPECT_FALSE(station.running());
}

// Under calibration = "refuse" and golden = "shift", a unit refused for an overdue calibration
// goes no further: the golden check asks the store nothing then, so a store it could not have read
// at that moment is not reported once the bench is calibrated again.
TEST_F(StationRunTest, aCalibrationRefusalEndsTheStartBeforeTheGoldenCheck) {
    const QString file = writePlan(dir, "short", passing);
    const QString path = dir.filePath("results.sqlite");
    const auto store = std::get<results::StoreAddress>(results::parseResultsUrl("sqlite:" + path));
    ASSERT_TRUE(keptCalibration(store, 14));
    ASSERT_TRUE(writeFile(stationConf(), "calibration = \"refuse\"\ngolden = \"shift\"\n"
                                         "shifts = [\"00:00\"]\n"));
    StationWindow station([] { return std::unique_ptr<SerialPort>(); }, file, mapsFolder, nullptr,
                          store);
    station.show();
    auto* serial = station.findChild<QLineEdit*>(QStringLiteral("serial"));
    auto* note = station.findChild<QLabel*>(QStringLiteral("note"));
    auto* label = station.findChild<QLabel*>(QStringLiteral("calibration"));
    auto* calibration = station.findChild<StationCalibration*>();
    ASSERT_TRUE(serial && note && label && calibration);
    ASSERT_TRUE(eventually([&] { return label->text().contains("просрочена"); }, programPatienceMs))
        << label->text().toStdString();
    const auto enter = [&] {
        serial->clear();
        QTest::keyClicks(serial, QStringLiteral("PSU-1"));
        QTest::keyClick(serial, Qt::Key_Return);
    };
    // The golden unit named only now, so that no look-up of the window's opening is still going;
    // and the store, meanwhile, a symbolic link that no look-up follows.
    ASSERT_TRUE(writeFile(results::modelsFilePath(), "[models.REF]\nplan = \"" + file.toUtf8() +
                                                         "\"\ngolden = [\"GOLD-1\"]\n"));
    ASSERT_TRUE(QFile::rename(path, path + ".moved"));
    ASSERT_TRUE(QFile::link(path + ".moved", path));
    enter();
    EXPECT_TRUE(note->text().contains("--calibrate")) << note->text().toStdString();
    run(1000);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(path + ".moved", path));

    ASSERT_TRUE(keptCalibration(store, 0));
    calibration->refresh();
    ASSERT_TRUE(
        eventually([&] { return label->text().contains("действительна"); }, programPatienceMs))
        << label->text().toStdString();
    enter();
    EXPECT_TRUE(note->text().contains("Сначала проверьте эталонный блок (GOLD-1)"))
        << note->text().toStdString();
    EXPECT_FALSE(note->text().contains("не прочитана")) << note->text().toStdString();
    EXPECT_FALSE(station.running());
}

// The calibration from the station against a unit whose +12 V input reads 2 % high: the dialog
// walks the points with the supply off (nothing but the all-off frame is sent), a mistyped meter
// reading is asked again, and the fit kept in the store corrects +12 V; the station then shows
// the new due date. The station closed mid-point, a second calibration keeps nothing.
TEST_F(StationRunTest, theStationCalibratesTheUnitAndShowsTheNewDueDate) {
    velmor::useProgramTexts(*qApp, velmor::Language::Russian, true);
    const auto store = std::get<results::StoreAddress>(
        results::parseResultsUrl("sqlite:" + dir.filePath("results.sqlite")));
    ASSERT_FALSE(unit.start(linkPath()));
    unit.model().setInputScale(1, {1.02, 0});
    auto wired = Program::wire({linkPath(), {}, QStringLiteral("off"), {}});
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Program>>(wired));
    program = std::move(std::get<0>(wired));

    StationWindow station(program->makePort(), writePlan(dir, "short", passing), mapsFolder,
                          nullptr, store);
    station.setReferenceSource([this](Input input, double volts) {
        std::array<double, inputCount> source{};
        source[indexOf(input)] = volts;
        unit.model().setSource(source);
    });
    station.show();
    auto* label = station.findChild<QLabel*>(QStringLiteral("calibration"));
    ASSERT_TRUE(label);
    ASSERT_TRUE(
        eventually([&] { return label->text().contains("не калиброван"); }, programPatienceMs))
        << label->text().toStdString();

    const auto opened = [&] {
        station.findChild<QPushButton*>(QStringLiteral("calibrate"))->click();
        return station.findChild<CalibrationDialog*>();
    };
    CalibrationDialog* dialog = opened();
    ASSERT_TRUE(dialog);
    const auto field = [&](const char* name) {
        return dialog->findChild<QLineEdit*>(QLatin1String(name));
    };
    const auto button = [&](const char* name) {
        return dialog->findChild<QPushButton*>(QLatin1String(name));
    };
    auto* message = dialog->findChild<QLabel*>(QStringLiteral("calibrationMessage"));
    button("begin")->click();
    EXPECT_FALSE(message->text().isEmpty()) << "the meter is asked for";
    field("calibrationOperator")->setText("Ivanova");
    field("meterName")->setText("DMM 4");
    field("meterCertificate")->setText("C-2026-118");
    field("accuracyPercent")->setText("0,02");
    field("accuracyVolts")->setText("0.001");
    button("begin")->click();
    ASSERT_TRUE(message->text().isEmpty()) << message->text().toStdString();

    const std::vector<ReferencePoint> points = suggestedPoints();
    for (std::size_t i = 0; i < points.size(); ++i) {
        button("measure")->click();
        ASSERT_TRUE(
            eventually([&] { return field("meterReading")->isEnabled(); }, programPatienceMs))
            << i << ' ' << message->text().toStdString();
        const QString progress =
            dialog->findChild<QLabel*>(QStringLiteral("pointProgress"))->text();
        EXPECT_GE(progress.section(' ', 0, 0).toInt(), CalibrationStep::window * 2)
            << progress.toStdString();
        if (i == 0) {
            QTest::keyClicks(field("meterReading"), "4.4 V");
            QTest::keyClick(field("meterReading"), Qt::Key_Return);
            EXPECT_TRUE(message->text().contains("ещё раз")) << message->text().toStdString();
            field("meterReading")->clear();
        }
        QTest::keyClicks(field("meterReading"), QString::number(points[i].sourceVolts));
        QTest::keyClick(field("meterReading"), Qt::Key_Return);
    }
    const QString fit =
        dialog->findChild<QPlainTextEdit*>(QStringLiteral("fitText"))->toPlainText();
    EXPECT_TRUE(fit.contains("+12 В: усиление ")) << fit.toStdString();
    ASSERT_TRUE(button("keep")->isVisible()) << fit.toStdString();
    button("keep")->click();
    const QString due = QDate::currentDate().addMonths(12).toString(Qt::ISODate);
    ASSERT_TRUE(eventually([&] { return label->text().contains("действительна до " + due); },
                           programPatienceMs))
        << label->text().toStdString() << ' ' << message->text().toStdString();
    ASSERT_GT(frameCount(), 0u);
    for (const ControlFrame& frame : framesFrom(0))
        EXPECT_EQ(frame, allOffFrame);
    QPointer<CalibrationDialog> closed = dialog;
    button("closeCalibration")->click();
    ASSERT_TRUE(eventually([&] { return closed.isNull(); }, programPatienceMs));

    // The station closed while a point is measured: the point's run ends with the all-off frame,
    // the dialog and then the window close, and nothing is kept.
    dialog = opened();
    ASSERT_TRUE(dialog);
    field("meterName")->setText("DMM 4");
    field("meterCertificate")->setText("C-2026-118");
    field("calibrationOperator")->setText("Ivanova");
    button("begin")->click();
    button("measure")->click();
    const std::size_t before = frameCount();
    ASSERT_TRUE(waitForFrames(before + 3));
    closed = dialog;
    station.close();
    ASSERT_TRUE(eventually([&] { return closed.isNull(); }, programPatienceMs));
    EXPECT_TRUE(eventually([&] { return !station.isVisible(); }, programPatienceMs));
    run(300);
    const std::size_t after = frameCount();
    run(500);
    EXPECT_EQ(frameCount(), after) << "nothing is sent once the dialog is gone";

    std::variant<std::vector<results::CalibrationRecord>, QString> kept;
    {
        auto db = results::openStore(store, "station-calibrated");
        ASSERT_TRUE(std::holds_alternative<QSqlDatabase>(db));
        kept = results::readCalibrations(std::get<QSqlDatabase>(db));
        std::get<QSqlDatabase>(db).close();
    }
    QSqlDatabase::removeDatabase("station-calibrated");
    ASSERT_TRUE(std::holds_alternative<std::vector<results::CalibrationRecord>>(kept));
    const auto& records = std::get<std::vector<results::CalibrationRecord>>(kept);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records.front().operatorName, "Ivanova");
    EXPECT_EQ(records.front().calibration.meter.certificate, "C-2026-118");
    EXPECT_NEAR(records.front().calibration.of(Input::Volts12).gain, 1 / 1.02, 0.002);
    EXPECT_EQ(records.front().points.size(), points.size());
}

// Under station.conf's golden = "shift" a unit that is not golden is refused, told to test the
// golden unit first, until a golden unit has passed on this bench in this shift: a golden pass of
// an earlier shift, or on another bench, does not count; the golden run at the station does.
TEST_F(StationRunTest, aGoldenRunPerShiftComesBeforeOtherUnits) {
    const std::vector<QTime> shifts{QTime(6, 0), QTime(14, 0), QTime(22, 0)};
    const QDate day(2026, 12, 9);
    EXPECT_EQ(StationGolden::shiftStart(shifts, QDateTime(day, QTime(5, 59))),
              QDateTime(day.addDays(-1), QTime(22, 0)));
    EXPECT_EQ(StationGolden::shiftStart(shifts, QDateTime(day, QTime(14, 0))),
              QDateTime(day, QTime(14, 0)));

    const QString file = writePlan(dir, "short", passing);
    const auto store = std::get<results::StoreAddress>(
        results::parseResultsUrl("sqlite:" + dir.filePath("results.sqlite")));
    {
        std::vector<results::Record> records;
        const auto goldenPass = [&](const QDateTime& at, const QString& bench) {
            const QString id = results::newRecordId();
            records.push_back(results::RunBegan{id, at.toString(Qt::ISODateWithMs), bench,
                                                "/dev/ttyUSB0", "short", file, "#", "atx3",
                                                UnitIdentity{"GOLD-1", "REF", {}}, "uncalibrated"});
            records.push_back(results::RunEnded{
                id, at.addSecs(60).toString(Qt::ISODateWithMs), "completed", "pass", {}, {}});
        };
        goldenPass(QDateTime::currentDateTimeUtc().addDays(-2), QSysInfo::machineHostName());
        goldenPass(QDateTime::currentDateTimeUtc(), "another-bench");
        ASSERT_NO_FATAL_FAILURE(storeAll(store, records));
    }
    ASSERT_TRUE(writeFile(stationConf(),
                          "golden = \"shift\"\nshifts = [\"06:00\", \"14:00\", \"22:00\"]\n"));
    ASSERT_TRUE(writeFile(results::modelsFilePath(), "[models.REF]\nplan = \"" + file.toUtf8() +
                                                         "\"\ngolden = [\"GOLD-1\"]\n"));
    ASSERT_FALSE(unit.start(linkPath()));
    auto wired = Program::wire({linkPath(), {}, QStringLiteral("off"), {}});
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Program>>(wired));
    program = std::move(std::get<0>(wired));

    StationWindow station(program->makePort(), file, mapsFolder, nullptr, store);
    QSignalSpy finished(&station, &StationWindow::runFinished);
    station.show();
    auto* serial = station.findChild<QLineEdit*>(QStringLiteral("serial"));
    auto* outcome = station.findChild<QLabel*>(QStringLiteral("outcome"));
    auto* note = station.findChild<QLabel*>(QStringLiteral("note"));
    ASSERT_TRUE(serial && outcome && note);
    const auto enter = [&](const QString& unitSerial) {
        serial->clear();
        QTest::keyClicks(serial, unitSerial);
        QTest::keyClick(serial, Qt::Key_Return);
    };
    // Refused once the store has answered, with what to do.
    ASSERT_TRUE(eventually(
        [&] {
            enter("PSU-1");
            return note->text().contains("Сначала проверьте эталонный блок (GOLD-1)");
        },
        programPatienceMs))
        << note->text().toStdString();
    EXPECT_EQ(outcome->text(), "ОШИБКА");
    run(300);
    EXPECT_EQ(frameCount(), 0u);
    EXPECT_FALSE(station.running());

    enter("GOLD-1");
    ASSERT_TRUE(eventually([&] { return !finished.isEmpty(); }, programPatienceMs));
    ASSERT_EQ(finished.first().at(1).value<velmor::Outcome>(), velmor::Outcome::Pass);
    enter("PSU-1");
    ASSERT_TRUE(eventually([&] { return finished.size() == 2; }, programPatienceMs))
        << note->text().toStdString();
    EXPECT_EQ(finished.last().at(0).toString(), "PSU-1");
}

// A scanner types in the Latin layout: every mnemonic is a Latin letter. Without --plan and
// without a models file the station says the file is missing and where it is looked for.
TEST_F(StationRunTest, aScannersStationHasLatinMnemonicsAndTellsAMissingModelsFile) {
    StationWindow station([] { return std::unique_ptr<SerialPort>(); }, QString(), mapsFolder);
    station.show();
    QStringList mnemonics;
    for (const QLabel* label : station.findChildren<QLabel*>())
        if (const auto key = QKeySequence::mnemonic(label->text()); !key.isEmpty())
            mnemonics << key.toString();
    for (const QAbstractButton* button : station.findChildren<QAbstractButton*>())
        if (const auto key = QKeySequence::mnemonic(button->text()); !key.isEmpty())
            mnemonics << key.toString();
    EXPECT_EQ(mnemonics, QStringList({"Alt+S", "Alt+M", "Alt+O"}));

    auto* serial = station.findChild<QLineEdit*>(QStringLiteral("serial"));
    auto* outcome = station.findChild<QLabel*>(QStringLiteral("outcome"));
    ASSERT_TRUE(serial && outcome);
    QTest::keyClicks(serial, QStringLiteral("SN-1"));
    QTest::keyClick(serial, Qt::Key_Return);
    QString note;
    for (const QLabel* label : station.findChildren<QLabel*>())
        if (label->text().contains(results::modelsFilePath()) &&
            label->text().contains("не найден"))
            note = label->text();
    EXPECT_TRUE(note.startsWith("Файл моделей " + results::modelsFilePath() + " не найден"))
        << note.toStdString();
    EXPECT_EQ(outcome->text(), "ОШИБКА");
    EXPECT_FALSE(station.running());
    EXPECT_EQ(frameCount(), 0u);
}

// A plan file refused is the bench's error, shown with what to check and kept as an error run
// whose reason is the refusal; nothing is sent.
TEST_F(StationRunTest, aRefusedPlanFileIsTheBenchsErrorAndIsRecorded) {
    velmor::useProgramTexts(*qApp, velmor::Language::Russian, true);
    const QString file = dir.filePath("bad.toml");
    QFile bad(file);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("[supply]\nwatts = \"many\"\n");
    bad.close();
    std::vector<results::Record> records;
    results::Recorder recorder([&](results::Record r) { records.push_back(std::move(r)); },
                               "/dev/ttyUSB0");
    StationWindow station([] { return std::unique_ptr<SerialPort>(); }, file, mapsFolder,
                          &recorder);
    station.show();
    auto* serial = station.findChild<QLineEdit*>(QStringLiteral("serial"));
    auto* outcome = station.findChild<QLabel*>(QStringLiteral("outcome"));
    ASSERT_TRUE(serial && outcome);
    QTest::keyClicks(serial, QStringLiteral("SN-1"));
    QTest::keyClick(serial, Qt::Key_Return);
    EXPECT_EQ(outcome->text(), "ОШИБКА СТЕНДА");
    bool toldWhatToCheck = false;
    for (const QLabel* label : station.findChildren<QLabel*>())
        toldWhatToCheck |=
            label->text().contains(file + ":") && label->text().contains("Исправьте файл " + file);
    EXPECT_TRUE(toldWhatToCheck);
    EXPECT_FALSE(station.running());
    EXPECT_EQ(frameCount(), 0u);
    ASSERT_FALSE(records.empty());
    const auto* ended = std::get_if<results::RunEnded>(&records.back());
    ASSERT_TRUE(ended);
    EXPECT_EQ(ended->outcome, "error");
    EXPECT_TRUE(ended->reason.startsWith("file-refused||" + file + ":"))
        << ended->reason.toStdString();
}

// With VELMOR_SCREENSHOTS=FOLDER (under xvfb-run, QT_QPA_PLATFORM=xcb): the window idle,
// running, passed, failed, failed by a shutdown and stopped by a silent unit (the bench's error),
// as docs/station-*.png.
TEST_F(StationRunTest, screenshots) {
    const QString folder = qEnvironmentVariable("VELMOR_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "VELMOR_SCREENSHOTS not set";
    velmor::useProgramTexts(*qApp, velmor::Language::Russian, true);
    ASSERT_TRUE(QDir().mkpath(mapsFolder.path));
    ASSERT_FALSE(unit.start(linkPath()));
    auto wired = Program::wire({linkPath(), {}, QStringLiteral("off"), {}});
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Program>>(wired));
    program = std::move(std::get<0>(wired));
    StationWindow station(program->makePort(), writePlan(dir, "short", passing), mapsFolder);
    QSignalSpy finished(&station, &StationWindow::runFinished);
    station.show();
    run(500);
    station.grab().save(folder + "/station-idle.png");
    {
        // The calibration's dialog at its first point, steady, the meter's reading to be typed.
        StationWindow calibrating(program->makePort(), writePlan(dir, "short", passing), mapsFolder,
                                  nullptr,
                                  std::get<results::StoreAddress>(results::parseResultsUrl(
                                      "sqlite:" + dir.filePath("results.sqlite"))));
        calibrating.setReferenceSource([this](Input input, double volts) {
            std::array<double, inputCount> source{};
            source[indexOf(input)] = volts;
            unit.model().setSource(source);
        });
        calibrating.show();
        calibrating.findChild<QPushButton*>(QStringLiteral("calibrate"))->click();
        auto* dialog = calibrating.findChild<CalibrationDialog*>();
        ASSERT_TRUE(dialog);
        dialog->findChild<QLineEdit*>(QStringLiteral("calibrationOperator"))->setText("Ivanova");
        dialog->findChild<QLineEdit*>(QStringLiteral("meterName"))->setText("DMM 4");
        dialog->findChild<QLineEdit*>(QStringLiteral("meterCertificate"))->setText("C-2026-118");
        dialog->findChild<QPushButton*>(QStringLiteral("begin"))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("measure"))->click();
        auto* reading = dialog->findChild<QLineEdit*>(QStringLiteral("meterReading"));
        ASSERT_TRUE(eventually([&] { return reading->isEnabled(); }, programPatienceMs));
        QTest::keyClicks(reading, "4,401");
        run(300);
        dialog->grab().save(folder + "/station-calibration.png");
        dialog->reject();
        run(300);
    }
    auto* serial = station.findChild<QLineEdit*>(QStringLiteral("serial"));
    QTest::keyClicks(serial, QStringLiteral("SN-0042"));
    QTest::keyClick(serial, Qt::Key_Return);
    run(3000);
    station.grab().save(folder + "/station-running.png");
    ASSERT_TRUE(eventually([&] { return !finished.isEmpty(); }, programPatienceMs));
    run(300); // the window laid out again for the outcome
    station.grab().save(folder + "/station-pass.png");

    StationWindow failing(program->makePort(), writePlan(dir, "tight", tight), mapsFolder);
    QSignalSpy failed(&failing, &StationWindow::runFinished);
    failing.show();
    serial = failing.findChild<QLineEdit*>(QStringLiteral("serial"));
    QTest::keyClicks(serial, QStringLiteral("SN-0043"));
    QTest::keyClick(serial, Qt::Key_Return);
    ASSERT_TRUE(eventually([&] { return !failed.isEmpty(); }, programPatienceMs));
    run(300);
    failing.grab().save(folder + "/station-fail.png");

    // Each of the two at its end, as the operator finds it.
    const auto shot = [&](const QString& name, const QString& unitSerial) {
        StationWindow window(program->makePort(), writePlan(dir, "short", passing), mapsFolder);
        QSignalSpy ended(&window, &StationWindow::runFinished);
        window.show();
        auto* field = window.findChild<QLineEdit*>(QStringLiteral("serial"));
        QTest::keyClicks(field, unitSerial);
        QTest::keyClick(field, Qt::Key_Return);
        ASSERT_TRUE(eventually([&] { return !ended.isEmpty(); }, 2 * programPatienceMs));
        run(300);
        window.grab().save(folder + "/station-" + name + ".png");
    };
    unit.model().setOverPowerWatts(150);
    shot("shutdown", "SN-0044");
    unit.model().setOverPowerWatts(sim::SupplyModel::defaultOverPowerWatts);
    unit.setFaultMode(sim::FaultMode::Silent);
    shot("bench-error", "SN-0045");
}

} // namespace
} // namespace velmor::testing

// The calibration from the command line against the program's own simulated unit whose +12 V
// input reads 2 % high (its reference source set to each point in turn), the meter's readings
// from a file: the fit is kept and corrects every point onto the meter within a step, the supply
// stays off throughout (the link's trace has nothing but the all-off frame); a wild point
// refuses the fit and keeps nothing; a plan run is judged with the calibration.
#include "Bench.h"
#include "Calibrations.h"
#include "OpenStore.h"
#include "StoreAddress.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace velmor::testing {
namespace {

struct SourcePoint {
    Input input;
    double volts;
};
const std::vector<SourcePoint> sourcePoints{
    {Input::Volts5, 4.4},   {Input::Volts5, 5.0},   {Input::Volts5, 5.6},
    {Input::Volts12, 10.6}, {Input::Volts12, 12.0}, {Input::Volts12, 13.4},
    {Input::Volts33, 2.9},  {Input::Volts33, 3.3},  {Input::Volts33, 3.7}};

class CalibrateProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        process.setProcessEnvironment(env);
    }

    // The reference file with each point's meter reading the source's volts, one of them off by
    // `wild` volts.
    int calibrate(double wild = 0) {
        QByteArray text = "[meter]\nname = \"DMM 4\"\ncertificate = \"C-1\"\n"
                          "accuracy_percent = 0.02\naccuracy_volts = 0.001\n"
                          "[calibration]\noperator = \"Ivanova\"\n";
        for (std::size_t i = 0; i < sourcePoints.size(); ++i)
            text += QStringLiteral("[[point]]\ninput = \"%1\"\nsource = %2\nmeter = %3\n")
                        .arg(inputName(sourcePoints[i].input))
                        .arg(sourcePoints[i].volts)
                        .arg(sourcePoints[i].volts + (i == 4 ? wild : 0), 0, 'f', 4)
                        .toUtf8();
        QFile file(dir.filePath("reference.toml"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        return program({"--calibrate", "--reference", file.fileName(), "--input-gain", "12=1.02"});
    }

    // What is typed goes to the program's stdin, then its end.
    int program(const QStringList& arguments, const QByteArray& typed = {}) {
        process.start(programPath(),
                      arguments + QStringList{"--results", "sqlite:" + store(), "--simulate",
                                              "--trace", trace(), "--language", language});
        if (!typed.isEmpty()) {
            process.write(typed);
            process.closeWriteChannel();
        }
        EXPECT_TRUE(finishes(process, 60000));
        output = QString::fromUtf8(process.readAllStandardOutput());
        errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

    // A hold at a tenth of the label's load judged on the ATX profile (+12 V within 5 %).
    int runPlan(const QString& inputGain) {
        const QString path = dir.filePath("plan.toml");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[supply]\nwatts = 220\na5 = 15\na12 = 8\na33 = 10\n[profile]\nname = "
                   "\"atx\"\n[[step]]\nkind = \"hold\"\n[[step.level]]\nseconds = 1\n"
                   "load = { percent = 10 }\n");
        file.close();
        return program({"--plan", path, "--unit", "PSU-6", "--input-gain", inputGain});
    }

    QString store() const { return dir.filePath("results.sqlite"); }
    QString trace() const { return dir.filePath("link.trace"); }

    std::vector<results::CalibrationRecord> kept() {
        if (!QFile::exists(store()))
            return {};
        results::StoreAddress address;
        address.path = store();
        std::variant<std::vector<results::CalibrationRecord>, QString> records;
        {
            auto opened = results::openStore(address, "calibrate-test");
            records = results::readCalibrations(std::get<QSqlDatabase>(opened));
            std::get<QSqlDatabase>(opened).close();
        }
        QSqlDatabase::removeDatabase("calibrate-test");
        return std::get<std::vector<results::CalibrationRecord>>(records);
    }

    // Every frame the program sent, as its trace has them.
    bool supplyStayedOff() {
        QFile file(trace());
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QStringList out =
            QString::fromUtf8(file.readAll()).split('\n').filter(QStringLiteral(" OUT "));
        for (const QString& line : out)
            if (!line.endsWith("OUT 00 FF FF FF"))
                return false;
        return !out.isEmpty();
    }

    QTemporaryDir dir;
    QProcess process;
    QString language = "en";
    QString output;
    QString errors;
};

TEST_F(CalibrateProgramTest, aFitIsKeptThatCorrectsEveryPointOntoTheMeter) {
    ASSERT_EQ(calibrate(), 0) << output.toStdString()
                              << process.readAllStandardError().toStdString();
    EXPECT_TRUE(output.contains("Point 9 of 9")) << output.toStdString();
    EXPECT_TRUE(supplyStayedOff());
    const auto records = kept();
    ASSERT_EQ(records.size(), 1u);
    const results::CalibrationRecord& r = records.front();
    EXPECT_EQ(r.operatorName, "Ivanova");
    EXPECT_EQ(r.calibration.due, r.calibration.date.addMonths(12));
    EXPECT_NEAR(r.calibration.of(Input::Volts12).gain, 1 / 1.02, 0.002);
    ASSERT_EQ(r.points.size(), sourcePoints.size());
    for (std::size_t i = 0; i < sourcePoints.size(); ++i) {
        const UnitOutput& output = unitOutputOf(sourcePoints[i].input);
        const double design =
            r.points[i].rawMean * output.spanVolts() / maxReading + output.lowVolts();
        EXPECT_NEAR(r.calibration.corrected(sourcePoints[i].input, design), sourcePoints[i].volts,
                    stepVolts(sourcePoints[i].input))
            << i;
    }
}

// A supply 6 % low on +12 V read by the unit 2 % high reads 4.1 % low: inside ATX's 5 % on the
// design's formulas, outside once the unit is calibrated. The simulated supply cannot be set low,
// so its input gain gives the readings both together make (0.94 * 1.02).
TEST_F(CalibrateProgramTest, aSupplySixPercentLowFailsOnceTheUnitIsCalibrated) {
    const QString lowSupply = "12=" + QString::number(0.94 * 1.02);
    EXPECT_EQ(runPlan(lowSupply), 0) << output.toStdString() << errors.toStdString();
    EXPECT_TRUE(errors.contains("not calibrated")) << errors.toStdString();
    ASSERT_EQ(calibrate(), 0) << output.toStdString() << errors.toStdString();
    const QString id = kept().front().calibration.id;
    EXPECT_EQ(runPlan(lowSupply), 2) << output.toStdString() << errors.toStdString();

    QStringList runs;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "calibrated-runs");
        db.setDatabaseName(store());
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec("SELECT calibration, calibration_warning, outcome FROM runs "
                               "ORDER BY started_at"));
        while (query.next())
            runs << QStringList{query.value(0).toString(), query.value(1).toString(),
                                query.value(2).toString()}
                        .join(' ');
    }
    QSqlDatabase::removeDatabase("calibrated-runs");
    EXPECT_EQ(runs, (QStringList{"uncalibrated missing pass", id + "  fail"}));
}

// Without a file the operator types the meter and every reading on the terminal; a reading that
// is no number in range is refused with a message and asked again.
TEST_F(CalibrateProgramTest, theTypedProcedureAsksAgainForABadReadingAndKeepsTheFit) {
    QByteArray typed = "Petrova\nDMM 7\nC-7\n0,02\n\n\n6\n";
    for (std::size_t i = 0; i < sourcePoints.size(); ++i) {
        typed += "\n"; // the source is set
        if (i == 0)
            typed += "4.4 V\n25\n";
        typed += QByteArray::number(sourcePoints[i].volts) + '\n';
    }
    ASSERT_EQ(program({"--calibrate", "--input-gain", "12=1.02"}, typed), 0)
        << output.toStdString() << errors.toStdString();
    EXPECT_EQ(output.count("A number from 0 to 10, please."), 2) << output.toStdString();
    EXPECT_TRUE(output.contains("Calibration ")) << output.toStdString();
    const auto records = kept();
    ASSERT_EQ(records.size(), 1u);
    const results::CalibrationRecord& r = records.front();
    EXPECT_EQ(r.operatorName, "Petrova");
    EXPECT_EQ(r.calibration.meter, (ReferenceMeter{"DMM 7", "C-7", 0.02, 0}));
    EXPECT_EQ(r.calibration.due, r.calibration.date.addMonths(6));
    EXPECT_NEAR(r.calibration.of(Input::Volts12).gain, 1 / 1.02, 0.002);
    EXPECT_TRUE(supplyStayedOff());
}

// In Russian, the refusal names the input as the fit's lines do.
TEST_F(CalibrateProgramTest, aWildPointRefusesTheFitAndKeepsNothing) {
    language = "ru";
    EXPECT_EQ(calibrate(0.1), 1);
    EXPECT_TRUE(output.contains("Отклонено: +12 В: точка отстоит")) << output.toStdString();
    EXPECT_TRUE(output.contains("\n+5 В: коэффициент")) << output.toStdString();
    EXPECT_TRUE(kept().empty());
    EXPECT_TRUE(supplyStayedOff());
}

} // namespace
} // namespace velmor::testing

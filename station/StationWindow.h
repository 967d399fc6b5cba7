#pragma once

#include "AutomaticPlanRun.h"
#include "CalibrationPoints.h"
#include "MapsFolder.h"
#include "PlanRecorder.h"
#include "RepeatTest.h"
#include "SerialPort.h"
#include "StationCalibration.h"
#include "StationGolden.h"
#include "StoreAddress.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace velmor {

class CalibrationDialog;
class OutputGauge;

// The operator's station: a serial number scanned (or typed) and Enter runs the model's plan on
// the unit; the step, the three outputs on their bands, the loads and the time while it runs;
// the outcome in large type at the end, and the session's last runs under it. A unit that has
// passed the plan before is told of first, and a second Enter runs it again (Esc: not).
class StationWindow final : public QWidget {
    Q_OBJECT
public:
    // planFile: the plan for every model; empty, the models file picks it. Each run's PDF report
    // goes into the reports folder. The recorder, if any, must outlive the window. Earlier passes
    // are looked up in the store, if any.
    StationWindow(const PortFactory& makePort, QString planFile, MapsFolder reports,
                  PlanRecorder* recorder = nullptr,
                  std::optional<results::StoreAddress> store = std::nullopt,
                  QWidget* parent = nullptr);
    ~StationWindow() override;

    bool running() const { return running_; }

    // The simulated unit's reference source, set at each point of a calibration; none on a real
    // unit, where the operator sets the source.
    void setReferenceSource(SetSource setSource) { referenceSource_ = std::move(setSource); }

    // The program is ending now (a termination signal, the display gone): the run under way, if
    // any, ends at once as aborted, the all-off frame sent, its record ended and its line on
    // stderr; the port's close is left to the port guard.
    void endNow();

signals:
    // Each run's end, once the port is closed.
    void runFinished(const QString& serial, Outcome outcome);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void start();
    void begin(Plan plan, const QString& serial);
    void repeatAnswered(const std::optional<QString>& warning);
    void cancelRepeat();
    void stop();
    std::optional<Plan> planForModel(const QString& serial);
    // A plan or models file refused: the bench could not test this unit; said, and recorded.
    void refused(const PlanError& error, const QString& serial);
    void showTick(const StepReading& reading);
    void finish(RunEnd end);
    QString saveReport();
    void showOutcome(const QString& word, const QString& note, const QColor& colour);
    void setRunning(bool running);
    // The calibration of the unit's inputs, in a dialog of its own.
    void calibrate();

    const PortFactory& makePort_;
    QString planFile_;
    MapsFolder reports_;
    PlanRecorder* recorder_;
    std::optional<results::StoreAddress> store_;

    QLineEdit* serial_;
    QComboBox* model_;
    QLineEdit* operator_;
    QLabel* plan_;
    QWidget* live_;
    QLabel* step_;
    QProgressBar* progress_;
    QLabel* time_;
    OutputGauge* gauges_[3];
    QLabel* loads_;
    QPushButton* stop_;
    QLabel* outcome_;
    QLabel* note_;
    QListWidget* history_;
    StationCalibration* calibration_;
    QPushButton* calibrate_;
    SetSource referenceSource_;
    QPointer<CalibrationDialog> calibrating_;
    StationGolden* golden_;

    // The last run, kept until the next begins.
    std::unique_ptr<AutomaticPlanRun> run_;
    QString runSerial_;
    bool running_ = false;
    bool closeWhenEnded_ = false; // the window was closed mid-run

    // Between Enter and the run: the store asked whether the unit passed the plan before, then
    // its warning shown until a second Enter (or Esc). The check is kept until the next unit's,
    // so a look-up that outlived its 2 s (a store slower than its own timeouts) is waited for,
    // if at all, only then.
    enum class Gate { Open, Looking, Warned };
    Gate gate_ = Gate::Open;
    std::unique_ptr<results::RepeatTestCheck> repeat_;
    std::optional<Plan> pendingPlan_;
    QString pendingSerial_;
};

} // namespace velmor

#pragma once

#include "MapsFolder.h"
#include "PlanRecorder.h"
#include "PlanRun.h"
#include "RunReportCollector.h"
#include "SerialPort.h"
#include "TestRun.h"

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

class OutputGauge;

// The operator's station: a serial number scanned (or typed) and Enter runs the model's plan on
// the unit; the step, the three outputs on their bands, the loads and the time while it runs;
// the outcome in large type at the end, and the session's last runs under it.
class StationWindow final : public QWidget {
    Q_OBJECT
public:
    // planFile: the plan for every model; empty, the models file picks it. Each run's PDF report
    // goes into the reports folder. The recorder, if any, must outlive the window.
    StationWindow(const PortFactory& makePort, QString planFile, MapsFolder reports,
                  PlanRecorder* recorder = nullptr, QWidget* parent = nullptr);
    ~StationWindow() override;

    bool running() const { return running_; }

signals:
    // Each run's end, once the port is closed.
    void runFinished(const QString& serial, Outcome outcome);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void start();
    void stop();
    std::optional<Plan> planForModel();
    void showTick(const StepReading& reading);
    void finish(RunEnd end);
    QString saveReport();
    void showOutcome(const QString& word, const QString& note, const QColor& colour);
    void setRunning(bool running);

    const PortFactory& makePort_;
    QString planFile_;
    MapsFolder reports_;
    PlanRecorder* recorder_;

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

    // The last run's, kept until the next begins.
    std::unique_ptr<RunReportCollector> report_;
    std::unique_ptr<BothRecorders> recorders_;
    std::unique_ptr<PlanRun> planRun_;
    std::unique_ptr<TestRun> run_;
    QString runSerial_;
    bool running_ = false;
    bool closeWhenEnded_ = false; // the window was closed mid-run
};

} // namespace velmor

#pragma once

#include "CalibrationPointRun.h"
#include "CalibrationPoints.h"
#include "Calibrations.h"
#include "SerialPort.h"
#include "StoreAddress.h"

#include <QDialog>

#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QThread;

namespace velmor {

// The calibration of the unit's inputs from the station, the same procedure as on the terminal:
// the meter and who calibrates; per point the source set, the input's readings averaged with the
// supply off and no load (a run of its own on the port) while the mean and spread show live, the
// meter's reading typed; then the fit with its residuals, refused or kept in the store off the UI
// thread. Closed before it is kept, nothing is kept; a point being measured ends first, with the
// all-off frame and the port closed.
class CalibrationDialog final : public QDialog {
    Q_OBJECT
public:
    CalibrationDialog(const PortFactory& makePort, results::StoreAddress store, SetSource setSource,
                      const QString& operatorName, QWidget* parent = nullptr);
    ~CalibrationDialog() override; // waits for the store

    // The program ends now: a point being measured ends at once, the all-off frame sent.
    void endNow();

signals:
    // A calibration was kept in the store.
    void kept();

public slots:
    void reject() override;

private:
    void begin();
    void showPoint();
    void measure();
    void measured();
    void takeReading();
    void fit();
    void keep();
    void stored(const std::optional<QString>& error);
    void warn(const QString& text);

    const PortFactory& makePort_;
    results::StoreAddress store_;
    SetSource setSource_;

    QStackedWidget* pages_;
    QLineEdit* operator_;
    QLineEdit* meterName_;
    QLineEdit* certificate_;
    QLineEdit* accuracyPercent_;
    QLineEdit* accuracyVolts_;
    QLineEdit* unit_;
    QSpinBox* dueMonths_;
    QLabel* task_;
    QPushButton* measure_;
    QLabel* progress_;
    QLineEdit* reading_;
    QPushButton* take_;
    QPlainTextEdit* fitText_;
    QPushButton* keep_;
    QPushButton* close_;
    QLabel* message_;

    std::vector<ReferencePoint> points_ = suggestedPoints();
    std::size_t next_ = 0;
    ReferenceMeter meter_;
    results::CalibrationRecord record_;
    std::unique_ptr<CalibrationPointRun> run_;
    std::optional<CalibrationPoint> point_; // measured, its meter reading still to come
    bool closing_ = false;                  // closed while a point was being measured
    std::unique_ptr<QThread> storing_;
};

} // namespace velmor

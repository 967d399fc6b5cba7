#pragma once

#include "Calibration.h"
#include "CalibrationLookUp.h"
#include "Plan.h"
#include "StoreAddress.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <variant>

class QLabel;

namespace velmor {

// The bench's calibration as the station sees it: looked up in the store off the UI thread when
// the window opens, its due date shown on the label, and under station.conf's
// calibration = "refuse" a unit refused while the calibration is overdue, missing or not yet
// known ("warn", the default, starts it with the warning shown and recorded).
class StationCalibration final : public QObject {
    Q_OBJECT
public:
    enum class Policy { Warn, Refuse };
    // station.conf's value: "refuse" (quoted or not) refuses, anything else warns.
    static Policy policyOf(const QString& value);

    StationCalibration(const std::optional<results::StoreAddress>& store, Policy policy,
                       QLabel* label, QObject* parent = nullptr);
    ~StationCalibration() override; // waits for the look-up

    // Looks the calibration up again, as after one was kept.
    void refresh();

    // Why a unit may not start now (what to do is in it), or nothing.
    std::optional<QString> refusal() const;
    // The calibration the run is judged with and its warning, into the plan's settings.
    void applyTo(Plan& plan) const;

private:
    void answered(const std::variant<Calibration, QString>& found);
    // "overdue", "missing", or empty.
    QString warning() const;

    std::optional<results::StoreAddress> store_;
    Policy policy_;
    QLabel* label_;
    std::optional<Calibration> calibration_; // none until the store answered
    std::unique_ptr<results::CalibrationLookUp> lookUp_;
};

} // namespace velmor

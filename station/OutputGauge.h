#pragma once

#include "Measurement.h"

#include <QWidget>
#include <optional>

namespace velmor {

// One output's live reading on its band: green inside the guard band, amber between it and the
// limits, red beyond; the reading marked and written beside its name ("< 4.00 В" at an end of
// the unit's range).
class OutputGauge final : public QWidget {
public:
    OutputGauge(QString name, const UnitOutput& output, QWidget* parent = nullptr);
    void setLimits(const Limits& limits);
    void setVolts(std::optional<double> volts); // none: no reading
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString name_;
    const UnitOutput& output_;
    Limits limits_{};
    std::optional<double> volts_;
};

} // namespace velmor

#pragma once

#include "Calibration.h"
#include "StoreAddress.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <variant>

class QThread;

namespace velmor::results {

// The bench's current calibration (benchCalibration) looked up on a thread of its own, never the
// UI's. `answered` is called on the thread that made the look-up once the store has answered:
// with the calibration, the uncalibrated state where there is no store, or why it cannot be read.
// Without a store it is called before the constructor returns. Gone, it waits for the store.
class CalibrationLookUp final : public QObject {
public:
    using Found = std::variant<Calibration, QString>;
    CalibrationLookUp(const std::optional<StoreAddress>& store,
                      std::function<void(const Found&)> answered, QObject* parent = nullptr);
    ~CalibrationLookUp() override;

private:
    std::unique_ptr<QThread> thread_;
};

// What a record says was amiss with the bench's calibration on the day: "missing" (none),
// "overdue", or empty.
QString calibrationWarning(const Calibration& calibration, const QDate& today);

} // namespace velmor::results

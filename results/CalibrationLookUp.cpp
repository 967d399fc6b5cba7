#include "CalibrationLookUp.h"

#include "Calibrations.h"

#include <QThread>

namespace velmor::results {

CalibrationLookUp::CalibrationLookUp(const std::optional<StoreAddress>& store,
                                     std::function<void(const Found&)> answered, QObject* parent)
    : QObject(parent) {
    if (!store) {
        answered(Calibration{});
        return;
    }
    auto found = std::make_shared<Found>(Calibration{});
    thread_.reset(QThread::create([store = *store, found] { *found = benchCalibration(store); }));
    connect(thread_.get(), &QThread::finished, this,
            [found, answered = std::move(answered)] { answered(*found); });
    thread_->start();
}

CalibrationLookUp::~CalibrationLookUp() {
    if (thread_)
        thread_->wait();
}

QString calibrationWarning(const Calibration& calibration, const QDate& today) {
    if (!calibration.isCalibrated())
        return QStringLiteral("missing");
    return calibration.isOverdue(today) ? QStringLiteral("overdue") : QString();
}

} // namespace velmor::results

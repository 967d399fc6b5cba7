#include "CalibrationFit.h"

namespace velmor {

CalibrationFit fitCalibration(results::CalibrationRecord& record) {
    CalibrationFit result;
    record.residuals.assign(record.points.size(), 0.0);
    for (const Input input : allInputs) {
        auto fitted = fitInput(input, record.points);
        if (const auto* why = std::get_if<FitRefused>(&fitted)) {
            result.refusals.push_back(*why);
            continue;
        }
        InputFit& fit = std::get<InputFit>(fitted);
        record.calibration.inputs[indexOf(input)] = fit.correction;
        std::size_t next = 0;
        for (std::size_t i = 0; i < record.points.size(); ++i)
            if (record.points[i].input == input)
                record.residuals[i] = fit.residuals[next++];
        result.fits.emplace_back(input, std::move(fit));
    }
    return result;
}

void dateCalibration(results::CalibrationRecord& record, const ReferenceMeter& meter,
                     int dueMonths) {
    record.calibration.meter = meter;
    record.madeAt = QDateTime::currentDateTimeUtc();
    record.calibration.date = record.madeAt.toLocalTime().date();
    record.calibration.due = record.calibration.date.addMonths(dueMonths);
}

} // namespace velmor

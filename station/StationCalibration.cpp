#include "StationCalibration.h"

#include <QDate>
#include <QLabel>

namespace velmor {

StationCalibration::Policy StationCalibration::policyOf(const QString& value) {
    QString word = value.trimmed();
    if (word.size() >= 2 && word.startsWith(QLatin1Char('"')) && word.endsWith(QLatin1Char('"')))
        word = word.mid(1, word.size() - 2);
    return word == QLatin1String("refuse") ? Policy::Refuse : Policy::Warn;
}

StationCalibration::StationCalibration(const std::optional<results::StoreAddress>& store,
                                       Policy policy, QLabel* label, QObject* parent)
    : QObject(parent), store_(store), policy_(policy), label_(label) {
    refresh();
}

void StationCalibration::refresh() {
    calibration_.reset();
    label_->setText(tr("Калибровка стенда: проверяется…"));
    // A look-up still running is waited for and its answer dropped with it.
    lookUp_.reset();
    lookUp_ = std::make_unique<results::CalibrationLookUp>(
        store_, [this](const results::CalibrationLookUp::Found& found) { answered(found); });
}

StationCalibration::~StationCalibration() = default;

void StationCalibration::answered(const std::variant<Calibration, QString>& found) {
    if (const auto* error = std::get_if<QString>(&found)) {
        calibration_ = Calibration{};
        label_->setText(tr("Калибровка стенда не прочитана: %1").arg(*error));
    } else {
        calibration_ = std::get<Calibration>(found);
        const QString due = calibration_->due.toString(Qt::ISODate);
        label_->setText(!calibration_->isCalibrated() ? tr("Стенд не калиброван")
                        : warning().isEmpty()
                            ? tr("Калибровка стенда действительна до %1").arg(due)
                            : tr("Калибровка стенда просрочена: срок был %1").arg(due));
    }
    label_->setStyleSheet(
        warning().isEmpty() ? QString() : QStringLiteral("color: #c62828; font-weight: bold"));
}

QString StationCalibration::warning() const {
    return results::calibrationWarning(calibration_.value_or(Calibration{}), QDate::currentDate());
}

std::optional<QString> StationCalibration::refusal() const {
    if (policy_ != Policy::Refuse)
        return std::nullopt;
    if (!calibration_)
        return tr("Калибровка стенда ещё проверяется; нажмите Enter ещё раз");
    if (warning().isEmpty())
        return std::nullopt;
    return (calibration_->isCalibrated() ? tr("Калибровка стенда просрочена (срок был %1).")
                                               .arg(calibration_->due.toString(Qt::ISODate))
                                         : tr("Стенд не калиброван.")) +
           QLatin1Char(' ') +
           tr("Откалибруйте блок стенда: кнопка «Калибровка блока…» или velmor-test --calibrate.");
}

void StationCalibration::applyTo(Plan& plan) const {
    plan.context.calibration = calibration_.value_or(Calibration{});
    plan.calibrationWarning = warning();
}

} // namespace velmor

#include "moc_StationCalibration.cpp"

#include "CalibrationDialog.h"

#include "CalibrationFit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

namespace velmor {

namespace {

// The longest name, certificate or identity the dialog takes, as the terminal's.
constexpr int longestEntry = 200;

// A line the operator typed, as the record may keep it: printable and not too long.
bool isRecordable(const QString& text) {
    return text.size() <= longestEntry &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

QLineEdit* entry(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(longestEntry);
    return edit;
}

} // namespace

CalibrationDialog::CalibrationDialog(const PortFactory& makePort, results::StoreAddress store,
                                     SetSource setSource, const QString& operatorName,
                                     QWidget* parent)
    : QDialog(parent), makePort_(makePort), store_(std::move(store)),
      setSource_(std::move(setSource)) {
    setWindowTitle(tr("Калибровка блока стенда"));
    auto* layout = new QVBoxLayout(this);
    pages_ = new QStackedWidget;
    layout->addWidget(pages_);

    // The meter and who calibrates.
    auto* heading = new QWidget;
    auto* headingLayout = new QVBoxLayout(heading);
    auto* intro = new QLabel(
        tr("Выключите проверяемый блок питания и снимите всю нагрузку: во время калибровки он "
           "остаётся выключенным. Подключите к входам измерительного блока регулируемый "
           "образцовый источник и образцовый вольтметр."));
    intro->setWordWrap(true);
    headingLayout->addWidget(intro);
    auto* form = new QFormLayout;
    operator_ = entry("calibrationOperator", heading);
    operator_->setText(operatorName);
    meterName_ = entry("meterName", heading);
    certificate_ = entry("meterCertificate", heading);
    accuracyPercent_ = entry("accuracyPercent", heading);
    accuracyPercent_->setText(QStringLiteral("0"));
    accuracyVolts_ = entry("accuracyVolts", heading);
    accuracyVolts_->setText(QStringLiteral("0"));
    unit_ = entry("calibrationUnit", heading);
    dueMonths_ = new QSpinBox;
    dueMonths_->setObjectName(QStringLiteral("dueMonths"));
    dueMonths_->setRange(1, maxDueMonths);
    dueMonths_->setValue(defaultDueMonths);
    form->addRow(tr("Калибрует:"), operator_);
    form->addRow(tr("Образцовый вольтметр:"), meterName_);
    form->addRow(tr("Его свидетельство о поверке:"), certificate_);
    form->addRow(tr("Его погрешность, % от показания:"), accuracyPercent_);
    form->addRow(tr("Его погрешность, плюс вольт:"), accuracyVolts_);
    form->addRow(tr("Измерительный блок (можно не указывать):"), unit_);
    form->addRow(tr("Срок действия, месяцев:"), dueMonths_);
    headingLayout->addLayout(form);
    auto* begin = new QPushButton(tr("Начать"));
    begin->setObjectName(QStringLiteral("begin"));
    headingLayout->addWidget(begin, 0, Qt::AlignRight);
    headingLayout->addStretch(1);
    pages_->addWidget(heading);

    // One point: the source set, the readings averaged, the meter's reading typed.
    auto* point = new QWidget;
    auto* pointLayout = new QVBoxLayout(point);
    task_ = new QLabel;
    task_->setObjectName(QStringLiteral("pointTask"));
    task_->setWordWrap(true);
    pointLayout->addWidget(task_);
    measure_ = new QPushButton(tr("Измерить"));
    measure_->setObjectName(QStringLiteral("measure"));
    pointLayout->addWidget(measure_, 0, Qt::AlignLeft);
    progress_ = new QLabel;
    progress_->setObjectName(QStringLiteral("pointProgress"));
    progress_->setTextFormat(Qt::PlainText);
    pointLayout->addWidget(progress_);
    auto* readingRow = new QHBoxLayout;
    readingRow->addWidget(new QLabel(tr("Вольтметр показывает, В:")));
    reading_ = entry("meterReading", point);
    readingRow->addWidget(reading_, 1);
    take_ = new QPushButton(tr("Принять"));
    take_->setObjectName(QStringLiteral("takeReading"));
    readingRow->addWidget(take_);
    pointLayout->addLayout(readingRow);
    pointLayout->addStretch(1);
    pages_->addWidget(point);

    // The fit, refused or kept.
    auto* fitPage = new QWidget;
    auto* fitLayout = new QVBoxLayout(fitPage);
    fitText_ = new QPlainTextEdit;
    fitText_->setObjectName(QStringLiteral("fitText"));
    fitText_->setReadOnly(true);
    fitText_->setFont(QFont(QStringLiteral("monospace")));
    fitLayout->addWidget(fitText_);
    keep_ = new QPushButton(tr("Сохранить калибровку"));
    keep_->setObjectName(QStringLiteral("keep"));
    fitLayout->addWidget(keep_, 0, Qt::AlignRight);
    pages_->addWidget(fitPage);

    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("calibrationMessage"));
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText); // errors from the port or the store
    layout->addWidget(message_);
    close_ = new QPushButton(tr("Закрыть"));
    close_->setObjectName(QStringLiteral("closeCalibration"));
    // Enter belongs to the field it is typed in (the meter's reading): no button is the default.
    for (QPushButton* button : {begin, measure_, take_, keep_, close_})
        button->setAutoDefault(false);
    layout->addWidget(close_, 0, Qt::AlignRight);

    connect(begin, &QPushButton::clicked, this, &CalibrationDialog::begin);
    connect(measure_, &QPushButton::clicked, this, &CalibrationDialog::measure);
    connect(take_, &QPushButton::clicked, this, &CalibrationDialog::takeReading);
    connect(reading_, &QLineEdit::returnPressed, this, &CalibrationDialog::takeReading);
    connect(keep_, &QPushButton::clicked, this, &CalibrationDialog::keep);
    connect(close_, &QPushButton::clicked, this, &CalibrationDialog::reject);
    resize(620, 420);
}

CalibrationDialog::~CalibrationDialog() {
    if (storing_)
        storing_->wait();
    // The simulated source back to nothing: an unpowered supply then reads 0 V again.
    if (setSource_)
        setSource_(Input::Volts5, 0);
}

void CalibrationDialog::warn(const QString& text) {
    message_->setStyleSheet(text.isEmpty() ? QString()
                                           : QStringLiteral("color: #c62828; font-weight: bold"));
    message_->setText(text);
}

void CalibrationDialog::begin() {
    const QString who = operator_->text().trimmed();
    const QString name = meterName_->text().trimmed();
    const QString certificate = certificate_->text().trimmed();
    const QString unit = unit_->text().trimmed();
    const auto percent = typedNumber(accuracyPercent_->text(), 0, 10);
    const auto volts = typedNumber(accuracyVolts_->text(), 0, 1);
    if (who.isEmpty() || name.isEmpty() || certificate.isEmpty())
        return warn(tr("Укажите, кто калибрует, образцовый вольтметр и его свидетельство."));
    if (!isRecordable(who) || !isRecordable(name) || !isRecordable(certificate) ||
        !isRecordable(unit))
        return warn(tr("Имена и номера — одной строкой, без управляющих знаков."));
    if (!percent)
        return warn(tr("Погрешность в процентах — число от 0 до 10."));
    if (!volts)
        return warn(tr("Погрешность в вольтах — число от 0 до 1."));
    meter_ = {name, certificate, *percent, *volts};
    record_.operatorName = who;
    record_.unit = unit;
    warn(QString());
    pages_->setCurrentIndex(1);
    showPoint();
}

void CalibrationDialog::showPoint() {
    const ReferencePoint& at = points_[next_];
    task_->setText(tr("Точка %1 из %2: установите образцовый источник на входе %3 около %4 В, "
                      "затем нажмите «Измерить».")
                       .arg(next_ + 1)
                       .arg(points_.size())
                       .arg(shownInputName(at.input))
                       .arg(at.sourceVolts, 0, 'f', 2));
    progress_->clear();
    reading_->clear();
    reading_->setEnabled(false);
    take_->setEnabled(false);
    measure_->setEnabled(true);
    measure_->setFocus();
}

void CalibrationDialog::measure() {
    const ReferencePoint& at = points_[next_];
    if (setSource_)
        setSource_(at.input, at.sourceVolts);
    point_.reset();
    run_ = std::make_unique<CalibrationPointRun>(at.input, makePort_);
    connect(run_.get(), &CalibrationPointRun::progressed, this, [this] {
        const auto& p = run_->progress();
        progress_->setText(tr("%1 показаний: среднее %2, разброс %3 шага%4")
                               .arg(p.readings)
                               .arg(p.mean, 0, 'f', 2)
                               .arg(p.spread, 0, 'f', 2)
                               .arg(p.atRangeEnd > 0 ? tr(", на краю диапазона") : QString()));
    });
    connect(run_.get(), &CalibrationPointRun::finished, this, &CalibrationDialog::measured);
    if (const auto error = run_->start()) {
        run_.reset();
        return warn(*error);
    }
    warn(QString());
    measure_->setEnabled(false);
    progress_->setText(tr("Показания усредняются…"));
}

void CalibrationDialog::measured() {
    // Deleted later: this is its own signal.
    CalibrationPointRun* run = run_.release();
    run->deleteLater();
    if (closing_)
        return QDialog::reject();
    record_.port = run->device();
    if (!run->point()) {
        measure_->setEnabled(true);
        return warn(run->failure());
    }
    point_ = run->point();
    reading_->setEnabled(true);
    take_->setEnabled(true);
    reading_->setFocus();
}

void CalibrationDialog::takeReading() {
    if (!point_)
        return;
    const Input input = points_[next_].input;
    const auto volts = typedNumber(reading_->text(), 0, meterCeiling(input));
    if (!volts) {
        reading_->selectAll();
        return warn(tr("Показание вольтметра — число от 0 до %1 В; введите его ещё раз.")
                        .arg(meterCeiling(input)));
    }
    warn(QString());
    point_->meterVolts = *volts;
    record_.points.push_back(*point_);
    point_.reset();
    if (++next_ < points_.size())
        return showPoint();
    fit();
}

void CalibrationDialog::fit() {
    const CalibrationFit fitted = fitCalibration(record_);
    QStringList lines;
    for (const auto& [input, fit] : fitted.fits) {
        const double step = fit.correction.gain * stepVolts(input);
        lines << tr("%1: усиление %2, смещение %3 В, стандартная ошибка %4 В (%5 шага)")
                     .arg(shownInputName(input))
                     .arg(fit.correction.gain, 0, 'f', 5)
                     .arg(fit.correction.offset, 0, 'f', 4)
                     .arg(fit.correction.standardError, 0, 'f', 4)
                     .arg(fit.correction.standardError / step, 0, 'f', 2);
        std::size_t i = 0;
        for (const CalibrationPoint& p : record_.points) {
            if (p.input != input)
                continue;
            const double residual = fit.residuals[i++];
            lines << tr("  код %1 ± %2, вольтметр %3 В, остаток %4 В (%5 шага)")
                         .arg(p.rawMean, 6, 'f', 2)
                         .arg(p.rawSpread, 0, 'f', 2)
                         .arg(p.meterVolts, 0, 'f', 4)
                         .arg(residual, 7, 'f', 4)
                         .arg(residual / step, 5, 'f', 2);
        }
    }
    for (const FitRefused& why : fitted.refusals)
        lines << tr("Отказ: %1").arg(refusalText(why));
    fitText_->setPlainText(lines.join(QLatin1Char('\n')));
    pages_->setCurrentIndex(2);
    keep_->setVisible(fitted.accepted());
    if (!fitted.accepted())
        warn(tr("Калибровка отклонена и не сохранена; стенд судит по прежней."));
}

void CalibrationDialog::keep() {
    dateCalibration(record_, meter_, dueMonths_->value());
    keep_->setEnabled(false);
    close_->setEnabled(false);
    auto error = std::make_shared<std::optional<QString>>();
    auto record = std::make_shared<results::CalibrationRecord>(record_);
    storing_.reset(QThread::create(
        [store = store_, record, error] { *error = results::keepCalibration(store, *record); }));
    connect(storing_.get(), &QThread::finished, this, [this, record, error] {
        record_ = *record;
        stored(*error);
    });
    message_->setText(tr("Калибровка сохраняется…"));
    storing_->start();
}

void CalibrationDialog::stored(const std::optional<QString>& error) {
    close_->setEnabled(true);
    if (error) {
        keep_->setEnabled(true);
        return warn(tr("Калибровка не сохранена: %1").arg(*error));
    }
    keep_->hide();
    warn(QString());
    message_->setText(
        tr("Калибровка %1 сохранена, действительна до %2.")
            .arg(record_.calibration.id, record_.calibration.due.toString(Qt::ISODate)));
    emit kept();
}

void CalibrationDialog::reject() {
    if (!close_->isEnabled()) // being stored: it ends in a moment
        return;
    if (run_) { // the point's run ends first, the supply off and the port closed
        closing_ = true;
        run_->interrupt();
        return;
    }
    QDialog::reject();
}

void CalibrationDialog::endNow() {
    if (run_)
        run_->interrupt();
}

} // namespace velmor

#include "moc_CalibrationDialog.cpp"

#include "StationWindow.h"

#include "CalibrationDialog.h"
#include "ModelsFile.h"
#include "OutcomeColour.h"
#include "OutputGauge.h"
#include "PlanSummary.h"
#include "Reading.h"
#include "RecordText.h"
#include "RefusedFile.h"
#include "RunReport.h"
#include "StoreAddress.h"
#include "StoreChoice.h"
#include "UnitIdentity.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QTime>
#include <QVBoxLayout>

#include <cstdio>

namespace velmor {

using results::modelsFilePath;

namespace {

// Runs kept in the session's list.
constexpr int historyLength = 20;
constexpr int linkTimeoutSeconds = 30;

QSettings stationSettings() {
    return QSettings(QFileInfo(results::configFilePath()).path() + QStringLiteral("/station.conf"),
                     QSettings::IniFormat);
}

QString outcomeWord(Outcome outcome) {
    switch (outcome) {
    case Outcome::Pass:
    case Outcome::Marginal:
        return StationWindow::tr("ГОДЕН");
    case Outcome::Fail:
        return StationWindow::tr("НЕ ГОДЕН");
    case Outcome::Error: // the bench could not test, whatever the unit
        return StationWindow::tr("ОШИБКА СТЕНДА");
    case Outcome::Aborted:
        break;
    }
    return StationWindow::tr("ПРЕРВАН");
}

} // namespace

StationWindow::StationWindow(const PortFactory& makePort, QString planFile, MapsFolder reports,
                             PlanRecorder* recorder, std::optional<results::StoreAddress> store,
                             QWidget* parent)
    : QWidget(parent), makePort_(makePort), planFile_(std::move(planFile)),
      reports_(std::move(reports)), recorder_(recorder), store_(std::move(store)) {
    setWindowTitle(tr("Velmor test — станция"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    serial_ = new QLineEdit;
    serial_->setObjectName(QStringLiteral("serial"));
    model_ = new QComboBox;
    model_->setEditable(true);
    model_->setObjectName(QStringLiteral("model"));
    operator_ = new QLineEdit;
    operator_->setObjectName(QStringLiteral("operator"));
    QFont entry = serial_->font();
    entry.setPointSizeF(entry.pointSizeF() * 1.5);
    for (QWidget* w : {static_cast<QWidget*>(serial_), static_cast<QWidget*>(model_),
                       static_cast<QWidget*>(operator_)})
        w->setFont(entry);
    // A barcode scanner needs the Latin keyboard layout, in which Alt with a Cyrillic letter
    // never comes: the mnemonics are Latin letters. Stop has Esc.
    form->addRow(tr("Серийный номер (&S):"), serial_);
    form->addRow(tr("Модель (&M):"), model_);
    form->addRow(tr("Оператор (&O):"), operator_);
    layout->addLayout(form);

    plan_ = new QLabel;
    step_ = new QLabel;
    progress_ = new QProgressBar;
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    time_ = new QLabel;
    layout->addWidget(plan_);
    auto* calibration = new QLabel;
    calibration->setObjectName(QStringLiteral("calibration"));
    // No mnemonic: a scanner's keys never reach the procedure.
    calibrate_ = new QPushButton(tr("Калибровка блока…"));
    calibrate_->setObjectName(QStringLiteral("calibrate"));
    calibrate_->setFocusPolicy(Qt::NoFocus);
    calibrate_->setEnabled(store_.has_value());
    if (!store_)
        calibrate_->setToolTip(tr("Калибровку некуда сохранить: хранилище записей отключено"));
    auto* calibrationRow = new QHBoxLayout;
    calibrationRow->addWidget(calibration, 1);
    calibrationRow->addWidget(calibrate_);
    layout->addLayout(calibrationRow);
    calibration_ = new StationCalibration(
        store_,
        StationCalibration::policyOf(
            stationSettings().value(QStringLiteral("calibration")).toString()),
        calibration, this);
    const QSettings conf = stationSettings();
    golden_ = new StationGolden(store_, conf.fileName(), conf.value(QStringLiteral("golden")),
                                conf.value(QStringLiteral("shifts")), this);
    // What a run shows while it goes, hidden between runs.
    live_ = new QWidget;
    auto* live = new QVBoxLayout(live_);
    live->setContentsMargins(0, 0, 0, 0);
    live->addWidget(step_);
    live->addWidget(progress_);
    live->addWidget(time_);
    const QString names[3] = {tr("+5 В"), tr("+12 В"), tr("+3,3 В")};
    const UnitOutput* const units[3] = {&output5, &output12, &output33};
    for (int i = 0; i < 3; ++i)
        live->addWidget(gauges_[i] = new OutputGauge(names[i], *units[i]));
    loads_ = new QLabel;
    live->addWidget(loads_);
    stop_ = new QPushButton(tr("Стоп (Esc)"));
    live->addWidget(stop_, 0, Qt::AlignLeft);
    layout->addWidget(live_);

    outcome_ = new QLabel;
    outcome_->setObjectName(QStringLiteral("outcome"));
    outcome_->setAlignment(Qt::AlignCenter);
    QFont large = outcome_->font();
    large.setPointSizeF(large.pointSizeF() * 4);
    large.setBold(true);
    outcome_->setFont(large);
    note_ = new QLabel;
    note_->setObjectName(QStringLiteral("note"));
    note_->setAlignment(Qt::AlignCenter);
    note_->setWordWrap(true);
    QFont noteFont = note_->font();
    noteFont.setPointSizeF(noteFont.pointSizeF() * 1.4);
    note_->setFont(noteFont);
    layout->addStretch(1);
    layout->addWidget(outcome_);
    layout->addWidget(note_);
    layout->addStretch(1);
    layout->addWidget(new QLabel(tr("Последние проверки:")));
    history_ = new QListWidget;
    history_->setFocusPolicy(Qt::NoFocus);
    history_->setFixedHeight(history_->fontMetrics().lineSpacing() * 8);
    layout->addWidget(history_);

    // The models the file knows, and what was used last time.
    if (planFile_.isEmpty()) {
        const auto models = readModels(modelsFilePath());
        if (const auto* known = std::get_if<Models>(&models))
            for (const auto& entry : known->plans)
                model_->addItem(entry.first);
    }
    const QSettings settings = stationSettings();
    model_->setCurrentText(settings.value(QStringLiteral("model")).toString());
    operator_->setText(settings.value(QStringLiteral("operator")).toString());

    connect(serial_, &QLineEdit::returnPressed, this, &StationWindow::start);
    // Another serial after a warning is another unit: its Enter asks afresh.
    connect(serial_, &QLineEdit::textEdited, this, [this] {
        if (gate_ == Gate::Warned)
            cancelRepeat();
    });
    connect(stop_, &QPushButton::clicked, this, &StationWindow::stop);
    connect(calibrate_, &QPushButton::clicked, this, &StationWindow::calibrate);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &StationWindow::stop);
    setRunning(false);
    plan_->setText(planFile_.isEmpty() ? tr("План выбирается по модели (%1)").arg(modelsFilePath())
                                       : tr("План: %1").arg(planFile_));
    serial_->setFocus();
    resize(760, 820);
}

StationWindow::~StationWindow() = default;

void StationWindow::setRunning(bool running) {
    serial_->setReadOnly(running);
    model_->setEnabled(!running);
    operator_->setReadOnly(running);
    live_->setVisible(running);
    calibrate_->setEnabled(!running && store_.has_value());
}

void StationWindow::calibrate() {
    if (running_ || gate_ != Gate::Open || calibrating_ || !store_)
        return;
    calibrating_ = new CalibrationDialog(makePort_, *store_, referenceSource_,
                                         operator_->text().trimmed(), this);
    calibrating_->setAttribute(Qt::WA_DeleteOnClose);
    connect(calibrating_, &CalibrationDialog::kept, calibration_, &StationCalibration::refresh);
    connect(calibrating_, &QDialog::finished, this, [this] {
        calibrating_ = nullptr;
        if (closeWhenEnded_)
            close();
    });
    calibrating_->open();
}

std::optional<Plan> StationWindow::planForModel(const QString& serial) {
    QString file = planFile_;
    if (file.isEmpty()) {
        if (!QFileInfo::exists(modelsFilePath())) {
            showOutcome(tr("ОШИБКА"),
                        tr("Файл моделей %1 не найден: в нём каждой модели указан её план "
                           "(или запустите станцию с --plan ФАЙЛ)")
                            .arg(modelsFilePath()),
                        outcomeColour(Outcome::Error));
            return std::nullopt;
        }
        const auto models = readModels(modelsFilePath());
        if (const auto* error = std::get_if<PlanError>(&models)) {
            refused(*error, serial);
            return std::nullopt;
        }
        const auto& known = std::get<Models>(models).plans;
        const QString model = model_->currentText().trimmed();
        const auto found = known.find(model);
        if (found == known.end()) {
            showOutcome(tr("ОШИБКА"),
                        model.isEmpty()
                            ? tr("Модель не выбрана: её план ищется в %1").arg(modelsFilePath())
                            : tr("Модель «%1» не найдена в %2").arg(model, modelsFilePath()),
                        outcomeColour(Outcome::Error));
            return std::nullopt;
        }
        file = found->second;
    }
    auto read = readPlan(file);
    if (const auto* error = std::get_if<PlanError>(&read)) {
        refused(*error, serial);
        return std::nullopt;
    }
    return std::get<Plan>(std::move(read));
}

void StationWindow::refused(const PlanError& error, const QString& serial) {
    showOutcome(outcomeWord(Outcome::Error),
                tr("%1\nИсправьте файл %2 (или выберите другую модель), затем проверьте блок "
                   "снова.")
                    .arg(error.text(), error.file),
                outcomeColour(Outcome::Error));
    if (recorder_)
        recordRefusedFile(
            *recorder_, error,
            UnitIdentity{serial, model_->currentText().trimmed(), operator_->text().trimmed()});
}

void StationWindow::start() {
    if (running() || gate_ == Gate::Looking || calibrating_)
        return;
    if (gate_ == Gate::Warned) { // the second Enter: tested again, as the operator chose
        gate_ = Gate::Open;
        begin(std::move(*pendingPlan_), pendingSerial_);
        return;
    }
    const QString serial = serial_->text().trimmed();
    if (!isIdentityText(serial)) {
        showOutcome(tr("ОШИБКА"),
                    tr("Серийный номер пуст, длиннее %1 знаков или содержит недопустимые знаки")
                        .arg(maxIdentityLength),
                    outcomeColour(Outcome::Error));
        serial_->clear();
        return;
    }
    // The golden check only where the calibration allows the run: it reads the models file and
    // may ask the store, for nothing while the calibration refuses.
    auto refused = calibration_->refusal();
    if (!refused)
        refused = golden_->refusal(serial);
    if (refused) {
        showOutcome(tr("ОШИБКА"), *refused, outcomeColour(Outcome::Error));
        serial_->selectAll();
        return;
    }
    auto plan = planForModel(serial);
    if (!plan) {
        serial_->selectAll();
        return;
    }
    QSettings settings = stationSettings();
    settings.setValue(QStringLiteral("model"), model_->currentText().trimmed());
    settings.setValue(QStringLiteral("operator"), operator_->text().trimmed());
    if (!store_) {
        begin(std::move(*plan), serial);
        return;
    }
    // Looked up off this thread; at most 2 s, and the unit runs whatever the store says then.
    gate_ = Gate::Looking;
    pendingPlan_ = std::move(plan);
    pendingSerial_ = serial;
    serial_->setReadOnly(true);
    model_->setEnabled(false);
    showOutcome(QString(), tr("Поиск прежних проверок блока…"), outcomeColour(Outcome::Pass));
    repeat_ = std::make_unique<results::RepeatTestCheck>(*store_, serial, *pendingPlan_);
    repeat_->whenAnswered(
        [this](const std::optional<QString>& warning) { repeatAnswered(warning); });
}

void StationWindow::repeatAnswered(const std::optional<QString>& warning) {
    if (gate_ != Gate::Looking)
        return;
    if (!warning) {
        gate_ = Gate::Open;
        begin(std::move(*pendingPlan_), pendingSerial_);
        return;
    }
    gate_ = Gate::Warned;
    serial_->setReadOnly(false);
    serial_->selectAll(); // a unit scanned now replaces this one
    showOutcome(tr("ПОВТОР"), tr("%1\nEnter — проверить ещё раз, Esc — отмена").arg(*warning),
                outcomeColour(Outcome::Marginal));
}

void StationWindow::cancelRepeat() {
    gate_ = Gate::Open;
    pendingPlan_.reset();
    outcome_->clear();
    note_->clear();
    setRunning(false);
}

void StationWindow::begin(Plan plan, const QString& serial) {
    pendingPlan_.reset();
    const Profile& profile = plan.context.profile;
    gauges_[0]->setLimits(voltsLimits(output5, profile.out5, profile.guardPercent));
    gauges_[1]->setLimits(voltsLimits(output12, profile.out12, profile.guardPercent));
    gauges_[2]->setLimits(voltsLimits(output33, profile.out33, profile.guardPercent));
    for (OutputGauge* gauge : gauges_)
        gauge->setVolts(std::nullopt);
    plan_->setText(tr("План: %1, около %2").arg(plan.name, durationText(plan.estimatedMs())));

    runSerial_ = serial;
    run_.reset();
    calibration_->applyTo(plan);
    PlanRunSettings settings;
    settings.unit = {serial, model_->currentText().trimmed(), operator_->text().trimmed()};
    settings.linkTimeoutSeconds = linkTimeoutSeconds;
    settings.report = true;
    settings.reports = reports_;
    settings.recorder = recorder_;
    run_ = std::make_unique<AutomaticPlanRun>(std::move(plan), std::move(settings), makePort_);
    connect(run_.get(), &AutomaticRun::ticked, this,
            [this](const StepReading& reading, const StepAnswer&) { showTick(reading); });
    connect(run_.get(), &AutomaticRun::finished, this, &StationWindow::finish);
    if (const auto error = run_->start()) {
        run_.reset();
        setRunning(false);
        showOutcome(outcomeWord(Outcome::Error), *error, outcomeColour(Outcome::Error));
        serial_->selectAll();
        return;
    }
    outcome_->clear();
    note_->clear();
    running_ = true;
    setRunning(true);
    showTick({std::nullopt, 0, allOffFrame});
}

void StationWindow::stop() {
    if (running_) {
        run_->interrupt();
    } else if (gate_ != Gate::Open) { // not tested again: the serial cleared for the next unit
        cancelRepeat();
        serial_->clear();
        serial_->setFocus();
    }
}

void StationWindow::showTick(const StepReading& reading) {
    if (const auto p = run_->progress(reading.sinceStartMs)) {
        step_->setText(tr("Шаг %1 из %2: %3").arg(p->step).arg(p->steps).arg(p->name));
        progress_->setValue(static_cast<int>(p->fraction * 1000));
        time_->setText(tr("Прошло %1, осталось около %2")
                           .arg(minutesSeconds(p->elapsedMs), minutesSeconds(p->remainingMs)));
    }
    const LoadSettings loads = loadSettings(reading.answers);
    const UnitOutput* const units[3] = {&output5, &output12, &output33};
    const double amps[3] = {output5.amps(loads.load5), output12.amps(loads.load12),
                            output33.amps(loads.load33)};
    if (reading.reply) {
        const Reading volts = graphReading(*reading.reply);
        const double v[3] = {volts.volts5, volts.volts12, volts.volts33};
        bool measurable = true; // no loaded output beyond the unit's range
        for (int i = 0; i < 3; ++i) {
            gauges_[i]->setVolts(v[i]);
            if (amps[i] > 0 && units[i]->endOf(v[i]) != RangeEnd::Inside)
                measurable = false;
        }
        QString text =
            (measurable ? tr("Нагрузка: +5 В %1 А, +12 В %2 А, +3,3 В %3 А; мощность %4 Вт")
                        : tr("Нагрузка: +5 В %1 А, +12 В %2 А, +3,3 В %3 А; мощность "
                             "неизвестна: напряжение за пределом измерения блока"))
                .arg(amps[0], 0, 'f', 2)
                .arg(amps[1], 0, 'f', 2)
                .arg(amps[2], 0, 'f', 2);
        if (measurable)
            text = text.arg(v[0] * amps[0] + v[1] * amps[1] + v[2] * amps[2], 0, 'f', 1);
        loads_->setText(text);
    } else {
        for (OutputGauge* gauge : gauges_)
            gauge->setVolts(std::nullopt);
        loads_->setText(tr("Нагрузка: +5 В %1 А, +12 В %2 А, +3,3 В %3 А; нет ответа блока")
                            .arg(amps[0], 0, 'f', 2)
                            .arg(amps[1], 0, 'f', 2)
                            .arg(amps[2], 0, 'f', 2));
    }
}

// The PDF of the run just ended, in the reports folder; what became of it, for the note.
QString StationWindow::saveReport() {
    const auto saved = run_->saveReport();
    return saved.error ? tr("Отчёт не записан: %1").arg(*saved.error)
                       : tr("Отчёт: %1").arg(saved.path);
}

void StationWindow::endNow() {
    if (calibrating_)
        calibrating_->endNow();
    if (!running_)
        return;
    run_->interrupt();
    finish(RunEnd::Aborted);
}

void StationWindow::finish(RunEnd) {
    if (!running_) // ended already by endNow()
        return;
    const PlanRun& run = run_->planRun();
    const Outcome outcome = run.outcome().value_or(Outcome::Error);
    const auto& results = run.results();
    const StepResult* deciding = decidingStep(results, outcome);
    const QString step =
        deciding ? run.stepSpec(static_cast<int>(deciding - results.data())).name : QString();
    QString note;
    if (outcome == Outcome::Error) {
        // The bench could not test: nothing is said of the unit.
        const QString why =
            !deciding ? QString()
            : deciding->finding
                ? findingText(*deciding->finding)
                : tr("Шаг «%1»: %2").arg(step, shownRecordText(deciding->keyFigure));
        const auto kind =
            deciding && deciding->finding ? std::optional(deciding->finding->kind) : std::nullopt;
        note = kind == Finding::Kind::PortLost
                   ? tr("%1\nПроверьте, что адаптер порта подключён к компьютеру, затем проверьте "
                        "блок снова.")
                         .arg(why)
               : kind == Finding::Kind::NoReply
                   ? tr("%1\nПроверьте питание измерительного блока и кабель между ним и портом, "
                        "затем проверьте блок снова.")
                         .arg(why)
                   : tr("%1\nПроверьте кабель и питание измерительного блока и его порт, затем "
                        "проверьте блок снова.")
                         .arg(why);
    } else if (deciding) {
        note = deciding->finding ? tr("Шаг «%1»: %2").arg(step, findingText(*deciding->finding))
                                 : tr("Шаг «%1»").arg(step);
        if (!deciding->keyFigure.isEmpty())
            note += QLatin1Char('\n') + shownRecordText(deciding->keyFigure);
    }
    if (outcome == Outcome::Marginal)
        note = tr("В пределах, но близко к границе. %1").arg(note);
    if (outcome == Outcome::Pass || outcome == Outcome::Marginal)
        golden_->passed(runSerial_);
    const QString report = saveReport();
    showOutcome(outcomeWord(outcome), note.isEmpty() ? report : note + QLatin1Char('\n') + report,
                outcomeColour(outcome));
    const QString line =
        QStringLiteral("%1   %2   %3")
            .arg(runSerial_, QTime::currentTime().toString(QStringLiteral("HH:mm:ss")),
                 outcomeWord(outcome));
    history_->insertItem(0, line);
    while (history_->count() > historyLength)
        delete history_->takeItem(history_->count() - 1);
    // A line per unit on stderr, for the shift's log.
    std::fprintf(stderr, "velmor-test: %s\n",
                 qPrintable(tr("станция: %1: %2").arg(runSerial_, outcomeName(outcome))));
    std::fflush(stderr);
    running_ = false;
    setRunning(false);
    serial_->clear();
    serial_->setFocus();
    emit runFinished(runSerial_, outcome);
    if (closeWhenEnded_)
        close();
}

void StationWindow::showOutcome(const QString& word, const QString& note, const QColor& colour) {
    outcome_->setText(word);
    QPalette palette = outcome_->palette();
    palette.setColor(QPalette::WindowText, colour);
    outcome_->setPalette(palette);
    note_->setText(note);
}

// Closed mid-run or mid-calibration, the window waits for the run's end frames and the port's
// close.
void StationWindow::closeEvent(QCloseEvent* event) {
    if (calibrating_) { // nothing kept; a point being measured ends with the supply off
        closeWhenEnded_ = true;
        calibrating_->reject();
        event->ignore();
        return;
    }
    if (!running_) {
        event->accept();
        return;
    }
    closeWhenEnded_ = true;
    stop();
    event->ignore();
}

} // namespace velmor

#include "moc_StationWindow.cpp"

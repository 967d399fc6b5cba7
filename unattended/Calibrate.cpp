#include "Calibrate.h"

#include "CalibrationFit.h"
#include "CalibrationPointRun.h"
#include "Printable.h"
#include "ReferenceFile.h"
#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>

#include <cstdio>
#include <future>

namespace velmor {

namespace {

struct CalibrateText {
    Q_DECLARE_TR_FUNCTIONS(Calibrate)
};

void say(const QString& text) {
    std::fputs(qPrintable(results::printable(text)), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

// A line typed by the operator; none at the end of the input.
std::optional<QString> ask(const QString& prompt) {
    std::fputs(qPrintable(prompt), stdout);
    std::fflush(stdout);
    static QTextStream in(stdin);
    QString line;
    if (!in.readLineInto(&line))
        return std::nullopt;
    return line.trimmed();
}

// A number typed, "," or "." as the decimal point, within low..high; the default for an empty
// line where there is one. None at the end of the input.
std::optional<double> askNumber(const QString& prompt, double low, double high,
                                std::optional<double> fallback = std::nullopt) {
    for (;;) {
        const auto line = ask(prompt);
        if (!line)
            return std::nullopt;
        if (line->isEmpty() && fallback)
            return fallback;
        if (const auto value = typedNumber(*line, low, high))
            return value;
        say(CalibrateText::tr("A number from %1 to %2, please.").arg(low).arg(high));
    }
}

// One point averaged on the engine; none when the run did not complete (stderr says why).
std::optional<CalibrationPoint> average(Input input, const PortFactory& makePort) {
    CalibrationPointRun run(input, makePort);
    TerminationSignals stop;
    QObject::connect(&stop, &TerminationSignals::received, &run, &CalibrationPointRun::interrupt);
    if (const auto error = run.start()) {
        std::fprintf(stderr, "velmor-test: %s\n", qPrintable(results::printable(*error)));
        return std::nullopt;
    }
    // Shown at most ten times a second, and once more at the end.
    const auto show = [&run] {
        const auto& p = run.progress();
        std::fputs(qPrintable(QStringLiteral("\r  ") +
                              CalibrateText::tr("%1 readings: mean %2, spread %3 steps%4")
                                  .arg(p.readings)
                                  .arg(p.mean, 0, 'f', 2)
                                  .arg(p.spread, 0, 'f', 2)
                                  .arg(p.atRangeEnd > 0 ? CalibrateText::tr(", at the range's end")
                                                        : QString()) +
                              QStringLiteral("   ")),
                   stdout);
        std::fflush(stdout);
    };
    QElapsedTimer shown;
    QObject::connect(&run, &CalibrationPointRun::progressed, [&show, &shown] {
        if (shown.isValid() && shown.elapsed() < 100)
            return;
        shown.start();
        show();
    });
    QEventLoop loop;
    QObject::connect(&run, &CalibrationPointRun::finished, &loop, &QEventLoop::quit);
    loop.exec();
    show();
    std::fputs("\n", stdout);
    if (!run.point())
        std::fprintf(stderr, "velmor-test: %s\n", qPrintable(results::printable(run.failure())));
    return run.point();
}

// The meter, operator, unit and due months typed where no file gives them.
std::optional<ReferenceFile> askHeading(const CalibrateRequest& request) {
    ReferenceFile typed;
    typed.points = suggestedPoints();
    const auto text = [](const QString& prompt, const QString& fallback) -> std::optional<QString> {
        const auto line =
            ask(fallback.isEmpty() ? prompt + QStringLiteral(": ")
                                   : QStringLiteral("%1 [%2]: ").arg(prompt, fallback));
        if (!line)
            return std::nullopt;
        return line->isEmpty() ? fallback : line->left(200);
    };
    const auto who = text(CalibrateText::tr("Who calibrates"), request.operatorName);
    const auto meter = who ? text(CalibrateText::tr("Reference meter"), QString()) : std::nullopt;
    const auto certificate =
        meter ? text(CalibrateText::tr("Its calibration certificate"), QString()) : std::nullopt;
    const auto percent =
        certificate ? askNumber(CalibrateText::tr("Its accuracy, % of reading [0]: "), 0, 10, 0.0)
                    : std::nullopt;
    const auto volts =
        percent ? askNumber(CalibrateText::tr("Its accuracy, plus volts [0]: "), 0, 1, 0.0)
                : std::nullopt;
    const auto unit =
        volts ? text(CalibrateText::tr("The unit's identity (may stay empty)"), request.unit)
              : std::nullopt;
    const auto months =
        unit ? askNumber(CalibrateText::tr("Due in months [%1]: ").arg(defaultDueMonths), 1,
                         maxDueMonths, defaultDueMonths)
             : std::nullopt;
    if (!months)
        return std::nullopt;
    typed.operatorName = *who;
    typed.meter = {*meter, *certificate, *percent, *volts};
    typed.unit = *unit;
    typed.dueMonths = static_cast<int>(*months);
    return typed;
}

void showFit(Input input, const std::vector<CalibrationPoint>& points, const InputFit& fit) {
    const double step = fit.correction.gain * stepVolts(input);
    say(CalibrateText::tr("%1: gain %2, offset %3 V, standard error %4 V (%5 steps)")
            .arg(shownInputName(input))
            .arg(fit.correction.gain, 0, 'f', 5)
            .arg(fit.correction.offset, 0, 'f', 4)
            .arg(fit.correction.standardError, 0, 'f', 4)
            .arg(fit.correction.standardError / step, 0, 'f', 2));
    std::size_t i = 0;
    for (const CalibrationPoint& p : points) {
        if (p.input != input)
            continue;
        const double residual = fit.residuals[i++];
        say(CalibrateText::tr("  raw %1 ± %2, meter %3 V, residual %4 V (%5 steps)")
                .arg(p.rawMean, 6, 'f', 2)
                .arg(p.rawSpread, 0, 'f', 2)
                .arg(p.meterVolts, 0, 'f', 4)
                .arg(residual, 7, 'f', 4)
                .arg(residual / step, 5, 'f', 2));
    }
}

} // namespace

Calibration currentCalibration(const std::optional<results::StoreAddress>& store,
                               QString* warning) {
    auto found = store ? std::async(std::launch::async,
                                    [&store] { return results::benchCalibration(*store); })
                             .get()
                       : std::variant<Calibration, QString>(Calibration{});
    Calibration calibration;
    if (const auto* error = std::get_if<QString>(&found))
        std::fprintf(stderr, "velmor-test: %s\n",
                     qPrintable(results::printable(
                         CalibrateText::tr("the bench's calibration cannot be read (%1); judged "
                                           "uncalibrated")
                             .arg(*error))));
    else
        calibration = std::get<Calibration>(found);
    const QDate today = QDate::currentDate();
    if (!calibration.isCalibrated()) {
        *warning = QStringLiteral("missing");
        std::fprintf(
            stderr, "velmor-test: %s\n",
            qPrintable(CalibrateText::tr("warning: the bench is not calibrated (velmor-test "
                                         "--calibrate); readings are judged by the design's "
                                         "formulas")));
    } else if (calibration.isOverdue(today)) {
        *warning = QStringLiteral("overdue");
        std::fprintf(stderr, "velmor-test: %s\n",
                     qPrintable(CalibrateText::tr("warning: the bench's calibration %1 was due %2; "
                                                  "calibrate it again (velmor-test --calibrate)")
                                    .arg(calibration.id, calibration.due.toString(Qt::ISODate))));
    }
    return calibration;
}

int runCalibration(const CalibrateRequest& request, const QString& port,
                   const PortFactory& makePort, const KeepCalibration& keep,
                   const SetSource& setSource) {
    ReferenceFile reference;
    if (request.referenceFile) {
        auto read = readReferenceFile(*request.referenceFile);
        if (const auto* error = std::get_if<PlanError>(&read)) {
            std::fprintf(stderr, "%s\n", qPrintable(results::printable(error->text())));
            return 1;
        }
        reference = std::get<ReferenceFile>(std::move(read));
        if (reference.operatorName.isEmpty())
            reference.operatorName = request.operatorName;
        if (reference.unit.isEmpty())
            reference.unit = request.unit;
    } else if (auto typed = askHeading(request)) {
        reference = std::move(*typed);
    } else {
        return 1;
    }
    say(CalibrateText::tr(
        "Switch the supply off, take every load off, and connect the reference source "
        "and the meter to the unit's inputs. The supply stays off throughout."));
    results::CalibrationRecord record;
    record.port = port;
    record.operatorName = reference.operatorName;
    record.unit = reference.unit;
    const std::size_t count = reference.points.size();
    for (std::size_t i = 0; i < count; ++i) {
        const ReferencePoint& at = reference.points[i];
        say(CalibrateText::tr("Point %1 of %2: set the source on %3 to about %4 V.")
                .arg(i + 1)
                .arg(count)
                .arg(shownInputName(at.input))
                .arg(at.sourceVolts, 0, 'f', 2));
        if (setSource)
            setSource(at.input, at.sourceVolts);
        if (!request.referenceFile && !ask(CalibrateText::tr("Press Enter when it is set. ")))
            return 1;
        auto point = average(at.input, makePort);
        if (!point)
            return 1;
        if (at.meterVolts) {
            point->meterVolts = *at.meterVolts;
        } else {
            const auto typed = askNumber(CalibrateText::tr("The meter shows, in volts: "), 0,
                                         meterCeiling(at.input));
            if (!typed)
                return 1;
            point->meterVolts = *typed;
        }
        record.points.push_back(*point);
    }
    const CalibrationFit fit = fitCalibration(record);
    for (const auto& [input, fitted] : fit.fits)
        showFit(input, record.points, fitted);
    for (const FitRefused& why : fit.refusals)
        say(CalibrateText::tr("Refused: %1").arg(refusalText(why)));
    if (!fit.accepted()) {
        say(CalibrateText::tr(
            "The calibration is refused and not kept; the bench keeps the one it had."));
        return 1;
    }
    dateCalibration(record, reference.meter, reference.dueMonths);
    if (keep) {
        if (const auto error = keep(record)) {
            std::fprintf(stderr, "velmor-test: %s\n", qPrintable(results::printable(*error)));
            return 1;
        }
    }
    say(CalibrateText::tr("Calibration %1 kept, due %2.")
            .arg(record.calibration.id, record.calibration.due.toString(Qt::ISODate)));
    return 0;
}

} // namespace velmor

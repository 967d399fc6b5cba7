#include "Options.h"

#include "Language.h"
#include "MapsFolder.h"
#include "PortList.h"
#include "QtSerialPort.h"
#include "UnitOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <tuple>

namespace velmor {

namespace {

// This file's texts, looked up in the catalogue under "Options".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Options)
};

// The command line's options, one table for parsing and for the help text, and for the look
// at the arguments before there is an application.
class CommandLine {
public:
    CommandLine() {
        parser.addOption(portOption);
        parser.addOption(languageOption);
        parser.addOption(resultsOption);
        parser.addOptions({unitOption, modelOption, operatorOption});
        parser.addOption(simulateOption);
        parser.addOption(listPortsOption);
        parser.addOption(traceOption);
        parser.addOption(stationOption);
        parser.addOptions({sweepOption, limitsOption, planOption, checkPlanOption, reportOption,
                           linkTimeoutOption});
        parser.addOptions({calibrateOption, referenceOption, inputGainOption, inputOffsetOption});
    }

    // Parsed quietly: what a complaint is about is for parseOptions to say.
    explicit CommandLine(const QStringList& arguments) : CommandLine() { parser.parse(arguments); }

    bool helpWanted() const { return parser.isSet(helpOption) || parser.isSet(helpAllOption); }

    QCommandLineParser parser;
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption helpAllOption{QStringLiteral("help-all")}; // added with --help
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption portOption{
        QStringLiteral("port"),
        QStringLiteral("Device that serial port 1 maps to (default %1).")
            .arg(platformPortDevice(1)),
        QStringLiteral("DEVICE")};
    const QCommandLineOption simulateOption{
        QStringLiteral("simulate"),
        QStringLiteral("Run against the built-in simulated unit instead of a real one.")};
    const QCommandLineOption listPortsOption{
        QStringLiteral("list-ports"), QStringLiteral("Print the machine's serial ports and exit.")};
    const QCommandLineOption traceOption{
        QStringLiteral("trace"),
        QStringLiteral("Record every byte in and out of the link, with timestamps, in FILE."),
        QStringLiteral("FILE")};
    const QCommandLineOption sweepOption{
        QStringLiteral("sweep"),
        QStringLiteral("Run the cross-load sweep without a window and save it as NAME in the Graf "
                       "folder. Exit status 0 passed, 2 failed, 3 no reading judged (no "
                       "verdict), 1 not run or interrupted."),
        QStringLiteral("NAME")};
    const QCommandLineOption limitsOption{
        QStringLiteral("limits"),
        QStringLiteral("With --sweep: LoadLimit1, LoadLimit2 and PowerLimit, 0..255 each "
                       "(default 80,80,70)."),
        QStringLiteral("L1,L2,P")};
    const QCommandLineOption planOption{
        QStringLiteral("plan"),
        QStringLiteral("Run the test plan in FILE without a window on the unit --unit names. Exit "
                       "status 0 passed (MARGINAL printed for a pass inside the guard band), 2 "
                       "failed, 1 not run, error or interrupted."),
        QStringLiteral("FILE")};
    const QCommandLineOption stationOption{
        QStringLiteral("station"),
        QStringLiteral(
            "Open the operator's station: a scanned serial number runs the test plan of "
            "the unit's model (models.toml in the configuration folder), or of --plan.")};
    const QCommandLineOption checkPlanOption{
        QStringLiteral("check-plan"),
        QStringLiteral("Check the test plan in FILE, print its steps and estimated duration, and "
                       "exit: 0 good, 1 refused."),
        QStringLiteral("FILE")};
    const QCommandLineOption reportOption{
        QStringLiteral("report"),
        QStringLiteral("With --sweep or --plan: also write the PDF report.")};
    const QCommandLineOption linkTimeoutOption{
        QStringLiteral("link-timeout"),
        QStringLiteral("With --sweep or --plan: give up after SECONDS without a reply (default "
                       "30)."),
        QStringLiteral("SECONDS")};
    const QCommandLineOption calibrateOption{
        QStringLiteral("calibrate"),
        QStringLiteral("Calibrate the unit's voltage inputs against a reference meter on the "
                       "terminal, with the supply off, and keep the calibration in the results "
                       "store. Exit status 0 kept, 1 refused or stopped.")};
    const QCommandLineOption referenceOption{
        QStringLiteral("reference"),
        QStringLiteral("With --calibrate: the meter, its readings and the points from FILE "
                       "(TOML) instead of typed."),
        QStringLiteral("FILE")};
    const QCommandLineOption inputGainOption{
        QStringLiteral("input-gain"),
        QStringLiteral("With --simulate: the simulated unit reads an output's input mis-scaled, "
                       "e.g. 12=1.02 (as velmor-unit-sim)."),
        QStringLiteral("output=gain")};
    const QCommandLineOption inputOffsetOption{
        QStringLiteral("input-offset"),
        QStringLiteral("With --simulate: the simulated unit reads an output's input shifted by "
                       "volts, e.g. 5=-0.03."),
        QStringLiteral("output=volts")};
    const QCommandLineOption resultsOption{
        QStringLiteral("results"),
        QStringLiteral("Where test records go: postgresql://user@host:port/database (a server "
                       "the lab's benches share), sqlite:/path/file.sqlite, or off. Default: the "
                       "\"results\" key of velmor-test.conf in the user's configuration folder, "
                       "else results.sqlite in the user's data folder."),
        QStringLiteral("URL")};
    const QCommandLineOption unitOption{
        QStringLiteral("unit"),
        QStringLiteral("Serial number of the unit under test, kept in its test records (1 to 64 "
                       "printable characters). Default: the \"unit\" line of velmor-test.conf "
                       "for the windows."),
        QStringLiteral("SERIAL")};
    const QCommandLineOption modelOption{
        QStringLiteral("model"),
        QStringLiteral("Model of the unit under test (likewise; config line \"model\")."),
        QStringLiteral("NAME")};
    const QCommandLineOption operatorOption{
        QStringLiteral("operator"),
        QStringLiteral("Who runs the test (likewise; config line \"operator\")."),
        QStringLiteral("NAME")};
    const QCommandLineOption languageOption{
        QStringLiteral("language"),
        QStringLiteral("Language of the reports and of the command line's messages: ru or en "
                       "(default ru; en where LC_ALL, LC_MESSAGES or LANG starts with \"en\"). "
                       "The windows are Russian."),
        QStringLiteral("LANG")};
};

} // namespace

std::optional<Options> parseOptions(const QStringList& arguments, int* exitCode) {
    CommandLine c;
    QCommandLineParser& parser = c.parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Test bench for PC power supplies on a load-and-measurement unit.\n\n"
            "Saved maps go to %1 (Graf beside the program where the user may write its folder, "
            "else Graf in the user's data folder, made for the user alone on the first save).\n"
            "SIGTERM, SIGINT and SIGHUP end the program cleanly: the supply and the loads off, the "
            "port closed.")
            .arg(mapsFolderOfThisProgram().path));
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        *exitCode = 2;
        return std::nullopt;
    }
    if (c.helpWanted()) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        *exitCode = 0;
        return std::nullopt;
    }
    if (parser.isSet(c.versionOption)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        *exitCode = 0;
        return std::nullopt;
    }
    if (parser.isSet(c.listPortsOption)) {
        std::fputs(qPrintable(describeSerialPorts()), stdout);
        *exitCode = 0;
        return std::nullopt;
    }
    if (parser.isSet(c.portOption) && parser.isSet(c.simulateOption)) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(Text::tr("--port and --simulate exclude each other")));
        *exitCode = 2;
        return std::nullopt;
    }

    const auto refuse = [exitCode](const QString& why) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        *exitCode = 2;
        return std::nullopt;
    };
    // Given twice, which one was meant is a guess; given empty, it names nothing.
    for (const QCommandLineOption* option :
         {&c.portOption, &c.traceOption, &c.languageOption, &c.planOption, &c.checkPlanOption,
          &c.referenceOption}) {
        const QStringList values = parser.values(*option);
        const QString name = QStringLiteral("--") + option->names().constFirst();
        if (values.size() > 1 || (values.size() == 1 && values.constFirst().isEmpty()))
            return refuse(values.size() > 1 ? Text::tr("%1 given twice").arg(name)
                                            : Text::tr("%1 needs a name").arg(name));
    }
    Options options;
    for (const auto& [option, field, value] :
         {std::tuple{&c.unitOption, IdentityField::Serial, &options.unit.serial},
          std::tuple{&c.modelOption, IdentityField::Model, &options.unit.model},
          std::tuple{&c.operatorOption, IdentityField::Operator, &options.unit.operatorName}}) {
        const QStringList values = parser.values(*option);
        const QString name = QStringLiteral("--") + option->names().constFirst();
        if (values.size() > 1)
            return refuse(name + QStringLiteral(" given twice"));
        if (values.isEmpty())
            continue;
        if (const auto why = identityRefused(field, values.constFirst()))
            return refuse(QStringLiteral("%1: %2").arg(name, *why));
        *value = values.constFirst();
    }
    const int runs = int{parser.isSet(c.sweepOption)} + int{parser.isSet(c.planOption)} +
                     int{parser.isSet(c.checkPlanOption)};
    if (runs > 1)
        return refuse(Text::tr("--sweep, --plan and --check-plan exclude each other"));
    if (parser.isSet(c.calibrateOption) && (runs > 0 || parser.isSet(c.stationOption)))
        return refuse(Text::tr("--calibrate goes with no --sweep, --plan, --check-plan or "
                               "--station"));
    if (parser.isSet(c.referenceOption) && !parser.isSet(c.calibrateOption))
        return refuse(Text::tr("--%1 goes with --calibrate").arg(QStringLiteral("reference")));
    for (const QCommandLineOption* o : {&c.inputGainOption, &c.inputOffsetOption})
        if (parser.isSet(*o) && !parser.isSet(c.simulateOption))
            return refuse(Text::tr("--%1 goes with --simulate").arg(o->names().first()));
    if (parser.isSet(c.limitsOption) && !parser.isSet(c.sweepOption))
        return refuse(Text::tr("--%1 goes with --sweep").arg(QStringLiteral("limits")));
    for (const QCommandLineOption* o : {&c.reportOption, &c.linkTimeoutOption})
        if (parser.isSet(*o) && !parser.isSet(c.sweepOption) && !parser.isSet(c.planOption))
            return refuse(Text::tr("--%1 goes with --sweep or --plan").arg(o->names().first()));
    if (parser.isSet(c.stationOption) &&
        (parser.isSet(c.sweepOption) || parser.isSet(c.checkPlanOption)))
        return refuse(Text::tr("--station goes with no --sweep or --check-plan"));
    if (parser.isSet(c.planOption) && options.unit.serial.isEmpty() &&
        !parser.isSet(c.stationOption))
        return refuse(Text::tr("--plan needs --unit SERIAL: a plan run always names its unit"));
    if (parser.isSet(c.languageOption) && !velmor::isLanguageName(parser.value(c.languageOption)))
        return refuse(velmor::languageRefused(parser.value(c.languageOption)));

    if (parser.isSet(c.sweepOption)) {
        SweepRequest sweep;
        sweep.name = parser.value(c.sweepOption);
        sweep.unit = options.unit;
        sweep.report = parser.isSet(c.reportOption);
        if (parser.isSet(c.limitsOption)) {
            auto limits = parseSweepLimits(parser.value(c.limitsOption));
            if (const auto* why = std::get_if<QString>(&limits))
                return refuse(*why);
            sweep.limits = std::get<SweepLimits>(limits);
        }
        options.sweep = sweep;
    }
    if (parser.isSet(c.planOption)) {
        PlanRequest plan;
        plan.file = parser.value(c.planOption);
        plan.report = parser.isSet(c.reportOption);
        plan.unit = options.unit;
        options.plan = plan;
    }
    if (parser.isSet(c.linkTimeoutOption)) {
        auto seconds = parseLinkTimeout(parser.value(c.linkTimeoutOption));
        if (const auto* why = std::get_if<QString>(&seconds))
            return refuse(*why);
        (options.sweep ? options.sweep->linkTimeoutSeconds : options.plan->linkTimeoutSeconds) =
            std::get<int>(seconds);
    }
    options.station = parser.isSet(c.stationOption);
    options.calibrate = parser.isSet(c.calibrateOption);
    if (parser.isSet(c.referenceOption))
        options.reference = parser.value(c.referenceOption);
    options.simulatedInputGains = parser.values(c.inputGainOption);
    options.simulatedInputOffsets = parser.values(c.inputOffsetOption);
    if (parser.isSet(c.checkPlanOption))
        options.checkPlan = parser.value(c.checkPlanOption);
    options.port1Device =
        parser.isSet(c.portOption) ? parser.value(c.portOption) : platformPortDevice(1);
    options.simulate = parser.isSet(c.simulateOption);
    options.tracePath = parser.value(c.traceOption);
    if (parser.isSet(c.resultsOption))
        options.resultsUrl = parser.value(c.resultsOption);
    return options;
}

bool wantsUnattendedSweep(const QStringList& arguments) {
    const CommandLine c(arguments);
    return c.parser.isSet(c.sweepOption);
}

bool wantsCalibration(const QStringList& arguments) {
    const CommandLine c(arguments);
    return c.parser.isSet(c.calibrateOption);
}

bool wantsPlan(const QStringList& arguments) {
    const CommandLine c(arguments);
    return (c.parser.isSet(c.planOption) && !c.parser.isSet(c.stationOption)) ||
           c.parser.isSet(c.checkPlanOption);
}

bool wantsTextOnly(const QStringList& arguments) {
    const CommandLine c(arguments);
    return c.helpWanted() || c.parser.isSet(c.versionOption) || c.parser.isSet(c.listPortsOption);
}

} // namespace velmor

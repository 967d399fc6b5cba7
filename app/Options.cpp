#include "Options.h"

#include "MapsFolder.h"
#include "PortList.h"
#include "QtSerialPort.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace velmor {

std::optional<Options> parseOptions(const QStringList& arguments, int* exitCode) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Test bench for PC power supplies on a load-and-measurement unit.\n\n"
            "Saved maps go to %1 (Graf beside the program where the user may write its folder, "
            "else Graf in the user's data folder, made for the user alone on the first save).\n"
            "SIGTERM, SIGINT and SIGHUP end the program cleanly: the loads off, the port closed.")
            .arg(mapsFolderOfThisProgram().path));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("Device that serial port 1 maps to (default %1).")
            .arg(platformPortDevice(1)),
        QStringLiteral("DEVICE"));
    const QCommandLineOption simulateOption(
        QStringLiteral("simulate"),
        QStringLiteral("Run against the built-in simulated unit instead of a real one."));
    const QCommandLineOption listPortsOption(
        QStringLiteral("list-ports"), QStringLiteral("Print the machine's serial ports and exit."));
    const QCommandLineOption traceOption(
        QStringLiteral("trace"),
        QStringLiteral("Record every byte in and out of the link, with timestamps, in FILE."),
        QStringLiteral("FILE"));
    parser.addOption(portOption);
    parser.addOption(simulateOption);
    parser.addOption(listPortsOption);
    parser.addOption(traceOption);

    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        *exitCode = 2;
        return std::nullopt;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        *exitCode = 0;
        return std::nullopt;
    }
    if (parser.isSet(versionOption)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        *exitCode = 0;
        return std::nullopt;
    }
    if (parser.isSet(listPortsOption)) {
        std::fputs(qPrintable(describeSerialPorts()), stdout);
        *exitCode = 0;
        return std::nullopt;
    }
    if (parser.isSet(portOption) && parser.isSet(simulateOption)) {
        std::fprintf(stderr, "--port and --simulate exclude each other\n");
        *exitCode = 2;
        return std::nullopt;
    }

    // Given twice, which one was meant is a guess; given empty, it names nothing.
    for (const QCommandLineOption* option : {&portOption, &traceOption}) {
        const QStringList values = parser.values(*option);
        const QString name = QStringLiteral("--") + option->names().constFirst();
        if (values.size() > 1 || (values.size() == 1 && values.constFirst().isEmpty())) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(values.size() > 1 ? name + QStringLiteral(" given twice")
                                                      : name + QStringLiteral(" needs a name")));
            *exitCode = 2;
            return std::nullopt;
        }
    }

    Options options;
    options.port1Device =
        parser.isSet(portOption) ? parser.value(portOption) : platformPortDevice(1);
    options.simulate = parser.isSet(simulateOption);
    options.tracePath = parser.value(traceOption);
    return options;
}

bool wantsTextOnly(const QStringList& arguments) {
    static const QStringList textOptions{"-h", "--help",    "-?",          "--help-all",
                                         "-v", "--version", "--list-ports"};
    for (const QString& a : arguments.mid(1))
        if (textOptions.contains(a))
            return true;
    return false;
}

} // namespace velmor

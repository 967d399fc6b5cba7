#include "LineSettings.h"
#include "Options.h"
#include "QtSerialPort.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmor-test"));
    QApplication::setApplicationVersion(QStringLiteral(VELMOR_VERSION));

    int exitCode = 0;
    const auto options = velmor::parseOptions(QApplication::arguments(), &exitCode);
    if (!options)
        return exitCode;

    velmor::QtSerialPort port(options->port1Device);
    if (const auto error = port.open(velmor::unitPortNumber, velmor::unitLineSettings)) {
        std::fprintf(stderr, "%s\n", qPrintable(*error));
        return 1;
    }
    return QApplication::exec();
}

#include "Options.h"
#include "SharedState.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmor-test"));
    QApplication::setApplicationVersion(QStringLiteral(VELMOR_VERSION));

    int exitCode = 0;
    const auto options = velmor::parseOptions(QApplication::arguments(), &exitCode);
    if (!options)
        return exitCode;

    velmor::SharedState state;
    auto manual = velmor::startManualWindow(state, velmor::devicePortFactory(options->port1Device));
    if (!manual)
        return 1;
    manual->show();
    return QApplication::exec();
}

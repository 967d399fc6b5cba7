#include "Operator.h"
#include "Options.h"
#include "SharedState.h"
#include "Startup.h"
#include "WindowSwitcher.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmor-test"));
    QApplication::setApplicationVersion(QStringLiteral(VELMOR_VERSION));

    int exitCode = 0;
    const auto options = velmor::parseOptions(QApplication::arguments(), &exitCode);
    if (!options)
        return exitCode;

    velmor::SharedState state;
    const velmor::PortFactory makePort = velmor::devicePortFactory(options->port1Device);
    auto manual = velmor::startManualWindow(state, makePort);
    if (!manual)
        return 1;
    // A port that cannot be opened on the way to the other window ends the program, as it
    // does at start-up.
    velmor::WindowSwitcher switcher(state, makePort,
                                    [](const QString& title, const QString& error) {
                                        ui::reportError(title, error);
                                        std::exit(1);
                                    });
    switcher.showManualWindow(std::move(manual));
    return QApplication::exec();
}

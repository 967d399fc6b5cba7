// graph_window_shot DEVICE OUTPUT.png: runs the bench on a unit at DEVICE under a real display,
// goes to the graph window, runs a sweep to its end and saves a picture of the window. Makes
// docs/graph-window.png against velmor-unit-sim; not a test, built only when asked for
// (`cmake --build build --target graph_window_shot`).
#include "CommandButton.h"
#include "Operator.h"
#include "Wiring.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using namespace velmor;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DEVICE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    SharedState state;
    auto wired = Program::wire({QString::fromLocal8Bit(argv[1]), {}, QStringLiteral("off"), {}});
    if (const auto* error = std::get_if<QString>(&wired)) {
        std::fprintf(stderr, "%s\n", qPrintable(*error));
        return 1;
    }
    Program& program = *std::get<0>(wired);
    if (!program.openWindows(state, mapsFolderOfThisProgram(),
                             [](const QString& title, const QString& error) {
                                 ui::reportError(title, error);
                                 std::exit(1);
                             }))
        return 1;
    WindowSwitcher& switcher = *program.switcher();

    const auto button = [](QWidget* window, const char* name) {
        return window->findChild<ui::CommandButton*>(QString::fromLatin1(name));
    };
    QTimer::singleShot(1000, [&] { button(switcher.manualWindow(), "Command2")->click(); });
    QTimer::singleShot(2000, [&] { button(switcher.graphWindow(), "Command3")->click(); });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        FormGraf* graph = switcher.graphWindow();
        if (!graph || !button(graph, "Command5")->isEnabled())
            return;
        poll.stop();
        QTimer::singleShot(500, [graph, output] {
            const bool saved = graph->grab().save(output, "PNG");
            std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(output));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    });
    poll.start(500);
    QTimer::singleShot(300000, [] { QCoreApplication::exit(3); });
    return QApplication::exec();
}

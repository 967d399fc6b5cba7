#include "WindowSwitcher.h"

#include "Form1.h"
#include "Form1Layout.h"
#include "FormGraf.h"

#include <QPixmapCache>

namespace velmor {

namespace {

// Unloads a window whose click handler may still be running: no tick of it follows, and it is
// destroyed once control is back in the message loop.
void unload(QWidget* window) {
    window->hide();
    window->deleteLater();
    // The style keeps pictures of the window's controls in the pixmap cache under keys that no
    // later window shares: left there, they piled up with each hand-over (about 35 KB) until
    // the cache's 10 MB limit.
    QPixmapCache::clear();
}

} // namespace

WindowSwitcher::WindowSwitcher(SharedState& state, PortFactory makePort, Fatal fatal)
    : state_(state), makePort_(std::move(makePort)), fatal_(std::move(fatal)) {}

WindowSwitcher::~WindowSwitcher() {
    delete manual_;
    delete graph_;
}

void WindowSwitcher::adopt(QWidget* window) {
    // Closed by its frame, a window is destroyed with its port; with no window left the
    // program ends.
    window->setAttribute(Qt::WA_DeleteOnClose);
}

void WindowSwitcher::showManualWindow(std::unique_ptr<Form1> manual) {
    manual_ = manual.release();
    adopt(manual_);
    manual_->onCommand2([this] { toGraph(); });
    manual_->show();
}

void WindowSwitcher::toGraph() {
    Form1* manual = manual_;
    manual->closePort();
    unload(manual);
    manual_ = nullptr;

    auto* graph = new FormGraf(state_, makePort_);
    if (const auto error = graph->load()) {
        const QString title = graph->caption();
        delete graph;
        fatal_(title, *error);
        return;
    }
    graph_ = graph;
    adopt(graph);
    graph->onManualMode([this] { toManual(); });
    graph->show();
}

void WindowSwitcher::toManual() {
    FormGraf* graph = graph_; // its Command1 has closed its port already
    QString error;
    auto manual = Form1::load(state_, makePort_, &error);
    if (!manual) {
        unload(graph);
        graph_ = nullptr;
        fatal_(form1Caption, error);
        return;
    }
    showManualWindow(std::move(manual));
    unload(graph);
    graph_ = nullptr;
}

} // namespace velmor

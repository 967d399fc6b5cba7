#include "WindowSwitcher.h"

#include "Form1.h"
#include "Form1Layout.h"
#include "FormGraf.h"

#include <QPixmapCache>

namespace velmor {

namespace {

// Unloads a window whose click handler may still be running: no tick of it follows, and it is
// destroyed once control is back in the message loop. Until then it takes no click either: the
// second click of a double click on the button that left it must not hand over again.
void unload(QWidget* window) {
    window->hide();
    window->setEnabled(false);
    window->deleteLater();
}

} // namespace

WindowSwitcher::WindowSwitcher(SharedState& state, PortFactory makePort, MapsFolder mapsFolder,
                               Fatal fatal)
    : state_(state), makePort_(std::move(makePort)), mapsFolder_(std::move(mapsFolder)),
      fatal_(std::move(fatal)) {
    // The style caches pictures of the controls under keys that hold the window's palette, new
    // with every window. Qt keeps every such key even once its picture is evicted or the cache
    // cleared, so each hand-over left about 2 KB behind for good, besides some 35 KB of pictures
    // no later window could use (up to the cache's 10 MB). The windows paint cheaply without it.
    QPixmapCache::setCacheLimit(0);
}

WindowSwitcher::~WindowSwitcher() {
    delete manual_;
    delete graph_;
}

void WindowSwitcher::adopt(QWidget* window) {
    // Closed by its frame, a window is destroyed with its port; with no window left the
    // program ends.
    window->setAttribute(Qt::WA_DeleteOnClose);
}

void WindowSwitcher::setCalibration(const Calibration& calibration, const QString& warning) {
    calibration_ = calibration;
    calibrationWarning_ = warning;
    if (graph_)
        graph_->setCalibration(calibration_, calibrationWarning_);
}

void WindowSwitcher::showManualWindow(std::unique_ptr<Form1> manual) {
    manual_ = manual.release();
    adopt(manual_);
    manual_->setRecorder(sessionRecorder_);
    manual_->onCommand2([this] { toGraph(); });
    manual_->show();
}

void WindowSwitcher::toGraph() {
    Form1* manual = manual_;
    manual->closePort();
    unload(manual);
    manual_ = nullptr;

    auto* graph = new FormGraf(state_, makePort_, mapsFolder_);
    if (const auto error = graph->load()) {
        const QString title = graph->caption();
        delete graph;
        fatal_(title, *error);
        return;
    }
    graph_ = graph;
    adopt(graph);
    graph->setRecorder(sweepRecorder_);
    graph->setCalibration(calibration_, calibrationWarning_);
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

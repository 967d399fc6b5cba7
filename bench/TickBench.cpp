// CPU cost of the program's periodic work: one measurement tick, one Limit-mode tick and one
// sweep tick on their real windows (shown on the offscreen platform, each tick followed by the
// repaint it causes), the plain functions inside them, and saving a finished map as a bitmap.
// The port is a BenchPort, so the figures are the program's own work, without the link.
#include "BenchPort.h"
#include "CommandButton.h"
#include "Conversions.h"
#include "Files.h"
#include "Form1.h"
#include "FormGraf.h"
#include "Frames.h"
#include "HScrollBar.h"
#include "LimitSetting.h"
#include "MeasurementCycle.h"
#include "PictureBox.h"
#include "SafeWrite.h"
#include "Sweep.h"
#include "Timer.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

using namespace velmor;
using bench::BenchPort;

namespace {

// Lets the window paint what the last handler changed, as the message loop does after a tick.
void repaint() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The manual window, loaded and shown, its timers stopped so that only the benchmark ticks.
struct ManualWindow {
    SharedState state;
    BenchPort* port = nullptr;
    std::unique_ptr<Form1> form;

    ManualWindow() {
        QString error;
        form = Form1::load(state, bench::benchPortFactory(&port), &error);
        if (!form)
            qFatal("manual window: %s", qPrintable(error));
        form->show();
        repaint();
    }
    ~ManualWindow() { form->closePort(); }

    ui::HScrollBar* scroll(const char* name) const {
        return form->control<ui::HScrollBar>(QString::fromLatin1(name));
    }
    void stopTimers() {
        form->control<ui::Timer>(QStringLiteral("Timer1"))->setEnabled(false);
        form->control<ui::Timer>(QStringLiteral("Timer2"))->setEnabled(false);
    }
};

// One tick of the measurement cycle, switched on with loads below the limits and the power
// bound, on replies that change every readout from one tick to the next.
template <bool withRepaint> void measurementTick(benchmark::State& st) {
    ManualWindow w;
    w.form->command1Click();
    w.stopTimers();
    w.scroll("HScroll1")->setValue(60);
    w.scroll("HScroll2")->setValue(40);
    w.scroll("HScroll3")->setValue(30);
    repaint();
    for (auto _ : st) {
        w.form->timer1Tick();
        if constexpr (withRepaint)
            repaint();
    }
    if (w.port->written() < 4 * static_cast<long long>(st.iterations()))
        st.SkipWithError("the tick sent no frame");
}

// One Limit-mode tick with the scroll bars standing still, as between the operator's moves.
template <bool withRepaint> void limitTick(benchmark::State& st) {
    ManualWindow w;
    w.form->command3Click();
    w.stopTimers();
    repaint();
    for (auto _ : st) {
        w.form->timer2Tick();
        if constexpr (withRepaint)
            repaint();
    }
}

// The same, with HScroll1 moved before every tick (the move and its repaint included): the
// most a tick can be asked to redraw while the operator drags a scroll bar.
void limitTickWhileDragging(benchmark::State& st) {
    ManualWindow w;
    w.form->command3Click();
    w.stopTimers();
    auto* scroll1 = w.scroll("HScroll1");
    repaint();
    int value = 80;
    for (auto _ : st) {
        value = value == 80 ? 81 : 80;
        scroll1->setValue(value);
        w.form->timer2Tick();
        repaint();
    }
}

// The graph window, loaded, shown and started with the preset limits; its timer stopped.
struct GraphWindow {
    SharedState state;
    BenchPort* port = nullptr;
    std::unique_ptr<FormGraf> form;

    GraphWindow() {
        state.loadLimit1 = 80;
        state.loadLimit2 = 80;
        state.loadLimit3 = 70;
        state.powerLimit = 70;
        form = std::make_unique<FormGraf>(state, bench::benchPortFactory(&port), MapsFolder{});
        if (const auto error = form->load())
            qFatal("graph window: %s", qPrintable(*error));
        form->show();
        form->control<ui::CommandButton>(QStringLiteral("Command3"))->click(); // start
        form->findChild<ui::Timer*>(QStringLiteral("Timer1"))->setEnabled(false);
        repaint();
    }
    ~GraphWindow() { form->closePort(); }

    bool ended() const { return sweepEnds(state.load5Step, state.loadLimit1); }
    void restart() {
        state.load12Step = 0;
        state.load5Step = 0;
    }
};

// One painted step of the sweep; the map starts over where a sweep would end.
template <bool withRepaint> void sweepTick(benchmark::State& st) {
    GraphWindow w;
    for (auto _ : st) {
        if (w.ended())
            w.restart();
        w.form->tick();
        if constexpr (withRepaint)
            repaint();
    }
}

void buildControlFrame(benchmark::State& st) {
    int s = 0;
    for (auto _ : st) {
        s = (s + 7) & 0xff;
        benchmark::DoNotOptimize(controlFrame(true, s, 255 - s, s / 2).bytes());
    }
}

void parseReply(benchmark::State& st) {
    const QByteArray reply("\x01\x80\x7c\x85\x00\x01", 6);
    for (auto _ : st)
        benchmark::DoNotOptimize(replyFrame(reply));
}

void formatNumber(benchmark::State& st) {
    double v = 4.0;
    for (auto _ : st) {
        v = v > 500 ? 4.0 : v + 1.37;
        benchmark::DoNotOptimize(formatReading(v));
    }
}

// All the text one measurement tick makes: the diagnostic line and the six readouts.
void measurementTexts(benchmark::State& st) {
    const ReplyFrame reply{65, 102, 128, 128};
    for (auto _ : st) {
        benchmark::DoNotOptimize(diagnosticLine(reply));
        benchmark::DoNotOptimize(formatReading(volts5Manual(reply.b2)));
        benchmark::DoNotOptimize(formatReading(volts12(reply.b3)));
        benchmark::DoNotOptimize(formatReading(volts33(reply.b4)));
        benchmark::DoNotOptimize(formatReading(current5(60)));
        benchmark::DoNotOptimize(formatReading(current12(40)));
        benchmark::DoNotOptimize(formatReading(current33(30)));
    }
}

void limitTexts(benchmark::State& st) {
    for (auto _ : st)
        benchmark::DoNotOptimize(limitDisplays(80, 80, 70, 70));
}

// The decision of one sweep tick (classes, colours, readout, cell, frame), without the window.
void sweepDecision(benchmark::State& st) {
    SharedState state;
    state.loadLimit1 = 80;
    state.loadLimit2 = 80;
    state.powerLimit = 70;
    state.graphSupplyOn = 1;
    const ReplyFrame reply{1, 131, 124, 133};
    for (auto _ : st) {
        const SweepTick step = sweepStep(state, state, reply);
        state.load12Step = step.load12Step;
        state.load5Step = step.load5Step;
        if (step.outcome == SweepTick::Outcome::Ended) {
            state.load12Step = 0;
            state.load5Step = 0;
        }
        benchmark::DoNotOptimize(step);
    }
}

// Saving a finished preset map (1,640 cells) the way the save command does.
void saveMap(benchmark::State& st) {
    GraphWindow w;
    while (!w.ended())
        w.form->tick();
    const QImage& map = w.form->control<ui::PictureBox>(QStringLiteral("Picture1"))->image();
    // Beside the program, on the disk its "Graf" folder is on.
    QTemporaryDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/bench-map-XXXXXX"));
    const QString name = QStringLiteral("1.bmp");
    const QString path = dir.filePath(name);
    for (auto _ : st) {
        const auto bmp = velmor::bitmapBytes(map);
        if (!bmp) {
            st.SkipWithError("the map cannot be encoded");
            break;
        }
        if (const auto error = velmor::writeFilesInFolder(dir.path(), {{name, *bmp}})) {
            st.SkipWithError(qPrintable(*error));
            break;
        }
    }
    st.SetLabel(std::to_string(QFile(path).size()) + " bytes");
}

} // namespace

BENCHMARK(measurementTick<false>)->Name("manual_tick/handler");
BENCHMARK(measurementTick<true>)->Name("manual_tick/with_repaint");
BENCHMARK(limitTick<false>)->Name("limit_tick/handler");
BENCHMARK(limitTick<true>)->Name("limit_tick/with_repaint");
BENCHMARK(limitTickWhileDragging)->Name("limit_tick/dragging");
BENCHMARK(sweepTick<false>)->Name("sweep_tick/handler");
BENCHMARK(sweepTick<true>)->Name("sweep_tick/with_repaint");
BENCHMARK(buildControlFrame)->Name("control_frame");
BENCHMARK(parseReply)->Name("reply_parse");
BENCHMARK(formatNumber)->Name("format_reading");
BENCHMARK(measurementTexts)->Name("measurement_texts");
BENCHMARK(limitTexts)->Name("limit_texts");
BENCHMARK(sweepDecision)->Name("sweep_decision");
BENCHMARK(saveMap)->Name("save_map_bmp")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir; // a private folder keeps Qt from warning about XDG_RUNTIME_DIR
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
        QFile::setPermissions(runtimeDir.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}

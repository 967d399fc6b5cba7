// The program against the simulated unit over a real pseudo-terminal, timed as a person or the
// unit would see it. Each mode prints its figures as "RESULT <key> <value>" lines for bench/run.
//
//   startup --program velmor-test [--runs N]
//       Starts the real program N times: process start to its window on screen (with --simulate
//       and with --port on a unit in this process), the delay from the unit's first reply to
//       the first frame on the wire, and the program's memory with the manual window.
//   manual --unit velmor-unit-sim [--frames N]
//   sweep --unit velmor-unit-sim (--frames N | --full)
//   limit --unit velmor-unit-sim [--seconds S]
//       Runs the program's windows in this process, put together by the Program main() uses,
//       against velmor-unit-sim --log in a process of its own, whose receive times give the
//       cadence. Also this process's CPU share and memory with the window in question.
//   manual, sweep and plan also take --results URL (record as velmor-test --results does) and
//   --prefix NAME (the figures' key prefix instead of "manual", "sweep" or "plan").
//   plan --unit velmor-unit-sim (--frames N | --full) [--paced]
//       A plan of one cross-load sweep with the preset limits on the test-run engine (PlanRun),
//       against the unit in a process of its own: on ticks the cadence of its frames after the
//       first period (which is longer by design and reported alone), paced by
//       replies how long its 1,640 settled cells take with a 25 ms settle time, against a unit
//       whose outputs settle in 5 ms (with the default settle time, a tick, the map takes as
//       long as on ticks).
//   timer-floor [--seconds S]
//       An empty 10 ms timer on a shown window: what waking a hundred times a second costs.
#include "Cadence.h"
#include "CommandButton.h"
#include "Form1.h"
#include "FormGraf.h"
#include "HScrollBar.h"
#include "PlanRun.h"
#include "ProcessStats.h"
#include "SimulatedUnit.h"
#include "SweepStep.h"
#include "TestRun.h"
#include "UnitProcess.h"
#include "Wiring.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

using namespace velmor;
using namespace velmor::bench;

namespace {

// Where --periods asks for each period, one per line in milliseconds; empty: nowhere.
QString periodsPath;
// Where --trace asks for the program's link trace; empty: no trace.
QString tracePath;
// Where --results asks for the test records; empty: no recording.
QString resultsUrl;
// --prefix: the key prefix of the cadence figures; empty: the mode's name.
QByteArray prefix;

void result(const char* key, double value) {
    std::printf("RESULT %s %.9g\n", key, value);
    std::fflush(stdout);
}

void resultCadence(const QByteArray& prefix, const Cadence& c) {
    const auto put = [&](const char* name, double value) {
        result((prefix + '.' + name).constData(), value);
    };
    put("periods", c.periods);
    put("mean_ms", c.meanMs);
    put("error_pct", c.errorPercent);
    put("p50_dev_ms", c.p50DeviationMs);
    put("p99_dev_ms", c.p99DeviationMs);
    put("max_dev_ms", c.maxDeviationMs);
}

void resultMemory(const QByteArray& prefix, const Memory& m) {
    result((prefix + ".rss_mb").constData(), m.rssMB);
    result((prefix + ".peak_rss_mb").constData(), m.peakRssMB);
}

[[noreturn]] void fail(const QString& why) {
    std::fprintf(stderr, "velmor-bench-link: %s\n", qPrintable(why));
    std::exit(1);
}

// Runs the message loop until done() holds (checked whenever source emits signal) or the time
// is up; no polling, so the loop wakes only for the program's own events.
template <class Source, class Signal>
bool runUntil(Source* source, Signal signal, const std::function<bool()>& done, int timeoutMs) {
    if (done())
        return true;
    QEventLoop loop;
    QObject::connect(source, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

void runFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void click(QWidget* window, const char* button) {
    auto* b = window->findChild<ui::CommandButton*>(QString::fromLatin1(button));
    if (!b)
        fail(QStringLiteral("no %1 on %2").arg(QLatin1String(button), window->objectName()));
    b->click();
}

// Notes the moment a widget becomes enabled.
class EnabledStamp final : public QObject {
public:
    qint64 atUs = 0;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange && !atUs &&
            static_cast<QWidget*>(watched)->isEnabled())
            atUs = steadyMicroseconds();
        return false;
    }
};

// The program's windows as main() puts them together (Program), on the unit in its own process.
class DrivenProgram {
public:
    explicit DrivenProgram(const QString& unitProgram) {
        if (const auto error = unit.start(unitProgram))
            fail(*error);
        // No --results: no recording, rather than the user's own store.
        auto wired = Program::wire({unit.devicePath(),
                                    tracePath,
                                    resultsUrl.isEmpty() ? QStringLiteral("off") : resultsUrl,
                                    {}});
        if (const auto* error = std::get_if<QString>(&wired))
            fail(*error);
        program = std::move(std::get<0>(wired));
        if (!program->openWindows(state, mapsFolderOfThisProgram(),
                                  [](const QString& title, const QString& error) {
                                      fail(QStringLiteral("%1: %2").arg(title, error));
                                  }))
            fail(QStringLiteral("the manual window did not load"));
        switcher = program->switcher();
    }

    // Everything recorded is in the store, or the figures would not count it.
    ~DrivenProgram() {
        results::Recording* recording = program->recording();
        program->closeWindows();
        if (recording && recording->writer() && !recording->writer()->drain(30000))
            fail(QStringLiteral("the records did not reach the store"));
    }

    // Waits until the unit has logged at least count frames in all.
    bool waitForFrames(std::size_t count, int timeoutMs) {
        return runUntil(
            &unit, &UnitProcess::framesLogged, [&] { return unit.frames().size() >= count; },
            timeoutMs);
    }

    UnitProcess unit;
    SharedState state;
    std::unique_ptr<Program> program;
    WindowSwitcher* switcher = nullptr;
};

void writePeriods(const std::vector<qint64>& stampsUs) {
    if (periodsPath.isEmpty())
        return;
    QFile file(periodsPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("cannot write %1: %2").arg(periodsPath, file.errorString()));
    for (std::size_t i = 1; i < stampsUs.size(); ++i)
        file.write(QByteArray::number(static_cast<double>(stampsUs[i] - stampsUs[i - 1]) / 1000.0,
                                      'f', 3) +
                   '\n');
}

std::vector<qint64> stampsOf(const std::vector<LoggedFrame>& frames, std::size_t from,
                             std::size_t count) {
    std::vector<qint64> stamps;
    for (std::size_t i = from; i < frames.size() && stamps.size() < count; ++i)
        stamps.push_back(frames[i].atMicroseconds);
    return stamps;
}

// The manual window switched on with some load: the measurement cycle's rhythm on the wire.
int manualMode(const QString& unitProgram, int frames) {
    DrivenProgram program(unitProgram);
    Form1* manual = program.switcher->manualWindow();
    click(manual, "Command1"); // on
    manual->findChild<ui::HScrollBar*>(QStringLiteral("HScroll1"))->setValue(40);
    manual->findChild<ui::HScrollBar*>(QStringLiteral("HScroll2"))->setValue(40);
    manual->findChild<ui::HScrollBar*>(QStringLiteral("HScroll3"))->setValue(30);

    // The first frame answers the unit's first reply; the rhythm is timed from there on.
    if (!program.waitForFrames(1, 5000))
        fail(QStringLiteral("the manual window sent no frame"));
    const double cpu0 = ownCpuSeconds();
    const qint64 wall0 = steadyMicroseconds();
    const auto wanted = static_cast<std::size_t>(frames) + 1;
    if (!program.waitForFrames(wanted, frames * 200 * 2 + 5000))
        fail(QStringLiteral("only %1 frames came").arg(program.unit.frames().size()));
    const double cpuShare = (ownCpuSeconds() - cpu0) /
                            (static_cast<double>(steadyMicroseconds() - wall0) / 1e6) * 100.0;

    const auto stamps = stampsOf(program.unit.frames(), 0, wanted);
    writePeriods(stamps);
    const QByteArray key = prefix.isEmpty() ? "manual" : prefix;
    resultCadence(key, cadence(stamps, 200.0));
    result((key + ".cpu_pct").constData(), cpuShare);
    resultMemory(key, ownMemory());
    return 0;
}

bool isSweepFrame(const LoggedFrame& f) {
    return f.frame.supplySwitch == 1;
}

// The graph window started with the preset limits: the sweep's rhythm, and with full the whole
// sweep's wall time from the start click to the tick that ends it.
int sweepMode(const QString& unitProgram, int frames, bool full) {
    DrivenProgram program(unitProgram);
    if (!program.waitForFrames(2, 5000))
        fail(QStringLiteral("the manual window sent no frame"));
    click(program.switcher->manualWindow(), "Command2"); // to the graph window
    QPointer<FormGraf> graph = program.switcher->graphWindow();
    if (!graph)
        fail(QStringLiteral("no graph window"));
    runFor(300); // lets the manual window go and the graph window settle

    EnabledStamp ended;
    graph->findChild<ui::CommandButton*>(QStringLiteral("Command5"))->installEventFilter(&ended);
    const std::size_t before = program.unit.frames().size();
    const double cpu0 = ownCpuSeconds();
    const qint64 clickUs = steadyMicroseconds();
    click(graph, "Command3"); // start

    const auto sweepFrames = [&] {
        const auto& all = program.unit.frames();
        return static_cast<std::size_t>(std::count_if(
            all.begin() + static_cast<std::ptrdiff_t>(before), all.end(), isSweepFrame));
    };
    constexpr std::size_t presetTicks = 1641;
    const std::size_t wanted = full ? presetTicks : static_cast<std::size_t>(frames) + 1;
    const int timeoutMs = static_cast<int>(wanted) * 100 * 2 + 5000;
    if (!runUntil(
            &program.unit, &UnitProcess::framesLogged, [&] { return sweepFrames() >= wanted; },
            timeoutMs))
        fail(QStringLiteral("only %1 sweep frames came").arg(sweepFrames()));
    const qint64 endUs = full ? ended.atUs : steadyMicroseconds();
    if (full && !endUs)
        fail(QStringLiteral("the sweep did not end after %1 ticks").arg(presetTicks));
    const double cpuShare =
        (ownCpuSeconds() - cpu0) / (static_cast<double>(endUs - clickUs) / 1e6) * 100.0;

    std::vector<qint64> stamps;
    for (std::size_t i = before; i < program.unit.frames().size(); ++i)
        if (isSweepFrame(program.unit.frames()[i]) && stamps.size() < wanted)
            stamps.push_back(program.unit.frames()[i].atMicroseconds);
    writePeriods(stamps);
    const QByteArray key = prefix.isEmpty() ? "sweep" : prefix;
    resultCadence(key, cadence(stamps, 100.0));
    if (full) {
        const double seconds = static_cast<double>(endUs - clickUs) / 1e6;
        result("sweep.duration_s", seconds);
        result("sweep.duration_error_pct", (seconds - 164.1) / 164.1 * 100.0);
    }
    result((key + ".cpu_pct").constData(), cpuShare);
    resultMemory(key, ownMemory());
    return 0;
}

// A plan of the preset sweep on the engine. On ticks the first frames' cadence (the run stopped
// after them unless full); paced by replies the whole map's wall time from the start to its end.
int planMode(const QString& unitProgram, int frames, bool full, bool paced) {
    UnitProcess unit;
    if (const auto error = unit.start(
            unitProgram, paced ? QStringList{QStringLiteral("--settle-ms"), QStringLiteral("5")}
                               : QStringList{}))
        fail(*error);
    // Wired as velmor-test --plan is, recording where --results asks.
    const UnitIdentity underTest{QStringLiteral("BENCH-1"), {}, {}};
    auto wired =
        Program::wire({unit.devicePath(), tracePath,
                       resultsUrl.isEmpty() ? QStringLiteral("off") : resultsUrl, underTest});
    if (const auto* error = std::get_if<QString>(&wired))
        fail(*error);
    const std::unique_ptr<Program> program = std::move(std::get<0>(wired));
    Plan plan;
    plan.name = QStringLiteral("bench");
    plan.context.label = {450, {20, 18, 20}};
    plan.context.profile = *namedProfile(u"atx");
    plan.context.powerBoundWatts = 1000;
    plan.context.paceByReplies = paced;
    if (paced)
        plan.context.settleMs = 25;
    plan.steps.push_back(
        std::make_shared<SweepStepSpec>(sweepLimitsOf(presetLimits), std::nullopt));
    PlanRun run(plan, underTest, program->recorder());
    TestRun engine(run, program->makePort(), 5, &run);
    std::optional<RunEnd> ended;
    QObject::connect(&engine, &TestRun::finished, [&](RunEnd end) { ended = end; });

    const std::size_t before = unit.frames().size();
    const auto sweepFrames = [&] {
        const auto& all = unit.frames();
        return static_cast<std::size_t>(std::count_if(
            all.begin() + static_cast<std::ptrdiff_t>(before), all.end(), isSweepFrame));
    };
    // The first period is longer by design: the step's first frame goes out as the port opens and
    // the ticks start half a tick later, so that a reply to the all-off frame is never taken for
    // the step's. It is reported alone; the cadence is that of the regular periods after it.
    const std::size_t wanted = static_cast<std::size_t>(frames) + 2;
    const double cpu0 = ownCpuSeconds();
    const qint64 startUs = steadyMicroseconds();
    if (const auto error = engine.start())
        fail(*error);
    if (!paced && !full) {
        if (!runUntil(
                &unit, &UnitProcess::framesLogged, [&] { return sweepFrames() >= wanted; },
                static_cast<int>(wanted) * 100 * 2 + 5000))
            fail(QStringLiteral("only %1 plan frames came").arg(sweepFrames()));
        engine.interrupt();
    }
    const qint64 stopUs = steadyMicroseconds();
    if (!runUntil(
            &engine, &TestRun::finished, [&] { return ended.has_value(); }, 400000))
        fail(QStringLiteral("the plan run did not end"));
    const qint64 endUs = paced || full ? steadyMicroseconds() : stopUs;
    const double cpuShare =
        (ownCpuSeconds() - cpu0) / (static_cast<double>(endUs - startUs) / 1e6) * 100.0;
    runFor(300); // the last frames logged
    // Everything recorded is in the store, or the figures would not count it.
    if (results::Recording* recording = program->recording();
        recording && recording->writer() && !recording->writer()->drain(30000))
        fail(QStringLiteral("the plan's records did not reach the store"));

    const QByteArray key = prefix.isEmpty() ? QByteArray(paced ? "plan_paced" : "plan") : prefix;
    std::vector<qint64> stamps;
    for (std::size_t i = before; i < unit.frames().size(); ++i)
        if (isSweepFrame(unit.frames()[i]) && (paced || full || stamps.size() < wanted))
            stamps.push_back(unit.frames()[i].atMicroseconds);
    writePeriods(stamps);
    if (!paced && stamps.size() >= 3) {
        result((key + ".first_period_ms").constData(),
               static_cast<double>(stamps[1] - stamps[0]) / 1000.0);
        resultCadence(key, cadence({stamps.begin() + 1, stamps.end()}, 100.0));
    }
    if (paced || full) {
        if (*ended != RunEnd::Completed || run.results().empty())
            fail(QStringLiteral("the plan run did not complete"));
        const int cells = run.results().front().judged;
        const double seconds = static_cast<double>(endUs - startUs) / 1e6;
        result((key + ".cells").constData(), cells);
        result((key + ".duration_s").constData(), seconds);
        result((key + ".ms_per_cell").constData(), seconds * 1000.0 / cells);
    }
    result((key + ".cpu_pct").constData(), cpuShare);
    return 0;
}

// Lets the event loop settle for a second, then runs it for the given time and reports, under
// the key's name, the share of one core this process used meanwhile in percent and how often a
// second it was woken.
void cpuShareOver(int seconds, const char* key) {
    runFor(1000);
    const double cpu0 = ownCpuSeconds();
    const qint64 sleeps0 = ownSleeps();
    const qint64 wall0 = steadyMicroseconds();
    runFor(seconds * 1000);
    const double wallSeconds = static_cast<double>(steadyMicroseconds() - wall0) / 1e6;
    result((QByteArray(key) + ".cpu_pct").constData(),
           (ownCpuSeconds() - cpu0) / wallSeconds * 100.0);
    result((QByteArray(key) + ".wakes_per_s").constData(),
           static_cast<double>(ownSleeps() - sleeps0) / wallSeconds);
}

// Limit mode at rest: no scroll bar moves and nothing on the link; the CPU it costs.
int limitMode(const QString& unitProgram, int seconds) {
    DrivenProgram program(unitProgram);
    if (!program.waitForFrames(2, 5000))
        fail(QStringLiteral("the manual window sent no frame"));
    click(program.switcher->manualWindow(), "Command3"); // Limit mode
    cpuShareOver(seconds, "limit");
    return 0;
}

// What a Limit mode that ticked every 10 ms could not go below: a shown window and an empty
// 10 ms timer, nothing else, so the cost of waking the event loop a hundred times a second
// shows on its own.
int timerFloorMode(int seconds) {
    QWidget window;
    window.resize(400, 300);
    window.show();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [] {});
    timer.start();
    cpuShareOver(seconds, "limit.floor");
    return 0;
}

// One start of the real program. With a unit of our own (not simulate), the unit stays silent
// until the program has opened the port, then sends one reply at once and from then on behaves
// as usual, so the wait for the first tick is measured in full.
struct StartRun {
    double shownMs = -1;
    double replyToFrameMs = -1;
    Memory memory;
};

StartRun startOnce(const QString& program, bool simulate, int settleMs) {
    StartRun run;
    std::unique_ptr<sim::SimulatedUnit> unit;
    QTimer listenerWatch;
    qint64 replyUs = 0;
    qint64 frameUs = 0;
    if (!simulate) {
        unit = std::make_unique<sim::SimulatedUnit>();
        unit->setUnsolicitedInterval(0);
        if (const auto error = unit->start())
            fail(*error);
        listenerWatch.setTimerType(Qt::PreciseTimer);
        listenerWatch.setInterval(1);
        QObject::connect(&listenerWatch, &QTimer::timeout, [&] {
            if (!unit->hasListener())
                return;
            listenerWatch.stop();
            const ReplyFrame r = unit->model().reply();
            replyUs = steadyMicroseconds();
            const char bytes[] = {static_cast<char>(r.b1), static_cast<char>(r.b2),
                                  static_cast<char>(r.b3), static_cast<char>(r.b4)};
            unit->send(QByteArray(bytes, sizeof bytes));
            unit->setUnsolicitedInterval(sim::SimulatedUnit::defaultUnsolicitedMs);
        });
        QObject::connect(unit.get(), &sim::SimulatedUnit::frameReceived, [&] {
            if (!frameUs)
                frameUs = steadyMicroseconds();
        });
        listenerWatch.start();
    }

    QProcess child;
    endWithParent(child);
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELMOR_REPORT_SHOWN"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    qint64 shownUs = 0;
    QByteArray errors;
    QObject::connect(&child, &QProcess::readyReadStandardError, [&] {
        errors += child.readAllStandardError();
        qsizetype end;
        while ((end = errors.indexOf('\n')) >= 0) {
            const QByteArray line = errors.left(end);
            errors.remove(0, end + 1);
            static const QByteArray mark("velmor-test: shown at ");
            if (line.startsWith(mark))
                shownUs = line.mid(mark.size()).split(' ').value(0).toLongLong();
            else
                std::fprintf(stderr, "  (program) %s\n", line.constData());
        }
    });
    const QStringList arguments = simulate
                                      ? QStringList{QStringLiteral("--simulate")}
                                      : QStringList{QStringLiteral("--port"), unit->devicePath()};
    const qint64 startUs = steadyMicroseconds();
    child.start(program, arguments);
    if (!child.waitForStarted(5000))
        fail(QStringLiteral("cannot start %1: %2").arg(program, child.errorString()));

    QEventLoop loop;
    QTimer check; // a coarse look, only while starting up; the program runs apart
    check.setInterval(5);
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (shownUs && (simulate || frameUs))
            loop.quit();
    });
    QObject::connect(&child, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    check.start();
    loop.exec();
    check.stop();
    if (!shownUs)
        fail(QStringLiteral("%1 never said its window was shown").arg(program));
    run.shownMs = static_cast<double>(shownUs - startUs) / 1000.0;
    if (!simulate) {
        if (!frameUs)
            fail(QStringLiteral("%1 sent no frame").arg(program));
        run.replyToFrameMs = static_cast<double>(frameUs - replyUs) / 1000.0;
    }
    if (settleMs > 0) {
        runFor(settleMs);
        run.memory = memoryOf(child.processId());
    }
    child.terminate();
    if (!child.waitForFinished(3000))
        child.kill();
    child.waitForFinished(1000);
    return run;
}

double median(std::vector<double> v) {
    return percentile(std::move(v), 50);
}

int startupMode(const QString& program, int runs) {
    std::vector<double> shownSimulate;
    std::vector<double> shownPort;
    std::vector<double> replyToFrame;
    Memory memory;
    for (int i = 0; i < runs; ++i) {
        shownSimulate.push_back(startOnce(program, true, 0).shownMs);
        runFor(200);
        const bool last = i + 1 == runs;
        const StartRun run = startOnce(program, false, last ? 3000 : 0);
        shownPort.push_back(run.shownMs);
        replyToFrame.push_back(run.replyToFrameMs);
        if (last)
            memory = run.memory;
        runFor(200);
    }
    result("startup.runs", runs);
    result("startup.shown_ms", median(shownSimulate));
    result("startup.shown_max_ms", *std::max_element(shownSimulate.begin(), shownSimulate.end()));
    result("startup.port_shown_ms", median(shownPort));
    result("startup.reply_to_frame_ms", median(replyToFrame));
    result("startup.reply_to_frame_max_ms",
           *std::max_element(replyToFrame.begin(), replyToFrame.end()));
    resultMemory("program", memory);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the program against the simulated unit (see bench/run)."));
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("mode"),
        QStringLiteral("startup, manual, sweep, plan, limit or timer-floor"));
    const QCommandLineOption programOption(
        QStringLiteral("program"), QStringLiteral("velmor-test to start."), QStringLiteral("path"));
    const QCommandLineOption unitOption(QStringLiteral("unit"),
                                        QStringLiteral("velmor-unit-sim to talk to."),
                                        QStringLiteral("path"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Starts (5)."),
                                        QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption framesOption(QStringLiteral("frames"),
                                          QStringLiteral("Periods to time (300)."),
                                          QStringLiteral("n"), QStringLiteral("300"));
    const QCommandLineOption fullOption(QStringLiteral("full"),
                                        QStringLiteral("Sweep, plan: run the whole preset sweep."));
    const QCommandLineOption pacedOption(QStringLiteral("paced"),
                                         QStringLiteral("Plan: pace the run by the replies."));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           QStringLiteral("Limit: seconds to measure (20)."),
                                           QStringLiteral("s"), QStringLiteral("20"));
    const QCommandLineOption periodsOption(
        QStringLiteral("periods"), QStringLiteral("Manual, sweep: write each period (ms) to file."),
        QStringLiteral("file"));
    const QCommandLineOption traceOption(
        QStringLiteral("trace"),
        QStringLiteral("Manual, sweep, limit: record the program's side of the link in file."),
        QStringLiteral("file"));
    const QCommandLineOption resultsOption(
        QStringLiteral("results"),
        QStringLiteral("Manual, sweep, plan: record the test records there."),
        QStringLiteral("url"));
    const QCommandLineOption prefixOption(
        QStringLiteral("prefix"), QStringLiteral("Manual, sweep, plan: the figures' key prefix."),
        QStringLiteral("name"));
    parser.addOptions({programOption, unitOption, runsOption, framesOption, fullOption, pacedOption,
                       secondsOption, periodsOption, traceOption, resultsOption, prefixOption});
    parser.process(app);
    resultsUrl = parser.value(resultsOption);
    prefix = parser.value(prefixOption).toUtf8();
    periodsPath = parser.value(periodsOption);
    tracePath = parser.value(traceOption);

    const QString mode = parser.positionalArguments().value(0);
    const int frames = std::max(parser.value(framesOption).toInt(), 2);
    if (mode == QLatin1String("startup"))
        return startupMode(parser.value(programOption),
                           std::max(parser.value(runsOption).toInt(), 1));
    if (mode == QLatin1String("manual"))
        return manualMode(parser.value(unitOption), frames);
    if (mode == QLatin1String("sweep"))
        return sweepMode(parser.value(unitOption), frames, parser.isSet(fullOption));
    if (mode == QLatin1String("plan"))
        return planMode(parser.value(unitOption), frames, parser.isSet(fullOption),
                        parser.isSet(pacedOption));
    if (mode == QLatin1String("limit"))
        return limitMode(parser.value(unitOption),
                         std::max(parser.value(secondsOption).toInt(), 1));
    if (mode == QLatin1String("timer-floor"))
        return timerFloorMode(std::max(parser.value(secondsOption).toInt(), 1));
    parser.showHelp(2);
}

// velmor-soak: the whole program in one process against the simulated unit for a long while:
// the manual window measuring with changing loads, and window hand-overs at even intervals, each
// visit of the graph window running a short sweep. Reports resident memory and open file
// descriptors after the first round trip and at the end; fails when memory grew by more than
// 1 MB or a descriptor was left open. Run it through bench/soak.
#include "CommandButton.h"
#include "HScrollBar.h"
#include "ProcessStats.h"
#include "SimulatedUnit.h"
#include "Wiring.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <malloc.h>

#include <cstdio>
#include <random>

namespace {

using namespace velmor;

constexpr double allowedGrowthMB = 1.0;
constexpr int stepMs = 50;
constexpr int loadChangeMs = 1000;
constexpr int settleMs = 2000; // after a hand-over back, before memory is measured, at most

int openDescriptors() {
    // The listing holds one descriptor of its own, at both measurements alike.
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                                .size());
}

struct Figures {
    double rssMB = 0;
    int descriptors = 0;
};

Figures measure() {
    // What the allocator keeps cached for later is not the program's; hand it back first.
    malloc_trim(0);
    return {bench::ownMemory().rssMB, openDescriptors()};
}

class Soak : public QObject {
public:
    Soak(int minutes, int handOvers)
        : totalMs_(qint64{minutes} * 60 * 1000), handOvers_(handOvers) {
        const int roundTrips = std::max(handOvers_ / 2, 1);
        spacingMs_ = totalMs_ / (roundTrips + 1);
        graphStayMs_ = std::min<qint64>(1500, spacingMs_ / 3);
        settleMs_ = std::min<qint64>(settleMs, (spacingMs_ - graphStayMs_) / 2);
    }

    bool start() {
        if (!dir_.isValid())
            return fail("cannot make a temporary folder");
        // A name of its own: the serial port's lock file is named after it.
        link_ =
            dir_.filePath(QStringLiteral("velmor-soak-%1").arg(QCoreApplication::applicationPid()));
        if (const auto error = unit_.start(link_))
            return fail(*error);
        unit_.model().setNoise(2);
        QObject::connect(&unit_, &sim::SimulatedUnit::frameReceived, this, [this] {
            ++(switcher_->graphWindow() ? sweepFrames_ : measurementFrames_);
            if (unit_.receivedFrames().size() >= 1000)
                unit_.clearReceivedFrames(); // keeps its capacity: no growth of the soak's own
        });
        auto wired = Program::wire({link_, {}, QStringLiteral("off"), {}});
        if (const auto* error = std::get_if<QString>(&wired))
            return fail(*error);
        program_ = std::move(std::get<0>(wired));
        if (!program_->openWindows(state_, mapsFolderOfThisProgram(),
                                   [this](const QString& title, const QString& error) {
                                       fail(title + QStringLiteral(": ") + error);
                                       QCoreApplication::exit(2);
                                   }))
            return fail("the manual window did not load");
        switcher_ = program_->switcher();
        startFresh_ = measure();
        clock_.start();
        nextTripMs_ = spacingMs_;
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { step(); });
        timer_.start(stepMs);
        std::printf("soak: %.1f min, %d hand-overs (one round trip every %.1f s, %.1f s in the "
                    "graph window)\n",
                    static_cast<double>(totalMs_) / 60000, handOvers_,
                    static_cast<double>(spacingMs_) / 1000,
                    static_cast<double>(graphStayMs_) / 1000);
        std::fflush(stdout);
        return true;
    }

    int result() const { return result_; }

private:
    bool fail(const QString& why) {
        std::fprintf(stderr, "soak: %s\n", qPrintable(why));
        result_ = 2;
        return false;
    }

    template <class Control> static Control* find(QWidget* window, const char* name) {
        return window->findChild<Control*>(QString::fromLatin1(name));
    }

    void step() {
        const qint64 now = clock_.elapsed();
        Form1* manual = switcher_->manualWindow();
        FormGraf* graph = switcher_->graphWindow();
        if (manual && !switchedOn_) {
            find<ui::CommandButton>(manual, "Command1")->click(); // each visit starts switched off
            switchedOn_ = true;
        }
        if (manual && now - lastLoadChangeMs_ >= loadChangeMs) {
            // Mostly within the limits, now and then past them or into an overload.
            std::uniform_int_distribution<int> setting(0, 120);
            find<ui::HScrollBar>(manual, "HScroll1")->setValue(setting(random_));
            find<ui::HScrollBar>(manual, "HScroll2")->setValue(setting(random_));
            find<ui::HScrollBar>(manual, "HScroll3")->setValue(setting(random_));
            lastLoadChangeMs_ = now;
        }
        if (manual && !baseline_ && tripsDone_ >= 1 && now - backAtMs_ >= settleMs_) {
            baseline_ = measure();
            report("start (after the first round trip)", *baseline_);
        }
        if (manual && handOversDone_ + 2 <= handOvers_ && now >= nextTripMs_) {
            find<ui::CommandButton>(manual, "Command2")->click();
            ++handOversDone_;
            switchedOn_ = false;
            enteredGraphMs_ = now;
            if (auto* g = switcher_->graphWindow())
                find<ui::CommandButton>(g, "Command3")->click(); // a sweep under way
            return;
        }
        if (graph && now - enteredGraphMs_ >= graphStayMs_) {
            find<ui::CommandButton>(graph, "Command2")->click(); // pause
            if (tripsDone_ % 2 == 0)
                find<ui::CommandButton>(graph, "Command4")->click(); // and now and then reset
            find<ui::CommandButton>(graph, "Command1")->click();     // back to manual mode
            ++handOversDone_;
            ++tripsDone_;
            backAtMs_ = now;
            nextTripMs_ = spacingMs_ * (tripsDone_ + 1);
            return;
        }
        if (manual && now >= totalMs_ && now - backAtMs_ >= settleMs_)
            finish();
    }

    void report(const char* when, const Figures& f) {
        std::printf("soak: %-36s RSS %8.2f MB, %3d open descriptors, %d hand-overs, %lld "
                    "measurement frames, %lld sweep frames, %.0f s\n",
                    when, f.rssMB, f.descriptors, handOversDone_,
                    static_cast<long long>(measurementFrames_),
                    static_cast<long long>(sweepFrames_),
                    static_cast<double>(clock_.elapsed()) / 1000);
        std::fflush(stdout);
    }

    void finish() {
        timer_.stop();
        const Figures end = measure();
        report("end", end);
        if (!baseline_) {
            fail("too short to measure: no round trip was finished");
            QCoreApplication::exit(result_);
            return;
        }
        const double growth = end.rssMB - baseline_->rssMB;
        const int leaked = end.descriptors - baseline_->descriptors;
        std::printf("soak: at the very start RSS %.2f MB, %d descriptors (before any hand-over)\n",
                    startFresh_.rssMB, startFresh_.descriptors);
        std::printf("soak: RSS growth %+.3f MB (allowed %.1f MB), descriptors %+d (allowed 0)\n",
                    growth, allowedGrowthMB, leaked);
        const bool ok = growth <= allowedGrowthMB && leaked <= 0 && handOversDone_ == handOvers_;
        if (handOversDone_ != handOvers_)
            std::printf("soak: only %d of %d hand-overs were made\n", handOversDone_, handOvers_);
        std::printf("soak: %s\n", ok ? "PASS" : "FAIL");
        std::fflush(stdout);
        result_ = ok ? 0 : 1;
        QCoreApplication::exit(result_);
    }

    qint64 totalMs_;
    int handOvers_;
    qint64 spacingMs_ = 0;
    qint64 graphStayMs_ = 0;
    qint64 settleMs_ = 0;

    QTemporaryDir dir_;
    QString link_;
    sim::SimulatedUnit unit_;
    SharedState state_;
    std::unique_ptr<Program> program_; // as velmor-test puts it together
    WindowSwitcher* switcher_ = nullptr;
    QTimer timer_;
    QElapsedTimer clock_;
    std::mt19937 random_{7};

    bool switchedOn_ = false;
    qint64 lastLoadChangeMs_ = 0;
    qint64 nextTripMs_ = 0;
    qint64 enteredGraphMs_ = 0;
    qint64 backAtMs_ = 0;
    int handOversDone_ = 0;
    int tripsDone_ = 0;
    qint64 measurementFrames_ = 0;
    qint64 sweepFrames_ = 0;
    Figures startFresh_;
    std::optional<Figures> baseline_;
    int result_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Soak: the manual cycle against the simulated unit, with window hand-overs between."));
    parser.addHelpOption();
    const QCommandLineOption minutes(QStringLiteral("minutes"), QStringLiteral("How long (30)."),
                                     QStringLiteral("n"), QStringLiteral("30"));
    const QCommandLineOption handOvers(QStringLiteral("handovers"),
                                       QStringLiteral("How many window hand-overs, even (500)."),
                                       QStringLiteral("n"), QStringLiteral("500"));
    parser.addOptions({minutes, handOvers});
    parser.process(app);
    bool minutesOk = false;
    bool handOversOk = false;
    const int m = parser.value(minutes).toInt(&minutesOk);
    const int h = parser.value(handOvers).toInt(&handOversOk);
    if (!minutesOk || m < 1 || !handOversOk || h < 2 || h % 2 != 0) {
        std::fprintf(stderr,
                     "soak: --minutes needs 1 or more, --handovers an even number from 2\n");
        return 2;
    }
    Soak soak(m, h);
    if (!soak.start())
        return soak.result();
    return QApplication::exec();
}

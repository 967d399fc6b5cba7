#include "AutomaticRun.h"

#include "Printable.h"

#include <cstdio>

namespace velmor {

AutomaticRun::AutomaticRun(QString purpose) : purpose_(std::move(purpose)) {}

AutomaticRun::~AutomaticRun() = default;

void AutomaticRun::compose(RunStep& step, const PortFactory& makePort, int linkTimeoutSeconds,
                           RunRecorder* recorder) {
    engine_ = std::make_unique<TestRun>(step, makePort, linkTimeoutSeconds, recorder);
    connect(engine_.get(), &TestRun::linkChanged, this, &AutomaticRun::linkChanged);
    connect(engine_.get(), &TestRun::ticked, this,
            [this](const StepReading& reading, const StepAnswer& answer) {
                taken(reading);
                emit ticked(reading, answer);
            });
    connect(engine_.get(), &TestRun::switchedOff, this, &AutomaticRun::switchedOff);
    connect(engine_.get(), &TestRun::finished, this, [this](RunEnd end) {
        awake_.reset();
        emit finished(end);
    });
}

void AutomaticRun::taken(const StepReading&) {}

std::optional<QString> AutomaticRun::start() {
    // Held from before the first frame to after the last.
    awake_.emplace(purpose_);
    if (awake_->error()) {
        std::fprintf(stderr, "velmor-test: %s\n",
                     qPrintable(results::printable(
                         tr("cannot keep the machine from sleeping (%1); the run goes on all the "
                            "same")
                             .arg(*awake_->error()))));
        std::fflush(stderr);
    }
    auto error = engine_->start();
    if (error)
        awake_.reset();
    return error;
}

void AutomaticRun::interrupt() {
    engine_->interrupt();
}

} // namespace velmor

#include "moc_AutomaticRun.cpp"

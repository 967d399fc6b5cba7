#include "Settling.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace velmor {

namespace {

bool sameFrame(const RunReading& a, const RunReading& b) {
    return a.supplyOn == b.supplyOn && a.load5 == b.load5 && a.load12 == b.load12 &&
           a.load33 == b.load33;
}

bool loadJumped(const RunReading& from, const RunReading& to) {
    return std::abs(to.load5 - from.load5) > loadJumpSettings ||
           std::abs(to.load12 - from.load12) > loadJumpSettings ||
           std::abs(to.load33 - from.load33) > loadJumpSettings;
}

constexpr const char* settlingWords[] = {"judged", "supply-off", "powering-up", "load-jump",
                                         "after-shutdown"};

} // namespace

SettleTime settleTime(qint64 settleMs, bool pacedByReplies, int tickMs) {
    return {settleMs, pacedByReplies ? 0 : tickMs / 2, pacedByReplies};
}

QString settlingName(Settling settling) {
    return QString::fromLatin1(settlingWords[static_cast<int>(settling)]);
}

std::optional<Settling> settlingNamed(QStringView word) {
    for (int i = 0; i < static_cast<int>(std::size(settlingWords)); ++i)
        if (word == QLatin1String(settlingWords[i]))
            return static_cast<Settling>(i);
    return std::nullopt;
}

Settling SettleTracker::next(const RunReading& r) {
    Settling s = Settling::Judged;
    if (hasBefore_ && !sameFrame(before_, r)) {
        changedMs_ = before_.ms;
        jumped_ = loadJumped(before_, r);
        if (time_.byReplies)
            changedMs_ = std::max(changedMs_, r.ms - replyLineMs);
    }
    // When the frame this reading answers went out: the unit measured it no sooner. That frame
    // must come the settle time after a load jump; on ticks a few milliseconds sooner still
    // count, not half a tick.
    const qint64 askedMs = hasBefore_ ? before_.ms : r.ms;
    if (!r.supplyOn) {
        s = Settling::SupplyOff;
        up_ = false;
    } else if (!hasBefore_ || !before_.supplyOn) {
        s = Settling::PoweringUp; // the reply to the switch-on frame itself
        switchedOnMs_ = r.ms;
        up_ = powerGood(r);
        changedMs_ = r.ms;
        jumped_ = false;
    } else if (!up_) {
        s = Settling::PoweringUp;
        up_ = powerGood(r);
        changedMs_ = r.ms;
        jumped_ = false;
        if (!up_ && r.ms - switchedOnMs_ > powerOnTimeoutMs)
            didNotPowerOn_ = true;
    } else if (loadJumped(before_, r) ||
               r.ms - replyLineMs - changedMs_ + time_.slackMs < time_.ms ||
               ((jumped_ || time_.byReplies) &&
                askedMs - changedMs_ + std::min(time_.slackMs, replyLineMs) < time_.ms)) {
        s = Settling::LoadJump;
    }
    before_ = r;
    hasBefore_ = true;
    return s;
}

bool ShutdownWatch::shutDown(const RunReading& r) {
    const bool wasUp = up_;
    up_ = r.supplyOn && (powerGood(r) || (up_ && !belowPowerGood(r)));
    return r.supplyOn && wasUp && belowPowerGood(r);
}

SettledRun settleRun(const std::vector<RunReading>& readings, SettleTime time,
                     AtShutdown atShutdown) {
    SettledRun run;
    run.settling.reserve(readings.size());
    SettleTracker tracker(time);
    ShutdownWatch watch;
    for (const RunReading& r : readings) {
        Settling s = tracker.next(r);
        if (atShutdown == AtShutdown::StopJudging && !run.shutDownAt && watch.shutDown(r))
            run.shutDownAt = run.settling.size();
        if (run.shutDownAt)
            s = Settling::ShutDown;
        run.settling.push_back(s);
        switch (s) {
        case Settling::Judged:
            ++run.judged;
            break;
        case Settling::SupplyOff:
            ++run.supplyOff;
            break;
        case Settling::PoweringUp:
            ++run.poweringUp;
            break;
        case Settling::LoadJump:
            ++run.loadJump;
            break;
        case Settling::ShutDown:
            ++run.shutDown;
            break;
        }
    }
    run.didNotPowerOn = tracker.didNotPowerOn();
    return run;
}

} // namespace velmor

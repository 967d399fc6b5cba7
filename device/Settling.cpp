#include "Settling.h"

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
    return {settleMs, pacedByReplies ? 0 : tickMs / 2};
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
    if (hasBefore_ && !sameFrame(before_, r))
        changedMs_ = before_.ms;
    if (!r.supplyOn) {
        s = Settling::SupplyOff;
        up_ = false;
    } else if (!hasBefore_ || !before_.supplyOn) {
        s = Settling::PoweringUp; // the reply to the switch-on frame itself
        switchedOnMs_ = r.ms;
        up_ = powerGood(r);
        changedMs_ = r.ms;
    } else if (!up_) {
        s = Settling::PoweringUp;
        up_ = powerGood(r);
        changedMs_ = r.ms;
        if (!up_ && r.ms - switchedOnMs_ > powerOnTimeoutMs)
            didNotPowerOn_ = true;
    } else if (loadJumped(before_, r) ||
               r.ms - replyLineMs - changedMs_ + time_.slackMs < time_.ms) {
        s = Settling::LoadJump;
    }
    before_ = r;
    hasBefore_ = true;
    return s;
}

SettledRun settleRun(const std::vector<RunReading>& readings, SettleTime time) {
    SettledRun run;
    run.settling.reserve(readings.size());
    SettleTracker tracker(time);
    for (const RunReading& r : readings) {
        const Settling s = tracker.next(r);
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

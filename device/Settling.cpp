#include "Settling.h"

#include <cstdlib>

namespace velmor {

namespace {

bool loadJumped(const RunReading& from, const RunReading& to) {
    return std::abs(to.load5 - from.load5) > loadJumpSettings ||
           std::abs(to.load12 - from.load12) > loadJumpSettings ||
           std::abs(to.load33 - from.load33) > loadJumpSettings;
}

} // namespace

SettledRun settleRun(const std::vector<RunReading>& readings) {
    SettledRun run;
    run.settling.reserve(readings.size());
    bool up = false;         // a reading since the last switch-on was power-good
    qint64 switchedOnMs = 0; // the reply to the switch-on frame
    const RunReading* before = nullptr;
    for (const RunReading& r : readings) {
        Settling s = Settling::Judged;
        if (!r.supplyOn) {
            s = Settling::SupplyOff;
            up = false;
        } else if (!before || !before->supplyOn) {
            s = Settling::PoweringUp; // the reply to the switch-on frame itself
            switchedOnMs = r.ms;
            up = powerGood(r);
        } else if (!up) {
            s = Settling::PoweringUp;
            up = powerGood(r);
            if (!up && r.ms - switchedOnMs > powerOnTimeoutMs)
                run.didNotPowerOn = true;
        } else if (loadJumped(*before, r)) {
            s = Settling::LoadJump;
        }
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
        }
        before = &r;
    }
    return run;
}

} // namespace velmor

#pragma once

#include "Frames.h"
#include "LineSettings.h"

#include <QString>
#include <QtGlobal>

#include <optional>

#include <vector>

namespace velmor {

// Which readings of a run a verdict may judge. A reading is judged only when it shows a powered,
// settled supply; the others are kept and shown, counted by why they are not judged.

// One reading and the frame it answers: what the unit had been told when it measured.
struct RunReading {
    qint64 ms = 0;         // when it was read, from the run's first reading
    bool supplyOn = false; // the frame it answers had the supply switched on
    int load5 = 0;         // that frame's load settings, 0..255
    int load12 = 0;
    int load33 = 0;
    double ratio5 = 0; // the +5 V, +12 V and +3.3 V readings over their nominal voltages
    double ratio12 = 0;
    double ratio33 = 0;
};

enum class Settling {
    Judged,
    SupplyOff,  // it answers a frame with the supply switched off
    PoweringUp, // the supply was not yet up: no earlier reading since switch-on was power-good
    LoadJump,   // taken sooner than the settle time after a load change (or the supply coming
                // up), or the reply to a frame that moved a load by more than one sweep step
    ShutDown    // the supply had shut down: every output below power-good after it was up
};

// A reading for the settled rule: when it was read, the frame it answers, and the three outputs'
// volts, each taken over its nominal voltage here.
constexpr RunReading runReading(qint64 ms, bool supplyOn, const LoadSettings& loads, double volts5,
                                double volts12, double volts33) {
    return {ms,
            supplyOn,
            loads.load5,
            loads.load12,
            loads.load33,
            volts5 / output5.nominalVolts,
            volts12 / output12.nominalVolts,
            volts33 / output33.nominalVolts};
}

// Power-good: an output within this share of its nominal voltage either way (±10 %).
inline constexpr double powerGoodBand = 0.1;

// Power-good: all three outputs within the band.
constexpr bool powerGood(const RunReading& r) {
    const auto inside = [](double ratio) {
        return ratio >= 1 - powerGoodBand && ratio <= 1 + powerGoodBand;
    };
    return inside(r.ratio5) && inside(r.ratio12) && inside(r.ratio33);
}

// Every output below power-good: with the supply switched on and up before, it has shut down.
constexpr bool belowPowerGood(const RunReading& r) {
    const auto below = [](double ratio) { return ratio < 1 - powerGoodBand; };
    return below(r.ratio5) && below(r.ratio12) && below(r.ratio33);
}

// Follows a run's readings in order for a shutdown: a supply that was switched on and
// power-good, and then has every output below power-good, has shut down.
class ShutdownWatch {
public:
    // Whether this reading shows the supply shut down.
    bool shutDown(const RunReading& reading);
    // Switched on and power-good since, and not shut down.
    bool up() const { return up_; }

private:
    bool up_ = false;
};

// A supply not power-good within this long after the reply to its switch-on frame did not power on.
inline constexpr qint64 powerOnTimeoutMs = 2000;
// More than this many load settings on any output between two frames is a load jump; the sweep
// steps by 2.
inline constexpr int loadJumpSettings = 2;

// How long after a load change a reading is first judged. A frame goes out in the answer to a
// reading, so a change is timed from the reading before the first one that answers it; the
// supply coming up (its first power-good reading) counts as a change too. After a load jump the
// unit measures a reading no sooner than the frame it answers went out, so that frame, not the
// reading, must come the settle time after the jump: a tick that comes early, catching up on
// a late one, is no settling.
struct SettleTime {
    qint64 ms = 100; // a plan's settle_ms; the default is one tick
    // How much sooner still counts. On ticks, half a tick: the ticks keep time on average, not
    // to the millisecond, and a reading one tick after the change is as settled as a tick
    // allows. Paced by replies, none.
    qint64 slackMs = 50;
    // Paced by replies, each reply is read as it comes, so a change is timed from no sooner than
    // the first reply to the changing frame began to leave the unit (a unit slow to take the
    // frame has not begun to settle), and every reading from the frame it answers.
    bool byReplies = false;
};

// A reading was taken before its reply began to leave the unit: at least a reply's time on the
// line (4.17 ms at 9600 8N1, to the millisecond the run's clock counts) before it was read.
inline constexpr qint64 replyLineMs = (lineMicroseconds(unitLineSettings, frameBytes) + 500) / 1000;

// The settle time of a run on ticks of tickMs, or paced by replies.
SettleTime settleTime(qint64 settleMs, bool pacedByReplies, int tickMs);

// "judged", "supply-off", "powering-up", "load-jump", "after-shutdown": the words the records
// keep.
QString settlingName(Settling settling);
std::optional<Settling> settlingNamed(QStringView word);

struct SettledRun {
    std::vector<Settling> settling; // one per reading, in order
    int judged = 0;
    int supplyOff = 0;
    int poweringUp = 0;
    int loadJump = 0;
    int shutDown = 0;
    bool didNotPowerOn = false;            // switched on, and not power-good within the timeout
    std::optional<std::size_t> shutDownAt; // the reading that showed the supply shut down
};

// Whether a shutdown ends what a run judges: so in an automatic run, where the supply is not
// switched on again; a manual session goes on as the operator has it.
enum class AtShutdown { GoOn, StopJudging };

// The settled rule, applied to a run's readings in the order they were read. Stopping at a
// shutdown, the reading that shows it and every one after it are ShutDown.
SettledRun settleRun(const std::vector<RunReading>& readings, SettleTime time = {},
                     AtShutdown atShutdown = AtShutdown::GoOn);

// The same rule one reading at a time, for a run under way.
class SettleTracker {
public:
    explicit SettleTracker(SettleTime time = {}) : time_(time) {}

    Settling next(const RunReading& reading);
    // Switched on, and not power-good within the timeout.
    bool didNotPowerOn() const { return didNotPowerOn_; }

private:
    SettleTime time_;
    qint64 changedMs_ = 0;    // the last load change, or the supply coming up
    bool jumped_ = false;     // the last change was a load jump
    bool up_ = false;         // a reading since the last switch-on was power-good
    qint64 switchedOnMs_ = 0; // the reply to the switch-on frame
    bool hasBefore_ = false;
    RunReading before_{};
    bool didNotPowerOn_ = false;
};

} // namespace velmor

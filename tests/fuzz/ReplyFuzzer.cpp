// libFuzzer target: arbitrary replies from the unit, with arbitrary limits and load settings
// (0..255, as the scroll bars give them), through the reply parser, the measurement step, the
// sweep's step, and the two windows' real tick handlers on a port that hands out the reply. A
// crash, a sanitizer report or a broken rule below is a finding.
//
// Input layout (missing bytes read as 0):
//   0        flags: bit 0 supply on in the manual window, bit 1 GraphSupplyOn,
//                   bit 2 the manual window in Limit mode for this input
//   1..4     LoadLimit1, LoadLimit2, LoadLimit3, PowerLimit
//   5..7     HScroll1..3 (the load settings), 8 HScroll4
//   9, 10    Load12Step, Load5Step
//   11..     the reply, everything the unit sent since the last read
#include "Conversions.h"
#include "Deviation.h"
#include "Form1.h"
#include "FormGraf.h"
#include "Frames.h"
#include "HScrollBar.h"
#include "LimitSetting.h"
#include "Limits.h"
#include "MeasurementCycle.h"
#include "SerialPort.h"
#include "SharedState.h"
#include "Sweep.h"

#include <QApplication>

#include <algorithm>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using namespace velmor;

// Stops the run with the rule that broke; libFuzzer keeps the input that did it.
void require(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "rule broken: %s\n", rule);
        std::abort();
    }
}

// The port of both windows: one reply per read, every written byte kept until taken.
class FuzzPort final : public SerialPort {
public:
    std::optional<QString> open(int, const LineSettings&) override {
        open_ = true;
        return std::nullopt;
    }
    bool writeByte(quint8 byte) override {
        written.push_back(byte);
        return true;
    }
    QByteArray readAll() override { return std::exchange(reply, QByteArray()); }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    std::optional<QString> lostReason() const override { return std::nullopt; }

    QByteArray reply;
    std::vector<quint8> written;

private:
    bool open_ = false;
};

struct FuzzInput {
    bool supplyOn = false;
    bool graphSupplyOn = false;
    bool limitMode = false;
    int limit1 = 0, limit2 = 0, limit3 = 0, power = 0;
    int s1 = 0, s2 = 0, s3 = 0, s4 = 0;
    int load12Step = 0, load5Step = 0;
    QByteArray reply;
};

FuzzInput parse(const std::uint8_t* data, size_t size) {
    const auto at = [&](size_t i) { return i < size ? int{data[i]} : 0; };
    FuzzInput in;
    in.supplyOn = (at(0) & 1) != 0;
    in.graphSupplyOn = (at(0) & 2) != 0;
    in.limitMode = (at(0) & 4) != 0;
    in.limit1 = at(1);
    in.limit2 = at(2);
    in.limit3 = at(3);
    in.power = at(4);
    in.s1 = at(5);
    in.s2 = at(6);
    in.s3 = at(7);
    in.s4 = at(8);
    in.load12Step = at(9);
    in.load5Step = at(10);
    if (size > 11)
        in.reply =
            QByteArray(reinterpret_cast<const char*>(data + 11), static_cast<qsizetype>(size - 11));
    return in;
}

void checkReplyFrame(const QByteArray& reply) {
    const auto frame = replyFrame(reply);
    require(frame.has_value() == (reply.size() >= 4 && reply != " "),
            "a reply is usable exactly when it has four bytes and is not a single blank");
    if (frame) {
        const auto b = [&](int i) { return static_cast<quint8>(reply[i]); };
        require(*frame == (ReplyFrame{b(0), b(1), b(2), b(3)}), "the first four bytes are used");
    }
}

// The measurement step, apart from the window.
void checkMeasurement(const FuzzInput& in, const std::optional<ReplyFrame>& reply) {
    const LoadLimits limits{static_cast<qint16>(in.limit1), static_cast<qint16>(in.limit2),
                            static_cast<qint16>(in.limit3), static_cast<qint16>(in.power)};
    const ManualMeasurement m = measurementStep(reply, {in.s1, in.s2, in.s3}, limits, in.supplyOn);
    require(m.powerBack == (m.overload ? red : white), "the power readout is red on overload only");
    if (!reply) {
        require(!m.linked && !m.frame && m.volts5Caption == noLink5 &&
                    m.volts12Caption == noLink12 && m.volts33Caption == noLink33,
                "no link shows the no-link texts and sends nothing");
        return;
    }
    require(m.linked && m.frame.has_value(), "a usable reply is shown and answered");
    bool ok5 = false, ok12 = false, ok33 = false;
    require(parseReading(m.volts5Caption, &ok5) == m.volts5 &&
                parseReading(m.volts12Caption, &ok12) == m.volts12 &&
                parseReading(m.volts33Caption, &ok33) == m.volts33 && ok5 && ok12 && ok33,
            "the power works from the voltages as shown");
    require(m.volts5 >= 4.0 && m.volts5 <= 6.0 && m.volts12 >= 9.6 && m.volts12 <= 14.4 &&
                m.volts33 >= 2.64 && m.volts33 <= 3.96,
            "voltages stay in their windows");
    const ConverterDigits d = converterDigits(converterVolts(reply->b2));
    require(d.units >= 0 && d.units <= 5 && d.tenths >= 0 && d.tenths <= 9 && d.hundredths >= 0 &&
                d.hundredths <= 9,
            "the converter digits are single digits");
    require(!m.diagnostic.isEmpty(), "the diagnostic line is never empty");

    require(m.clamped == LoadSettings{std::min(in.s1, in.limit1), std::min(in.s2, in.limit2),
                                      std::min(in.s3, in.limit3)},
            "the clamp holds each setting to its limit and leaves the others");
    require(m.power >= 0.0 && m.power < 1000.0, "the power is a plausible number of watts");
    require(m.power == totalPower(m.volts5, m.volts12, m.volts33, m.clamped.load5, m.clamped.load12,
                                  m.clamped.load33),
            "the power is from the clamped settings");
    require(m.overload == isOverload(m.power, in.power), "overload is the power above its limit");
    require(m.settings == (m.overload ? LoadSettings{} : m.clamped), "overload cuts every load");
    require(*m.frame ==
                controlFrame(in.supplyOn, m.settings.load5, m.settings.load12, m.settings.load33),
            "the frame carries the switch and the settings after the clamp and the cut");
    require(maxLoadSetting - m.frame->load5Code <= in.limit1 &&
                maxLoadSetting - m.frame->load12Code <= in.limit2 &&
                maxLoadSetting - m.frame->load33Code <= in.limit3,
            "no frame asks for more load than the limits allow");
}

void checkSweep(const FuzzInput& in, const std::optional<ReplyFrame>& reply) {
    SharedState state;
    state.loadLimit1 = static_cast<qint16>(in.limit1);
    state.loadLimit2 = static_cast<qint16>(in.limit2);
    state.powerLimit = static_cast<qint16>(in.power);
    state.load12Step = in.load12Step;
    state.load5Step = in.load5Step;
    state.graphSupplyOn = in.graphSupplyOn ? 1 : 0;
    const SweepTick tick = sweepStep(state, state, reply);
    if (!reply) {
        require(tick.outcome == SweepTick::Outcome::NoLink, "no reply is no link");
        require(!tick.frame && tick.load12Step == in.load12Step && tick.load5Step == in.load5Step,
                "no link sends nothing and keeps the steps");
        return;
    }
    require(tick.outcome != SweepTick::Outcome::NoLink, "a usable reply is used");
    require(tick.frame.has_value(), "a used reply is answered");
    require(tick.frame->supplySwitch == state.graphSupplyOn && tick.frame->load33Code == 255,
            "the sweep's frame carries its switch and no +3.3 V load");
    const bool wrapped = tick.load5Step == in.load5Step + 1;
    require(wrapped || tick.load5Step == in.load5Step, "the +5 V step moves by at most one");
    if (tick.outcome == SweepTick::Outcome::Ended) {
        require(2 * tick.load5Step > in.limit1, "the sweep ends only past its +5 V bound");
        require(*tick.frame == sweepEndFrame(state.graphSupplyOn),
                "the end frame takes all loads off");
        return;
    }
    require(tick.load12Step == (wrapped ? 1 : in.load12Step + 1), "the +12 V step advances by one");
    require(tick.cell == cellBox(tick.load12Step - 1, tick.load5Step),
            "the painted cell is the step's");
    require(tick.frame->load12Code == loadCode(std::min(2 * tick.load12Step, maxLoadSetting)) &&
                tick.frame->load5Code == loadCode(std::min(2 * tick.load5Step, maxLoadSetting)),
            "the frame asks for the loads of the next step");
}

void checkLimitDisplays(const FuzzInput& in) {
    const LimitDisplays shown = limitDisplays(in.s1, in.s2, in.s3, in.s4);
    for (const QString& text :
         {shown.current5, shown.current12, shown.current33, shown.powerWatts}) {
        bool ok = false;
        const double value = parseReading(text, &ok);
        require(ok && value >= 0.0 && value <= 510.0, "Limit mode shows numbers in range");
    }
}

// The real windows, made once: their controls take every input in turn.
struct Windows {
    SharedState state;
    FuzzPort* manualPort = nullptr;
    FuzzPort* graphPort = nullptr;
    std::unique_ptr<Form1> manual;
    std::unique_ptr<FormGraf> graph;
    bool manualOn = false;

    Windows() {
        QString error;
        manual = Form1::load(
            state,
            [this] {
                auto port = std::make_unique<FuzzPort>();
                manualPort = port.get();
                return port;
            },
            &error);
        require(manual != nullptr, "the manual window loads");
        graph = std::make_unique<FormGraf>(
            state,
            [this] {
                auto port = std::make_unique<FuzzPort>();
                graphPort = port.get();
                return port;
            },
            MapsFolder{}); // the fuzzer never saves
        require(!graph->load(), "the graph window loads");
        manual->onCommand2([] {}); // the hand-over is not fuzzed
        graph->onSaveError([](const QString&) {});
    }

    ui::HScrollBar* scroll(const char* name) const {
        return manual->control<ui::HScrollBar>(QString::fromLatin1(name));
    }

    void run(const FuzzInput& in) {
        // The manual window: switched on or off as asked, then one measurement tick.
        if (in.supplyOn != manualOn) {
            manual->command1Click();
            manualOn = in.supplyOn;
        }
        state.loadLimit1 = static_cast<qint16>(in.limit1);
        state.loadLimit2 = static_cast<qint16>(in.limit2);
        state.loadLimit3 = static_cast<qint16>(in.limit3);
        state.powerLimit = static_cast<qint16>(in.power);
        scroll("HScroll1")->setValue(in.s1);
        scroll("HScroll2")->setValue(in.s2);
        scroll("HScroll3")->setValue(in.s3);
        scroll("HScroll4")->setValue(in.s4);
        if (in.limitMode) {
            manual->timer2Tick();
            require(state.loadLimit1 == in.s1 && state.powerLimit == in.s4,
                    "Limit mode stores the scroll positions");
            state.loadLimit1 = static_cast<qint16>(in.limit1);
            state.loadLimit2 = static_cast<qint16>(in.limit2);
            state.loadLimit3 = static_cast<qint16>(in.limit3);
            state.powerLimit = static_cast<qint16>(in.power);
        }
        manualPort->written.clear();
        manualPort->reply = in.reply;
        manual->timer1Tick();
        require(state.lastReply == in.reply, "the tick keeps what it read");
        const auto& out = manualPort->written;
        require(out.empty() == !replyFrame(in.reply).has_value(),
                "a frame goes out exactly when the reply is usable");
        if (!out.empty()) {
            require(out.size() == 4, "a frame is four bytes");
            require(out[0] == (manualOn ? 1 : 0), "the switch byte follows the On/Off button");
            require(maxLoadSetting - out[3] <= in.limit1 && maxLoadSetting - out[2] <= in.limit2 &&
                        maxLoadSetting - out[1] <= in.limit3,
                    "the window never asks for more load than the limits allow");
        }

        // The graph window: one sweep tick from the given steps.
        state.load12Step = in.load12Step;
        state.load5Step = in.load5Step;
        state.graphSupplyOn = in.graphSupplyOn ? 1 : 0;
        graphPort->written.clear();
        graphPort->reply = in.reply;
        graph->tick();
        require(graphPort->written.empty() == !replyFrame(in.reply).has_value(),
                "the sweep answers exactly the usable replies");
        require(graphPort->written.empty() || graphPort->written.size() == 4,
                "a sweep frame is four bytes");
    }
};

Windows* windows = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    windows = new Windows;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const FuzzInput in = parse(data, size);
    checkReplyFrame(in.reply);
    const auto reply = replyFrame(in.reply);
    checkMeasurement(in, reply);
    checkSweep(in, reply);
    checkLimitDisplays(in);
    windows->run(in);
    // What the windows asked of the toolkit (repaints, layouts) is done now and then, as the
    // message loop would between ticks.
    static unsigned runs = 0;
    if (++runs % 64 == 0)
        QCoreApplication::sendPostedEvents();
    return 0;
}

// A misbehaving unit during manual measurement and during a sweep, through the real port and
// timers: silence, short replies, a single blank, random bytes, floods, a dropped link.
#include "Bench.h"
#include "Conversions.h"
#include "Deviation.h"
#include "MeasurementCycle.h"
#include "ProcessMemory.h"
#include "SweepFrames.h"

#include <QDeadlineTimer>

#include <algorithm>
#include <functional>
#include <set>

namespace velmor::testing {
namespace {

enum class Where { Manual, Sweep };

std::string whereName(Where where) {
    return where == Where::Manual ? "Manual" : "Sweep";
}

void PrintTo(Where where, std::ostream* os) {
    *os << whereName(where);
}

// The program running against the unit: the manual window switched on with some load, or a
// sweep with the preset bounds under way.
class Running : public Bench {
protected:
    static constexpr ControlFrame loaded{1, 235, 215, 225}; // +5 V 30, +12 V 40, +3.3 V 20

    void startRunning(Where where) {
        where_ = where;
        ASSERT_NO_FATAL_FAILURE(startProgram());
        ASSERT_TRUE(waitForFrames(1));
        if (where == Where::Manual) {
            click(manual(), "Command1");
            setLoads(manual(), 30, 40, 20);
            ASSERT_TRUE(eventually([&] { return unit.receivedFrames().back().frame == loaded; },
                                   benchPatienceMs));
            mark = frameCount();
            return;
        }
        ASSERT_NO_FATAL_FAILURE(toGraph());
        ASSERT_TRUE(waitForFrames(2)); // the all-off frame of the graph window's load
        mark = frameCount();
        click(graph(), "Command3");
        ASSERT_TRUE(waitForFrames(mark + 3));
    }

    void stopSweep() {
        if (graph())
            click(graph(), "Command2");
    }

    bool showsNoLink() const {
        if (where_ == Where::Manual)
            return label(manual(), "Label1")->caption() == "нет" &&
                   label(manual(), "Label3")->caption() == "связи" &&
                   label(manual(), "Label5")->caption() == "---";
        return label(graph(), "Label1")->caption() == "нет\r\nСвязи";
    }

    QString windowCaption() const {
        return where_ == Where::Manual ? manual()->caption() : graph()->caption();
    }

    // Everything a no-link tick must leave alone.
    struct Snapshot {
        size_t frames = 0;
        int load12Step = 0;
        int load5Step = 0;
        QImage map;
        QStringList shown;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };
    Snapshot snapshot() const {
        Snapshot s{frameCount(), state.load12Step, state.load5Step, {}, {}};
        if (where_ == Where::Manual) {
            for (const char* name : {"Label2", "Label4", "Label6", "Label12"})
                s.shown << label(manual(), name)->caption();
            s.shown << find<ui::TextBox>(manual(), "Text1")->text();
            for (const char* name : {"HScroll1", "HScroll2", "HScroll3"})
                s.shown << QString::number(scroll(manual(), name)->value());
        } else {
            s.map = find<ui::PictureBox>(graph(), "Picture1")->image();
            for (const char* name : {"Shape1", "Shape2"})
                s.shown << QString::number(find<ui::Shape>(graph(), name)->fillColour());
        }
        return s;
    }

    // What the window shows agrees with the first four bytes of the reply its last tick read,
    // whatever came after them; checked between ticks, where a tick leaves both together.
    ::testing::AssertionResult showsFirstFourBytes() const {
        const QByteArray& read = state.lastReply;
        if (read.size() < 4)
            return ::testing::AssertionSuccess(); // a no-link tick
        const auto byte = [&](int i) { return static_cast<quint8>(read[i]); };
        const std::optional<ReplyFrame> reply = ReplyFrame{byte(0), byte(1), byte(2), byte(3)};
        if (where_ == Where::Manual) {
            const QString expected =
                formatReading(volts5Manual(reply->b2)) + ' ' + formatReading(volts12(reply->b3)) +
                ' ' + formatReading(volts33(reply->b4)) + ' ' + diagnosticLine(*reply);
            const QString shown = label(manual(), "Label1")->caption() + ' ' +
                                  label(manual(), "Label3")->caption() + ' ' +
                                  label(manual(), "Label5")->caption() + ' ' +
                                  find<ui::TextBox>(manual(), "Text1")->text();
            if (shown == expected)
                return ::testing::AssertionSuccess();
            return ::testing::AssertionFailure()
                   << "shows " << shown.toStdString() << ", the reply's first four bytes give "
                   << expected.toStdString();
        }
        const ui::Colour shape1 = find<ui::Shape>(graph(), "Shape1")->fillColour();
        const ui::Colour shape2 = find<ui::Shape>(graph(), "Shape2")->fillColour();
        if (shape1 == classColour(deviationClass5(reply->b2)) &&
            shape2 == classColour(deviationClass12(reply->b3)))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "indicators do not match the reply's first bytes";
    }

    // Keeps the first disagreement, so a watch reports it once.
    void noteMismatch(std::string& first) const {
        if (!first.empty())
            return;
        if (const auto shown = showsFirstFourBytes(); !shown)
            first = shown.message();
    }

    // Runs the program for a while, calling check between events.
    static void watch(int milliseconds, const std::function<void()>& check) {
        QDeadlineTimer deadline(milliseconds);
        while (!deadline.hasExpired()) {
            QTest::qWait(5);
            check();
        }
    }

    // The sweep frames the unit got after the start, in order, are the sweep's own from its
    // first cell on: none twice, none out of order; up to `missing` of them may be lost.
    ::testing::AssertionResult sweepFramesInOrder(size_t missing = 0) const {
        const auto expected = expectedSweepFrames(state.loadLimit1, state.loadLimit2);
        const auto got = framesFrom(mark);
        size_t at = 0;
        size_t skipped = 0;
        for (size_t i = 0; i < got.size(); ++i) {
            const auto found =
                std::find(expected.begin() + static_cast<long>(at), expected.end(), got[i]);
            if (found == expected.end())
                return ::testing::AssertionFailure()
                       << "frame " << i << " " << ::testing::PrintToString(got[i])
                       << " is not the sweep's next";
            const auto index = static_cast<size_t>(found - expected.begin());
            skipped += index - at;
            at = index + 1;
        }
        if (skipped > missing)
            return ::testing::AssertionFailure() << skipped << " sweep frames left out";
        return ::testing::AssertionSuccess();
    }

    Where where_ = Where::Manual;
    size_t mark = 0;
};

// Silence, replies of one to three bytes and a single blank: the no-link text, nothing sent,
// nothing else changed; whole replies bring the window back at once.
struct NoReplyCase {
    sim::FaultMode mode;
    Where where;
};

void PrintTo(const NoReplyCase& c, std::ostream* os) {
    *os << faultModeName(c.mode).toStdString() << " during " << whereName(c.where);
}

class NoReplyTest : public Running, public ::testing::WithParamInterface<NoReplyCase> {};

TEST_P(NoReplyTest, showsNoLinkSendsNothingChangesNothingAndRecovers) {
    const auto [mode, where] = GetParam();
    ASSERT_NO_FATAL_FAILURE(startRunning(where));
    unit.setUnsolicitedInterval(700); // at most one reply between two ticks
    unit.setFaultMode(mode);
    ASSERT_TRUE(eventually([&] { return showsNoLink(); }, benchPatienceMs));
    run(150); // a frame already on its way may still land
    const Snapshot before = snapshot();

    std::set<QByteArray> read;
    watch(1600, [&] { read.insert(state.lastReply); });
    EXPECT_TRUE(showsNoLink());
    EXPECT_TRUE(snapshot() == before) << "frames " << before.frames << " -> " << frameCount();
    switch (mode) {
    case sim::FaultMode::Silent:
        EXPECT_EQ(read, std::set<QByteArray>{QByteArray()});
        break;
    case sim::FaultMode::Short:
        EXPECT_TRUE(std::any_of(read.begin(), read.end(), [](const QByteArray& r) {
            return r.size() >= 1 && r.size() <= 3;
        }));
        for (const QByteArray& r : read)
            EXPECT_LE(r.size(), 3);
        break;
    default:
        EXPECT_TRUE(read.count(QByteArrayLiteral(" ")));
        for (const QByteArray& r : read)
            EXPECT_TRUE(r.isEmpty() || r == " ");
        break;
    }

    unit.setFaultMode(sim::FaultMode::Normal);
    unit.setUnsolicitedInterval(sim::SimulatedUnit::defaultUnsolicitedMs);
    ASSERT_TRUE(waitForFrames(before.frames + 1));
    ASSERT_TRUE(eventually([&] { return !showsNoLink(); }));
    if (where == Where::Manual)
        EXPECT_EQ(framesFrom(before.frames)[0], loaded);
    else // the sweep goes on with the cell after the last one painted
        EXPECT_EQ(framesFrom(before.frames)[0],
                  (ControlFrame{1, 255, static_cast<quint8>(255 - 2 * (before.load12Step + 1)),
                                static_cast<quint8>(255 - 2 * before.load5Step)}));
    if (where == Where::Sweep) {
        EXPECT_TRUE(sweepFramesInOrder());
    }
    stopSweep();
}

INSTANTIATE_TEST_SUITE_P(Faults, NoReplyTest,
                         ::testing::Values(NoReplyCase{sim::FaultMode::Silent, Where::Manual},
                                           NoReplyCase{sim::FaultMode::Short, Where::Manual},
                                           NoReplyCase{sim::FaultMode::Blank, Where::Manual},
                                           NoReplyCase{sim::FaultMode::Silent, Where::Sweep},
                                           NoReplyCase{sim::FaultMode::Short, Where::Sweep},
                                           NoReplyCase{sim::FaultMode::Blank, Where::Sweep}),
                         [](const auto& info) {
                             return faultModeName(info.param.mode).toStdString() + "During" +
                                    whereName(info.param.where);
                         });

class GarbageTest : public Running, public ::testing::WithParamInterface<Where> {};

// Random bytes in random lengths: each reply of four bytes or more is converted from its first
// four like any other; the frames stay within the limits or keep to the sweep.
TEST_P(GarbageTest, randomRepliesAreConvertedLikeAnyOther) {
    ASSERT_NO_FATAL_FAILURE(startRunning(GetParam()));
    unit.setFaultMode(sim::FaultMode::Random);
    const size_t before = frameCount();
    std::set<qsizetype> lengths;
    std::string mismatch;
    watch(3000, [&] {
        lengths.insert(state.lastReply.size());
        noteMismatch(mismatch);
    });
    EXPECT_EQ(mismatch, "");
    EXPECT_GT(frameCount(), before + 3) << "usable replies are answered";
    EXPECT_TRUE(std::any_of(lengths.begin(), lengths.end(), [](qsizetype n) { return n > 4; }));
    if (GetParam() == Where::Manual) {
        for (const ControlFrame& f : framesFrom(mark)) {
            EXPECT_EQ(f.supplySwitch, 1);
            EXPECT_GE(f.load5Code, 255 - 80);
            EXPECT_GE(f.load12Code, 255 - 80);
            EXPECT_GE(f.load33Code, 255 - 70);
        }
    } else {
        EXPECT_TRUE(sweepFramesInOrder());
    }
    stopSweep();
}

// 64 KiB and more arriving between two ticks: the tick reads it all at once, uses its first
// four bytes, and keeps nothing of it for the next tick.
TEST_P(GarbageTest, floodBetweenTwoTicksIsReadWholeAndOnlyItsFirstFourBytesUsed) {
    ASSERT_NO_FATAL_FAILURE(startRunning(GetParam()));
    // The reply proper, then 64 KiB that read differently: a tick that used any byte past the
    // fourth would show other values.
    QByteArray flood("\x41\x80\x80\x80", 4);
    flood += QByteArray("\x02\x10\xF0\x00", 4).repeated(64 * 1024 / 4);
    unit.setFaultMode(sim::FaultMode::Silent);
    QObject::connect(&unit, &sim::SimulatedUnit::frameReceived, &unit, [&] { unit.send(flood); });
    unit.send(flood);

    const size_t before = frameCount();
    qsizetype largest = 0;
    qsizetype largestCapacity = 0;
    long rssAtStart = 0;
    long rssAtEnd = 0;
    std::string mismatch;
    const auto check = [&] {
        largest = std::max(largest, state.lastReply.size());
        largestCapacity = std::max(largestCapacity, state.lastReply.capacity());
        noteMismatch(mismatch);
    };
    ASSERT_TRUE(eventually(
        [&] {
            check();
            return frameCount() >= before + 5;
        },
        benchPatienceMs))
        << "the program keeps answering through the flood";
    rssAtStart = residentBytes();
    ASSERT_TRUE(eventually(
        [&] {
            check();
            return frameCount() >= before + 25;
        },
        4 * benchPatienceMs));
    rssAtEnd = residentBytes();
    QObject::disconnect(&unit, &sim::SimulatedUnit::frameReceived, &unit, nullptr);

    EXPECT_EQ(mismatch, "");
    EXPECT_GE(largest, flood.size()) << "a whole flood came in one read";
    EXPECT_LT(largestCapacity, 4 * flood.size()) << "the reply buffer does not pile up";
    if (!underAddressSanitizer) { // twenty floods kept would be 1.3 MB; the bound is loose
        EXPECT_LT(rssAtEnd - rssAtStart, 8L * 1024 * 1024)
            << "RSS " << rssAtStart << " -> " << rssAtEnd;
    }
    if (GetParam() == Where::Sweep) {
        EXPECT_TRUE(sweepFramesInOrder());
    }
    stopSweep();
}

INSTANTIATE_TEST_SUITE_P(Faults, GarbageTest, ::testing::Values(Where::Manual, Where::Sweep),
                         [](const auto& info) { return "During" + whereName(info.param); });

class DroppedLinkTest : public Running, public ::testing::WithParamInterface<Where> {};

// The adapter pulled and put back: no link while it is gone, the program opens the device
// again by itself and carries on where it stood.
TEST_P(DroppedLinkTest, isShownAsNoLinkAndTheProgramCarriesOnOnceItIsBack) {
    const Where where = GetParam();
    if (where == Where::Sweep) {
        ASSERT_NO_FATAL_FAILURE(startProgram());
        ASSERT_TRUE(waitForFrames(1));
        ASSERT_NO_FATAL_FAILURE(setLimits(10, 10, 70, 255));
        unit.clearReceivedFrames();
        where_ = where;
        ASSERT_NO_FATAL_FAILURE(toGraph());
        ASSERT_TRUE(waitForFrames(1));
        mark = frameCount();
        click(graph(), "Command3");
        ASSERT_TRUE(waitForFrames(mark + 5));
    } else {
        ASSERT_NO_FATAL_FAILURE(startRunning(where));
    }
    const QString caption = windowCaption();

    ::testing::internal::CaptureStderr();
    unit.dropLink(1000);
    ASSERT_TRUE(eventually([&] { return showsNoLink() && windowCaption() != caption; }));
    const Snapshot gone = snapshot();
    run(300);
    if (!unit.isLinkUp()) {
        EXPECT_EQ(snapshot().load12Step, gone.load12Step);
        EXPECT_EQ(snapshot().load5Step, gone.load5Step);
        EXPECT_EQ(frameCount(), gone.frames);
    }
    ASSERT_TRUE(
        eventually([&] { return unit.isLinkUp() && windowCaption() == caption; }, benchPatienceMs))
        << "the program opens the device again by itself";
    ASSERT_TRUE(waitForFrames(gone.frames + 3));
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find("serial port lost"), std::string::npos) << told;
    EXPECT_NE(told.find("open again"), std::string::npos) << told;
    EXPECT_TRUE(fatal.isEmpty());

    if (where == Where::Manual) {
        EXPECT_EQ(unit.receivedFrames().back().frame, loaded);
        return;
    }
    ASSERT_TRUE(eventually(
        [&] { return label(graph(), "Label1")->caption() == QStringLiteral("ТЕСТ\r\nЗАКОНЧЕН"); },
        benchPatienceMs));
    run(200);
    // The frame written as the link went may be lost; the steps went on all the same.
    EXPECT_TRUE(sweepFramesInOrder(1));
    EXPECT_EQ(framesFrom(mark).back(), (ControlFrame{1, 255, 255, 255}));
    EXPECT_EQ(unpaintedCells(*find<ui::PictureBox>(graph(), "Picture1"), 6, 5), 0);
}

INSTANTIATE_TEST_SUITE_P(Faults, DroppedLinkTest, ::testing::Values(Where::Manual, Where::Sweep),
                         [](const auto& info) { return "During" + whereName(info.param); });

} // namespace
} // namespace velmor::testing

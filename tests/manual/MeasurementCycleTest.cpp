#include "ManualWindowFixture.h"

#include "ColourValue.h"
#include "Frames.h"
#include "MeasurementCycle.h"

namespace velmor::testing {
namespace {

using Bytes = std::vector<quint8>;

TEST(DiagnosticLineTest, showsBothCharactersTheirCodesAndTheConverterDigits) {
    const QString line = diagnosticLine(ReplyFrame{65, 102, 128, 128});
    EXPECT_EQ(line, QStringLiteral("A_f__65 102__2 _0_ 0"));
    EXPECT_EQ(line.size(), 20);
}

TEST(DiagnosticLineTest, rendersBytesThatAreNoPrintableCharacterAsADot) {
    EXPECT_EQ(diagnosticLine(ReplyFrame{0, 7, 0, 0}), QStringLiteral("·_·__0 7__0 _1_ 4"));
    EXPECT_EQ(diagnosticLine(ReplyFrame{200, 255, 0, 0}), QStringLiteral("·_·__200 255__5 _0_ 0"));
    EXPECT_EQ(diagnosticLine(ReplyFrame{' ', '~', 0, 0}), QStringLiteral(" _~__32 126__2 _4_ 7"));
}

TEST(OverloadTest, isAPowerStrictlyAboveTwiceThePowerLimit) {
    EXPECT_FALSE(isOverload(140.0, 70));
    EXPECT_TRUE(isOverload(140.01, 70));
    EXPECT_FALSE(isOverload(0.0, 0));
}

// The worked examples of one measurement tick, on the step itself.

const LoadLimits presets = presetLimits;

ManualMeasurement measure(std::initializer_list<int> reply, LoadSettings settings = {},
                          const LoadLimits& limits = presets, bool supplyOn = true) {
    return measurementStep(replyFrame(bytes(reply)), settings, limits, supplyOn);
}

TEST(MeasurementStepTest, showsTheVoltagesAndTheDiagnosticLineOfAReply) {
    const ManualMeasurement m = measure({65, 102, 128, 128});
    EXPECT_TRUE(m.linked);
    EXPECT_EQ(m.diagnostic, QStringLiteral("A_f__65 102__2 _0_ 0"));
    EXPECT_EQ(m.volts5Caption, QStringLiteral("4.80"));
    EXPECT_EQ(m.volts12Caption, QStringLiteral("12.01"));
    EXPECT_EQ(m.volts33Caption, QStringLiteral("3.30"));
    EXPECT_EQ(m.powerCaption, QStringLiteral("0.00"));
    EXPECT_EQ(m.powerBack, white);
}

TEST(MeasurementStepTest, roundsTheConverterVoltageBeforeTheFiveVoltReading) {
    const ManualMeasurement m = measure({65, 7, 128, 128});
    EXPECT_EQ(m.volts5Caption, QStringLiteral("4.06"));
    EXPECT_EQ(m.volts5, 4.06);
    EXPECT_TRUE(m.diagnostic.endsWith(QStringLiteral("__0 _1_ 4"))) << m.diagnostic.toStdString();
}

TEST(MeasurementStepTest, usesTheFirstFourBytesOfALongerReplyAndABlankFirstByte) {
    const ManualMeasurement m = measure({' ', 255, 0, 255, 9, 9}, {}, presets, false);
    EXPECT_EQ(m.volts5Caption, QStringLiteral("6.00"));
    EXPECT_EQ(m.volts12Caption, QStringLiteral("9.60"));
    EXPECT_EQ(m.volts33Caption, QStringLiteral("3.96"));
    EXPECT_EQ(m.frame, (ControlFrame{0, 255, 255, 255}));
}

TEST(MeasurementStepTest, holdsALoadAboveItsLimitToTheLimitBeforeShowingAndSending) {
    const ManualMeasurement m = measure({65, 128, 128, 128}, {100, 0, 0});
    EXPECT_EQ(m.clamped, (LoadSettings{80, 0, 0}));
    EXPECT_EQ(m.settings, (LoadSettings{80, 0, 0}));
    EXPECT_EQ(m.amps5Caption, QStringLiteral("12.55"));
    EXPECT_EQ(m.powerCaption, QStringLiteral("62.75")); // 5.00 V at the clamped setting
    EXPECT_EQ(m.frame, (ControlFrame{1, 255, 255, 175}));
}

TEST(MeasurementStepTest, cutsEveryLoadOnOverloadAndShowsThePowerOnRed) {
    const ManualMeasurement m = measure({65, 128, 128, 128}, {80, 80, 70});
    EXPECT_TRUE(m.overload);
    EXPECT_EQ(m.powerCaption, QStringLiteral("165.89"));
    EXPECT_EQ(m.powerBack, red);
    EXPECT_EQ(m.amps5Caption, QStringLiteral("12.55")); // currents from before the cut
    EXPECT_EQ(m.clamped, (LoadSettings{80, 80, 70}));
    EXPECT_EQ(m.settings, LoadSettings{});
    EXPECT_EQ(m.frame, (ControlFrame{1, 255, 255, 255}));
}

TEST(MeasurementStepTest, treatsAPowerExactlyAtTheLimitAsNoOverload) {
    LoadLimits limits = presets;
    limits.loadLimit1 = 255;
    const ManualMeasurement at = measure({0, 32, 128, 128}, {210, 0, 0}, limits);
    EXPECT_EQ(at.powerCaption, QStringLiteral("140.00")); // 4.25 V x 210 x 40 / 255
    EXPECT_FALSE(at.overload);
    EXPECT_EQ(at.powerBack, white);
    EXPECT_EQ(at.frame, (ControlFrame{1, 255, 255, 45}));

    const ManualMeasurement above = measure({0, 32, 128, 128}, {211, 0, 0}, limits);
    EXPECT_TRUE(above.overload);
    EXPECT_EQ(above.frame, (ControlFrame{1, 255, 255, 255}));
}

TEST(MeasurementStepTest, showsNoLinkAndSendsNothingForEveryUnusableReply) {
    for (const QByteArray& reply :
         {QByteArray(), bytes({65}), bytes({65, 128}), bytes({65, 128, 128}), QByteArray(" ")}) {
        SCOPED_TRACE(reply.toHex().toStdString());
        const ManualMeasurement m = measurementStep(replyFrame(reply), {80, 80, 70}, presets, true);
        EXPECT_FALSE(m.linked);
        EXPECT_EQ(m.volts5Caption, QStringLiteral("нет"));
        EXPECT_EQ(m.volts12Caption, QStringLiteral("связи"));
        EXPECT_EQ(m.volts33Caption, QStringLiteral("---"));
        EXPECT_EQ(m.powerBack, white);
        EXPECT_FALSE(m.frame);
    }
}

// The window applies the step: what it shows, what the scroll bars take and what it sends.
using MeasurementCycleTest = ManualWindow;

TEST_F(MeasurementCycleTest, showsTheStepsReadingsAndKeepsWhatItRead) {
    tickWith({65, 102, 128, 128});
    EXPECT_EQ(text1(), QStringLiteral("A_f__65 102__2 _0_ 0"));
    EXPECT_EQ(caption("Label1"), QStringLiteral("4.80"));
    EXPECT_EQ(caption("Label3"), QStringLiteral("12.01"));
    EXPECT_EQ(caption("Label5"), QStringLiteral("3.30"));
    EXPECT_EQ(caption("Label12"), QStringLiteral("0.00"));
    EXPECT_EQ(state.lastReply, bytes({65, 102, 128, 128}));
}

TEST_F(MeasurementCycleTest, sendsTheSupplyAsOffUntilSwitchedOnAndThenWithNoLoad) {
    tickWith({0, 128, 128, 128});
    EXPECT_EQ(sent(), (Bytes{0, 255, 255, 255}));
    port->clearWritten();
    button("Command1")->click();
    tickWith({0, 128, 128, 128});
    EXPECT_EQ(sent(), (Bytes{1, 255, 255, 255}));
}

TEST_F(MeasurementCycleTest, holdsALoadAboveItsLimitOnItsScrollBar) {
    switchOnWith(100, 0, 0);
    tickWith({65, 128, 128, 128});
    EXPECT_EQ(scroll("HScroll1")->value(), 80);
    EXPECT_EQ(caption("Label2"), QStringLiteral("12.55"));
    EXPECT_EQ(sent(), (Bytes{1, 255, 255, 175}));
}

TEST_F(MeasurementCycleTest, cutsEveryLoadOnOverloadAndShowsThePowerOnRedForOneTick) {
    switchOnWith(80, 80, 70);
    tickWith({65, 128, 128, 128});
    EXPECT_EQ(caption("Label12"), QStringLiteral("165.89"));
    EXPECT_EQ(label("Label12")->backColour(), ui::red);
    EXPECT_EQ(caption("Label2"), QStringLiteral("12.55")); // currents from before the cut
    EXPECT_EQ(scroll("HScroll1")->value(), 0);
    EXPECT_EQ(scroll("HScroll2")->value(), 0);
    EXPECT_EQ(scroll("HScroll3")->value(), 0);
    EXPECT_EQ(sent(), (Bytes{1, 255, 255, 255}));

    tickWith({65, 128, 128, 128});
    EXPECT_EQ(label("Label12")->backColour(), ui::white);
    EXPECT_EQ(caption("Label12"), QStringLiteral("0.00"));
    EXPECT_EQ(caption("Label2"), QStringLiteral("0.00"));
}

TEST_F(MeasurementCycleTest, showsNoLinkAndSendsNothingForEveryUnusableReply) {
    const QByteArray unusable[] = {QByteArray(), bytes({65}), bytes({65, 128}),
                                   bytes({65, 128, 128}), QByteArray(" ")};
    for (const QByteArray& reply : unusable) {
        SCOPED_TRACE(reply.toHex().toStdString());
        switchOnWith(80, 80, 70);
        tickWith({65, 128, 128, 128}); // an overload tick: red, loads cut
        ASSERT_EQ(label("Label12")->backColour(), ui::red);
        const QString diagnostic = text1();
        port->clearWritten();
        button("Command1")->click(); // back to off for the next round

        port->queueReply(reply);
        form->timer1Tick();
        EXPECT_EQ(caption("Label1"), QStringLiteral("нет"));
        EXPECT_EQ(caption("Label3"), QStringLiteral("связи"));
        EXPECT_EQ(caption("Label5"), QStringLiteral("---"));
        EXPECT_TRUE(sent().empty());
        EXPECT_EQ(label("Label12")->backColour(), ui::white);
        EXPECT_EQ(caption("Label12"), QStringLiteral("165.89"));
        EXPECT_EQ(caption("Label2"), QStringLiteral("12.55"));
        EXPECT_EQ(text1(), diagnostic);
        EXPECT_EQ(state.lastReply, reply);
    }
}

TEST_F(MeasurementCycleTest, keepsTheFirstCaptionsUntilTheFirstUsableReply) {
    form->timer1Tick(); // nothing has arrived
    EXPECT_EQ(caption("Label12"), QStringLiteral("P, W"));
    EXPECT_EQ(caption("Label2"), QStringLiteral("---"));
    EXPECT_EQ(text1(), QStringLiteral("Text1"));
}

TEST_F(MeasurementCycleTest, sendsTheRestOfTheFrameAndUpdatesTheDisplayWhenAWriteFails) {
    switchOnWith(10, 20, 30);
    port->failWritesFrom(1); // the +3.3 V byte
    tickWith({65, 128, 128, 128});
    EXPECT_EQ(sent(), (Bytes{1, 235, 245}));
    EXPECT_EQ(caption("Label2"), QStringLiteral("1.57"));
    EXPECT_EQ(caption("Label6"), QStringLiteral("3.12"));

    port->clearWritten();
    tickWith({65, 128, 128, 128}); // the next tick sends the whole frame again
    EXPECT_EQ(sent(), (Bytes{1, 225, 235, 245}));
}

} // namespace
} // namespace velmor::testing

// The transfer engine on a fake clock against the simulated radio.
#include "link/engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "link/codec.h"
#include "link/image.h"
#include "link/search.h"
#include "link/skiplist.h"
#include "core/tempfolder.h"
#include "linkfakes.h"

namespace rp {
namespace {

using test::EngineRig;

const Bytes kProgramBytes = BuildProgramCommand();
const Bytes kEntryBytes = BuildFactoryModeEntry();
const Bytes kEndBytes = BuildEndCommand();

CommBytes Preset() {
    CommBytes p{};
    ClearCommImage(p);
    return p;
}

bool InSkipRange(const AppData& d, long a) { return SkipUnusedAddress(d, a) != a; }

using test::CountOf;
using test::SwallowFirst;
using test::Trace;
using test::TraceName;

// ---- whole transfers ------------------------------------------------------------

TEST(EngineRead, FullReadFillsTheImageAndAdoptsTheData) {
    EngineRig rig;
    rig.radio.FillPattern(7);
    rig.radio.Memory[0x0019] = 0x00;
    const auto memory = rig.radio.Memory;
    rig.d.CurModel = "7425USB";  // a read takes the base model too
    rig.d.IsUntitled = false;
    ASSERT_TRUE(rig.engine.StartRead());
    ASSERT_TRUE(rig.Finish());

    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
    EXPECT_EQ(rig.events.ended, std::vector<TransferEnd>{(TransferEnd{CommModeRead, true, EndReason::Success})});
    const CommBytes preset = Preset();
    int skipped = 0;
    for (long a = 0x0010; a <= 0x3F7F; ++a) {
        if (InSkipRange(rig.d, a)) {
            ++skipped;
            ASSERT_EQ(rig.d.CommData[a], preset[a]) << a;
        } else {
            ASSERT_EQ(rig.d.CommData[a], memory[a]) << a;
        }
    }
    EXPECT_GT(skipped, 0);
    EXPECT_EQ(rig.d.CurModel, "KEVRA8R");
    EXPECT_TRUE(rig.d.IsUntitled);
    EXPECT_EQ(rig.d.DataFilePath, "new.dat");
    EXPECT_EQ(rig.view.calls, (std::vector<std::string>{"LoadShowByModel", "ReShowListByData",
                                                        "ReShowRadioListByData", "ReShowAMListByData"}));
    EXPECT_EQ(rig.engine.CommState(), 0);
    EXPECT_FALSE(rig.port.IsOpen());
    EXPECT_EQ(rig.events.closed, 1);
    EXPECT_EQ(rig.radio.WriteFrames(), 0);

    // Progress: 0 at the ProgramAck, the first phase ends at 98, then it
    // starts again.
    const auto& v = rig.progress.values;
    ASSERT_FALSE(v.empty());
    EXPECT_EQ(v.front(), 0);
    const auto at98 = std::find(v.begin(), v.end(), 98);
    ASSERT_NE(at98, v.end());
    ASSERT_NE(at98 + 1, v.end());
    EXPECT_LT(*(at98 + 1), 10);
    EXPECT_EQ(std::vector<int>(v.begin() + 1, v.begin() + 4), (std::vector<int>{2, 3, 5}));
}

TEST(EngineRead, EveryListInUseReadsAllBlocks) {
    EngineRig rig;
    rig.radio.Memory.fill(0x00);
    rig.radio.SetPassWord("");
    ASSERT_TRUE(rig.engine.StartRead());
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(rig.radio.ReadRequests(), 1 + 1015);  // password block + image
    EXPECT_EQ(rig.progress.values.back(), 100);     // 958 * 100 / 959
}

TEST(EngineWrite, FullWriteSendsTheEncodedImage) {
    EngineRig rig;
    rig.radio.FillPattern(11);
    const auto before = rig.radio.Memory;
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    for (long a = 0; a < 0x4000; ++a) {
        const bool sent = a >= 0x0100 && a <= 0x3F7F && !InSkipRange(rig.d, a);
        ASSERT_EQ(rig.radio.Memory[a], sent ? rig.d.CommData[a] : before[a]) << a;
    }
    EXPECT_TRUE(rig.radio.Violations().empty());
    EXPECT_EQ(rig.progress.values.front(), 0);
    EXPECT_EQ(rig.progress.values.back(), 100);
    EXPECT_EQ(rig.radio.EndCommands(), 1);
    EXPECT_TRUE(rig.timer.fired.empty());  // no reply wait passes on the clean path
}

TEST(EngineInfo, InformationReadShowsTheView) {
    EngineRig rig;
    rig.radio.FillPattern(3);
    ASSERT_TRUE(rig.engine.StartInformationRead());
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(rig.events.infoShown, 1);
    EXPECT_TRUE(rig.messages.posted.empty());
    EXPECT_TRUE(rig.progress.values.empty());
    const auto t = Trace(rig.port);
    EXPECT_EQ(CountOf(t, "R0010"), 1);
    EXPECT_EQ(CountOf(t, "R00F0"), 1);
    EXPECT_EQ(CountOf(t, "R0100"), 0);
    for (long a = 0x0010; a <= 0x00FF; ++a) ASSERT_EQ(rig.d.CommData[a], rig.radio.Memory[a]);
}

// The quiet stop (the main window closing during an information read):
// port closed, timer off, no text 2008, no view; a late reply does nothing.
TEST(EngineInfo, QuietStopEndsTheReadWithoutAWord) {
    struct Case {
        const char* name;
        const char* passWord;  // the radio's: the password dialog is open at the stop
    } cases[] = {{"DuringBlocks", ""}, {"WhileThePassWordIsAsked", "12"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimOptions o;
        o.PassWord = c.passWord;
        EngineRig rig(o);
        rig.d.InputPassWord = "";
        rig.questions.passWordAnswers.push_back({true, "12"});
        const auto emgBefore = rig.d.EmgData;
        ASSERT_TRUE(rig.engine.StartInformationRead());
        ASSERT_TRUE(rig.loop.RunUntil([&] {
            return *c.passWord ? rig.engine.QuestionOpen() : rig.engine.CommAddress() == 0x0040;
        }));
        EXPECT_TRUE(rig.engine.StopInformationRead());
        EXPECT_FALSE(rig.engine.Busy());
        EXPECT_FALSE(rig.port.IsOpen());
        EXPECT_FALSE(rig.engine.WaitTimerOn());
        EXPECT_FALSE(rig.engine.QuestionOpen());
        EXPECT_EQ(rig.questions.closed, *c.passWord ? 1 : 0);
        const std::size_t sent = rig.port.sent.size();
        rig.loop.RunFor(2000);  // late replies and the scripted answer
        EXPECT_EQ(rig.port.sent.size(), sent);
        EXPECT_TRUE(rig.messages.posted.empty());
        EXPECT_EQ(rig.events.infoShown, 0);
        EXPECT_TRUE(rig.d.EmgData == emgBefore);
        EXPECT_EQ(rig.events.ended, std::vector<TransferEnd>{(TransferEnd{CommModeInfo, false, EndReason::Stopped})});
        EXPECT_FALSE(rig.engine.StopInformationRead());  // nothing runs now
    }
    EngineRig reading;
    ASSERT_TRUE(reading.engine.StartRead());
    EXPECT_FALSE(reading.engine.StopInformationRead());  // a read is not stopped
    EXPECT_TRUE(reading.engine.Busy());
}

// The engine connects every port it is given and lets go of them when it
// goes; a port connected to another user since is left alone.
TEST(EngineWiring, ConstructionConnectsEveryPort) {
    test::FakeLoop loop;
    sim::SimRadio radio;
    test::FakeTimer timer(loop);
    test::SimTransport port(loop, radio);
    test::RecordingMessages messages;
    test::ScriptedQuestions questions(loop);
    AppData d;
    {
        CommEngine engine(d, CommPorts{port, timer, messages, questions});
        EXPECT_EQ(port.Connected(), &engine);
        EXPECT_EQ(timer.Connected(), &engine);
        EXPECT_EQ(questions.Connected(), &engine);
    }
    EXPECT_EQ(port.Connected(), nullptr);
    EXPECT_EQ(timer.Connected(), nullptr);
    EXPECT_EQ(questions.Connected(), nullptr);
    {
        CommEngine engine(d, CommPorts{port, timer, messages, questions});
        LinkTest link(d, port, timer, messages);  // takes the port and timer over
        EXPECT_EQ(port.Connected(), &link);
    }
    EXPECT_EQ(port.Connected(), nullptr);
}

TEST(EngineStart, RefusedWhileAnotherTransferRuns) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine.StartInformationRead());
    EXPECT_FALSE(rig.engine.StartRead());
    EXPECT_FALSE(rig.engine.StartWrite());
    EXPECT_FALSE(rig.engine.StartInformationRead());
    EXPECT_EQ(rig.engine.CommMode(), CommModeInfo);
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(rig.events.infoShown, 1);
}

TEST(EngineStart, PortThatCannotBeOpened) {
    EngineRig rig;
    rig.port.failOpens = 1;
    EXPECT_FALSE(rig.engine.StartRead());
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::PortError});
    EXPECT_EQ(rig.engine.CommMode(), 0);

    EngineRig denied;
    denied.port.denyAccess = true;
    EXPECT_FALSE(denied.engine.StartWrite());
    ASSERT_EQ(denied.messages.posted.size(), 1u);
    EXPECT_EQ(denied.messages.posted[0].Key, CommMsg::PortError);
    EXPECT_EQ(CommMessageText(denied.d, denied.messages.posted[0]),
              "T2002\n/dev/fake0\nAccess to the serial port was refused: the user must be a member of the dialout "
              "group (log in again after joining it).");
    EXPECT_TRUE(denied.events.ended.empty());  // no transfer began

    EngineRig none;
    none.d.ComDevice.clear();
    EXPECT_FALSE(none.engine.StartInformationRead());
    EXPECT_EQ(none.port.opens, 0);
    EXPECT_EQ(none.messages.Keys(), std::vector<CommMsg>{CommMsg::PortError});
    EXPECT_EQ(CommMessageText(none.d, none.messages.posted[0]), "T2002\nNo serial port has been chosen.");
}

// Text 2002 names the device and the system's reason; a port that fails
// under a transfer without a reason of its own was lost.
TEST(EngineStart, PortTextNamesTheDeviceAndWhy) {
    EngineRig missing;
    missing.d.ComDevice = "/dev/ttyUSB0";
    missing.port.failOpens = 1;
    missing.port.reason = "No such file or directory";
    EXPECT_FALSE(missing.engine.StartRead());
    ASSERT_EQ(missing.messages.posted.size(), 1u);
    EXPECT_EQ(CommMessageText(missing.d, missing.messages.posted[0]),
              "T2002\n/dev/ttyUSB0: No such file or directory");

    sim::SimOptions o;
    o.HangUpAfter = 20;
    EngineRig lost(o);
    ASSERT_TRUE(lost.engine.StartRead());
    ASSERT_TRUE(lost.Finish());
    ASSERT_EQ(lost.messages.Keys(), (std::vector<CommMsg>{CommMsg::PortError, CommMsg::ReadFailed}));
    EXPECT_EQ(CommMessageText(lost.d, lost.messages.posted[0]), "T2002\n/dev/fake0: the device was lost");
}

TEST(EngineStart, EncoderFailureSendsNothing) {
    EngineRig rig;
    test::RecordingNotifier notifier;
    rig.d.Ui.Notify = &notifier;
    rig.d.WorkData.FreDataCount = 1;
    rig.d.FreData[0].No = 1;
    rig.d.FreData[0].Used = 1;
    rig.d.FreData[0].RxFre.Set("4X0.12500");  // not a frequency
    EXPECT_FALSE(rig.engine.StartWrite());
    EXPECT_EQ(rig.engine.CommMode(), 0);
    EXPECT_FALSE(rig.port.IsOpen());
    EXPECT_TRUE(rig.port.sent.empty());
    ASSERT_FALSE(notifier.shown.empty());
    EXPECT_NE(notifier.shown[0].text.find("Error"), std::string::npos);
    EXPECT_TRUE(rig.engine.StartInformationRead());  // free for the next command
}

// ---- password ----------------------------------------------------------------------

TEST(EnginePassWord, NoneRightWrongCancelled) {
    {
        EngineRig rig;  // no password: any entry passes, no dialog
        rig.d.InputPassWord = "9999";
        ASSERT_TRUE(rig.engine.StartInformationRead());
        ASSERT_TRUE(rig.Finish());
        EXPECT_EQ(rig.questions.passWordAsked, 0);
        EXPECT_EQ(rig.events.infoShown, 1);
    }
    {
        sim::SimOptions o;
        o.PassWord = "ab12";
        EngineRig rig(o);
        rig.d.InputPassWord = "ab1";
        rig.questions.passWordAnswers.push_back({true, "ab12"});
        ASSERT_TRUE(rig.engine.StartRead());
        ASSERT_TRUE(rig.Finish());
        EXPECT_EQ(rig.questions.offered, std::vector<std::string>{"ab1"});
        EXPECT_EQ(rig.d.InputPassWord, "ab12");
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
        // END, then programming mode, identity and the password block again.
        const auto t = Trace(rig.port);
        ASSERT_GE(t.size(), 8u);
        EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 8),
                  (std::vector<std::string>{"P", "I", "R0040", "END", "P", "I", "R0040", "R0010"}));
    }
    {
        sim::SimOptions o;
        o.PassWord = "ab12";
        EngineRig rig(o);
        rig.d.WorkData.FreDataCount = 0;
        const auto before = rig.d.WorkData;
        rig.questions.passWordAnswers.push_back({true, "AB12"});
        ASSERT_TRUE(rig.engine.StartRead());
        ASSERT_TRUE(rig.Finish());
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadFailed});
        EXPECT_EQ(rig.events.ended.at(0).Reason, EndReason::PassWord);
        EXPECT_EQ(rig.radio.ReadRequests(), 1);
        EXPECT_TRUE(rig.d.WorkData == before);
    }
    {
        sim::SimOptions o;
        o.PassWord = "ab12";
        EngineRig rig(o);
        rig.questions.passWordAnswers.push_back({false, "ab12"});
        ASSERT_TRUE(rig.engine.StartWrite());
        ASSERT_TRUE(rig.Finish());
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteFailed});
        EXPECT_EQ(rig.events.ended.at(0).Reason, EndReason::Cancelled);
        EXPECT_EQ(rig.radio.WriteFrames(), 0);
        EXPECT_EQ(rig.d.InputPassWord, "");
    }
}

// ---- fault matrix ------------------------------------------------------------------

struct FaultCase {
    const char* name;
    long mode;                 // 1 read, 2 write, 3 information read
    sim::SimOptions radio;
    std::vector<bool> retries;  // answers to the retry prompts
    EndReason reason;          // Success: the transfer ends well
    std::vector<CommMsg> keys;  // every message, in order
    int prompts = 0;           // retry prompts shown
    bool paced = false;        // 9600 baud both ways
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

sim::SimOptions With(std::function<void(sim::SimOptions&)> f) {
    sim::SimOptions o;
    f(o);
    return o;
}

class EngineFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(EngineFaults, EndsAsExpected) {
    const FaultCase& c = GetParam();
    const bool ok = c.reason == EndReason::Success;
    EngineRig rig(c.radio);
    rig.port.paced = c.paced;
    rig.radio.FillPattern(5);
    rig.radio.SetPassWord(c.radio.PassWord);
    const auto memory = rig.radio.Memory;
    rig.questions.retryAnswers.assign(c.retries.begin(), c.retries.end());
    rig.d.DataFilePath = "club.dat";
    rig.d.IsUntitled = false;
    rig.d.FreData[0].No = 7;
    const auto workBefore = rig.d.WorkData;
    const auto fileBefore = rig.d.FileData;
    const auto freBefore = rig.d.FreData;
    const auto modelBefore = rig.d.CurModel;
    bool started = c.mode == 1 ? rig.engine.StartRead()
                   : c.mode == 2 ? rig.engine.StartWrite()
                                 : rig.engine.StartInformationRead();
    ASSERT_TRUE(started);
    ASSERT_TRUE(rig.Finish()) << "hangs";
    EXPECT_EQ(rig.questions.retryAsked, c.prompts);
    EXPECT_EQ(rig.events.ended, std::vector<TransferEnd>{(TransferEnd{c.mode, ok, c.reason})});
    EXPECT_EQ(rig.messages.Keys(), c.keys);
    EXPECT_FALSE(rig.port.IsOpen());
    EXPECT_FALSE(rig.engine.WaitTimerOn());
    // On the paced line a stray byte costs nothing: no reply wait runs out.
    if (c.paced) { EXPECT_TRUE(rig.timer.fired.empty()); }
    if (ok) {
        if (c.mode == 1)
            for (long a = 0x0010; a <= 0x3F7F; ++a)
                if (!InSkipRange(rig.d, a)) { ASSERT_EQ(rig.d.CommData[a], memory[a]) << a; }
        if (c.mode == 2)
            for (long a = 0x0100; a <= 0x3F7F; ++a)
                if (!InSkipRange(rig.d, a)) { ASSERT_EQ(rig.radio.Memory[a], rig.d.CommData[a]) << a; }
    } else {
        // A failed read leaves the data model as it was (a write's encoders
        // may have sorted and compacted it before the transfer began).
        if (c.mode != 2) {
            EXPECT_TRUE(rig.d.WorkData == workBefore);
            EXPECT_TRUE(rig.d.FileData == fileBefore);
            EXPECT_TRUE(rig.d.FreData == freBefore);
        }
        EXPECT_EQ(rig.d.CurModel, modelBefore);
        EXPECT_EQ(rig.d.DataFilePath, "club.dat");
        EXPECT_FALSE(rig.d.IsUntitled);
    }
}

using enum CommMsg;
constexpr EndReason kOk = EndReason::Success;

INSTANTIATE_TEST_SUITE_P(
    Matrix, EngineFaults,
    ::testing::Values(
        FaultCase{"DroppedReplyRead", 1, With([](auto& o) { o.DropReply = 40; }), {}, kOk, {ReadOK}},
        FaultCase{"DroppedReplyWrite", 2, With([](auto& o) { o.DropReply = 40; }), {}, kOk, {WriteOK}},
        FaultCase{"LateReplyTaken", 1, With([](auto& o) { o.DelayReply = 30; o.DelayMs = 350; }), {}, kOk, {ReadOK}},
        FaultCase{"LateAckWrite", 2, With([](auto& o) { o.DelayReply = 30; o.DelayMs = 350; }), {}, kOk, {WriteOK}},
        FaultCase{"BadChecksum", 1, With([](auto& o) { o.BadChecksum = 20; }), {}, kOk, {ReadOK}},
        FaultCase{"WrongAddress", 1, With([](auto& o) { o.WrongAddress = 20; }), {}, kOk, {ReadOK}},
        FaultCase{"ExtraByte", 1, With([](auto& o) { o.ExtraByte = 20; }), {}, kOk, {ReadOK}},
        FaultCase{"ExtraByteWrite", 2, With([](auto& o) { o.ExtraByte = 20; }), {}, kOk, {WriteOK}},
        // A lone 06 after every fifth reply, on a paced line: it arrives
        // after the next frame has gone out and must not answer it.
        FaultCase{"StrayAckRead", 1, With([](auto& o) { o.StrayAckEvery = 5; }), {}, kOk, {ReadOK}, 0, true},
        FaultCase{"StrayAckWrite", 2, With([](auto& o) { o.StrayAckEvery = 5; o.ResendEvery = 50; }), {}, kOk,
                  {WriteOK}, 0, true},
        FaultCase{"StrayAckInfo", 3, With([](auto& o) { o.StrayAckEvery = 5; }), {}, kOk, {}, 0, true},
        FaultCase{"NoiseBeforeFirstReply", 1, With([](auto& o) { o.NoiseOnOpen = true; }), {}, kOk, {ReadOK}},
        FaultCase{"FourResendsTaken", 2, With([](auto& o) { o.ResendAt = 10; o.ResendTimes = 4; }), {}, kOk, {WriteOK}},
        FaultCase{"FiveResendsAskThenRetry", 2, With([](auto& o) { o.ResendAt = 10; o.ResendTimes = 5; }), {true},
                  kOk, {WriteOK}, 1},
        FaultCase{"FiveResendsCancel", 2, With([](auto& o) { o.ResendAt = 10; o.ResendTimes = 5; }), {false},
                  EndReason::Cancelled, {WriteFailed}, 1},
        FaultCase{"HangUpRead", 1, With([](auto& o) { o.HangUpAfter = 50; }), {}, EndReason::PortLost,
                  {PortError, ReadFailed}},
        FaultCase{"HangUpWrite", 2, With([](auto& o) { o.HangUpAfter = 50; }), {}, EndReason::PortLost,
                  {PortError, WriteFailed}},
        FaultCase{"WrongModelWrite", 2, With([](auto& o) { o.Model = "7425US"; }), {}, EndReason::IdentityRefused,
                  {ModelWrong, WriteFailed}},
        FaultCase{"WrongVersionRead", 1, With([](auto& o) { o.Version = "V102"; }), {}, EndReason::IdentityRefused,
                  {VersionWrong, ReadFailed}},
        FaultCase{"WrongBandWrite", 2, With([](auto& o) { o.Band = 1; }), {}, EndReason::IdentityRefused,
                  {FrequencyWrong, WriteFailed}},
        FaultCase{"BandWithoutTextRead", 1, With([](auto& o) { o.Band = 0x12; }), {}, EndReason::IdentityRefused,
                  {FrequencyWrong, ReadFailed}},
        FaultCase{"KilledWrite", 2, With([](auto& o) { o.Killed = true; }), {}, EndReason::IdentityRefused,
                  {RadioKilled, WriteFailed}},
        FaultCase{"StunnedWrite", 2, With([](auto& o) { o.Stunned = true; }), {}, EndReason::IdentityRefused,
                  {RadioStunned, WriteFailed}},
        FaultCase{"KilledRead", 1, With([](auto& o) { o.Killed = true; o.Stunned = true; }), {}, kOk, {ReadOK}},
        FaultCase{"InfoDroppedProgramAck", 3, With([](auto& o) { o.DropReply = 1; }), {}, kOk, {}},
        FaultCase{"InfoHangUp", 3, With([](auto& o) { o.HangUpAfter = 6; }), {}, EndReason::PortLost,
                  {PortError, InfoFailed}}),
    [](const auto& info) { return std::string(info.param.name); });

// Exact step sequences for the cases where the timing matters.

TEST(EngineTimeouts, RadioThatNeverAnswers) {
    for (long mode : {1L, 2L}) {
        EngineRig rig;
        rig.port.answeringSettings = {{"nowhere", {0, 1}}};
        rig.questions.retryAnswers = {false};
        ASSERT_TRUE(mode == 1 ? rig.engine.StartRead() : rig.engine.StartWrite());
        ASSERT_TRUE(rig.Finish());
        EXPECT_EQ(Trace(rig.port), (std::vector<std::string>{"P", "P", "P"}));
        EXPECT_EQ(rig.timer.fired, (std::vector<double>{300, 600, 900}));
        ASSERT_EQ(rig.questions.portOpenAtRetry, std::vector<bool>{false});  // closed before the prompt
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{mode == 1 ? CommMsg::ReadFailed : CommMsg::WriteFailed});
        EXPECT_EQ(rig.events.ended.at(0).Reason, EndReason::Cancelled);
    }
}

TEST(EngineTimeouts, InformationReadWithNoRadio) {
    EngineRig rig;
    rig.port.answeringSettings = {{"nowhere", {0, 1}}};
    ASSERT_TRUE(rig.engine.StartInformationRead());
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(Trace(rig.port), (std::vector<std::string>{"P", "P", "P"}));
    EXPECT_EQ(rig.questions.retryAsked, 0);
    EXPECT_EQ(rig.events.ended, std::vector<TransferEnd>{(TransferEnd{CommModeInfo, false, EndReason::TimeOut})});
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::InfoFailed});
}

TEST(EngineTimeouts, RetryAfterProgramStateReopensAndRestarts) {
    EngineRig rig;
    rig.port.answeringSettings = {{"nowhere", {0, 1}}};
    rig.questions.retryAnswers = {true};
    ASSERT_TRUE(rig.engine.StartRead());
    rig.loop.RunUntil([&] { return rig.questions.retryAsked == 1; });
    rig.port.answeringSettings.clear();
    ASSERT_TRUE(rig.Finish());
    const auto t = Trace(rig.port);
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 7),
              (std::vector<std::string>{"P", "P", "P", "END", "P", "I", "R0040"}));
    EXPECT_EQ(rig.port.opens, 2);  // the start, and the reopening on Retry
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
}

TEST(EngineTimeouts, MissingBlockThreeTimesThenRetryResumesAtThatBlock) {
    EngineRig rig;
    rig.radio.FillPattern(9);
    rig.radio.SetPassWord("");
    const auto memory = rig.radio.Memory;
    rig.questions.retryAnswers = {true};
    rig.port.swallow = SwallowFirst("R0080", 3);
    ASSERT_TRUE(rig.engine.StartRead());
    rig.loop.RunUntil([&] { return rig.questions.retryAsked == 1; });
    EXPECT_EQ(rig.questions.portOpenAtRetry, std::vector<bool>{true});  // state 4 keeps it open
    const std::size_t before = rig.port.sent.size();
    const std::size_t progressBefore = rig.progress.values.size();
    // 0x0080 is not counted twice: the first phase ends with 57 counts.
    rig.loop.RunUntil([&] { return rig.engine.CommAddress() == 0x0390; });
    EXPECT_EQ(rig.d.BlocksDone, 57);
    EXPECT_EQ(rig.d.BlocksTotal, 57);
    ASSERT_TRUE(rig.Finish());
    const auto t = Trace(rig.port);
    EXPECT_EQ(std::vector<std::string>(t.begin() + static_cast<long>(before) - 3, t.begin() + static_cast<long>(before)),
              (std::vector<std::string>{"R0080", "R0080", "R0080"}));
    EXPECT_EQ(std::vector<std::string>(t.begin() + static_cast<long>(before), t.begin() + static_cast<long>(before) + 6),
              (std::vector<std::string>{"END", "P", "I", "R0040", "R0080", "R0090"}));
    EXPECT_EQ(CountOf(t, "R0070"), 1);
    const std::vector<int> after(rig.progress.values.begin() + static_cast<long>(progressBefore), rig.progress.values.end());
    EXPECT_EQ(after.front(), 0);  // the ProgramAck of the restart
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
    for (long a = 0x0010; a <= 0x3F7F; ++a)
        if (!InSkipRange(rig.d, a)) { ASSERT_EQ(rig.d.CommData[a], memory[a]) << a; }
}

TEST(EngineTimeouts, MissingWriteBlockThreeTimesThenRetryResumesAtThatBlock) {
    EngineRig rig;
    rig.questions.retryAnswers = {true};
    rig.port.swallow = SwallowFirst("W0120", 3);
    ASSERT_TRUE(rig.engine.StartWrite());
    rig.loop.RunUntil([&] { return rig.questions.retryAsked == 1; });
    EXPECT_EQ(rig.questions.portOpenAtRetry, std::vector<bool>{true});
    const std::size_t before = rig.port.sent.size();
    ASSERT_TRUE(rig.Finish());
    const auto t = Trace(rig.port);
    EXPECT_EQ(std::vector<std::string>(t.begin() + static_cast<long>(before), t.begin() + static_cast<long>(before) + 6),
              (std::vector<std::string>{"END", "P", "I", "R0040", "W0120", "W0130"}));
    EXPECT_EQ(CountOf(t, "W0110"), 1);
    EXPECT_EQ(CountOf(t, "W0120"), 4);
    // Every block counted once, and once more after the last.
    EXPECT_EQ(rig.d.BlocksDone, rig.d.BlocksTotal + 1);
    EXPECT_EQ(rig.progress.values.back(), 100);
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    for (long a = 0x0100; a <= 0x3F7F; ++a)
        if (!InSkipRange(rig.d, a)) { ASSERT_EQ(rig.radio.Memory[a], rig.d.CommData[a]) << a; }
}

// Five 0x0A replies to one frame ask, even when a time-out falls between
// them; a new frame starts the count again.
TEST(EngineReplies, ResendCountBelongsToTheFrame) {
    sim::SimOptions o;
    o.ResendAt = 1;  // W0100 gets four 0x0A, then is taken
    o.ResendTimes = 4;
    EngineRig rig(o);
    rig.questions.retryAnswers = {false};
    rig.port.swallow = [](const Bytes& f) { return TraceName(f) == "W0110"; };
    ASSERT_TRUE(rig.engine.StartWrite());
    rig.loop.RunUntil([&] { return rig.engine.CommAddress() == 0x0110; });
    const Bytes resend{ResendByte};
    for (int i = 0; i < 3; ++i) rig.engine.OnBytesReceived(resend);
    rig.loop.RunFor(310);  // one time-out: the frame repeated, one try used
    EXPECT_EQ(rig.engine.BlockRetries()[1], 2);
    EXPECT_EQ(rig.questions.retryAsked, 0);
    // The fourth 0x0A sends the frame again at once (no wait for the other
    // copy's reply); the fifth asks.
    rig.engine.OnBytesReceived(resend);
    EXPECT_EQ(rig.questions.retryAsked, 0);
    rig.engine.OnBytesReceived(resend);
    EXPECT_EQ(rig.questions.retryAsked, 1);
    EXPECT_EQ(CountOf(Trace(rig.port), "W0110"), 1 + 3 + 1 + 1);
    EXPECT_EQ(CountOf(Trace(rig.port), "W0100"), 5);  // its four 0x0A did not count for W0110
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteFailed});
}

TEST(EngineTimeouts, MissingWriteBlockCancelLeavesRadioPartlyWritten) {
    EngineRig rig;
    rig.questions.retryAnswers = {false};
    ASSERT_TRUE(rig.engine.StartWrite());
    rig.loop.RunUntil([&] { return rig.engine.CommAddress() == 0x0200; });
    rig.port.answeringSettings = {{"nowhere", {0, 1}}};
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(rig.questions.retryAsked, 1);
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteFailed});
    EXPECT_EQ(rig.radio.EndCommands(), 0);
}

// Text 2007 says the radio may hold a mix once it has taken a block, and
// only then.
TEST(EngineTimeouts, FailedWriteSaysWhetherBlocksWereWritten) {
    struct Case {
        const char* name;
        long silentFrom;  // the radio stops answering once CommAddress reaches it; -1: at once
        bool partly;
    };
    const Case cases[] = {
        {"NoBlockTaken", -1, false},
        {"BlocksTaken", 0x0200, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineRig rig;
        rig.questions.retryAnswers = {false};
        if (c.silentFrom < 0) rig.port.answeringSettings = {{"nowhere", {0, 1}}};
        ASSERT_TRUE(rig.engine.StartWrite());
        if (c.silentFrom >= 0) {
            rig.loop.RunUntil([&] { return rig.engine.CommAddress() == c.silentFrom; });
            rig.port.answeringSettings = {{"nowhere", {0, 1}}};
        }
        ASSERT_TRUE(rig.Finish());
        ASSERT_EQ(rig.messages.posted.size(), 1u);
        const CommMessage& m = rig.messages.posted[0];
        EXPECT_EQ(m.Key, CommMsg::WriteFailed);
        EXPECT_EQ(m.AddedLine, c.partly ? kPartlyWrittenText[1] : std::string());
        EXPECT_EQ(CommMessageText(rig.d, m),
                  c.partly ? "T2007\n" + kPartlyWrittenText[1] : std::string("T2007"));
    }
}

TEST(EngineTimeouts, RestartEndUnansweredGoesOnWithProgram) {
    sim::SimOptions o;
    o.IgnoreEndOutsideProgram = true;
    EngineRig rig(o);
    rig.questions.retryAnswers = {true};
    // The radio goes silent for three requests and drops out of
    // programming mode (a power blip): it will ignore the restart's END.
    rig.port.swallow = SwallowFirst("R0050", 3, [&] { rig.radio.ProgramMode = false; });
    ASSERT_TRUE(rig.engine.StartRead());
    rig.loop.RunUntil([&] { return rig.questions.retryAsked == 1; });
    const std::size_t before = rig.port.sent.size();
    ASSERT_TRUE(rig.Finish());
    const auto t = Trace(rig.port);
    EXPECT_EQ(std::vector<std::string>(t.begin() + static_cast<long>(before), t.begin() + static_cast<long>(before) + 5),
              (std::vector<std::string>{"END", "P", "I", "R0040", "R0050"}));
    EXPECT_EQ(rig.questions.retryAsked, 1);
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
}

TEST(EngineTimeouts, FinalEndUnansweredIsASuccess) {
    sim::SimOptions o;
    EngineRig rig(o);
    rig.port.swallow = SwallowFirst("END", 1);
    ASSERT_TRUE(rig.engine.StartWrite());
    rig.loop.RunUntil([&] { return rig.engine.CommState() == CommStateFinish; });
    const double t0 = rig.loop.now;
    ASSERT_TRUE(rig.Finish());
    EXPECT_NEAR(rig.loop.now - t0, 300, 2);
    EXPECT_EQ(rig.timer.fired.size(), 1u);
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
}

TEST(EngineTimeouts, PassWordBlockTriesThenPromptKeepsPortOpen) {
    EngineRig rig;
    rig.questions.retryAnswers = {false};
    rig.port.swallow = SwallowFirst("R0040", 3);
    ASSERT_TRUE(rig.engine.StartRead());
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(CountOf(Trace(rig.port), "R0040"), 3);
    EXPECT_EQ(rig.questions.portOpenAtRetry, std::vector<bool>{true});
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadFailed});
}

TEST(EngineReplies, LateFrameAfterRepeatIsTakenAndItsDuplicateDropped) {
    sim::SimOptions o;
    o.DelayReply = 10;  // the reply to the 7th block request comes 350 ms late
    o.DelayMs = 350;
    EngineRig rig(o);
    rig.radio.FillPattern(2);
    rig.radio.SetPassWord("");
    const auto memory = rig.radio.Memory;
    ASSERT_TRUE(rig.engine.StartRead());
    ASSERT_TRUE(rig.Finish());
    const auto t = Trace(rig.port);
    EXPECT_EQ(CountOf(t, "R0070"), 2);  // asked again once
    EXPECT_EQ(CountOf(t, "R0080"), 1);  // the late frame moved the read on; the duplicate was dropped
    EXPECT_EQ(rig.questions.retryAsked, 0);
    for (long a = 0x0010; a <= 0x3F7F; ++a)
        if (!InSkipRange(rig.d, a)) { ASSERT_EQ(rig.d.CommData[a], memory[a]) << a; }
}

// A write frame sent again after a time-out gets an 06 for each copy: the
// second must not pass for the reply to the next frame, which here is lost.
TEST(EngineReplies, SecondAckToARepeatedWriteFrameIsDropped) {
    sim::SimOptions o;
    o.DelayReply = 6;  // P, I, R0040, W0100, W0110: the 06 for W0120 comes 350 ms late
    o.DelayMs = 350;
    EngineRig rig(o);
    rig.radio.FillPattern(13);
    const auto before = rig.radio.Memory;
    rig.port.swallow = SwallowFirst("W0130", 1);
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.Finish());
    const auto t = Trace(rig.port);
    ASSERT_EQ(std::vector<std::string>(t.begin() + 3, t.begin() + 6),
              (std::vector<std::string>{"W0100", "W0110", "W0120"}));
    EXPECT_EQ(CountOf(t, "W0120"), 2);
    EXPECT_EQ(CountOf(t, "W0130"), 2);  // lost, then sent again on its own time-out
    EXPECT_EQ(rig.questions.retryAsked, 0);
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    for (long a = 0x0100; a <= 0x3F7F; ++a)
        if (!InSkipRange(rig.d, a)) { ASSERT_EQ(rig.radio.Memory[a], rig.d.CommData[a]) << a; }
    EXPECT_NE(before[0x0130], rig.d.CommData[0x0130]);
    // Every block counted once, and once more after the last.
    EXPECT_EQ(rig.d.BlocksDone, rig.d.BlocksTotal + 1);
    EXPECT_EQ(rig.progress.values.back(), 100);
}

// W0120 is lost once: its repeat's 06 may be the lost copy's, so the block
// is read back before the write goes on. A lost port there ends the write
// as anywhere else, and says the block is unconfirmed; a 0x0A from the
// other copy answers nothing: the block read back decides.
TEST(EngineReplies, BlockInDoubtIsReadBackAndAPortLostThereEndsTheWrite) {
    for (bool lose : {false, true}) {
        SCOPED_TRACE(lose ? "lost" : "reply");
        EngineRig rig;
        rig.port.swallow = SwallowFirst("W0120", 1);
        ASSERT_TRUE(rig.engine.StartWrite());
        ASSERT_TRUE(rig.loop.RunUntil([&] { return rig.engine.Awaiting() == CommEngine::Await::CheckData; }));
        EXPECT_EQ(rig.engine.Checking(), CommEngine::Check::Block);
        EXPECT_EQ(TraceName(rig.port.sent.back()), "R0120");
        EXPECT_EQ(rig.engine.RepliesOwed(), 1);
        const std::size_t sent = rig.port.sent.size();
        if (lose) {
            rig.engine.OnPortLost();
            ASSERT_TRUE(rig.Finish());
            EXPECT_EQ(rig.port.sent.size(), sent);
            EXPECT_EQ(rig.messages.Keys(), (std::vector<CommMsg>{CommMsg::PortError, CommMsg::WriteFailed}));
            EXPECT_EQ(rig.messages.posted.back().AddedLine,
                      UnconfirmedLine(rig.d, 1) + "\n" + kPartlyWrittenText[1]);
            EXPECT_EQ(rig.events.ended,
                      std::vector<TransferEnd>{(TransferEnd{CommModeWrite, false, EndReason::PortLost})});
            EXPECT_FALSE(rig.port.IsOpen());
            EXPECT_FALSE(rig.engine.WaitTimerOn());
        } else {
            rig.engine.OnBytesReceived(Bytes{ResendByte});
            EXPECT_EQ(rig.port.sent.size(), sent);
            ASSERT_TRUE(rig.Finish());
            const auto t = Trace(rig.port);
            EXPECT_EQ(CountOf(t, "W0120"), 2);
            EXPECT_EQ(CountOf(t, "R0120"), 1);
            EXPECT_FALSE(rig.engine.ProofDue());
            EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
        }
    }
}

// A transfer that ends while a question is open closes it; the late answer
// is ignored. Answered questions are not closed by the engine.
TEST(EngineQuestions, PortLostWhileAQuestionIsOpenClosesIt) {
    struct Case {
        const char* name;
        bool passWord;  // the password dialog, else the retry prompt
        bool lose;      // the port is lost while the question is open
        CommMsg last;
    } cases[] = {
        {"RetryPromptLost", false, true, CommMsg::ReadFailed},
        {"PassWordLost", true, true, CommMsg::ReadFailed},
        {"RetryPromptAnswered", false, false, CommMsg::ReadOK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimOptions o;
        if (c.passWord) o.PassWord = "12";
        EngineRig rig(o);
        rig.questions.retryAnswers = {true};
        rig.questions.passWordAnswers.push_back({true, "12"});
        if (!c.passWord) rig.port.swallow = SwallowFirst("R0080", 3);
        ASSERT_TRUE(rig.engine.StartRead());
        ASSERT_TRUE(rig.loop.RunUntil([&] { return rig.engine.QuestionOpen(); }));
        const int opens = rig.port.opens;
        const std::size_t sent = rig.port.sent.size();
        if (c.lose) rig.engine.OnPortLost();
        ASSERT_TRUE(rig.Finish());
        rig.loop.RunFor(1000);  // the scripted answer arrives late
        EXPECT_EQ(rig.questions.closed, c.lose ? 1 : 0);
        EXPECT_EQ(rig.messages.Keys().back(), c.last);
        ASSERT_EQ(rig.events.ended.size(), 1u);
        EXPECT_EQ(rig.events.ended[0].Reason, c.lose ? EndReason::PortLost : EndReason::Success);
        if (c.lose) {
            EXPECT_EQ(rig.messages.Keys(), (std::vector<CommMsg>{CommMsg::PortError, CommMsg::ReadFailed}));
            EXPECT_EQ(rig.port.opens, opens);
            EXPECT_EQ(rig.port.sent.size(), sent);
            EXPECT_FALSE(rig.engine.QuestionOpen());
        }
    }
}

TEST(EngineReplies, ResendByteNeverMakesAReadWrite) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine.StartRead());
    rig.loop.RunUntil([&] { return rig.engine.Awaiting() == CommEngine::Await::BlockData; });
    const std::size_t sent = rig.port.sent.size();
    rig.engine.OnBytesReceived(Bytes(22, 0x0A));  // 22 bytes of 0x0A: nothing
    const Bytes one{0x0A};
    // a single 0x0A while a data frame is awaited: collected, not acted on
    rig.engine.OnBytesReceived(one);
    EXPECT_EQ(rig.port.sent.size(), sent);
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(rig.radio.WriteFrames(), 0);
}

TEST(EngineReplies, DataFrameNeverSkipsThePassWordCheck) {
    sim::SimOptions o;
    o.PassWord = "1234";
    EngineRig rig(o);
    ASSERT_TRUE(rig.engine.StartRead());
    rig.loop.RunUntil([&] { return rig.engine.Awaiting() == CommEngine::Await::PassWord; });
    // A well-formed frame for another block is not the password block.
    rig.engine.OnBytesReceived(BuildWriteFrame(0x0010, Bytes(16, 0xFF)));
    EXPECT_EQ(rig.engine.CommState(), CommStatePassWord);
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(rig.questions.passWordAsked, 1);
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadFailed});
}

TEST(EngineReplies, BytesAndTicksDroppedWhileAQuestionIsOpen) {
    EngineRig rig;
    ASSERT_TRUE(rig.engine.StartRead());
    rig.loop.RunUntil([&] { return rig.engine.CommAddress() == 0x0030; });
    rig.port.answeringSettings = {{"nowhere", {0, 1}}};
    rig.questions.retryAnswers = {false};
    // Stop before the answer arrives.
    rig.loop.RunUntil([&] { return rig.engine.QuestionOpen(); });
    EXPECT_FALSE(rig.engine.WaitTimerOn());
    const std::size_t sent = rig.port.sent.size();
    rig.engine.OnBytesReceived(BuildWriteFrame(0x0030, Bytes(16, 0)));
    rig.engine.OnReplyTimeout();
    EXPECT_EQ(rig.port.sent.size(), sent);
    EXPECT_EQ(rig.engine.CommState(), CommStateBlocks);
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadFailed});
}

TEST(EnginePort, FailedSendAndFailedReopenEndTheTransfer) {
    {
        EngineRig rig;
        rig.port.failWriteAt = 30;
        ASSERT_TRUE(rig.engine.StartWrite());
        ASSERT_TRUE(rig.Finish());
        EXPECT_EQ(rig.messages.Keys(), (std::vector<CommMsg>{CommMsg::PortError, CommMsg::WriteFailed}));
    }
    {
        EngineRig rig;
        rig.port.answeringSettings = {{"nowhere", {0, 1}}};
        rig.questions.retryAnswers = {true};
        ASSERT_TRUE(rig.engine.StartRead());
        rig.port.failOpens = 1;  // the reopening on Retry fails
        ASSERT_TRUE(rig.Finish());
        EXPECT_EQ(rig.messages.Keys(), (std::vector<CommMsg>{CommMsg::PortError, CommMsg::ReadFailed}));
    }
}

// ---- factory test data ---------------------------------------------------------------

TEST(EngineFactory, ReadTakesTheBlockOnlyWhenTheReadEndsWell) {
    EngineRig rig;
    rig.d.FactoryTestMode = true;
    rig.radio.FillPattern(4);
    rig.radio.SetPassWord("");
    const auto memory = rig.radio.Memory;
    ASSERT_TRUE(rig.engine.StartRead());
    ASSERT_TRUE(rig.Finish());
    const auto t = Trace(rig.port);
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 6),
              (std::vector<std::string>{"P", "I", "R0040", "R0000", "R0010", "R0010"}));
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(rig.d.TestDataBuf[i], memory[i]);
        EXPECT_EQ(rig.d.TestDataBuf[32 + i], memory[i]);  // snapshot taken
    }
    for (int a = 0x10; a < 0x20; ++a) EXPECT_EQ(rig.d.CommData[a], memory[a]);
    EXPECT_EQ(rig.d.TestDataOrigin, AppData::TestDataSource::Read);

    // A read that fails after both blocks arrived changes nothing.
    EngineRig failing;
    failing.d.FactoryTestMode = true;
    failing.radio.FillPattern(4);
    failing.radio.SetPassWord("");
    failing.questions.retryAnswers = {false};
    ASSERT_TRUE(failing.engine.StartRead());
    failing.loop.RunUntil([&] { return failing.engine.CommAddress() == 0x0050; });
    failing.port.answeringSettings = {{"nowhere", {0, 1}}};
    ASSERT_TRUE(failing.Finish());
    for (int i = 0; i < 64; ++i) EXPECT_EQ(failing.d.TestDataBuf[i], 0);
    EXPECT_EQ(failing.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadFailed});
}

TEST(EngineFactory, WriteKeepsTheRadiosBytesAndWritesTheUsers) {
    EngineRig rig;
    rig.d.FactoryTestMode = true;
    rig.d.TestDataOrigin = AppData::TestDataSource::Entry;
    for (int i = 0; i < 32; ++i) rig.d.TestDataBuf[i] = static_cast<Byte>(0xA0 + i);
    rig.radio.FillPattern(8);
    const auto before = rig.radio.Memory;
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    const auto t = Trace(rig.port);
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 11),
              (std::vector<std::string>{"E", "I", "R0040", "R0000", "R0010", "W0000", "W0010", "P", "I",
                                        "R0040", "W0100"}));
    for (int i = 0; i < 32; ++i) {
        const bool users = i >= 2 && i <= 16;
        EXPECT_EQ(rig.radio.Memory[i], users ? 0xA0 + i : before[i]) << i;
        EXPECT_EQ(rig.d.TestDataBuf[i], rig.radio.Memory[i]) << i;
    }
    EXPECT_TRUE(rig.radio.Violations().empty());
}

TEST(EngineFactory, WriteWithoutTestDataSkipsTheFactoryPart) {
    EngineRig rig;
    rig.d.FactoryTestMode = true;  // TestDataOrigin None: nothing loaded since start-up
    rig.radio.FillPattern(8);
    const auto before = rig.radio.Memory;
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(Trace(rig.port).front(), "P");
    for (int i = 0; i < 32; ++i) EXPECT_EQ(rig.radio.Memory[i], before[i]);
    ASSERT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    EXPECT_EQ(CommMessageText(rig.d, rig.messages.posted[0]),
              "T2005\nThe test data was not written: none had been loaded, read from a radio or entered.");
}

TEST(EngineFactory, CorrectedPassWordRepeatsTheFactoryPart) {
    sim::SimOptions o;
    o.PassWord = "77";
    EngineRig rig(o);
    rig.d.FactoryTestMode = true;
    rig.d.TestDataOrigin = AppData::TestDataSource::Entry;
    for (int i = 0; i < 32; ++i) rig.d.TestDataBuf[i] = static_cast<Byte>(0x30 + i);
    rig.questions.passWordAnswers.push_back({true, "77"});
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.Finish());
    const auto t = Trace(rig.port);
    ASSERT_GE(t.size(), 15u);
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 15),
              (std::vector<std::string>{"E", "I", "R0040", "END", "E", "I", "R0040", "R0000", "R0010", "W0000",
                                        "W0010", "P", "I", "R0040", "W0100"}));
    for (int i = 2; i <= 16; ++i) EXPECT_EQ(rig.radio.Memory[i], 0x30 + i) << i;
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    EXPECT_TRUE(rig.radio.Violations().empty());
}

TEST(EngineFactory, ReadRestartRereadsTheTestDataThenResumes) {
    EngineRig rig;
    rig.d.FactoryTestMode = true;
    rig.radio.FillPattern(6);
    rig.radio.SetPassWord("");
    const auto memory = rig.radio.Memory;
    rig.questions.retryAnswers = {true};
    rig.port.swallow = SwallowFirst("R0080", 3);
    ASSERT_TRUE(rig.engine.StartRead());
    rig.loop.RunUntil([&] { return rig.questions.retryAsked == 1; });
    const std::size_t before = rig.port.sent.size();
    ASSERT_TRUE(rig.Finish());
    const auto t = Trace(rig.port);
    EXPECT_EQ(std::vector<std::string>(t.begin() + static_cast<long>(before), t.begin() + static_cast<long>(before) + 8),
              (std::vector<std::string>{"END", "P", "I", "R0040", "R0000", "R0010", "R0080", "R0090"}));
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
    for (int i = 0; i < 32; ++i) EXPECT_EQ(rig.d.TestDataBuf[i], memory[i]) << i;
}

TEST(EngineFactory, TimeoutsInTestDataStatesAskWithThePortClosed) {
    // Each test-data step silenced once, then Retry.
    for (const char* step : {"R0000", "R0010", "W0000", "W0010"}) {
        EngineRig rig;
        rig.d.FactoryTestMode = true;
        rig.d.TestDataOrigin = AppData::TestDataSource::File;
        for (int i = 0; i < 32; ++i) rig.d.TestDataBuf[i] = static_cast<Byte>(0x50 + i);
        rig.questions.retryAnswers = {true};
        rig.port.swallow = SwallowFirst(step, 1);
        ASSERT_TRUE(rig.engine.StartWrite());
        ASSERT_TRUE(rig.Finish()) << step;
        EXPECT_EQ(rig.questions.portOpenAtRetry, std::vector<bool>{false}) << step;
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK}) << step;
        // No repeat in these states: the step was sent once before the prompt.
        const auto t = Trace(rig.port);
        const auto at = std::find(t.begin(), t.end(), step) - t.begin();
        ASSERT_LT(at + 2, static_cast<long>(t.size()));
        EXPECT_EQ(t[at + 1], "END") << step;
        // Restarted before the second block was acknowledged: the entry word
        // again and the whole test-data part.
        EXPECT_EQ(t[at + 2], "E") << step;
        EXPECT_EQ(CountOf(t, "W0010"), std::string(step) == "W0010" ? 2 : 1) << step;
        for (int i = 2; i <= 16; ++i) EXPECT_EQ(rig.radio.Memory[i], 0x50 + i) << step;
        EXPECT_TRUE(rig.radio.Violations().empty());
    }
}

TEST(EngineFactory, ReadTimeoutsOnTestDataAskWithThePortClosed) {
    for (const char* step : {"R0000", "R0010"}) {  // states 30 and 4 (the second block)
        EngineRig rig;
        rig.d.FactoryTestMode = true;
        rig.radio.FillPattern(12);
        rig.radio.SetPassWord("");
        const auto memory = rig.radio.Memory;
        rig.questions.retryAnswers = {true};
        rig.port.swallow = SwallowFirst(step, 1);
        ASSERT_TRUE(rig.engine.StartRead());
        ASSERT_TRUE(rig.Finish()) << step;
        EXPECT_EQ(rig.questions.portOpenAtRetry, std::vector<bool>{false}) << step;
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK}) << step;
        for (int i = 0; i < 32; ++i) EXPECT_EQ(rig.d.TestDataBuf[i], memory[i]) << step;
    }
}

TEST(EngineFactory, FiveResendsToATestDataBlockAskWithThePortClosed) {
    sim::SimOptions o;
    o.ResendAt = 1;  // the first write frame is test-data block 0
    o.ResendTimes = 5;
    EngineRig rig(o);
    rig.d.FactoryTestMode = true;
    rig.d.TestDataOrigin = AppData::TestDataSource::File;
    rig.questions.retryAnswers = {true};
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.Finish());
    EXPECT_EQ(rig.questions.retryAsked, 1);
    EXPECT_EQ(rig.questions.portOpenAtRetry, std::vector<bool>{false});
    const auto t = Trace(rig.port);
    EXPECT_EQ(CountOf(t, "W0000"), 5 + 1);  // five refused, then taken after the restart
    EXPECT_EQ(CountOf(t, "E"), 2);
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
}

TEST(EngineFactory, TestDataReplyForTheOtherAddressIsNotTaken) {
    EngineRig rig;
    rig.d.FactoryTestMode = true;
    ASSERT_TRUE(rig.engine.StartRead());
    rig.loop.RunUntil([&] { return rig.engine.CommState() == CommStateTestRead0; });
    ASSERT_EQ(rig.engine.Awaiting(), CommEngine::Await::TestData);
    rig.engine.OnBytesReceived(BuildWriteFrame(0x0010, Bytes(16, 0x77)));
    EXPECT_EQ(rig.engine.CommState(), CommStateTestRead0);
    ASSERT_TRUE(rig.Finish());
    EXPECT_NE(rig.d.TestDataBuf[16], 0x77);
}

// ---- port search ----------------------------------------------------------------------

TEST(EngineSearch, TriesEverySettingInOrderAndSavesTheOneThatAnswers) {
    EngineRig rig;
    test::TempFolder folder;
    rig.d.AppFolder = folder / "app";
    rig.d.UserConfigDir = folder / "user";
    rig.port.answeringSettings = {{"/dev/b", {2, 2}}};
    ASSERT_TRUE(rig.engine.StartCommSearch(CommModeRead, {"/dev/a", "/dev/b"}, "Read data from radio"));
    ASSERT_TRUE(rig.Finish());
    std::vector<std::tuple<std::string, int, int>> tried;
    for (const auto& s : rig.port.openedWith) tried.emplace_back(s.Device, s.Handshaking, s.StopBits);
    std::vector<std::tuple<std::string, int, int>> expected;
    for (int stop : {1, 2})
        for (int hs = 0; hs < 4; ++hs) expected.emplace_back("/dev/a", hs, stop);
    for (int hs = 0; hs < 4; ++hs) expected.emplace_back("/dev/b", hs, 1);
    for (int hs = 0; hs < 3; ++hs) expected.emplace_back("/dev/b", hs, 2);
    ASSERT_GE(tried.size(), expected.size());
    using Trials = std::vector<std::tuple<std::string, int, int>>;
    EXPECT_EQ(Trials(tried.begin(), tried.begin() + static_cast<long>(expected.size())), expected);
    // Eight silent settings on the first device: three PROGRAMs 300 ms apart each.
    EXPECT_EQ(rig.d.ComDevice, "/dev/b");
    EXPECT_EQ(rig.d.ComHandshaking, 2);
    EXPECT_EQ(rig.d.ComStopBit, 2);
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
    EXPECT_EQ(rig.events.captions.back(), "Read data from radio");
}

TEST(EngineSearch, NoRadioFailsAndARadioOfAnotherModelIsUsedAtTheEnd) {
    {
        EngineRig rig;
        rig.port.answeringSettings = {{"nowhere", {0, 1}}};
        ASSERT_TRUE(rig.engine.StartCommSearch(CommModeWrite, {"/dev/a"}, "W"));
        ASSERT_TRUE(rig.Finish());
        EXPECT_EQ(rig.port.CountSent(kProgramBytes), 8 * 3);
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteFailed});
    }
    {
        sim::SimOptions o;
        o.Model = "7425US";
        EngineRig rig(o);
        test::TempFolder folder;
        rig.d.AppFolder = folder / "app";
        rig.d.UserConfigDir = folder / "user";
        rig.port.answeringSettings = {{"/dev/a", {1, 1}}};
        ASSERT_TRUE(rig.engine.StartCommSearch(CommModeWrite, {"/dev/a"}, "W"));
        ASSERT_TRUE(rig.Finish());
        EXPECT_EQ(rig.d.ComDevice, "/dev/a");
        EXPECT_EQ(rig.d.ComHandshaking, 1);
        EXPECT_EQ(rig.messages.Keys(), (std::vector<CommMsg>{CommMsg::ModelWrong, CommMsg::WriteFailed}));
        EXPECT_EQ(rig.events.ended.at(0).Reason, EndReason::IdentityRefused);
    }
}

// ---- link test ---------------------------------------------------------------------------

TEST(LinkTestWindow, AcknowledgedSilentAndUnopenable) {
    {
        EngineRig rig;
        rig.d.FirstRunFlag = true;
        LinkTest link(rig.d, rig.port, rig.timer, rig.messages);
        link.Run();
        rig.loop.RunFor(1000);
        EXPECT_TRUE(link.Acknowledged());
        EXPECT_FALSE(rig.d.FirstRunFlag);
        EXPECT_TRUE(rig.messages.posted.empty());
        EXPECT_EQ(rig.radio.EndCommands(), 0);  // no END follows
    }
    {
        EngineRig rig;
        LinkTest link(rig.d, rig.port, rig.timer, rig.messages);
        rig.port.answeringSettings = {{"nowhere", {0, 1}}};
        link.Run();
        rig.loop.RunFor(1000);
        EXPECT_FALSE(link.Acknowledged());
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::LinkNoAnswer});
        EXPECT_TRUE(rig.port.IsOpen());  // the user may try again
    }
    {
        EngineRig rig;
        rig.d.ComDevice.clear();
        LinkTest link(rig.d, rig.port, rig.timer, rig.messages);
        link.Run();
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::LinkOpenFailed});
    }
}

}  // namespace
}  // namespace rp

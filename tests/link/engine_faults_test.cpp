// The transfer engine against a faulty simulated radio: each fault of the
// matrix ends the transfer as expected and leaves the data as it should.
#include "link/engine.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "enginechecks.h"
#include "linkfakes.h"

namespace rp {
namespace {

using test::EngineRig;
using test::ImageHoldsTheRadio;
using test::RadioHoldsTheImage;

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
        if (c.mode == 1) { ASSERT_TRUE(ImageHoldsTheRadio(rig, memory)); }
        if (c.mode == 2) { ASSERT_TRUE(RadioHoldsTheImage(rig)); }
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

}  // namespace
}  // namespace rp

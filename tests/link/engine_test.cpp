// The transfer engine on a fake clock against the simulated radio: whole
// reads, writes and information reads, the wiring, the start and the
// password.
#include "link/engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "enginechecks.h"
#include "link/image.h"
#include "link/search.h"
#include "linkfakes.h"

namespace rp {
namespace {

using test::CountOf;
using test::EngineRig;
using test::InSkipRange;
using test::Trace;

CommBytes Preset() {
    CommBytes p{};
    ClearCommImage(p);
    return p;
}

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

}  // namespace
}  // namespace rp

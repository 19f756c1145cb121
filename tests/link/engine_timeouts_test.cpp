// The transfer engine's time-outs, repeats and late replies on a fake clock:
// exact step sequences where the timing matters, the questions a transfer
// asks and a port that fails under it.
#include "link/engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "enginechecks.h"
#include "link/protocol.h"
#include "linkfakes.h"

namespace rp {
namespace {

using test::CountOf;
using test::EngineRig;
using test::ImageHoldsTheRadio;
using test::RadioHoldsTheImage;
using test::SwallowFirst;
using test::Trace;
using test::TraceName;

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
    ASSERT_TRUE(ImageHoldsTheRadio(rig, memory));
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
    ASSERT_TRUE(RadioHoldsTheImage(rig));
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
    ASSERT_TRUE(ImageHoldsTheRadio(rig, memory));
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
    ASSERT_TRUE(RadioHoldsTheImage(rig));
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

}  // namespace
}  // namespace rp

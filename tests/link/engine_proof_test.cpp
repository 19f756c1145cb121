// A write proves its blocks: a clean write reads nothing back, a block
// acknowledged while another reply may still come is read back at once,
// bytes that cannot be placed make the write read back every block before
// END, and a block that stays different fails the write.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "link/engine.h"
#include "link/image.h"
#include "link/protocol.h"
#include "link/skiplist.h"
#include "linkfakes.h"

namespace rp {
namespace {

using test::CountOf;
using test::EngineRig;
using test::FirstBlockNotInRadio;
using test::Trace;
using test::TraceName;

// The frames after the first `name`.
std::vector<std::string> After(const std::vector<std::string>& t, const std::string& name) {
    auto it = std::find(t.begin(), t.end(), name);
    return it == t.end() ? std::vector<std::string>{} : std::vector<std::string>(it + 1, t.end());
}

// "R<addr>" for every block the write sends, in order.
std::vector<std::string> ReadsOfEveryBlock(const AppData& d) {
    std::vector<std::string> r;
    for (long a = SkipUnusedAddress(d, addr::WriteFirstBlock); a <= addr::LastBlock;
         a = SkipUnusedAddress(d, a + kBlockSize))
        r.push_back(TraceName(BuildReadRequest(static_cast<int>(a))));
    return r;
}

// The last block the write sends, as its frame's name.
std::string LastWrite(const AppData& d) { return "W" + ReadsOfEveryBlock(d).back().substr(1); }

// The transfer's frames with the write frames taken out.
std::vector<std::string> Reads(const std::vector<std::string>& t) {
    std::vector<std::string> r;
    std::copy_if(t.begin(), t.end(), std::back_inserter(r), [](const std::string& f) { return f[0] == 'R'; });
    return r;
}

TEST(EngineProof, CleanWriteReadsNothingBack) {
    EngineRig rig;
    rig.radio.FillPattern(3);
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.Finish());
    ASSERT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    EXPECT_TRUE(Reads(After(Trace(rig.port), "R0040")).empty());
    EXPECT_FALSE(rig.progress.checking);
    EXPECT_EQ(FirstBlockNotInRadio(rig.d, rig.radio), -1);
}

// The radio answers every frame 350 ms after it, later than the reply
// wait, so every frame goes out twice; a stray 06 follows every seventh
// reply (the first copy's reply and the stray read as the replies of both
// copies), and one write frame in fifty is refused. The write ends with the
// radio holding every block, never with a block missing.
TEST(EngineProof, ReplyAndStrayOnARadioSlowerThanTheWait) {
    struct Case {
        const char* name;
        bool paced;
        int strayGapMs;
    } cases[] = {{"Paced", true, 0}, {"PacedGap", true, 5}, {"Unpaced", false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimOptions o;
        o.LateMs = 350;
        o.StrayAckEvery = 7;
        o.StrayGapMs = c.strayGapMs;
        o.ResendEvery = 50;
        EngineRig rig(o);
        rig.radio.FillPattern(9);
        rig.port.paced = c.paced;
        ASSERT_TRUE(rig.engine.StartWrite());
        ASSERT_TRUE(rig.Finish(3600000));
        ASSERT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
        EXPECT_EQ(FirstBlockNotInRadio(rig.d, rig.radio), -1);
        EXPECT_EQ(rig.questions.retryAsked, 0);
    }
}

// W0120 goes unheard twice, and a stray 06 after the second copy passes for
// its reply. Two copies were out, so the block is read back: it differs,
// is written again and read back again before W0130 goes out.
TEST(EngineProof, BlockFoundDifferentIsWrittenAgain) {
    EngineRig rig;
    rig.radio.FillPattern(13);
    auto& r = rig;
    rig.port.swallow = test::SwallowFirst("W0120", 2, [&r] {
        r.loop.After(30, [&r] { r.engine.OnBytesReceived(Bytes{AckByte}); });
    });
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.Finish());
    const auto t = Trace(rig.port);
    const auto from = std::find(t.begin(), t.end(), "W0120");
    ASSERT_GE(t.end() - from, 6);
    EXPECT_EQ(std::vector<std::string>(from, from + 6),
              (std::vector<std::string>{"W0120", "W0120", "R0120", "W0120", "R0120", "W0130"}));
    ASSERT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    EXPECT_EQ(FirstBlockNotInRadio(rig.d, rig.radio), -1);
    EXPECT_TRUE(Reads(After(t, "W0130")).empty());  // the count is settled: the rest is clean
}

// Stray bytes on a paced line fit no reply: they could have passed for an
// acknowledgement, so before END the write reads back every block it wrote,
// the progress dialog saying so.
TEST(EngineProof, UnplacedBytesReadEveryBlockBackBeforeEnd) {
    sim::SimOptions o;
    o.StrayAckEvery = 5;
    o.ResendEvery = 50;
    EngineRig rig(o);
    rig.radio.FillPattern(8);
    rig.port.paced = true;
    rig.port.byteByByte = true;
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.loop.RunUntil([&] { return rig.engine.Checking() == CommEngine::Check::Pass; }));
    EXPECT_TRUE(rig.progress.checking);
    EXPECT_EQ(rig.progress.values.back(), 0);  // the bar starts again
    const std::size_t passFrom = rig.port.sent.size() - 1;
    ASSERT_TRUE(rig.Finish());
    ASSERT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    const auto t = Trace(rig.port);
    const std::vector<std::string> pass(t.begin() + static_cast<long>(passFrom), t.end() - 1);
    EXPECT_EQ(Reads(pass), ReadsOfEveryBlock(rig.d));
    EXPECT_EQ(t.back(), "END");
    EXPECT_EQ(rig.progress.values.back(), 100);
    EXPECT_TRUE(rig.timer.fired.empty());
    EXPECT_EQ(FirstBlockNotInRadio(rig.d, rig.radio), -1);
}

// A refusal of the last block that arrives while END waits (its 0x0A
// before END's 06) may mean an acknowledgement was taken for the wrong
// frame: the write goes back into programming mode and reads every block
// back before it ends.
TEST(EngineProof, BytesWhileEndWaitsSendTheWriteBackForItsPass) {
    EngineRig rig;
    rig.radio.FillPattern(5);
    auto& r = rig;
    auto once = std::make_shared<bool>(false);
    rig.port.swallow = [&r, once](const Bytes& f) {
        if (TraceName(f) != "END" || *once) return false;
        *once = true;
        r.radio.ProgramMode = false;
        r.loop.After(2, [&r] { r.engine.OnBytesReceived(Bytes{ResendByte, AckByte}); });
        return true;
    };
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.Finish());
    ASSERT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    const auto t = After(Trace(rig.port), "END");
    ASSERT_GE(t.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 3), (std::vector<std::string>{"P", "I", "R0040"}));
    EXPECT_EQ(Reads(std::vector<std::string>(t.begin() + 3, t.end())), ReadsOfEveryBlock(rig.d));
    EXPECT_EQ(t.back(), "END");
}

// The radio never takes W0120, though the line acknowledges every copy. With
// "06 06" the block is read back at once; with a lone 06 the pass before
// END reads it back (a 0x0A came while END waited). Either way it is written
// and read back again three times, then the write asks: Cancel fails it and
// says one block is unconfirmed; Retry enters programming mode again and
// tries the block again.
TEST(EngineProof, BlockThatStaysDifferentFailsTheWrite) {
    struct Case {
        const char* name;
        bool inThePass;
        bool retryFirst;
    } cases[] = {
        {"AtOnce", false, false}, {"AtOnceRetry", false, true},
        {"InThePass", true, false}, {"InThePassRetry", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineRig rig;
        rig.radio.FillPattern(21);
        auto& r = rig;
        const Bytes answer = c.inThePass ? Bytes{AckByte} : Bytes{AckByte, AckByte};
        auto endOnce = std::make_shared<bool>(false);
        rig.port.swallow = [&r, answer, endOnce, &c](const Bytes& f) {
            if (c.inThePass && TraceName(f) == "END" && !*endOnce) {
                *endOnce = true;
                r.radio.ProgramMode = false;
                r.loop.After(2, [&r] { r.engine.OnBytesReceived(Bytes{ResendByte, AckByte}); });
                return true;
            }
            if (TraceName(f) != "W0120") return false;
            r.loop.After(5, [&r, answer] { r.engine.OnBytesReceived(answer); });
            return true;
        };
        rig.questions.retryAnswers = {c.retryFirst, false};
        ASSERT_TRUE(rig.engine.StartWrite());
        ASSERT_TRUE(rig.Finish());
        ASSERT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteFailed});
        EXPECT_EQ(rig.messages.posted[0].AddedLine, UnconfirmedLine(rig.d, 1) + "\n" + kPartlyWrittenText[1]);
        const int rounds = c.retryFirst ? 2 : 1;
        EXPECT_EQ(rig.questions.retryAsked, rounds);
        const auto t = Trace(rig.port);
        EXPECT_EQ(CountOf(t, "R0120"), rounds * 4);
        EXPECT_EQ(CountOf(t, "W0120"), 1 + rounds * 3 + (c.retryFirst && !c.inThePass ? 1 : 0));
        EXPECT_EQ(CountOf(t, "P"), rounds + (c.inThePass ? 1 : 0));
    }
}

TEST(EngineProof, UnconfirmedLineInBothLanguages) {
    AppData d;
    d.LanguageIndex = 1;
    EXPECT_EQ(UnconfirmedLine(d, 0), "");
    EXPECT_EQ(UnconfirmedLine(d, 3), "3 " + kUnconfirmedText[1]);
    d.LanguageIndex = 2;
    EXPECT_EQ(UnconfirmedLine(d, 3), "3" + kUnconfirmedText[2]);
}

// A test-data block refused once is in doubt; it can be written in the
// factory entry only, so the pass before END reads it back with the image
// blocks, and nothing below 0x0100 is written outside the entry.
TEST(EngineProof, TestDataBlockInDoubtIsReadBackWithThePass) {
    sim::SimOptions o;
    o.ResendAt = 1;  // W0000 gets one 0x0A
    o.ResendTimes = 1;
    EngineRig rig(o);
    rig.d.FactoryTestMode = true;
    rig.d.TestDataOrigin = AppData::TestDataSource::Entry;
    for (int i = 0; i < 32; ++i) rig.d.TestDataBuf[i] = static_cast<Byte>(0xA0 + i);
    rig.radio.FillPattern(8);
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.Finish());
    ASSERT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    const auto t = After(Trace(rig.port), LastWrite(rig.d));
    std::vector<std::string> expected{"R0000", "R0010"};
    const auto image = ReadsOfEveryBlock(rig.d);
    expected.insert(expected.end(), image.begin(), image.end());
    EXPECT_EQ(Reads(t), expected);
    EXPECT_TRUE(rig.radio.Violations().empty());
    EXPECT_EQ(FirstBlockNotInRadio(rig.d, rig.radio), -1);
}

}  // namespace
}  // namespace rp

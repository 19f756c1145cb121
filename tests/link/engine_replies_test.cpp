// The engine's count of the replies its frames still owe, and how it judges
// whether a line is paced, on the fake clock against the simulated radio.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "link/engine.h"
#include "link/protocol.h"
#include "link/skiplist.h"
#include "enginechecks.h"
#include "linkfakes.h"

namespace rp {
namespace {

using test::EngineRig;

using test::ImageHoldsTheRadio;
using test::RadioHoldsTheImage;
using test::TraceName;

int Sent(const test::SimTransport& port, const std::string& name) { return test::CountOf(test::Trace(port), name); }

// W0120 times out and is sent again; both copies are acknowledged late, at
// every spacing up to 560 ms, and one of the next frames is refused. A late
// acknowledgement never answers another frame unproven: the write ends well
// with every block in the radio.
TEST(EngineOwedReplies, LateCopiesNeverAcknowledgeAnotherFrame) {
    for (int first : {320, 400, 550})
        for (int second = 0; second <= 560; second += 6)
            for (int refused : {5, 6, 7}) {  // W0100, W0110, W0120 twice, then W0130 is the fifth
                SCOPED_TRACE(testing::Message() << first << " " << second << " " << refused);
                sim::SimOptions o;
                o.ResendAt = refused;
                o.ResendTimes = 1;
                EngineRig rig(o);
                rig.radio.FillPattern(3);
                rig.port.latencyMs = 5;
                rig.port.replyDelay = [&](const Bytes& f, int copy) -> double {
                    if (TraceName(f) != "W0120") return 0;
                    return copy == 1 ? first : copy == 2 ? second : 0;
                };
                ASSERT_TRUE(rig.engine.StartWrite());
                ASSERT_TRUE(rig.Finish());
                ASSERT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
                EXPECT_TRUE(RadioHoldsTheImage(rig));
                EXPECT_EQ(Sent(rig.port, "W0130"), refused == 5 ? 2 : 1);
            }
}

// A radio that answers every frame 350 ms after it (every third answer
// 60 ms later still), on a paced line, refusing one write frame in fifty:
// every frame is sent twice, and each copy's reply is taken as its own.
TEST(EngineOwedReplies, RadioSlowerThanTheReplyWaitWritesEveryBlock) {
    sim::SimOptions o;
    o.ResendEvery = 50;
    EngineRig rig(o);
    rig.radio.FillPattern(9);
    rig.port.paced = true;
    rig.port.byteByByte = true;
    auto frames = std::make_shared<int>(0);
    rig.port.replyDelay = [frames](const Bytes&, int) { return 350.0 + (++*frames % 3 == 0 ? 60 : 0); };
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.Finish(3600000));
    ASSERT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    EXPECT_TRUE(RadioHoldsTheImage(rig));
    EXPECT_EQ(rig.questions.retryAsked, 0);
}

// The reply to R0070 comes 400 ms late, after the request went out again:
// the late reply is taken, the repeat's reply dropped whole, and R0080 is
// answered at once: one time-out in the whole read.
TEST(EngineOwedReplies, LateReplyAndItsDuplicateCostOneRepeat) {
    EngineRig rig;
    rig.radio.FillPattern(4);
    rig.radio.SetPassWord("");
    const auto memory = rig.radio.Memory;
    rig.port.paced = true;
    rig.port.byteByByte = true;  // the repeat's reply straddles R0080 going out
    rig.port.replyDelay = [](const Bytes& f, int copy) { return TraceName(f) == "R0070" && copy == 1 ? 400.0 : 0; };
    ASSERT_TRUE(rig.engine.StartRead());
    ASSERT_TRUE(rig.Finish());
    ASSERT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
    EXPECT_EQ(Sent(rig.port, "R0070"), 2);
    EXPECT_EQ(Sent(rig.port, "R0080"), 1);
    EXPECT_EQ(rig.timer.fired.size(), 1u);
    EXPECT_TRUE(ImageHoldsTheRadio(rig, memory));
}

// A stray 06 in the same read as the last byte of a reply: the reply is
// taken at once and the byte dropped.
TEST(EngineOwedReplies, StrayByteInTheSameReadAsAReplyCostsNothing) {
    EngineRig rig;
    rig.radio.FillPattern(6);
    rig.radio.SetPassWord("");
    const auto memory = rig.radio.Memory;
    auto& r = rig;
    auto once = std::make_shared<bool>(false);
    rig.port.swallow = [&r, once, memory](const Bytes& f) {
        if (TraceName(f) != "R0070" || *once) return false;
        *once = true;
        Bytes reply = BuildWriteFrame(0x0070, ByteView(memory.data() + 0x70, 16));
        reply.push_back(AckByte);
        r.loop.After(2, [&r, reply] { r.engine.OnBytesReceived(reply); });
        return true;
    };
    ASSERT_TRUE(rig.engine.StartRead());
    ASSERT_TRUE(rig.Finish());
    ASSERT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
    EXPECT_EQ(Sent(rig.port, "R0070"), 1);
    EXPECT_EQ(Sent(rig.port, "R0080"), 1);
    EXPECT_TRUE(rig.timer.fired.empty());
    EXPECT_TRUE(ImageHoldsTheRadio(rig, memory));
}

// The line's pace comes from its replies. A line that says it runs at 9600
// baud but answers at once (a pseudo-terminal with the radio beside it) is
// proven unpaced by its first reply and runs without a time-out; a paced
// one keeps the wire-time rule, so its stray bytes answer nothing.
TEST(EngineLinePace, JudgedFromTheReplies) {
    struct Case {
        const char* name;
        bool paced, saysBaud;
        long mode;
        int strays;  // a lone 06 after every n-th reply
        bool unpaced;
    } cases[] = {
        {"UnpacedSaysBaudRead", false, true, CommModeRead, 0, true},
        {"UnpacedSaysBaudWrite", false, true, CommModeWrite, 0, true},
        {"PacedRead", true, true, CommModeRead, 5, false},
        {"PacedWrite", true, true, CommModeWrite, 5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimOptions o;
        o.StrayAckEvery = c.strays;
        if (c.mode == CommModeWrite) o.ResendEvery = 50;
        EngineRig rig(o);
        rig.radio.FillPattern(8);
        rig.radio.SetPassWord("");
        const auto memory = rig.radio.Memory;
        rig.port.paced = c.paced;
        rig.port.byteByByte = c.paced;
        rig.port.reportsByteTime = c.saysBaud;
        ASSERT_TRUE(c.mode == CommModeRead ? rig.engine.StartRead() : rig.engine.StartWrite());
        ASSERT_TRUE(rig.loop.RunUntil([&] { return rig.engine.CommState() == CommStateIdent; }));
        EXPECT_EQ(rig.engine.LineUnpaced(), c.unpaced);  // decided by the first reply
        ASSERT_TRUE(rig.Finish());
        EXPECT_EQ(rig.engine.LineUnpaced(), c.unpaced);
        EXPECT_TRUE(rig.timer.fired.empty());
        ASSERT_EQ(rig.messages.Keys(),
                  std::vector<CommMsg>{c.mode == CommModeRead ? CommMsg::ReadOK : CommMsg::WriteOK});
        EXPECT_TRUE(c.mode == CommModeRead ? ImageHoldsTheRadio(rig, memory) : RadioHoldsTheImage(rig));
    }
}

}  // namespace
}  // namespace rp

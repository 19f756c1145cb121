// The transfer engine in factory test mode: the test-data blocks a read
// takes and a write keeps or writes, and their time-outs and repeats.
#include "link/engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "link/protocol.h"
#include "linkfakes.h"

namespace rp {
namespace {

using test::CountOf;
using test::EngineRig;
using test::SwallowFirst;
using test::Trace;

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

}  // namespace
}  // namespace rp

// The port search handing its transfer back, on the fake clock.
#include "link/search.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/tempfolder.h"
#include "linkfakes.h"

namespace rp {
namespace {

const Bytes kProgramBytes = BuildProgramCommand();
const Bytes kIdentBytes = BuildIdentRequest();

// The transfer a search hands back has three tries per frame again, however
// many the search used at its last setting: a frame lost right after the
// hand-back is sent again, with no question.
TEST(SearchHandBack, TheTransferStartsWithFreshTries) {
    struct Case {
        const char* name;
        const char* model;      // the radio's model
        long mode;
        const Bytes* lost;      // the first such frame after the hand-back is lost
        int lostDuringSearch;   // such frames lost at the answering setting
        CommMsg last;
    } cases[] = {
        // Found on its third identity request: the transfer's own identity
        // request is lost once.
        {"SearchedRadio", "KEVRA8R", CommModeRead, &kIdentBytes, 2, CommMsg::ReadOK},
        // Another model, remembered; after eight silent settings the search
        // sends PROGRAM there, and that one is lost.
        {"RememberedRadio", "7425US", CommModeRead, &kProgramBytes, 0, CommMsg::ReadFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimOptions o;
        o.Model = c.model;
        test::EngineRig rig(o);
        test::TempFolder folder;
        rig.d.AppFolder = folder / "app";
        rig.d.UserConfigDir = folder / "user";
        rig.port.answeringSettings = {{"/dev/a", {0, 1}}};
        int lostInSearch = 0;
        bool lostAfter = false;
        rig.port.swallow = [&](const Bytes& f) {
            if (f != *c.lost) return false;
            if (rig.engine.CommMode() == CommModeSearch) {
                if (lostInSearch >= c.lostDuringSearch) return false;
                ++lostInSearch;
                return true;
            }
            if (lostAfter) return false;
            lostAfter = true;
            return true;
        };
        ASSERT_TRUE(rig.engine.StartCommSearch(c.mode, {"/dev/a"}, "caption"));
        ASSERT_TRUE(rig.Finish());
        EXPECT_TRUE(lostAfter);
        EXPECT_EQ(lostInSearch, c.lostDuringSearch);
        EXPECT_EQ(rig.questions.retryAsked, 0);
        ASSERT_FALSE(rig.messages.posted.empty());
        EXPECT_EQ(rig.messages.Keys().back(), c.last);
    }
}

// A port lost during the search passes its setting over: the search goes on
// in its order; a device that then cannot be opened is skipped.
TEST(SearchPortLost, TheSearchGoesOnWithTheNextSetting) {
    using Trial = std::tuple<std::string, int, int>;
    struct Case {
        const char* name;
        bool reopens;  // the lost device opens again
        std::vector<Trial> firstTrials;
    } cases[] = {
        {"DeviceBack", true, {{"/dev/a", 0, 1}, {"/dev/a", 1, 1}, {"/dev/a", 2, 1}}},
        {"DeviceGone", false, {{"/dev/a", 0, 1}, {"/dev/a", 1, 1}, {"/dev/b", 0, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::EngineRig rig;
        test::TempFolder folder;
        rig.d.AppFolder = folder / "app";
        rig.d.UserConfigDir = folder / "user";
        rig.port.answeringSettings = {{"/dev/b", {0, 1}}};
        ASSERT_TRUE(rig.engine.StartCommSearch(CommModeRead, {"/dev/a", "/dev/b"}, "caption"));
        rig.loop.RunFor(100);  // the first PROGRAM on /dev/a is out
        if (!c.reopens) rig.port.failOpens = 1;
        rig.engine.OnPortLost();
        ASSERT_TRUE(rig.Finish());
        std::vector<Trial> tried;
        for (const auto& s : rig.port.openedWith) tried.emplace_back(s.Device, s.Handshaking, s.StopBits);
        ASSERT_GE(tried.size(), 3u);
        EXPECT_EQ(std::vector<Trial>(tried.begin(), tried.begin() + 3), c.firstTrials);
        EXPECT_EQ(rig.d.ComDevice, "/dev/b");
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
    }
}

// A factory write handed back by the search follows the rule of a write
// started directly: with test data it enters with the entry word and writes
// it; without, it runs without its factory part and says so.
TEST(SearchHandBack, FactoryWriteDecidesItsTestDataPartAsAWriteStart) {
    const Bytes entry = BuildFactoryModeEntry();
    struct Case {
        const char* name;
        AppData::TestDataSource origin;
        int entries;
        const char* addedLine;
    } cases[] = {
        {"NoTestData", AppData::TestDataSource::None, 0,
         "The test data was not written: none had been loaded, read from a radio or entered."},
        {"TestDataEntered", AppData::TestDataSource::Entry, 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::EngineRig rig;
        test::TempFolder folder;
        rig.d.AppFolder = folder / "app";
        rig.d.UserConfigDir = folder / "user";
        rig.d.FactoryTestMode = true;
        rig.d.TestDataOrigin = c.origin;
        for (int i = 0; i < 32; ++i) rig.d.TestDataBuf[i] = static_cast<Byte>(0x60 + i);
        rig.radio.FillPattern(21);
        const auto before = rig.radio.Memory;
        rig.port.answeringSettings = {{"/dev/a", {1, 1}}};
        ASSERT_TRUE(rig.engine.StartCommSearch(CommModeWrite, {"/dev/a"}, "caption"));
        ASSERT_TRUE(rig.Finish());
        EXPECT_EQ(rig.port.CountSent(entry), c.entries);
        EXPECT_EQ(rig.messages.posted, std::vector<CommMessage>{(CommMessage{CommMsg::WriteOK, c.addedLine})});
        for (int i = 0; i < 32; ++i) {
            const bool users = c.entries > 0 && i >= 2 && i <= 16;
            EXPECT_EQ(rig.radio.Memory[i], users ? 0x60 + i : before[i]) << i;
        }
        EXPECT_TRUE(rig.radio.Violations().empty());
    }
}

}  // namespace
}  // namespace rp

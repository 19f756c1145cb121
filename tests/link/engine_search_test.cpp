// The dormant port search and the link test on a fake clock against the
// simulated radio.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/tempfolder.h"
#include "link/engine.h"
#include "link/protocol.h"
#include "link/search.h"
#include "linkfakes.h"

namespace rp {
namespace {

using test::EngineRig;

const Bytes kProgramBytes = BuildProgramCommand();

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

// The port search handing its transfer back, on the fake clock.
#include "link/search.h"

#include <gtest/gtest.h>

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
        const char* lastText;
    } cases[] = {
        // Found on its third identity request: the transfer's own identity
        // request is lost once.
        {"SearchedRadio", "KEVRA8R", CommModeRead, &kIdentBytes, 2, "T2004"},
        // Another model, remembered; after eight silent settings the search
        // sends PROGRAM there, and that one is lost.
        {"RememberedRadio", "7425US", CommModeRead, &kProgramBytes, 0, "T2006"},
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
            if (rig.engine.CommMode == CommModeSearch) {
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
        ASSERT_FALSE(rig.messages.texts.empty());
        EXPECT_EQ(rig.messages.texts.back(), c.lastText);
    }
}

}  // namespace
}  // namespace rp

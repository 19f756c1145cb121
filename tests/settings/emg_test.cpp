// The embedded-information view: the band list item of a band code, the
// model box, and a view that writes nothing.
#include <gtest/gtest.h>

#include "settings/frmemg.h"
#include "settings/formfixture.h"
#include "settings/frmemgcontrols.h"

using namespace rp;

using EmgTest = rp::test::SettingsFormTest;

TEST_F(EmgTest, BandCodesZeroToSevenSelectTheirItemOthersNone) {
    FrmEMG f(d);
    f.Form_Load();
    ASSERT_EQ(f.C(emg::Band).items.size(), 8u);
    for (int code = -1; code <= 40; ++code) {
        d.EmgData.BandCode = static_cast<Integer>(code);
        f.ShowByData();
        const bool listed = code >= 0 && code <= 7;
        EXPECT_EQ(f.C(emg::Band).index, listed ? code : -1) << code;
        EXPECT_EQ(f.C(emg::Band).text, listed ? GetFreqRangeText(code) : "") << code;
    }
}

TEST_F(EmgTest, ModelBoxShowsTheEditedModelAndTheViewRefreshes) {
    FrmEMG f(d);
    f.Form_Load();
    EXPECT_EQ(f.C(emg::Model).items, std::vector<std::string>{"KEVRA-8R"});
    EXPECT_EQ(f.C(emg::Model).index, 0);
    d.CurModelShowName = "7425UV-B-USA";
    d.EmgData.SerialNo.Set("SN\xE9" "1");  // a byte above 0x7F shows as Latin-1
    d.EmgData.Version = "V2.10 ";           // the version as it stands
    f.ShowByData();
    EXPECT_EQ(f.C(emg::Model).text, "7425UV-B-USA");
    EXPECT_EQ(f.C(emg::SerialNumber).text, "SN\xC3\xA9" "1");
    EXPECT_EQ(f.C(emg::Version).text, "V2.10 ");
    EXPECT_FALSE(f.C(kHelpButton).visible);  // it has no action
    f.Click(kHelpButton);
    EXPECT_FALSE(f.unloadRequested);
    f.Click(kCloseButton);
    EXPECT_TRUE(f.unloadRequested);
}

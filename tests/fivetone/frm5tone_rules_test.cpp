// The five-tone dialog without a window: the information codes' rules and
// the standard pickers with the user tone set.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/fixedtext.h"
#include "fivetone/callbuilder.h"
#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "fivetone/frm5tonedefts.h"
#include "fivetone/frm5tonedeftscontrols.h"
#include "frm5tonefixture.h"

using namespace rp;
using namespace rp::fivetone;
using rp::test::FiveToneDialog;
using rp::test::SetCode;

// ---- information codes -----------------------------------------------------

TEST_F(FiveToneDialog, TypeRulesOnTheOptionListAndNameBox) {
    auto f = Load();
    auto pick = [&](int type) {
        f->C(InfoType).index = type;
        f->Click(InfoType);
    };
    f->C(InfoOption).index = 2;
    f->Click(InfoOption);
    pick(1);
    EXPECT_EQ(f->C(InfoOption).items.size(), 2u);
    EXPECT_EQ(f->C(InfoOption).index, 0);
    EXPECT_TRUE(f->C(InfoOption).enabled);
    for (int t : {3, 4, 5}) {
        pick(t);
        EXPECT_EQ(f->C(InfoOption).items.size(), 3u) << t;
        EXPECT_EQ(f->C(InfoOption).index, 2) << t;
        EXPECT_FALSE(f->C(InfoOption).enabled) << t;
        EXPECT_TRUE(f->C(InfoName).enabled) << t;
    }
    f->C(InfoName).text = "NAME";
    for (int t : {0, 6}) {
        pick(t);
        EXPECT_FALSE(f->C(InfoName).enabled) << t;
        EXPECT_EQ(f->C(InfoName).text, "") << t;
    }
    pick(7);
    EXPECT_TRUE(f->C(InfoOption).enabled);
    EXPECT_EQ(f->C(InfoOption).index, 0);  // kept from type 6
}

TEST_F(FiveToneDialog, SwitchingCodesKeepsWhatWasTyped) {
    auto f = Load();
    f->C(InfoNumber).index = 2;
    f->Click(InfoNumber);
    EXPECT_EQ(f->C(InfoFrame).text, "Info Code #3");
    f->C(InfoType).index = 7;
    f->Click(InfoType);
    f->C(InfoCodeBox).text = "12AB";
    f->C(InfoName).text = "CALL   ";
    f->C(InfoNumber).index = 4;
    f->Click(InfoNumber);
    EXPECT_EQ(f->CurInfoCodeID, 5);
    EXPECT_EQ(f->C(InfoCodeBox).text, "");
    f->C(InfoNumber).index = 2;
    f->Click(InfoNumber);
    EXPECT_EQ(f->C(InfoType).index, 7);
    EXPECT_EQ(f->C(InfoCodeBox).text, "12AB");
    EXPECT_EQ(f->C(InfoName).text, "CALL");
    EXPECT_EQ(Edit().InfoCodes[2].CodeLen, 4);
}

TEST_F(FiveToneDialog, InformationCodeCheckAtOk) {
    Live().OwnID.Set("12345");
    auto f = Load();
    auto setCode = [&](int n, int type, const char* code) {
        f->C(InfoNumber).index = n - 1;
        f->Click(InfoNumber);
        f->C(InfoType).index = type;
        f->Click(InfoType);
        f->C(InfoCodeBox).text = code;
    };
    setCode(2, 3, "888");
    setCode(5, 0, "888");
    setCode(8, 5, "999");
    f->Click(kOKButton);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Opt("60301")});
    EXPECT_FALSE(f->unloadRequested);
    setCode(5, 0, "777");
    f->Click(kOKButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_EQ(Live().InfoCodes[7].Type, 5);
}

// ---- standard pickers and the user tone set -------------------------------------

TEST_F(FiveToneDialog, PickingAStandardSetsItsToneTime) {
    auto f = Load();
    f->C(SystemStandard).index = 14;
    f->Click(SystemStandard);
    EXPECT_EQ(f->C(SystemToneTime).SelectedItem(), "33");
    EXPECT_EQ(f->C(ToneTable).text.substr(0, 5), "EIA\r\n");
    f->C(PttStandards[1]).index = 6;
    f->Click(PttStandards[1]);
    EXPECT_EQ(f->C(PttToneTimes[1]).SelectedItem(), "100");
    EXPECT_EQ(f->C(PttToneTimes[0]).SelectedItem(), "70");
    EXPECT_EQ(f->C(ToneTable).text.substr(0, 7), "CCIR1\r\n");
}

TEST_F(FiveToneDialog, UserTonesRedrawTheSystemStandardsTable) {
    Live().SysStandard = 15;  // no name: the table shows the user set
    Live().OwnID.Set("12345");
    auto f = Load();
    f->C(PttStandards[0]).index = 3;
    f->Click(PttStandards[0]);
    f->Click(UserTonesButton);
    ASSERT_EQ(opener.opened, 1);
    auto* tones = dynamic_cast<Frm5ToneDefTS*>(opener.dialog.get());
    ASSERT_NE(tones, nullptr);
    tones->C(fivetonedefts::ToneBoxes[0]).text = "300.25";
    tones->Click(kOKButton);
    EXPECT_TRUE(tones->unloadRequested);
    opener.closed();
    EXPECT_NE(f->C(ToneTable).text.find("0 300.2\r\n"), std::string::npos) << f->C(ToneTable).text;
    EXPECT_EQ(Edit().UserTones[0], 3002);
    EXPECT_EQ(Live().UserTones[0], 24000);  // until the dialog's OK
    f->Click(kOKButton);
    EXPECT_EQ(Live().UserTones[0], 3002);
}

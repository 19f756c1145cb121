// The MSK dialog and its rules, without widgets.
#include <gtest/gtest.h>

#include <memory>

#include "formdriver.h"
#include "signalling/frmmsk.h"
#include "signalling/frmmskcontrols.h"
#include "signalling/mskrules.h"
#include "signallingfixture.h"

using namespace rp;
using namespace rp::test;

namespace {

TEST(MskRules, FormatHexID4) {
    struct Case {
        const char *text, *id;
    };
    const Case cases[] = {{"", "0000"},   {"G1", "0000"},     {"7", "0007"},  {"A1", "00A1"},
                          {"a1", "00a1"}, {"1234", "1234"},   {"12345", "12345"},
                          {" 12", "0000"}, {"12 ", "0000"},   {"FFFF", "FFFF"}};
    for (const Case& c : cases) EXPECT_EQ(FormatHexID4(c.text), c.id) << c.text;
}

class MskForm : public SignallingTest {
protected:
    MSKDataRec& live() { return d.WorkData.MSKData; }
    std::unique_ptr<FrmMSK> Open() {
        auto f = std::make_unique<FrmMSK>(d);
        f->Form_Load();
        return f;
    }
    void UseGroup(int g, int callType, const char* name) {
        MSKGroupRec& r = live().Groups[static_cast<std::size_t>(g)];
        r.Valid = 1;
        r.CallType = static_cast<Integer>(callType);
        r.Name.Set(name);
    }
};

TEST_F(MskForm, ClampMSKFrequencyInTheBands) {
    struct Case {
        const char* text;
        int mhz;
    };
    const Case cases[] = {{"100", 136}, {"500", 480}, {"200", 174},  {"299", 174}, {"300", 400},
                          {"350", 400}, {"145", 145}, {"440", 440},  {"", 145},    {"abc", 145},
                          {"-5", 136},  {"174.5", 174}, {"135.5", 136}, {"99999999999", 480},
                          {" 146 ", 146}};
    for (const Case& c : cases) EXPECT_EQ(ClampMSKFrequency(d, c.text), c.mhz) << c.text;
}

TEST_F(MskForm, OfferedOnlyForOneModel) {
    EXPECT_TRUE(MSKDialogOffered(d));
    for (const char* model : {"KEVRA8R", "7425US", "7425USC", ""}) {
        d.CurModel = model;
        EXPECT_FALSE(MSKDialogOffered(d)) << model;
    }
}

TEST_F(MskForm, StateAfterLoad) {
    auto f = Open();
    const FormState& s = f->State();
    EXPECT_EQ(s.caption, "MSK");
    EXPECT_EQ(s[msk::Tabs].tabs[0].caption, "Groups");
    EXPECT_EQ(s[msk::Tabs].tabs[1].caption, "Basic Settings");
    EXPECT_EQ(s[msk::GroupListCaption].text, "Group");
    EXPECT_EQ(s[msk::GroupNameCaption].text, "Name");
    EXPECT_EQ(s[msk::FrequencyCaption].text, "Frequency (MHz)");
    EXPECT_EQ(s[msk::ResetTimeCaption].text, "Auto Reset Time (s)");
    EXPECT_EQ(s[msk::SideTone].text, "Side Tone");
    EXPECT_EQ(s[kCancelButton].text, "Cancel");
    EXPECT_EQ(s[msk::GroupFrame].text, "Group 0");
    EXPECT_EQ(s[msk::GroupList].items.size(), 32u);
    EXPECT_EQ(s[msk::GroupList].index, 0);
    EXPECT_EQ(s[msk::CallType].items[3], "Message Call");
    EXPECT_EQ(s[msk::PreSendDelay].items.size(), 250u);
    EXPECT_EQ(s[msk::PreSendDelay].items.front(), "0.01");
    EXPECT_EQ(s[msk::PreSendDelay].text, "0.40");
    EXPECT_EQ(s[msk::PttId].items, (std::vector<std::string>{"Off", "BOT", "EOT", "Both"}));
    EXPECT_EQ(s[msk::DecodeResponse].items[2], "Alert & Transpond");
    EXPECT_EQ(s[msk::ResetTime].items.size(), 241u);
    EXPECT_EQ(s[msk::ResetTime].text, "2.0");
    EXPECT_EQ(s[msk::OwnId].text, "0000");
    EXPECT_EQ(s[msk::Frequency].text, "145");
    EXPECT_EQ(s[msk::GroupName].text, "");
    // An invalid group: every box of the frame disabled.
    EXPECT_EQ(s[msk::GroupValid].value, 0);
    for (const char* c : {msk::CallType, msk::IndividualId, msk::GroupId, msk::InfoCode, msk::GroupName})
        EXPECT_FALSE(s[c].enabled) << c;
    EXPECT_EQ(s[msk::InfoCode].max, 18);
    EXPECT_EQ(s[msk::Frequency].max, 3);
}

TEST_F(MskForm, StoredValuesWithoutItemsAndOK) {
    live().Head.PreSendDelay = 0;
    live().Head.ResetTime = 5;
    live().Head.PttID = 9;
    live().Head.SideTone = 3;
    UseGroup(0, 5, "SEVEN77");
    live().Groups[0].InfoCode.Set("123456789012345678");
    auto f = Open();
    EXPECT_EQ(f->C(msk::PreSendDelay).text, "0.01");
    EXPECT_EQ(f->C(msk::ResetTime).text, "1.0");
    EXPECT_EQ(f->C(msk::PttId).index, 0);
    EXPECT_EQ(f->C(msk::SideTone).value, 1);
    EXPECT_EQ(f->C(msk::CallType).index, 0);
    EXPECT_EQ(f->C(msk::GroupName).text, "SEVEN77");  // longer than the box takes by typing
    Press(*f, kOKButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_EQ(live().Head.PreSendDelay, 1);
    EXPECT_EQ(live().Head.ResetTime, 10);
    EXPECT_EQ(live().Head.PttID, 0);
    EXPECT_EQ(live().Head.SideTone, 1);
    EXPECT_EQ(live().Groups[0].CallType, 0);
    EXPECT_EQ(live().Groups[0].Name.Raw(), std::string_view("SEVEN77\0", 8));
    EXPECT_EQ(live().Groups[0].InfoCode.Raw(), "123456789012345678");
    EXPECT_EQ(live().Head.Reserved, (std::array<Integer, 5>{}));
}

TEST_F(MskForm, SwitchingGroupsSavesTheGroupLeft) {
    UseGroup(5, 0, "FIVE");
    const auto before = Bytes(live());
    auto f = Open();
    f->C(msk::GroupValid).value = 1;
    f->Click(msk::GroupValid);
    Type(*f, msk::GroupName, "ZERO");
    Type(*f, msk::IndividualId, "7");
    Type(*f, msk::InfoCode, "info");
    Pick(*f, msk::GroupList, 5);
    EXPECT_EQ(f->CurMSKGroup, 5);
    EXPECT_EQ(f->C(msk::GroupFrame).text, "Group 5");
    EXPECT_EQ(f->C(msk::GroupName).text, "FIVE");
    const MSKGroupRec& g0 = d.MSKDataEdit.Groups[0];
    EXPECT_EQ(g0.Valid, 1);
    EXPECT_EQ(g0.IndID.Raw(), "0007");
    EXPECT_EQ(g0.Name.Raw(), std::string_view("ZERO\0   ", 8));
    EXPECT_EQ(g0.InfoCode.Raw().substr(0, 6), std::string_view("info\0 ", 6));
    // Picking the group already shown does nothing.
    Type(*f, msk::GroupName, "EDITED");
    Pick(*f, msk::GroupList, 5);
    EXPECT_EQ(f->C(msk::GroupName).text, "EDITED");
    Press(*f, kCancelButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_EQ(Bytes(live()), before);
}

TEST_F(MskForm, EnablingByValidAndCallType) {
    UseGroup(1, 1, "ONE");
    live().Groups[1].Valid = 0;
    UseGroup(2, 2, "TWO");
    UseGroup(3, 3, "THREE");
    UseGroup(4, 0, "FOUR");
    auto f = Open();
    auto on = [&](const char* c) { return f->C(c).enabled; };

    Pick(*f, msk::GroupList, 1);
    EXPECT_FALSE(on(msk::IndividualId) || on(msk::GroupId) || on(msk::CallType));
    f->C(msk::GroupValid).value = 1;
    f->Click(msk::GroupValid);
    EXPECT_TRUE(on(msk::CallType) && on(msk::GroupId) && on(msk::InfoCode) && on(msk::GroupName));
    EXPECT_FALSE(on(msk::IndividualId));

    Pick(*f, msk::GroupList, 2);  // call type 2: both ID boxes disabled
    EXPECT_FALSE(on(msk::IndividualId) || on(msk::GroupId));
    EXPECT_TRUE(on(msk::InfoCode));
    Pick(*f, msk::GroupList, 3);  // call type 3 keeps what type 2 left
    EXPECT_FALSE(on(msk::IndividualId) || on(msk::GroupId));
    Pick(*f, msk::GroupList, 4);
    EXPECT_TRUE(on(msk::IndividualId) && on(msk::GroupId));
    Pick(*f, msk::CallType, 3);  // and what type 0 left
    EXPECT_TRUE(on(msk::IndividualId) && on(msk::GroupId));
    Pick(*f, msk::CallType, 1);
    EXPECT_FALSE(on(msk::IndividualId));
    EXPECT_TRUE(on(msk::GroupId));
}

TEST_F(MskForm, BoxesOnLeaving) {
    auto f = Open();
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case freq[] = {{"100", "136"}, {"300", "400"}, {"", "145"}, {"44a0", "440"}};
    for (const Case& c : freq) {
        Type(*f, msk::Frequency, c.typed);
        Focus(*f, msk::PreSendDelay);
        EXPECT_EQ(f->C(msk::Frequency).text, c.shown) << c.typed;
    }
    const Case ids[] = {{"7", "0007"}, {"a1", "00A1"}, {"", "0000"}, {"G1", "0001"}};
    for (const char* box : {msk::OwnId, msk::OwnGroupId}) {
        for (const Case& c : ids) {
            Type(*f, box, c.typed);
            Focus(*f, msk::PreSendDelay);
            EXPECT_EQ(f->C(box).text, c.shown) << box << " " << c.typed;
        }
    }
    int key = 13;
    f->KeyPress(msk::InfoCode, key);
    EXPECT_EQ(key, 13);  // Enter moves on from a box
    f->KeyPress(msk::PttId, key);
    EXPECT_EQ(key, 0);   // and does nothing in a list
    // Info code and name are left as typed.
    Type(*f, msk::GroupName, "  ab ");
    Focus(*f, msk::PreSendDelay);
    EXPECT_EQ(f->C(msk::GroupName).text, "  ab ");
}

TEST_F(MskForm, OKCommitsAndRepointsTheChannelsGroups) {
    UseGroup(3, 0, "THREE");
    UseGroup(7, 0, "SEVEN");
    d.WorkData.GMRSFreData[0].OptSig = SigMSK;
    d.WorkData.GMRSFreData[0].MSKGroup = 7;
    auto f = Open();
    Type(*f, msk::OwnId, "1A");
    Type(*f, msk::Frequency, "500");
    Pick(*f, msk::GroupList, 7);
    f->C(msk::GroupValid).value = 0;
    f->Click(msk::GroupValid);
    Press(*f, kOKButton);
    EXPECT_EQ(live().Groups[7].Valid, 0);
    EXPECT_EQ(live().Head.OwnID.Raw(), "001A");
    EXPECT_EQ(live().Head.Frequency, 480);
    EXPECT_EQ(d.WorkData.GMRSFreData[0].MSKGroup, 3);
    EXPECT_EQ(view.calls, std::vector<std::string>{"ReShowListByData"});
}

TEST_F(MskForm, AHiddenLoadChangesNothingLive) {
    UseGroup(0, 7, "ABCDEFGH");
    live().Head.Frequency = 999;
    live().Head.Reserved = {1, 2, 3, 4, 5};
    const auto before = Bytes(live());
    FrmMSK hidden(d);
    hidden.Form_Load();
    EXPECT_EQ(hidden.C(msk::Frequency).text, "999");
    EXPECT_EQ(hidden.C(msk::GroupName).text, "ABCDEFGH");
    EXPECT_EQ(Bytes(live()), before);
    EXPECT_TRUE(view.calls.empty());
}

}  // namespace

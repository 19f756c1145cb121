// The emergency-alarm dialog: lists, enabling rules, the group list, and
// what OK and Cancel leave in AlarmData.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "settings/frmalert.h"
#include "settings/formfixture.h"

using namespace rp;

namespace {

using Bytes = std::array<int, 12>;

AlarmDataRec Rec(const Bytes& b) {
    AlarmDataRec r;
    Byte* f[] = {&r.AlarmType, &r.IDCodeType, &r.IDCodeGroup, &r.AlarmTime, &r.TxTime, &r.RxTime,
                 &r.ChannelSelect, &r.EmgChannel, &r.Cycles, &r.AutoDetect, &r.PreAlertTime,
                 &r.LoneWorkerTime};
    for (int i = 0; i < 12; ++i) *f[i] = static_cast<Byte>(b[static_cast<std::size_t>(i)]);
    return r;
}

class AlertTest : public rp::test::SettingsFormTest {
protected:
    void SetUp() override {
        SettingsFormTest::SetUp();
        SetChannels({1, 2, 201, 202});
    }
    void UseDtmfCodes(std::initializer_list<int> memNumbers) {
        for (int m : memNumbers) d.DTMFData().MemCodes[static_cast<std::size_t>(m - 1)].CodeLen = 3;
    }
    void UseFiveToneCodes(std::initializer_list<int> entries) {
        for (auto& c : d.Tone5Data().Codes) c.Empty = 1;
        for (int e : entries) d.Tone5Data().Codes[static_cast<std::size_t>(e)].Empty = 0;
    }
    // Picks entry i of a list as the user does.
    static void Pick(FrmAlert& f, const std::string& list, int i) {
        SetListIndex(f.C(list), i);
        f.Click(list);
    }
};

struct NormCase {
    const char* name;
    Bytes stored, afterOk;
};

}  // namespace

TEST_F(AlertTest, OkStoresWhatTheControlsShow) {
    UseDtmfCodes({2, 5});
    UseFiveToneCodes({3, 7});
    const NormCase cases[] = {
        {"valid record kept", {1, 1, 4, 10, 20, 30, 1, 1, 7, 1, 254, 255}, {1, 1, 4, 10, 20, 30, 1, 1, 7, 1, 254, 255}},
        {"alarm type 5 -> 0", {5, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}, {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"times of 0 -> 1", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5}, {1, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"auto detect 2 -> 0", {0, 0, 0, 1, 1, 1, 0, 0, 0, 2, 1, 5}, {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"pre-alert 0 -> 1", {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 5}, {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"pre-alert 255 -> 1", {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 255, 5}, {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"lone-worker 3 -> 5", {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 3}, {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"ID type 3 -> none, group 0", {1, 3, 9, 1, 1, 1, 0, 0, 0, 0, 1, 5}, {1, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"ID type none stores group 0", {1, 0, 4, 1, 1, 1, 0, 0, 0, 0, 1, 5}, {1, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"missing DTMF code -> first offered", {1, 1, 9, 1, 1, 1, 0, 0, 0, 0, 1, 5}, {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"five-tone entry kept", {1, 2, 7, 1, 1, 1, 0, 0, 0, 0, 1, 5}, {1, 2, 7, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"missing five-tone entry -> first offered", {1, 2, 50, 1, 1, 1, 0, 0, 0, 0, 1, 5}, {1, 2, 3, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"channel select 2 -> 0", {0, 0, 0, 1, 1, 1, 2, 0, 0, 0, 1, 5}, {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"lost channel -> lowest", {0, 0, 0, 1, 1, 1, 0, 99, 0, 0, 1, 5}, {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}},
        {"cycles 255 kept", {0, 0, 0, 1, 1, 1, 0, 0, 255, 0, 1, 5}, {0, 0, 0, 1, 1, 1, 0, 0, 255, 0, 1, 5}},
    };
    for (const NormCase& c : cases) {
        d.AlarmData() = Rec(c.stored);
        FrmAlert f(d);
        f.Form_Load();
        f.Click("CommandOK");
        EXPECT_EQ(d.AlarmData(), Rec(c.afterOk)) << c.name;
        EXPECT_TRUE(f.unloadRequested) << c.name;
    }
}

TEST_F(AlertTest, CancelAndTheLoadLeaveAlarmDataByteIdentical) {
    const AlarmDataRec odd = Rec({9, 7, 200, 0, 0, 0, 5, 250, 3, 9, 0, 2});
    d.AlarmData() = odd;
    FrmAlert f(d);
    f.Form_Load();
    EXPECT_EQ(d.AlarmData(), odd);
    Pick(f, "Combo1_0", 2);
    Pick(f, "Combo1_6", 1);
    f.Click("CommandCancel");
    EXPECT_TRUE(f.unloadRequested);
    EXPECT_EQ(d.AlarmData(), odd);
}

TEST_F(AlertTest, AlarmTypeEntryZeroEnablesOnlyTheAlarmTime) {
    d.AlarmData() = Rec({0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5});
    FrmAlert f(d);
    f.Form_Load();
    for (int type = 0; type <= 3; ++type) {
        Pick(f, "Combo1_0", type);
        const bool local = type == 0;
        EXPECT_EQ(f.C("Combo1_3").enabled, local) << type;
        for (const char* name : {"Combo1_1", "Combo1_2", "Combo1_4", "Combo1_5"})
            EXPECT_EQ(f.C(name).enabled, !local) << type << " " << name;
    }
    // The show runs the rule too.
    d.AlarmData().AlarmType = 2;
    FrmAlert g(d);
    g.Form_Load();
    EXPECT_FALSE(g.C("Combo1_3").enabled);
    EXPECT_TRUE(g.C("Combo1_4").enabled);
}

TEST_F(AlertTest, ChannelSelectAndAutoDetectRules) {
    d.AlarmData() = Rec({0, 0, 0, 1, 1, 1, 1, 0, 0, 1, 1, 5});
    FrmAlert f(d);
    f.Form_Load();
    EXPECT_FALSE(f.C("Combo1_7").enabled);
    EXPECT_FALSE(f.C("Combo1_8").enabled);
    EXPECT_TRUE(f.C("Combo2_0").enabled);
    Pick(f, "Combo1_6", 0);
    EXPECT_TRUE(f.C("Combo1_7").enabled);
    EXPECT_TRUE(f.C("Combo1_8").enabled);
    f.C("Check1").value = 0;
    f.Click("Check1");
    EXPECT_FALSE(f.C("Combo2_0").enabled);
    EXPECT_FALSE(f.C("Combo2_1").enabled);
    f.Click("CommandOK");
    EXPECT_EQ(d.AlarmData().AutoDetect, 0);
    EXPECT_EQ(d.AlarmData().ChannelSelect, 0);
}

TEST_F(AlertTest, SwitchingTheIdCodeTypeReselectsTheLoadedGroup) {
    UseDtmfCodes({2, 5, 9});
    UseFiveToneCodes({3, 4, 7});
    d.AlarmData() = Rec({1, 1, 3, 1, 1, 1, 0, 0, 0, 0, 1, 5});  // "M4" has no code
    d.DTMFData().MemCodes[3].CodeLen = 1;                       // now it has
    FrmAlert f(d);
    f.Form_Load();
    EXPECT_EQ(f.C("Combo1_2").items, (std::vector<std::string>{"M2", "M4", "M5", "M9"}));
    EXPECT_EQ(f.C("Combo1_2").text, "M4");
    Pick(f, "Combo1_2", 3);  // the user picks M9 ...
    Pick(f, "Combo1_1", 2);  // ... switches to five-tone: byte 2 = 3 is entry "3"
    EXPECT_EQ(f.C("Combo1_2").items, (std::vector<std::string>{"3", "4", "7"}));
    EXPECT_EQ(f.C("Combo1_2").text, "3");
    Pick(f, "Combo1_2", 2);
    Pick(f, "Combo1_1", 1);  // ... and back: the loaded group again, not M9
    EXPECT_EQ(f.C("Combo1_2").text, "M4");
    Pick(f, "Combo1_1", 0);
    EXPECT_TRUE(f.C("Combo1_2").items.empty());
    EXPECT_EQ(f.C("Combo1_2").index, -1);
    f.Click("CommandOK");
    EXPECT_EQ(d.AlarmData().IDCodeType, 0);
    EXPECT_EQ(d.AlarmData().IDCodeGroup, 0);
}

TEST_F(AlertTest, GroupListWithoutCodes) {
    struct Case {
        const char* name;
        int type;
        std::vector<std::string> items;
        std::string shown;
    };
    const Case cases[] = {
        {"no DTMF code: empty list", 1, {}, ""},
        {"no five-tone entry: the single entry 0", 2, {"0"}, "0"},
    };
    for (const Case& c : cases) {
        UseFiveToneCodes({});
        d.AlarmData() = Rec({1, c.type, 6, 1, 1, 1, 0, 0, 0, 0, 1, 5});
        FrmAlert f(d);
        f.Form_Load();
        EXPECT_EQ(f.C("Combo1_2").items, c.items) << c.name;
        EXPECT_EQ(f.C("Combo1_2").text, c.shown) << c.name;
        f.Click("CommandOK");
        EXPECT_EQ(d.AlarmData().IDCodeType, c.type) << c.name;
        EXPECT_EQ(d.AlarmData().IDCodeGroup, 0) << c.name;
    }
}

TEST_F(AlertTest, EmergencyChannelListShowsMemoryChannelsAsNumberMinusOne) {
    SetChannels({5, 201, 1, 12, 5, 206});
    d.AlarmData() = Rec({0, 0, 0, 1, 1, 1, 0, 4, 0, 0, 1, 5});
    FrmAlert f(d);
    f.Form_Load();
    EXPECT_EQ(f.C("Combo1_8").items, (std::vector<std::string>{"0", "4", "11"}));
    EXPECT_EQ(f.C("Combo1_8").text, "4");
    Pick(f, "Combo1_8", 2);
    f.Click("CommandOK");
    EXPECT_EQ(d.AlarmData().EmgChannel, 11);

    SetChannels({});
    FrmAlert g(d);
    g.Form_Load();
    EXPECT_TRUE(g.C("Combo1_8").items.empty());
    EXPECT_EQ(g.C("Combo1_8").text, "");
    g.Click("CommandOK");
    EXPECT_EQ(d.AlarmData().EmgChannel, 1);
}

TEST_F(AlertTest, ListsHoldTheirEntries) {
    FrmAlert f(d);
    f.Form_Load();
    EXPECT_EQ(f.C("Combo1_0").items,
              (std::vector<std::string>{"Local Alarm", "Remote Alarm", "Remote Alarm and Voice", "Silent Alarm"}));
    EXPECT_EQ(f.C("Combo1_1").items, (std::vector<std::string>{"None", "DTMF", "5Tone"}));
    for (const char* name : {"Combo1_3", "Combo1_4", "Combo1_5"}) {
        ASSERT_EQ(f.C(name).items.size(), 255u) << name;
        EXPECT_EQ(f.C(name).items.front(), "1");
        EXPECT_EQ(f.C(name).items.back(), "255");
    }
    EXPECT_EQ(f.C("Combo1_6").items, (std::vector<std::string>{"Assigned Channel", "Current Channel"}));
    EXPECT_TRUE(f.C("Combo1_7").items.empty());
    ASSERT_EQ(f.C("Combo1_9").items.size(), 256u);
    EXPECT_EQ(f.C("Combo1_9").items[0], "Continuous");
    EXPECT_EQ(f.C("Combo1_9").items[7], "7");
    ASSERT_EQ(f.C("Combo2_0").items.size(), 254u);
    EXPECT_EQ(f.C("Combo2_0").items.back(), "254");
    ASSERT_EQ(f.C("Combo2_1").items.size(), 251u);
    EXPECT_EQ(f.C("Combo2_1").items.front(), "5");
    Pick(f, "Combo1_9", 7);
    f.Click("CommandOK");
    EXPECT_EQ(d.AlarmData().Cycles, 7);
}

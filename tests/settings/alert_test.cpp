// The emergency-alarm dialog: lists, enabling rules, the group list, and
// what OK and Cancel leave in AlarmData.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "settings/frmalert.h"
#include "settings/formfixture.h"
#include "settings/frmalertcontrols.h"

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
        f.Click(kOKButton);
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
    Pick(f, alert::AlarmType, 2);
    Pick(f, alert::ChannelSelect, 1);
    f.Click(kCancelButton);
    EXPECT_TRUE(f.unloadRequested);
    EXPECT_EQ(d.AlarmData(), odd);
}

TEST_F(AlertTest, AlarmTypeEntryZeroEnablesOnlyTheAlarmTime) {
    d.AlarmData() = Rec({0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5});
    FrmAlert f(d);
    f.Form_Load();
    for (int type = 0; type <= 3; ++type) {
        Pick(f, alert::AlarmType, type);
        const bool local = type == 0;
        EXPECT_EQ(f.C(alert::AlarmTime).enabled, local) << type;
        for (const char* name : {alert::IdCodeType, alert::IdCode, alert::TxTime, alert::RxTime})
            EXPECT_EQ(f.C(name).enabled, !local) << type << " " << name;
    }
    // The show runs the rule too.
    d.AlarmData().AlarmType = 2;
    FrmAlert g(d);
    g.Form_Load();
    EXPECT_FALSE(g.C(alert::AlarmTime).enabled);
    EXPECT_TRUE(g.C(alert::TxTime).enabled);
}

TEST_F(AlertTest, ChannelSelectAndAutoDetectRules) {
    d.AlarmData() = Rec({0, 0, 0, 1, 1, 1, 1, 0, 0, 1, 1, 5});
    FrmAlert f(d);
    f.Form_Load();
    EXPECT_FALSE(f.C(alert::EmergencyGroup).enabled);
    EXPECT_FALSE(f.C(alert::EmergencyChannel).enabled);
    EXPECT_TRUE(f.C(alert::PreAlertTime).enabled);
    Pick(f, alert::ChannelSelect, 0);
    EXPECT_TRUE(f.C(alert::EmergencyGroup).enabled);
    EXPECT_TRUE(f.C(alert::EmergencyChannel).enabled);
    f.C(alert::AutoDetect).value = 0;
    f.Click(alert::AutoDetect);
    EXPECT_FALSE(f.C(alert::PreAlertTime).enabled);
    EXPECT_FALSE(f.C(alert::LoneWorkerTime).enabled);
    f.Click(kOKButton);
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
    EXPECT_EQ(f.C(alert::IdCode).items, (std::vector<std::string>{"M2", "M4", "M5", "M9"}));
    EXPECT_EQ(f.C(alert::IdCode).text, "M4");
    Pick(f, alert::IdCode, 3);  // the user picks M9 ...
    Pick(f, alert::IdCodeType, 2);  // ... switches to five-tone: byte 2 = 3 is entry "3"
    EXPECT_EQ(f.C(alert::IdCode).items, (std::vector<std::string>{"3", "4", "7"}));
    EXPECT_EQ(f.C(alert::IdCode).text, "3");
    Pick(f, alert::IdCode, 2);
    Pick(f, alert::IdCodeType, 1);  // ... and back: the loaded group again, not M9
    EXPECT_EQ(f.C(alert::IdCode).text, "M4");
    Pick(f, alert::IdCodeType, 0);
    EXPECT_TRUE(f.C(alert::IdCode).items.empty());
    EXPECT_EQ(f.C(alert::IdCode).index, -1);
    f.Click(kOKButton);
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
        EXPECT_EQ(f.C(alert::IdCode).items, c.items) << c.name;
        EXPECT_EQ(f.C(alert::IdCode).text, c.shown) << c.name;
        f.Click(kOKButton);
        EXPECT_EQ(d.AlarmData().IDCodeType, c.type) << c.name;
        EXPECT_EQ(d.AlarmData().IDCodeGroup, 0) << c.name;
    }
}

TEST_F(AlertTest, EmergencyChannelListShowsMemoryChannelsAsNumberMinusOne) {
    SetChannels({5, 201, 1, 12, 5, 206});
    d.AlarmData() = Rec({0, 0, 0, 1, 1, 1, 0, 4, 0, 0, 1, 5});
    FrmAlert f(d);
    f.Form_Load();
    EXPECT_EQ(f.C(alert::EmergencyChannel).items, (std::vector<std::string>{"0", "4", "11"}));
    EXPECT_EQ(f.C(alert::EmergencyChannel).text, "4");
    Pick(f, alert::EmergencyChannel, 2);
    f.Click(kOKButton);
    EXPECT_EQ(d.AlarmData().EmgChannel, 11);

    SetChannels({});
    FrmAlert g(d);
    g.Form_Load();
    EXPECT_TRUE(g.C(alert::EmergencyChannel).items.empty());
    EXPECT_EQ(g.C(alert::EmergencyChannel).text, "");
    g.Click(kOKButton);
    EXPECT_EQ(d.AlarmData().EmgChannel, 1);
}

TEST_F(AlertTest, ListsHoldTheirEntries) {
    FrmAlert f(d);
    f.Form_Load();
    EXPECT_EQ(f.C(alert::AlarmType).items,
              (std::vector<std::string>{"Local Alarm", "Remote Alarm", "Remote Alarm and Voice", "Silent Alarm"}));
    EXPECT_EQ(f.C(alert::IdCodeType).items, (std::vector<std::string>{"None", "DTMF", "5Tone"}));
    for (const char* name : {alert::AlarmTime, alert::TxTime, alert::RxTime}) {
        ASSERT_EQ(f.C(name).items.size(), 255u) << name;
        EXPECT_EQ(f.C(name).items.front(), "1");
        EXPECT_EQ(f.C(name).items.back(), "255");
    }
    EXPECT_EQ(f.C(alert::ChannelSelect).items, (std::vector<std::string>{"Assigned Channel", "Current Channel"}));
    EXPECT_TRUE(f.C(alert::EmergencyGroup).items.empty());
    ASSERT_EQ(f.C(alert::Cycles).items.size(), 256u);
    EXPECT_EQ(f.C(alert::Cycles).items[0], "Continuous");
    EXPECT_EQ(f.C(alert::Cycles).items[7], "7");
    ASSERT_EQ(f.C(alert::PreAlertTime).items.size(), 254u);
    EXPECT_EQ(f.C(alert::PreAlertTime).items.back(), "254");
    ASSERT_EQ(f.C(alert::LoneWorkerTime).items.size(), 251u);
    EXPECT_EQ(f.C(alert::LoneWorkerTime).items.front(), "5");
    Pick(f, alert::Cycles, 7);
    f.Click(kOKButton);
    EXPECT_EQ(d.AlarmData().Cycles, 7);
}

// The scan-settings dialog: the revert list and its master indexes, the
// enabling rules, the priority-channel lists, and what OK and Cancel leave
// in ScanData.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <vector>

#include "settings/formfixture.h"
#include "settings/frmscan.h"
#include "settings/frmscancontrols.h"

using namespace rp;

namespace {

using Bytes = std::array<int, 14>;

ScanDataRec Rec(const Bytes& b) {
    ScanDataRec r;
    Byte* f[] = {&r.ScanMode,   &r.Priority,  &r.Revert,   &r.LookBackA,   &r.LookBackB,
                 &r.RxResume,   &r.TxResume,  &r.ScanType, &r.PromptTone,  &r.WaitTime,
                 &r.Reserved10, &r.PriorityCh1, &r.Reserved12, &r.PriorityCh2};
    for (int i = 0; i < 14; ++i) *f[i] = static_cast<Byte>(b[static_cast<std::size_t>(i)]);
    return r;
}

class ScanTest : public rp::test::SettingsFormTest {
protected:
    void SetUp() override {
        SettingsFormTest::SetUp();
        SetChannels({5, 1, 12, 203});
    }
    static void Pick(FrmScan& f, const std::string& list, int i) {
        SetListIndex(f.C(list), i);
        f.Click(list);
    }
};

}  // namespace

TEST_F(ScanTest, RevertListFollowsThePriority) {
    struct Case {
        int priority;
        std::vector<int> master;
    };
    const Case cases[] = {
        {0, {0, 1, 4, 5}}, {1, {0, 1, 2, 4, 5, 6}}, {2, {0, 1, 3, 4, 5, 7}}, {3, {0, 1, 2, 3, 4, 5, 6, 7}}};
    d.ScanData() = Rec({1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0});
    FrmScan f(d);
    f.Form_Load();
    EXPECT_EQ(f.C(scan::RevertMasters).items,
              (std::vector<std::string>{"Selected", "Selected + Talkback", "Priority1", "Priority2",
                                        "Last Called", "Last Used", "Priority1 + Talkback",
                                        "Priority2 + Talkback"}));
    for (const Case& c : cases) {
        Pick(f, scan::Priority, c.priority);
        EXPECT_EQ(f.RevertMaster(), c.master) << c.priority;
        std::vector<std::string> texts;
        for (int m : c.master) texts.push_back(f.C(scan::RevertMasters).items[static_cast<std::size_t>(m)]);
        EXPECT_EQ(f.C(scan::Revert).items, texts) << c.priority;
    }
}

TEST_F(ScanTest, PriorityChangeKeepsAnOfferedRevertEntryElseTheFirst) {
    d.ScanData() = Rec({1, 1, 6, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0});
    FrmScan f(d);
    f.Form_Load();
    EXPECT_EQ(f.C(scan::Revert).index, 5);
    EXPECT_EQ(f.C(scan::Revert).text, "Priority1 + Talkback");
    EXPECT_EQ(f.ScanDataEdit.Revert, 6);
    Pick(f, scan::Priority, 2);
    EXPECT_EQ(f.C(scan::Revert).index, 0);
    EXPECT_EQ(f.ScanDataEdit.Revert, 0);
    Pick(f, scan::Priority, 1);
    EXPECT_EQ(f.ScanDataEdit.Revert, 0);
    Pick(f, scan::Priority, 3);
    Pick(f, scan::Revert, 7);
    EXPECT_EQ(f.ScanDataEdit.Revert, 7);
    Pick(f, scan::Priority, 2);  // master 7 is offered by priority 2 at position 5
    EXPECT_EQ(f.C(scan::Revert).index, 5);
    f.Click(kOKButton);
    EXPECT_EQ(d.ScanData().Priority, 2);
    EXPECT_EQ(d.ScanData().Revert, 7);
}

TEST_F(ScanTest, RevertComparesByMasterIndexEvenWithEqualTexts) {
    // Without a language file every text is empty: the text look-up would
    // find master entry 0 for any of them.
    std::filesystem::remove(tmp / "app/language/english.ini");
    d.LanguageCache.reset();
    d.ScanData() = Rec({1, 3, 5, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0});
    FrmScan f(d);
    f.Form_Load();
    EXPECT_EQ(f.C(scan::Revert).index, 5);
    f.Click(kOKButton);
    EXPECT_EQ(d.ScanData().Revert, 5);
    EXPECT_EQ(d.ScanData().Priority, 3);
}

TEST_F(ScanTest, ScanModeAndPriorityEnableTheLists) {
    d.ScanData() = Rec({0, 1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0});
    FrmScan f(d);
    f.Form_Load();
    for (const char* list : {scan::Priority, scan::PriorityChannel1, scan::PriorityChannel1Second, scan::PriorityChannel2,
                             scan::PriorityChannel2Second, scan::Revert, scan::LookBackA, scan::LookBackB, scan::RxResume,
                             scan::TxResume, scan::ScanType, scan::WaitTime})
        EXPECT_FALSE(f.C(list).enabled) << list;
    EXPECT_FALSE(f.C(scan::PromptTone).enabled);
    EXPECT_TRUE(f.C(scan::ScanMode).enabled);
    Pick(f, scan::ScanMode, 1);
    struct Case {
        int priority;
        bool ch1, ch2;
    };
    for (const Case& c : {Case{1, true, false}, Case{0, false, false}, Case{2, false, true}, Case{3, true, true}}) {
        Pick(f, scan::Priority, c.priority);
        EXPECT_EQ(f.C(scan::PriorityChannel1).enabled, c.ch1) << c.priority;
        EXPECT_EQ(f.C(scan::PriorityChannel1Second).enabled, c.ch1) << c.priority;
        EXPECT_EQ(f.C(scan::PriorityChannel2).enabled, c.ch2) << c.priority;
        EXPECT_EQ(f.C(scan::PriorityChannel2Second).enabled, c.ch2) << c.priority;
        EXPECT_TRUE(f.C(scan::LookBackA).enabled);
        EXPECT_TRUE(f.C(scan::PromptTone).enabled);
    }
}

TEST_F(ScanTest, PriorityChannelListsShowTheNumbersThemselves) {
    d.ScanData() = Rec({1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 4, 0, 11});
    FrmScan f(d);
    f.Form_Load();
    const std::vector<std::string> numbers{"1", "5", "12"};
    EXPECT_EQ(f.C(scan::PriorityChannel1).items, numbers);
    EXPECT_EQ(f.C(scan::PriorityChannel2).items, numbers);
    EXPECT_EQ(f.C(scan::PriorityChannel1).text, "5");
    EXPECT_EQ(f.C(scan::PriorityChannel2).text, "12");
    // Disabled by priority 0, still stored as shown.
    EXPECT_FALSE(f.C(scan::PriorityChannel1).enabled);
    Pick(f, scan::PriorityChannel1, 0);
    f.Click(kOKButton);
    EXPECT_EQ(d.ScanData().PriorityCh1, 0);
    EXPECT_EQ(d.ScanData().PriorityCh2, 11);

    SetChannels({});
    d.ScanData().PriorityCh1 = 7;
    FrmScan g(d);
    g.Form_Load();
    EXPECT_TRUE(g.C(scan::PriorityChannel1).items.empty());
    EXPECT_EQ(g.C(scan::PriorityChannel2).text, "");
    g.Click(kOKButton);
    EXPECT_EQ(d.ScanData().PriorityCh1, 0);
    EXPECT_EQ(d.ScanData().PriorityCh2, 0);
}

TEST_F(ScanTest, TimeListsShowTheirValues) {
    struct Case {
        const char* list;
        int byteIndex, value;
        const char* shown;
    };
    const Case cases[] = {
        {scan::LookBackA, 3, 0, "0.5"},   {scan::LookBackA, 3, 45, "5.0"}, {scan::LookBackB, 4, 46, "0.5"},
        {scan::RxResume, 5, 49, "5.0"},  {scan::TxResume, 6, 0, "0.1"}, {scan::WaitTime, 9, 2, "50"},
        {scan::WaitTime, 9, 255, "6375"}, {scan::WaitTime, 9, 0, "50"},
    };
    for (const Case& c : cases) {
        Bytes b{1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0};
        b[static_cast<std::size_t>(c.byteIndex)] = c.value;
        d.ScanData() = Rec(b);
        FrmScan f(d);
        f.Form_Load();
        EXPECT_EQ(f.C(c.list).text, c.shown) << c.list << " " << c.value;
    }
}

TEST_F(ScanTest, OkNormalisesAndCancelLeavesAllBytes) {
    struct Case {
        const char* name;
        Bytes stored, afterOk;
    };
    const Case cases[] = {
        {"priority 0, revert 2, prompt 3", {1, 0, 2, 1, 2, 3, 4, 1, 3, 10, 0, 0, 0, 0},
         {1, 0, 0, 1, 2, 3, 4, 1, 0, 10, 0, 0, 0, 0}},
        {"reserved bytes kept", {1, 3, 7, 45, 45, 49, 49, 3, 1, 255, 0xA5, 11, 0x5A, 4},
         {1, 3, 7, 45, 45, 49, 49, 3, 1, 255, 0xA5, 11, 0x5A, 4}},
        {"out-of-range lists -> entry 0", {7, 9, 9, 46, 99, 50, 200, 4, 2, 1, 3, 0, 4, 0},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 3, 0, 4, 0}},
        {"lost priority channel -> lowest", {1, 3, 0, 0, 0, 0, 0, 0, 0, 2, 0, 150, 0, 3},
         {1, 3, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        d.ScanData() = Rec(c.stored);
        {
            FrmScan f(d);
            f.Form_Load();
            EXPECT_EQ(d.ScanData(), Rec(c.stored)) << c.name << ": the load wrote";
            f.Click(kCancelButton);
            EXPECT_TRUE(f.unloadRequested);
            EXPECT_EQ(d.ScanData(), Rec(c.stored)) << c.name << ": Cancel";
        }
        FrmScan f(d);
        f.Form_Load();
        f.Click(kOKButton);
        EXPECT_TRUE(f.unloadRequested);
        EXPECT_EQ(d.ScanData(), Rec(c.afterOk)) << c.name << ": OK";
    }
}

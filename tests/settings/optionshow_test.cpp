// The optional-functions dialog as it opens: lists, model variants, values
// shown, and the load without a window that the report uses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/listutils.h"
#include "optionfixture.h"

using namespace rp;
using rp::test::OptionDialogTest;
using Items = std::vector<std::string>;

namespace {

struct ModelCase {
    const char* name;
    const char* model;
    Items pf1, pf2;
    bool subVolumeHidden;  // Label1/Combo1 25
};
void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.name; }

const Items kDesignPF = {"Off", "VOLT", "CALL", "SUB PTT", "FHSS", "MONI"};

class OptionModels : public OptionDialogTest, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(OptionModels, PFListsAndHiddenRowsFollowTheModel) {
    const ModelCase& c = GetParam();
    d.CurModel = c.model;
    auto f = Load();
    EXPECT_EQ(f->C("Combo1_29").items, c.pf1);
    EXPECT_EQ(f->C("Combo1_32").items, c.pf2);
    // Hidden for every model; still filled.
    EXPECT_EQ(f->C("Combo1_25").visible, !c.subVolumeHidden);
    for (const char* n : {"Combo1_19", "Combo1_26", "Combo1_27", "Combo1_28", "Check1_8", "Check1_11",
                          "Text3_0", "Text3_1", "Label4_0", "Text2", "Check2", "Label3"})
        EXPECT_FALSE(f->C(n).visible) << n;
    EXPECT_EQ(f->C("Combo1_25").items.size(), 8u);
    EXPECT_EQ(f->C("Combo1_28").items.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(
    Models, OptionModels,
    ::testing::Values(
        ModelCase{"KEVRA8R", "KEVRA8R", {"Off", "VOLT", "CALL", "SUB PTT", "ALARM", "MONI"},
                  {"Off", "VOLT", "CALL", "SUB PTT", "ALARM", "MONI"}, true},
        ModelCase{"USC", "7425USC", {"Off", "VOLT", "CALL", "ALARM", "FHSS", "MONI"}, kDesignPF, true},
        ModelCase{"USD", "7425USD", {"Off", "VOLT", "CALL", "SUB PTT", "FHSS", "ALARM"}, kDesignPF, true},
        ModelCase{"Other", "7425US", kDesignPF, kDesignPF, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionDialogTest, FixedListsHoldTheirEntries) {
    auto f = Load();
    const Items& tot = f->C("Combo1_16").items;
    ASSERT_EQ(tot.size(), 28u);
    EXPECT_EQ(tot[0], "Off");
    EXPECT_EQ(tot[1], "1min");
    EXPECT_EQ(tot[27], "27min");

    const Items& vox = f->C("Combo1_23").items;
    ASSERT_EQ(vox.size(), 26u);
    EXPECT_EQ(vox.front(), "0.5");
    EXPECT_EQ(vox[1], "0.6");
    EXPECT_EQ(vox[15], "2.0");
    EXPECT_EQ(vox.back(), "3.0");

    const Items& gmrs = f->C("Combo1_36").items;
    ASSERT_EQ(gmrs.size(), 23u);
    EXPECT_EQ(gmrs[0], "GMRS01");
    EXPECT_EQ(gmrs[7], "GMRS15");
    EXPECT_EQ(gmrs[15], "REPT15");
    EXPECT_EQ(gmrs[22], "REPT22");

    EXPECT_EQ(f->C("Combo1_0").items, (Items{"Frequency", "Channel", "Name"}));
    EXPECT_EQ(f->C("Combo1_7").items, (Items{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"}));
    EXPECT_EQ(f->C("Combo1_10").items, (Items{"0s", "1s", "2s", "3s", "Continuous"}));
    EXPECT_EQ(f->C("Combo1_18").items, (Items{"+Frequency", "+Name"}));
    EXPECT_EQ(f->C("Combo1_19").items, (Items{"Off", "Repeater", "Busy"}));
    EXPECT_EQ(f->C("Combo1_22").items.size(), 11u);
    EXPECT_EQ(f->C("Combo1_30").items, (Items{"CH", "Bank"}));
    EXPECT_EQ(f->C("Combo1_34").items.back(), "WX 7");
    EXPECT_EQ(f->C("Combo1_37").items.back(), "MURS 5");
}

// A stored value outside its list shows the first entry; the working copy
// keeps the word until a choice in that list, the outside field takes what
// its list shows on OK.
struct ValueCase {
    const char* name;
    void (*store)(AppData&);
    const char* list;
    const char* shown;
    void (*check)(const AppData&);
};
void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class OptionValues : public OptionDialogTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(OptionValues, ShowFirstEntryOutsideTheList) {
    const ValueCase& c = GetParam();
    c.store(d);
    auto f = Load();
    EXPECT_EQ(f->C(c.list).text, c.shown);
    f->CommandOK_Click();
    c.check(d);
}

INSTANTIATE_TEST_SUITE_P(
    Values, OptionValues,
    ::testing::Values(
        ValueCase{"ScanTime7", [](AppData& a) { a.OptionData().ScanTime = 7; }, "Combo1_9", "5s",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.OptionData().ScanTime, 7); }},
        ValueCase{"ScanTime2", [](AppData& a) { a.OptionData().ScanTime = 2; }, "Combo1_9", "15s",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.OptionData().ScanTime, 2); }},
        ValueCase{"NegativeTOT", [](AppData& a) { a.OptionData().TOT = -3; }, "Combo1_16", "Off",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.OptionData().TOT, -3); }},
        ValueCase{"TOT5", [](AppData& a) { a.OptionData().TOT = 5; }, "Combo1_16", "5min",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.OptionData().TOT, 5); }},
        ValueCase{"VoxDelay25", [](AppData& a) { a.OptionData().VoxDelay = 25; }, "Combo1_23", "3.0",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.OptionData().VoxDelay, 25); }},
        ValueCase{"VoxDelay1", [](AppData& a) { a.OptionData().VoxDelay = 1; }, "Combo1_23", "0.6",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.OptionData().VoxDelay, 1); }},
        ValueCase{"Gmrs30", [](AppData& a) { a.WorkData.GMRSChannel = 30; }, "Combo1_36", "GMRS01",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.GMRSChannel, 0); }},
        ValueCase{"Gmrs8", [](AppData& a) { a.WorkData.GMRSChannel = 8; }, "Combo1_36", "GMRS16",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.GMRSChannel, 8); }},
        ValueCase{"Pf2Key9", [](AppData& a) { a.WorkData.PF2Key = 9; }, "Combo1_32", "Off",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.PF2Key, 0); }},
        ValueCase{"Part95Mode2", [](AppData& a) { a.WorkData.Part95Mode = 2; }, "Combo1_35", "MURS",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.Part95Mode, 2); }},
        ValueCase{"HiddenSubVolume", [](AppData& a) { a.WorkData.SubVolume = 7; }, "Combo1_25", "8",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.SubVolume, 7); }},
        ValueCase{"AMChannelWithoutStation", [](AppData& a) { a.WorkData.AMMemChannel = 40; }, "Combo1_27",
                  "0", [](const AppData& a) { EXPECT_EQ(a.WorkData.AMMemChannel, 0); }},
        ValueCase{"AMChannelNotUsed",
                  [](AppData& a) {
                      a.WorkData.AMFreData[3].Set("120.5");
                      a.WorkData.AMFreData[9].Set("121");
                      a.WorkData.AMMemChannel = 5;
                  },
                  "Combo1_27", "3", [](const AppData& a) { EXPECT_EQ(a.WorkData.AMMemChannel, 3); }},
        ValueCase{"AMChannelUsed",
                  [](AppData& a) {
                      a.WorkData.AMFreData[3].Set("120.5");
                      a.WorkData.AMFreData[9].Set("121");
                      a.WorkData.AMMemChannel = 9;
                  },
                  "Combo1_27", "9", [](const AppData& a) { EXPECT_EQ(a.WorkData.AMMemChannel, 9); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionDialogTest, StationListsOfferTheUsedEntries) {
    auto used = [&](std::initializer_list<int> entries) {
        for (auto& r : d.WorkData.RadioFreData) r.Used = 0;
        d.WorkData.RadioFreData[100].Used = 1;  // the VFO entry is never offered
        for (int i : entries) d.WorkData.RadioFreData[static_cast<std::size_t>(i)].Used = 1;
    };
    used({4, 17, 99});
    Options().RadioMemChannel = 17;
    auto f = Load();
    EXPECT_EQ(f->C("Combo1_6").items, (Items{"4", "17", "99"}));
    EXPECT_EQ(f->C("Combo1_6").text, "17");
    Options().RadioMemChannel = 100;
    f = Load();
    EXPECT_EQ(f->C("Combo1_6").text, "4");

    used({});
    f = Load();
    EXPECT_TRUE(f->C("Combo1_6").items.empty());
    EXPECT_EQ(f->C("Combo1_6").index, -1);
    f->CommandOK_Click();
    EXPECT_EQ(Options().RadioMemChannel, 100);  // no choice, the word stays
}

TEST_F(OptionDialogTest, DisplayModeAtLoadSetsStatesOnly) {
    struct Case {
        Integer mode;
        bool stylesEnabled, optionVisible;
    } cases[] = {{0, true, false}, {1, false, true}, {2, true, false}, {7, true, false}};
    for (const Case& c : cases) {
        Options().DisplayMode = c.mode;
        Options().DisplayStyleA = 1;
        Options().DisplayStyleB = 0;
        Options().DisplayOption = 1;
        auto f = Load();
        EXPECT_EQ(f->C("Combo1_1").enabled, c.stylesEnabled) << c.mode;
        EXPECT_EQ(f->C("Combo1_2").enabled, c.stylesEnabled) << c.mode;
        EXPECT_EQ(f->C("Combo1_18").visible, c.optionVisible) << c.mode;
        EXPECT_EQ(f->C("Combo1_1").index, 1) << c.mode;
        EXPECT_EQ(f->C("Combo1_18").index, 1) << c.mode;
        EXPECT_EQ(f->OptionDataEdit, Options()) << c.mode;
    }
}

TEST_F(OptionDialogTest, CheckBoxesShowTickedAboveZero) {
    Options().TailElim = 1;                 // Check1(3)
    Options().Voice = 4;                    // Check1(6)
    Options().KeyLock = -2;                 // Check1(14)
    Options().BankLink = {1, 0, 5, 1, 1, 1, 1, 1, 1, 0};
    d.WorkData.RadioOn = 1;
    d.WorkData.QuickScan = 1;
    auto f = Load();
    EXPECT_EQ(f->C("Check1_3").value, 1);
    EXPECT_EQ(f->C("Check1_6").value, 1);
    EXPECT_EQ(f->C("Check1_14").value, 0);
    EXPECT_EQ(f->C("Check1_7").value, 1);
    EXPECT_EQ(f->C("Check1_15").value, 1);
    EXPECT_EQ(f->C("Check3_1").value, 0);
    EXPECT_EQ(f->C("Check3_2").value, 1);
    // The boxes' handlers store what they show where the value changed.
    EXPECT_EQ(f->OptionDataEdit.Voice, 1);
    EXPECT_EQ(f->OptionDataEdit.BankLink[2], 1);
    EXPECT_EQ(f->OptionDataEdit.KeyLock, -2);
    EXPECT_EQ(Options().BankLink[2], 5);  // the live record is untouched
}

TEST_F(OptionDialogTest, PowerOnTextShowsOneCharacterABox) {
    struct Case {
        const char* name;
        std::string stored;
        std::vector<std::string> boxes;
    } cases[] = {
        {"letters and a blank", "AB CD", {"A", "B", "", "C", "D", "", "", "", "", "", "", ""}},
        {"NUL first", std::string("\0ABCDEFGHIJK", 12), std::vector<std::string>(12, "")},
        {"full", "HELLO RADIO!", {"H", "E", "L", "L", "O", "", "R", "A", "D", "I", "O", "!"}},
        {"Latin-1 byte", "\xE9", {"\xC3\xA9", "", "", "", "", "", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        Options().PowerOnText.Set(c.stored);
        auto f = Load();
        for (int j = 0; j < 12; ++j)
            EXPECT_EQ(f->C("Text1_" + std::to_string(j)).text, c.boxes[static_cast<std::size_t>(j)])
                << c.name << " box " << j;
    }
}

TEST_F(OptionDialogTest, ShortWaveBoxesShowNumbersWithFourDecimals) {
    struct Case {
        const char* stored;
        const char* shown;
    } cases[] = {{"18", "18.0000"}, {"25", "25.0000"}, {"7.5", "7.5000"}, {"", ""}, {"abc", ""}};
    for (const Case& c : cases) {
        d.WorkData.SWFre.Set(c.stored);
        d.WorkData.LWFre.Set(c.stored);
        auto f = Load();
        EXPECT_EQ(f->C("Text3_0").text, c.shown) << c.stored;
        EXPECT_EQ(f->C("Text3_1").text, c.shown) << c.stored;
    }
}

// What the report reads after a load without a window, in both languages.
TEST_F(OptionDialogTest, HiddenLoadLeavesTheReportsTextsAndChangesNoData) {
    d.SkipInitFile = false;
    d.InitFolder = std::string(RP_SOURCE_DIR) + "/Init";
    InitAllData(d);
    Options().DisplayMode = 1;
    Options().DisplayOption = 1;
    Options().Voice = 3;
    Options().BankLink[4] = 9;
    Options().PowerOnText.Set("RADIO 1");
    const RadioDataRec work = d.WorkData;
    const auto channels = d.FreData;
    const BankTable banks = d.BankCH();

    struct Case {
        int language;
        const char* caption;
        const char* label0;
        const char* label19;
        const char* label2;
        const char* check1;
        const char* mode;
    } cases[] = {
        {LangEnglish, "Optional Functions", "Display Mode", "Busy Lock", "Power-on Message",
         "Internal Function Operation", "Channel"},
        {LangChinese, "可选功能", "显示模式", nullptr, "开机信息", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SetLanguageIndex(d, c.language);
        FrmOption f(d);
        f.Form_Load();
        EXPECT_FALSE(f.State().visible);
        EXPECT_EQ(f.State().caption, c.caption);
        EXPECT_EQ(f.C("Label1_0").text, c.label0);
        EXPECT_EQ(f.C("Label2").text, c.label2);
        EXPECT_EQ(f.C("Label1_18").text, "Label1");
        for (int i : {0, 1, 2, 3, 5, 8, 9, 10, 11, 12, 14, 16, 17, 19, 20, 21, 22, 23}) {
            const std::string n = std::to_string(i);
            EXPECT_EQ(f.C("Label1_" + n).text, GetLanguageString(d, i < 18 ? 1702 + i : 1701 + i)) << i;
            EXPECT_FALSE(f.C("Label1_" + n).text.empty()) << i;
            EXPECT_FALSE(f.C("Combo1_" + n).text.empty()) << i;
        }
        for (int i = 0; i <= 6; ++i)
            EXPECT_EQ(f.C("Check1_" + std::to_string(i)).text, GetLanguageString(d, 1730 + i)) << i;
        EXPECT_EQ(f.C("Combo1_0").items.size(), 3u);
        EXPECT_EQ(f.C("Combo1_0").index, 1);
        EXPECT_EQ(f.C("Combo1_18").text, GetLanguageString(d, 1797));
        if (c.label19) {
            EXPECT_EQ(f.C("Label1_19").text, c.label19);
        }
        if (c.check1) {
            EXPECT_EQ(f.C("Check1_1").text, c.check1);
        }
        if (c.mode) {
            EXPECT_EQ(f.C("Combo1_0").text, c.mode);
        }
        EXPECT_EQ(f.C("CommandOK").text, GetLanguageString(d, 101));
        EXPECT_EQ(f.C("Text1_0").text, "R");
        EXPECT_EQ(f.C("Text1_5").text, "");
        EXPECT_EQ(f.C("Text1_6").text, "1");
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(f.C("Check1_" + std::to_string(i)).value,
                      FlagToCheckValue(OptionWord(Options(), OptionCheckWord(i))))
                << i;
        EXPECT_FALSE(f.unloadRequested);
    }
    EXPECT_TRUE(d.WorkData == work);
    EXPECT_TRUE(d.FreData == channels);
    EXPECT_TRUE(d.BankCH() == banks);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(OptionDialogTest, EveryControlIsReachableByName) {
    FrmOption f(d);
    std::vector<std::string> want = {"Label2", "Label3", "Text2", "Check2", "Frame1", "Frame2",
                                     "Label4_0", "Label4_1", "Text3_0", "Text3_1", "CommandOK", "CommandCancel"};
    for (int i = 0; i < 38; ++i) {
        want.push_back("Label1_" + std::to_string(i));
        want.push_back("Combo1_" + std::to_string(i));
    }
    for (int i = 0; i < 16; ++i) want.push_back("Check1_" + std::to_string(i));
    for (int i = 0; i < 10; ++i) want.push_back("Check3_" + std::to_string(i));
    for (int i = 0; i < 12; ++i) want.push_back("Text1_" + std::to_string(i));
    for (const auto& n : want) EXPECT_TRUE(f.State().Has(n)) << n;
    EXPECT_EQ(f.State().Names().size(), want.size());
    EXPECT_EQ(f.C("Check3_9").text, "Bank Link 0");
    EXPECT_EQ(f.C("Text1_0").max, 1);
    EXPECT_EQ(f.C("Text3_0").max, 8);
}

}  // namespace

// The optional-functions dialog as it opens: lists, model variants, values
// shown, and the load without a window that the report uses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/listutils.h"
#include "optionfixture.h"
#include "settings/frmoptioncontrols.h"

using namespace rp;
using rp::test::OptionDialogTest;
using Items = std::vector<std::string>;

namespace {

struct ModelCase {
    const char* name;
    const char* model;
    Items pf1, pf2;
    bool subVolumeHidden;  // the sub-volume list and its label
};
void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.name; }

const Items kDesignPF = {"Off", "VOLT", "CALL", "SUB PTT", "FHSS", "MONI"};

class OptionModels : public OptionDialogTest, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(OptionModels, PFListsAndHiddenRowsFollowTheModel) {
    const ModelCase& c = GetParam();
    d.CurModel = c.model;
    auto f = Load();
    EXPECT_EQ(f->C(option::Pf1Key).items, c.pf1);
    EXPECT_EQ(f->C(option::Pf2Key).items, c.pf2);
    // Hidden for every model; still filled.
    EXPECT_EQ(f->C(option::SubVolume).visible, !c.subVolumeHidden);
    for (const char* n : {option::BusyLock, option::AmDisplay, option::AmMemChannel, option::RadioBand,
                          option::AmEnabled, option::LwEnabled, option::SwFrequency, option::LwFrequency,
                          option::SwFrequencyLabel, option::Password, option::PasswordOn, option::PasswordLabel})
        EXPECT_FALSE(f->C(n).visible) << n;
    EXPECT_EQ(f->C(option::SubVolume).items.size(), 8u);
    EXPECT_EQ(f->C(option::RadioBand).items.size(), 4u);
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
    const Items& tot = f->C(option::Tot).items;
    ASSERT_EQ(tot.size(), 28u);
    EXPECT_EQ(tot[0], "Off");
    EXPECT_EQ(tot[1], "1min");
    EXPECT_EQ(tot[27], "27min");

    const Items& vox = f->C(option::VoxDelay).items;
    ASSERT_EQ(vox.size(), 26u);
    EXPECT_EQ(vox.front(), "0.5");
    EXPECT_EQ(vox[1], "0.6");
    EXPECT_EQ(vox[15], "2.0");
    EXPECT_EQ(vox.back(), "3.0");

    const Items& gmrs = f->C(option::GmrsChannel).items;
    ASSERT_EQ(gmrs.size(), 23u);
    EXPECT_EQ(gmrs[0], "GMRS01");
    EXPECT_EQ(gmrs[7], "GMRS15");
    EXPECT_EQ(gmrs[15], "REPT15");
    EXPECT_EQ(gmrs[22], "REPT22");

    EXPECT_EQ(f->C(option::DisplayMode).items, (Items{"Frequency", "Channel", "Name"}));
    EXPECT_EQ(f->C(option::MemGroupA).items, (Items{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"}));
    EXPECT_EQ(f->C(option::KeyTime).items, (Items{"0s", "1s", "2s", "3s", "Continuous"}));
    EXPECT_EQ(f->C(option::DisplayOption).items, (Items{"+Frequency", "+Name"}));
    EXPECT_EQ(f->C(option::BusyLock).items, (Items{"Off", "Repeater", "Busy"}));
    EXPECT_EQ(f->C(option::VoxLevel).items.size(), 11u);
    EXPECT_EQ(f->C(option::WorkModeA).items, (Items{"CH", "Bank"}));
    EXPECT_EQ(f->C(option::NoaaChannel).items.back(), "WX 7");
    EXPECT_EQ(f->C(option::MursChannel).items.back(), "MURS 5");
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
        ValueCase{"ScanTime7", [](AppData& a) { a.OptionData().ScanTime = 7; }, option::ScanTime, "5s",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.OptionData().ScanTime, 7); }},
        ValueCase{"ScanTime2", [](AppData& a) { a.OptionData().ScanTime = 2; }, option::ScanTime, "15s",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.OptionData().ScanTime, 2); }},
        ValueCase{"NegativeTOT", [](AppData& a) { a.OptionData().TOT = -3; }, option::Tot, "Off",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.OptionData().TOT, -3); }},
        ValueCase{"TOT5", [](AppData& a) { a.OptionData().TOT = 5; }, option::Tot, "5min",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.OptionData().TOT, 5); }},
        ValueCase{"VoxDelay25", [](AppData& a) { a.OptionData().VoxDelay = 25; }, option::VoxDelay, "3.0",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.OptionData().VoxDelay, 25); }},
        ValueCase{"VoxDelay1", [](AppData& a) { a.OptionData().VoxDelay = 1; }, option::VoxDelay, "0.6",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.OptionData().VoxDelay, 1); }},
        ValueCase{"Gmrs30", [](AppData& a) { a.WorkData.GMRSChannel = 30; }, option::GmrsChannel, "GMRS01",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.GMRSChannel, 0); }},
        ValueCase{"Gmrs8", [](AppData& a) { a.WorkData.GMRSChannel = 8; }, option::GmrsChannel, "GMRS16",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.GMRSChannel, 8); }},
        ValueCase{"Pf2Key9", [](AppData& a) { a.WorkData.PF2Key = 9; }, option::Pf2Key, "Off",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.PF2Key, 0); }},
        ValueCase{"Part95Mode2", [](AppData& a) { a.WorkData.Part95Mode = 2; }, option::Part95Mode, "MURS",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.Part95Mode, 2); }},
        ValueCase{"HiddenSubVolume", [](AppData& a) { a.WorkData.SubVolume = 7; }, option::SubVolume, "8",
                  [](const AppData& a) { EXPECT_EQ(a.WorkData.SubVolume, 7); }},
        ValueCase{"AMChannelWithoutStation", [](AppData& a) { a.WorkData.AMMemChannel = 40; }, option::AmMemChannel,
                  "0", [](const AppData& a) { EXPECT_EQ(a.WorkData.AMMemChannel, 0); }},
        ValueCase{"AMChannelNotUsed",
                  [](AppData& a) {
                      a.WorkData.AMFreData[3].Set("120.5");
                      a.WorkData.AMFreData[9].Set("121");
                      a.WorkData.AMMemChannel = 5;
                  },
                  option::AmMemChannel, "3", [](const AppData& a) { EXPECT_EQ(a.WorkData.AMMemChannel, 3); }},
        ValueCase{"AMChannelUsed",
                  [](AppData& a) {
                      a.WorkData.AMFreData[3].Set("120.5");
                      a.WorkData.AMFreData[9].Set("121");
                      a.WorkData.AMMemChannel = 9;
                  },
                  option::AmMemChannel, "9", [](const AppData& a) { EXPECT_EQ(a.WorkData.AMMemChannel, 9); }}),
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
    EXPECT_EQ(f->C(option::RadioMemChannel).items, (Items{"4", "17", "99"}));
    EXPECT_EQ(f->C(option::RadioMemChannel).text, "17");
    Options().RadioMemChannel = 100;
    f = Load();
    EXPECT_EQ(f->C(option::RadioMemChannel).text, "4");

    used({});
    f = Load();
    EXPECT_TRUE(f->C(option::RadioMemChannel).items.empty());
    EXPECT_EQ(f->C(option::RadioMemChannel).index, -1);
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
        EXPECT_EQ(f->C(option::DisplayStyleA).enabled, c.stylesEnabled) << c.mode;
        EXPECT_EQ(f->C(option::DisplayStyleB).enabled, c.stylesEnabled) << c.mode;
        EXPECT_EQ(f->C(option::DisplayOption).visible, c.optionVisible) << c.mode;
        EXPECT_EQ(f->C(option::DisplayStyleA).index, 1) << c.mode;
        EXPECT_EQ(f->C(option::DisplayOption).index, 1) << c.mode;
        EXPECT_EQ(f->OptionDataEdit, Options()) << c.mode;
    }
}

TEST_F(OptionDialogTest, CheckBoxesShowTickedAboveZero) {
    Options().TailElim = 1;
    Options().Voice = 4;
    Options().KeyLock = -2;
    Options().BankLink = {1, 0, 5, 1, 1, 1, 1, 1, 1, 0};
    d.WorkData.RadioOn = 1;
    d.WorkData.QuickScan = 1;
    auto f = Load();
    EXPECT_EQ(f->C(option::TailElim).value, 1);
    EXPECT_EQ(f->C(option::Voice).value, 1);
    EXPECT_EQ(f->C(option::KeyLock).value, 0);
    EXPECT_EQ(f->C(option::RadioOn).value, 1);
    EXPECT_EQ(f->C(option::QuickScan).value, 1);
    EXPECT_EQ(f->C(option::BankLinks[1]).value, 0);
    EXPECT_EQ(f->C(option::BankLinks[2]).value, 1);
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
            EXPECT_EQ(f->C(option::PowerOnBoxes[j]).text, c.boxes[static_cast<std::size_t>(j)])
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
        EXPECT_EQ(f->C(option::SwFrequency).text, c.shown) << c.stored;
        EXPECT_EQ(f->C(option::LwFrequency).text, c.shown) << c.stored;
    }
}

// The lists the report prints under their labels, with the labels' keys.
struct PrintedList {
    const char* label;
    const char* list;
    int key;
};
const PrintedList kPrintedLists[] = {
    {option::DisplayModeLabel, option::DisplayMode, 1702},   {option::DisplayStyleALabel, option::DisplayStyleA, 1703},
    {option::DisplayStyleBLabel, option::DisplayStyleB, 1704}, {option::RadioDisplayLabel, option::RadioDisplay, 1705},
    {option::MemChannelBLabel, option::MemChannelB, 1707},   {option::MemGroupBLabel, option::MemGroupB, 1710},
    {option::ScanTimeLabel, option::ScanTime, 1711},         {option::KeyTimeLabel, option::KeyTime, 1712},
    {option::BacklightLabel, option::Backlight, 1713},       {option::ColourLabel, option::Colour, 1714},
    {option::SqlKeyLabel, option::SqlKey, 1716},             {option::TotLabel, option::Tot, 1718},
    {option::AutoPowerOffLabel, option::AutoPowerOff, 1719}, {option::BusyLockLabel, option::BusyLock, 1720},
    {option::PowerSaveLabel, option::PowerSave, 1721},       {option::ToneBurstLabel, option::ToneBurst, 1722},
    {option::VoxLevelLabel, option::VoxLevel, 1723},         {option::VoxDelayLabel, option::VoxDelay, 1724},
};

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
        EXPECT_EQ(f.C(option::DisplayModeLabel).text, c.label0);
        EXPECT_EQ(f.C(option::PowerOnLabel).text, c.label2);
        EXPECT_EQ(f.C(option::DisplayOptionLabel).text, "Label1");
        for (auto [label, list, key] : kPrintedLists) {
            EXPECT_EQ(f.C(label).text, GetLanguageString(d, key)) << label;
            EXPECT_FALSE(f.C(label).text.empty()) << label;
            EXPECT_FALSE(f.C(list).text.empty()) << list;
        }
        const char* const switches[] = {option::FuncOperA, option::FuncOperB, option::InitKey, option::TailElim,
                                        option::FullBand,  option::Alarm,     option::Voice};
        for (int i = 0; i <= 6; ++i) EXPECT_EQ(f.C(switches[i]).text, GetLanguageString(d, 1730 + i)) << i;
        EXPECT_EQ(f.C(option::DisplayMode).items.size(), 3u);
        EXPECT_EQ(f.C(option::DisplayMode).index, 1);
        EXPECT_EQ(f.C(option::DisplayOption).text, GetLanguageString(d, 1797));
        if (c.label19) {
            EXPECT_EQ(f.C(option::BusyLockLabel).text, c.label19);
        }
        if (c.check1) {
            EXPECT_EQ(f.C(option::FuncOperB).text, c.check1);
        }
        if (c.mode) {
            EXPECT_EQ(f.C(option::DisplayMode).text, c.mode);
        }
        EXPECT_EQ(f.C(kOKButton).text, GetLanguageString(d, 101));
        EXPECT_EQ(f.C(option::PowerOnBoxes[0]).text, "R");
        EXPECT_EQ(f.C(option::PowerOnBoxes[5]).text, "");
        EXPECT_EQ(f.C(option::PowerOnBoxes[6]).text, "1");
        EXPECT_EQ(f.C(option::FuncOperB).value, FlagToCheckValue(Options().FuncOperB));
        EXPECT_EQ(f.C(option::InitKey).value, FlagToCheckValue(Options().InitKey));
        EXPECT_EQ(f.C(option::TailElim).value, FlagToCheckValue(Options().TailElim));
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
    EXPECT_EQ(f.C(option::BankLinks[9]).text, "Bank Link 0");
    EXPECT_EQ(f.C(option::PowerOnBoxes[0]).max, 1);
    EXPECT_EQ(f.C(option::SwFrequency).max, 8);
}

}  // namespace

// The main window's form without widgets: tree, list procedures, menus,
// commands, close path and relabelling.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "core/language.h"
#include "formhostfake.h"
#include "mainfixture.h"
#include "mainwindow/frmlanguage.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/mainlayout.h"
#include "forms/tonetables.h"

namespace rp {
namespace {

using test::StartedProgram;

class FrmMainTest : public ::testing::Test {
protected:
    StartedProgram p;
    AppData& d = p.d;
    FrmMain f{d};
    test::FakeHost host{false, true};  // each dialog closes at once
    std::vector<std::string>& opened = host.opened;

    void SetUp() override {
        f.SetHost(&host);
        f.Form_Load();
    }
    TextGrid& Ch() { return f.GridAt(0); }
    const TreeNode* Node(const std::string& key) {
        for (const auto& n : f.TreeNodes())
            if (n.key == key) return &n;
        return nullptr;
    }
    // Memory channel n, a copy of the first record made afresh.
    FreDataRec& Channel(int n) {
        for (int i = 0; i < d.FreDataCount(); ++i)
            if (d.FreData[static_cast<std::size_t>(i)].No == n) return d.FreData[static_cast<std::size_t>(i)];
        FreDataRec& r = d.FreData[static_cast<std::size_t>(d.FreDataCount())];
        r = d.FreData[0];
        r.No = static_cast<Integer>(n);
        ++d.FreDataCount();
        return r;
    }
};

struct TreeCase {
    std::string name;
    std::string model;
    bool factory;
    std::size_t nodes;
};
void PrintTo(const TreeCase& c, std::ostream* os) { *os << c.name; }

class TreeByModel : public ::testing::TestWithParam<TreeCase> {};

TEST_P(TreeByModel, NodesAndMenus) {
    const TreeCase& c = GetParam();
    StartedProgram p(c.factory, c.model);
    FrmMain f(p.d);
    f.Form_Load();
    EXPECT_EQ(f.TreeNodes().size(), c.nodes);
    EXPECT_TRUE(f.TreeNodes()[0].expanded && f.TreeNodes()[1].expanded);
    EXPECT_EQ(f.TreeNodes()[0].text, p.d.CurModelShowName);
    EXPECT_TRUE(f.treeSelection.empty());
    const bool wide = c.model == "7425USD";
    EXPECT_EQ(f.C(mainform::ShowAirBandList).visible, wide);
    EXPECT_EQ(f.C(mainform::EditMsk).visible, wide);
    EXPECT_TRUE(f.C(mainform::EditTwoTone).visible);
    EXPECT_FALSE(f.C(mainform::FilePrint).visible);
    EXPECT_FALSE(f.C(mainform::HelpContents).visible);
    EXPECT_FALSE(f.C(mainform::EditScan).visible);
    EXPECT_EQ(f.C(mainform::EditTestData).visible, c.factory);
    EXPECT_EQ(f.C(mainform::OptSigList).items.size(), wide ? 5u : 4u);
    EXPECT_EQ(p.d.FMLowFre, wide ? 64.0 : 76.0);
    EXPECT_EQ(f.FileFilter(), "Data File (*.dat)");
}

INSTANTIATE_TEST_SUITE_P(Models, TreeByModel,
                         ::testing::Values(TreeCase{"Plain", "KEVRA8R", false, 15},
                                           TreeCase{"PlainFactory", "KEVRA8R", true, 16},
                                           TreeCase{"Wide", "7425USD", false, 17},
                                           TreeCase{"WideFactory", "7425USD", true, 18}),
                         [](const auto& info) { return info.param.name; });

TEST_F(FrmMainTest, TreeNodesSwitchListsAndGrids) {
    EXPECT_EQ(Node("N3")->text, "Radio");
    EXPECT_EQ(Node("N4")->text, GetLanguageString(d, 5021));
    Ch().SetText(5, 3, "MARK");
    f.tvTreeView_NodeClick("N101");  // the memory list is shown: no rebuild
    EXPECT_EQ(Ch().Text(5, 3), "MARK");
    f.tvTreeView_NodeClick("N0");
    EXPECT_EQ(Ch().Text(5, 3), "MARK");
    EXPECT_TRUE(opened.empty());
    f.tvTreeView_NodeClick("N102");
    EXPECT_EQ(d.ShowListType, ListGMRS);
    EXPECT_EQ(Ch().Rows(), 24);
    EXPECT_EQ(Ch().Text(23, 0), "23");
    EXPECT_FALSE(Ch().Text(1, 1).empty());
    f.tvTreeView_NodeClick("N1");
    EXPECT_EQ(d.ShowListType, ListGMRS);
    f.tvTreeView_NodeClick("N3");
    EXPECT_EQ(f.VisibleGrid(), 2);
    f.tvTreeView_NodeClick("N1");
    EXPECT_EQ(f.VisibleGrid(), 0);
    f.tvTreeView_NodeClick("N5");
    f.tvTreeView_NodeClick("N15");
    EXPECT_EQ(opened, (std::vector<std::string>{"FrmDTMF", "FrmBank"}));
}

TEST_F(FrmMainTest, RowsLabelsAndColours) {
    EXPECT_EQ(Ch().Rows(), 207);
    EXPECT_EQ(Ch().Text(1, 0), "0");
    EXPECT_EQ(Ch().Text(200, 0), "199");
    EXPECT_EQ(Ch().Text(205, 0), "VFO1");
    EXPECT_EQ(Ch().Text(7, 11), ">>");
    EXPECT_EQ(Ch().Text(0, 0), "CH");
    EXPECT_EQ(f.GridAt(2).Text(0, 0), "ID");
    EXPECT_EQ(f.GridAt(3).Text(101, 0), "VFO");
    EXPECT_EQ(Ch().ForeColor(0, 4), Rgb(0, 0, 155));
    EXPECT_EQ(Ch().ForeColor(9, 0), Rgb(0, 0, 255));
    EXPECT_EQ(Ch().BackColor(2, 5), Rgb(250, 250, 240));
    EXPECT_EQ(Ch().BackColor(3, 5), kNoColor);
    EXPECT_EQ(Ch().RowHeight(0), 500);
    EXPECT_EQ(Ch().ColWidth(0), 600);
    EXPECT_GT(Ch().ColWidth(6), 0);
    EXPECT_NE(Ch().Text(0, 8).find("\r\n"), std::string::npos);
    EXPECT_EQ(d.FreData[0].No, 1);
    // A deleted channel keeps its label and ">>".
    ASSERT_FALSE(Ch().Text(1, 1).empty());
    d.FreData[0].No = 150;
    f.ReShowListByData(ListMemory);
    EXPECT_TRUE(Ch().Text(1, 1).empty());
    EXPECT_TRUE(Ch().Text(1, 10).empty());
    EXPECT_EQ(Ch().Text(1, 0), "0");
    EXPECT_EQ(Ch().Text(1, 11), ">>");
}

struct RowCase {
    std::string name;
    std::function<void(FreDataRec&)> set;
    int col;
    std::string expect;  // "#key" = text of that key
};
void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class ChannelRow : public FrmMainTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(ChannelRow, Cell) {
    const RowCase& c = GetParam();
    FreDataRec& r = Channel(10);
    r.RxFre.Set("044000000");
    r.OffsetFre.Set("000500000");
    r.OffsetDir = 0;
    c.set(r);
    f.ReShowListByData(ListMemory);
    std::string want = c.expect;
    if (!want.empty() && want[0] == '#') want = GetLanguageString(d, std::stoi(want.substr(1)));
    EXPECT_EQ(Ch().Text(10, c.col), want);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelRow,
    ::testing::Values(
        RowCase{"Rx", [](FreDataRec&) {}, 1, "440.00000"},
        RowCase{"TxPlus", [](FreDataRec& r) { r.OffsetDir = 2; }, 2, "445.00000"},
        RowCase{"TxMinus", [](FreDataRec& r) { r.OffsetDir = 1; }, 2, "435.00000"},
        RowCase{"TxNoOffset", [](FreDataRec& r) { r.OffsetDir = 0; }, 2, "440.00000"},
        RowCase{"TxOddDirection", [](FreDataRec& r) { r.OffsetDir = 7; }, 2, "440.00000"},
        RowCase{"EmptyRx", [](FreDataRec& r) { r.RxFre.Set("FFFFFFFFF"); r.OffsetDir = 1; }, 1, ""},
        RowCase{"EmptyTx", [](FreDataRec& r) { r.RxFre.Set("FFFFFFFFF"); r.OffsetDir = 1; }, 2, ""},
        RowCase{"Dcs", [](FreDataRec& r) { r.EnCTCType = 2; r.EnDCS = 19; r.EnDCSInvert = 0; }, 9, "D023N"},
        RowCase{"DcsInverted", [](FreDataRec& r) { r.EnCTCType = 2; r.EnDCS = 19; r.EnDCSInvert = 1; }, 9, "D023I"},
        RowCase{"DcsTooHigh", [](FreDataRec& r) { r.DeCTCType = 2; r.DeDCS = 600; r.DeDCSInvert = 0; }, 8, "D000N"},
        RowCase{"CustomTone", [](FreDataRec& r) { r.DeCTCType = 1; r.DeCTCSS = 51; }, 8, "#4031"},
        RowCase{"Ctcss52", [](FreDataRec& r) { r.DeCTCType = 1; r.DeCTCSS = 52; }, 8, ""},
        RowCase{"CtcssNegative", [](FreDataRec& r) { r.DeCTCType = 1; r.DeCTCSS = -1; }, 8, ""},
        RowCase{"NoTone", [](FreDataRec& r) { r.DeCTCType = 0; }, 8, "#1206"},
        RowCase{"Dtmf", [](FreDataRec& r) { r.OptSig = 1; r.DTMFCode = 7; }, 10, "DTMF M8"},
        RowCase{"TwoTone", [](FreDataRec& r) { r.OptSig = 2; r.Tone2Code = 3; }, 10, "2tone 3"},
        RowCase{"Msk", [](FreDataRec& r) { r.OptSig = 4; }, 10, "#1206"},
        RowCase{"PowerTooHigh", [](FreDataRec& r) { r.Power = 3; }, 7, "#1204"},
        RowCase{"PowerNegative", [](FreDataRec& r) { r.Power = -1; }, 7, ""},
        RowCase{"StepOutside", [](FreDataRec& r) { r.Step = 9; }, 4, ""},
        RowCase{"Step", [](FreDataRec& r) { r.Step = 8; }, 4, "50K"},
        RowCase{"Wide", [](FreDataRec& r) { r.WN = 5; }, 5, "12.5K"},
        RowCase{"NameLatin1", [](FreDataRec& r) { r.Name.Set("A\xE9"); }, 3, "A\xC3\xA9"}),
    [](const auto& info) { return info.param.name; });

TEST_F(FrmMainTest, CorrectionsGoIntoPresetsAndOnlyTheCopyOfAMemoryChannel) {
    Channel(10).Power = 3;
    f.ReShowListByData(ListMemory);
    EXPECT_EQ(Ch().Text(10, 7), GetLanguageString(d, 1204));
    EXPECT_EQ(Channel(10).Power, 3);
    d.WorkData.GMRSFreData[0].Power = 3;
    f.ShowGridType(0, ListGMRS);
    EXPECT_EQ(Ch().Text(1, 7), GetLanguageString(d, 1204));
    EXPECT_EQ(d.WorkData.GMRSFreData[0].Power, 0);
}

TEST_F(FrmMainTest, PresetListsColumns) {
    f.ShowGridType(0, ListMURS);
    EXPECT_EQ(Ch().ColWidth(6), 0);
    EXPECT_TRUE(Ch().Text(1, 6).empty());
    f.ShowGridType(0, ListWeather);
    EXPECT_EQ(Ch().Rows(), 8);
    EXPECT_EQ(Ch().Text(0, 12), "EMERGENCY TONE");
    EXPECT_EQ(Ch().Text(3, 12), "1050 Hz");
    for (int c : {2, 4, 5, 6, 7, 8, 9, 10, 11}) EXPECT_EQ(Ch().ColWidth(c), 0) << c;
    f.ShowGridType(0, ListMemory);
    EXPECT_EQ(Ch().Text(0, 12), "");
    EXPECT_EQ(Ch().ColWidth(6), 1500);
}

TEST_F(FrmMainTest, ManyNonNumericFrequenciesWarnOncePerRefresh) {
    for (int n = 1; n <= 20; ++n) Channel(n).RxFre.Set("12AB56789");
    f.ReShowListByData(ListMemory);
    const auto first = p.notes.Texts();
    EXPECT_EQ(std::count(first.begin(), first.end(), "Not IsNumeric"), 1);
    f.ReShowListByData(ListMemory);
    const auto texts = p.notes.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Not IsNumeric"), 2);
}

TEST_F(FrmMainTest, CaptionFollowsTheDataFile) {
    d.DataFilePath = "/home/u/club.dat";
    f.ReShowListByData(d.ShowListType);
    EXPECT_EQ(f.State().caption, "KEVRA_8R[KEVRA-8R:" + d.CurBandText + "][File:/home/u/club.dat]");
}

TEST_F(FrmMainTest, EveryCommandClosesTheEditorsFirst) {
    // The port dialog comes with the radio commands.
    f.commands[mainform::SetPort] = [this] { opened.push_back("FrmComSet"); };
    const std::vector<std::string> commands = {mainform::FileNew,   mainform::EditDtmf,     mainform::ViewToolBar,
                                               mainform::FilePrint, mainform::HelpContents, mainform::EditChannel};
    for (const auto& c : commands) {
        f.C(mainform::RadioBox).visible = true;
        f.RadioEditRow = 4;
        f.Click(c);
        EXPECT_FALSE(f.C(mainform::RadioBox).visible) << c;
        EXPECT_EQ(f.RadioEditRow, 0) << c;
    }
    f.C(mainform::AirBandBox).visible = true;
    f.ButtonClick(mainform::ToolBar, mainform::ToolPort);
    EXPECT_FALSE(f.C(mainform::AirBandBox).visible);
    f.C(mainform::RadioBox).visible = true;
    f.tvTreeView_NodeClick("N7");
    EXPECT_FALSE(f.C(mainform::RadioBox).visible);
    EXPECT_EQ(opened, (std::vector<std::string>{"FrmDTMF", "FrmPrintList", "FrmComSet", "Frm5Tone"}));
}

TEST_F(FrmMainTest, ViewTogglesFollowTheTicks) {
    EXPECT_TRUE(f.C(mainform::ViewToolBar).checked);
    int layouts = 0;
    f.hooks.Layout = [&] { ++layouts; };
    f.Click(mainform::ViewToolBar);
    EXPECT_FALSE(f.C(mainform::ViewToolBar).checked);
    EXPECT_FALSE(f.C(mainform::ToolBar).visible);
    f.Click(mainform::ViewStatusBar);
    f.Click(mainform::ViewStatusBar);
    EXPECT_TRUE(f.C(mainform::StatusBar).visible);
    EXPECT_EQ(layouts, 3);
}

TEST_F(FrmMainTest, BankCommandRedrawsTheMemoryListAfterTheDialog) {
    Ch().SetText(1, 3, "MARK");
    f.Click(mainform::EditBanks);
    EXPECT_EQ(opened.back(), "FrmBank");
    EXPECT_NE(Ch().Text(1, 3), "MARK");
}

TEST_F(FrmMainTest, CloseHooksMayKeepTheWindowOpen) {
    std::vector<std::string> order;
    // Plugged in the other way round: the order is the close path's own.
    f.closeSteps.AskSave = [&] { order.push_back("save"); return false; };
    f.closeSteps.StopInformationRead = [&] { order.push_back("read"); };
    f.C(mainform::RadioBox).visible = true;
    EXPECT_FALSE(f.QueryClose());
    EXPECT_FALSE(f.C(mainform::RadioBox).visible);
    EXPECT_EQ(order, (std::vector<std::string>{"read", "save"}));
    bool stored = false;
    f.hooks.SavePosition = [&] { stored = true; };
    f.Form_Unload();
    EXPECT_TRUE(stored);
    EXPECT_FALSE(f.C(mainform::VfoBox).noContextMenu);
}

TEST_F(FrmMainTest, LanguageSwitchRelabelsEverything) {
    const std::string english1000 = f.C(mainform::FileMenu).text;
    SetLanguageIndex(d, 2);
    f.Form_ReLoad();
    EXPECT_EQ(f.C(mainform::FileMenu).text, GetLanguageString(d, 1000));
    EXPECT_NE(f.C(mainform::FileMenu).text, english1000);
    EXPECT_EQ(Node("N4")->text, GetLanguageString(d, 5021));
    EXPECT_EQ(Ch().Text(0, 1), GetLanguageString(d, 1101));
    EXPECT_EQ(f.C(mainform::ToolBar).tabs[0].toolTip, GetLanguageString(d, 1001));
    EXPECT_EQ(f.C(mainform::DecodeCtcssList).items[51], GetLanguageString(d, 4031));
    EXPECT_NE(f.State().caption.find(GetLanguageString(d, 2012)), std::string::npos);
    EXPECT_EQ(f.State().fontName, GetLanguageString(d, 20));
    SetLanguageIndex(d, 1);
    f.Form_ReLoad();
    EXPECT_EQ(f.C(mainform::FileMenu).text, english1000);
    EXPECT_EQ(f.C(mainform::ToolBar).tabs[0].toolTip, "New");
    EXPECT_TRUE(f.C(mainform::ToolBar).tabs[4].toolTip.empty());
}

struct RecordingMain : MainWindowCalls {
    int reloads = 0;
    void Form_ReLoad() override { ++reloads; }
};

TEST(FrmLanguageTest, OkSwitchesAndCancelChangesNothing) {
    StartedProgram p;
    RecordingMain main;
    FrmLanguage cancel(p.d, main);
    cancel.Form_Load();
    EXPECT_EQ(cancel.C(language::List).items, (std::vector<std::string>{"English", GetLanguageString(p.d, 1502)}));
    EXPECT_EQ(cancel.C(language::List).index, 0);
    EXPECT_EQ(cancel.C(kOKButton).text, "OK");
    EXPECT_EQ(cancel.State().caption, GetLanguageString(p.d, 1503));
    cancel.C(language::List).index = 1;
    cancel.Click(kCancelButton);
    EXPECT_TRUE(cancel.unloadRequested);
    EXPECT_EQ(p.d.LanguageIndex, 1);
    EXPECT_EQ(main.reloads, 0);

    FrmLanguage ok(p.d, main);
    ok.Form_Load();
    ok.C(language::List).index = 1;
    ok.Click(kOKButton);
    EXPECT_EQ(p.d.LanguageIndex, 2);
    EXPECT_EQ(main.reloads, 1);
    EXPECT_TRUE(ok.unloadRequested);
}

TEST(MainLayout, SplitterClamps) {
    double x = 10;
    PaneLayout l = SizeControls(x, 12000, 11800, 6000);
    EXPECT_EQ(x, 30);
    EXPECT_EQ(l.gridLeft, 70);
    EXPECT_EQ(l.gridWidth, 11730);
    EXPECT_EQ(l.gridHeight, 5970);
    x = 11990;
    SizeControls(x, 12000, 11800, 6000);
    EXPECT_EQ(x, 11970);
    x = 20000;
    l = SizeControls(x, 3000, 2900, 100);
    EXPECT_EQ(l.gridWidth, 0) << "a grid never runs past its pane";
    EXPECT_EQ(SplitterDragPosition(5, 9000), 30);
    EXPECT_EQ(SplitterDragPosition(6000, 9000), 4500);
    EXPECT_EQ(SplitterDragPosition(3000, 9000), 3000);
}

TEST(ToneTables, Entries) {
    EXPECT_EQ(CtcssToneTexts().size(), 51u);
    EXPECT_EQ(CtcssToneTexts()[50], "254.1");
    EXPECT_EQ(DcsTexts().size(), 512u);
    EXPECT_EQ(DcsTexts()[19], "023N");
    EXPECT_EQ(DcsTexts()[511], "777N");
    EXPECT_EQ(DcsComboTexts()[512 + 19], "D023I");
    EXPECT_EQ(StepTexts().size(), 9u);
}

}  // namespace
}  // namespace rp

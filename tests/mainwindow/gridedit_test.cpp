// In-place editing of the grids without widgets: which editor each cell
// opens, what a commit writes, the editors' keys, the tone combos and the
// bank list, the channel clipboard keys, the broadcast and air-band editors,
// and the commit before every command.
#include <gtest/gtest.h>

#include <ostream>

#include "core/banks.h"
#include "core/channelstore.h"
#include "core/datafiles.h"
#include "core/language.h"
#include "formhostfake.h"
#include "mainfixture.h"
#include "mainwindow/frmmain.h"

namespace rp {
namespace {

using namespace mainform;
using test::StartedProgram;

class GridEditTest : public ::testing::Test {
protected:
    StartedProgram p;
    AppData& d = p.d;
    FrmMain f{d};
    test::FakeHost host;
    std::vector<std::string>& opened = host.opened;

    void SetUp() override {
        f.SetHost(&host);
        f.Form_Load();
        p.notes.shown.clear();
    }
    TextGrid& G(int i = 0) { return f.GridAt(i); }
    // The user moves to a cell (the shell stores it, then EnterCell).
    void Enter(int row, int col, int grid = 0) {
        G(grid).row = row;
        G(grid).col = col;
        f.EnterCell(Grids[grid]);
    }
    void DoubleClick(int row, int col) {
        Enter(row, col);
        f.DblClick(Grids[0]);
    }
    void Type(const std::string& editor, const std::string& text) { f.C(editor).text = text; }
    int Key(const std::string& control, int key) {
        f.KeyPress(control, key);
        return key;
    }
    void Pick(const std::string& combo, int index) {
        ControlState& c = f.C(combo);
        c.index = index;
        c.text = c.items.at(static_cast<std::size_t>(index));
        f.Click(combo);
    }
    void Ctrl(char key, int row, int shift = kCtrlMask) {
        G().row = row;
        f.KeyDown(Grids[0], key, shift);
    }
    const FreDataRec* Rec(int n) {
        const int i = FindFreDataIndex(d, n);
        return i < 0 ? nullptr : &d.FreData[static_cast<std::size_t>(i)];
    }
    // A memory channel n at `rx` MHz.
    void Make(int n, const char* rx = "440") { ASSERT_TRUE(AddFreDataByFre(d, n, rx)); f.ReShowGrid(0, n, 0); }
    void ShowList(int kind) { f.ShowGridType(0, kind); }
    std::vector<std::string> Visible() {
        std::vector<std::string> v;
        for (const char* n : {RxBox, TxBox, NameBox, StepList, BandwidthList, PowerList, DecodeTypeList,
                              EncodeTypeList, DecodeCtcssList, EncodeCtcssList, DecodeDcsList, EncodeDcsList,
                              OptSigList, BankChecks, RadioBox, AirBandBox})
            if (f.C(n).visible) v.push_back(n);
        return v;
    }
};

// ---- which editor a cell opens ----

struct OpenCase {
    std::string name;
    int list;
    int row, col;
    std::string editor;  // "" none
};
void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }

class OpensEditor : public GridEditTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpensEditor, ByColumnAndList) {
    const OpenCase& c = GetParam();
    ShowList(c.list);
    DoubleClick(c.row, c.col);
    const auto v = Visible();
    if (c.editor.empty()) {
        EXPECT_TRUE(v.empty()) << ::testing::PrintToString(v);
    } else {
        EXPECT_EQ(v, std::vector<std::string>{c.editor});
        EXPECT_EQ(f.State().focus, c.editor);
    }
    EXPECT_EQ(d.EditRow, c.row);
    EXPECT_EQ(d.EditChannelNo, c.row);
}

const OpenCase kOpenCases[] = {
    {"Rx", ListMemory, 1, 1, RxBox},
    {"Tx", ListMemory, 1, 2, TxBox},
    {"Name", ListMemory, 1, 3, NameBox},
    {"Step", ListMemory, 1, 4, StepList},
    {"Bandwidth", ListMemory, 1, 5, BandwidthList},
    {"Bank", ListMemory, 1, 6, BankChecks},
    {"Power", ListMemory, 1, 7, PowerList},
    {"Decode", ListMemory, 1, 8, DecodeTypeList},
    {"Encode", ListMemory, 1, 9, EncodeTypeList},
    {"Signalling", ListMemory, 1, 10, OptSigList},
    {"LastColumn", ListMemory, 1, 12, ""},
    {"RxOfAnEmptyRow", ListMemory, 40, 1, RxBox},
    {"StepOfAnEmptyRowOpensRx", ListMemory, 40, 4, RxBox},
    {"TonesOfAnEmptyRowOpenRx", ListMemory, 40, 9, RxBox},
    {"NoBankOnPL1", ListMemory, 201, 6, ""},
    {"NoBankOnVFO2", ListMemory, 206, 6, ""},
    {"NameOnVFO1", ListMemory, 205, 3, NameBox},
    {"GmrsRx", ListGMRS, 3, 1, ""},
    {"GmrsTx", ListGMRS, 3, 2, ""},
    {"GmrsName", ListGMRS, 3, 3, ""},
    {"GmrsStep", ListGMRS, 3, 4, ""},
    {"GmrsBandwidth", ListGMRS, 3, 5, ""},
    {"GmrsPower", ListGMRS, 3, 7, ""},
    {"GmrsDecode", ListGMRS, 3, 8, DecodeTypeList},
    {"MursEncode", ListMURS, 2, 9, EncodeTypeList},
    {"MursSignalling", ListMURS, 5, 10, OptSigList},
    {"WeatherRx", ListWeather, 1, 1, ""},
    {"WeatherDecode", ListWeather, 7, 8, DecodeTypeList},
};
INSTANTIATE_TEST_SUITE_P(Cells, OpensEditor, ::testing::ValuesIn(kOpenCases),
                         [](const auto& i) { return i.param.name; });

TEST_F(GridEditTest, ChannelDialogColumnAndEditChannel) {
    DoubleClick(7, 11);
    EXPECT_EQ(opened, std::vector<std::string>{"FrmCHEdit"});
    EXPECT_TRUE(Visible().empty());
    EXPECT_EQ(d.EditChannelNo, 7);
    ShowList(ListWeather);
    DoubleClick(3, 11);
    EXPECT_EQ(opened.size(), 2u);
    // Edit > Channel: the double-click on the current cell.
    ShowList(ListMemory);
    Enter(2, 3);
    f.Click(EditChannel);
    EXPECT_EQ(Visible(), std::vector<std::string>{NameBox});
    // Row or column 0 opens nothing.
    f.C(NameBox).visible = false;
    G().row = 0;
    f.DblClick(Grids[0]);
    EXPECT_TRUE(Visible().empty());
}

TEST_F(GridEditTest, EditorsShowTheStoredValue) {
    Make(5);
    FreDataRec& r = d.FreData[static_cast<std::size_t>(FindFreDataIndex(d, 5))];
    r.WN = 1;
    r.Step = 3;
    r.Power = 2;
    r.OptSig = 2;
    r.EnCTCType = 2;
    r.EnDCS = 19;
    r.EnDCSInvert = 1;
    r.DeCTCType = 1;
    r.DeCTCSS = 12;
    SetChannelBank(d, 5, 4, true);
    f.ReShowGrid(0, 5, 0);
    const FreDataRec before = r;

    struct Case { int col; const char* editor; const char* shown; };
    const Case cases[] = {
        {1, RxBox, "440.00000"}, {5, BandwidthList, "12.5KHz"}, {4, StepList, G().Text(5, 4).c_str()},
        {7, PowerList, G().Text(5, 7).c_str()}, {10, OptSigList, "2Tone"}, {8, DecodeTypeList, "CTCSS"},
        {9, EncodeTypeList, "DCS"},
    };
    for (const Case& c : cases) {
        DoubleClick(5, c.col);
        EXPECT_EQ(f.C(c.editor).text, c.shown) << c.editor;
        f.SaveOldData();
    }
    DoubleClick(5, 6);
    EXPECT_EQ(f.C(BankChecks).selected, (std::vector<bool>{true, false, false, true, false, false, false, false, false}));
    // The value combo comes up on Enter in the type combo, on the stored code.
    DoubleClick(5, 9);
    EXPECT_EQ(Key(EncodeTypeList, 13), 0);
    EXPECT_EQ(Visible(), std::vector<std::string>{EncodeDcsList});
    EXPECT_EQ(f.C(EncodeDcsList).text, "D023I");
    EXPECT_EQ(f.State().focus, EncodeDcsList);
    EXPECT_EQ(*Rec(5), before) << "opening an editor writes nothing";
    EXPECT_TRUE(p.notes.shown.empty());
}

TEST_F(GridEditTest, NoItemForTheStoredValueMeansNoSelectionAndNoWrite) {
    FreDataRec& r = d.FreData[static_cast<std::size_t>(FindFreDataIndex(d, 1))];
    r.Step = 9;
    r.OptSig = 4;  // MSK: no item on this model
    r.WN = 3;
    r.DeCTCType = 5;
    f.ReShowGrid(0, 1, 0);
    const FreDataRec before = r;
    for (auto [col, editor] : {std::pair{4, StepList}, {10, OptSigList}, {5, BandwidthList}, {8, DecodeTypeList}}) {
        DoubleClick(1, col);
        EXPECT_EQ(f.C(editor).index, -1) << editor;
        EXPECT_EQ(Key(editor, 13), 0);
        EXPECT_EQ(f.State().focus, Grids[0]) << editor;
    }
    EXPECT_EQ(*Rec(1), before);
}

// ---- what the editors write ----

TEST_F(GridEditTest, TypedRxCreatesAChannelWithNewChannelValues) {
    DoubleClick(10, 1);
    Type(RxBox, "145.5");
    EXPECT_EQ(Key(RxBox, 13), 0);
    ASSERT_NE(Rec(10), nullptr);
    const FreDataRec& r = *Rec(10);
    EXPECT_EQ(r.RxFre.Raw(), "014550000");
    EXPECT_EQ(r.EnCTCSS, 0);
    EXPECT_EQ(r.DeCTCSS, 0);
    EXPECT_EQ(r.SqlLevel, 3);
    EXPECT_EQ(r.ScanSkip, 0);
    EXPECT_EQ(GetChannelBankText(d, 10), "1");
    EXPECT_EQ(G().Text(10, 1), "145.50000");
    EXPECT_TRUE(Visible().empty());
    EXPECT_EQ(f.State().focus, Grids[0]);
    // Channel 190 joins no bank.
    DoubleClick(190, 1);
    Type(RxBox, "146");
    f.SaveOldData();
    ASSERT_NE(Rec(190), nullptr);
    EXPECT_EQ(GetChannelBankText(d, 190), "");
    EXPECT_TRUE(p.notes.shown.empty());
}

struct RxCase {
    std::string name;
    int row;
    const char* typed;
    bool exists;         // the channel exists afterwards
    const char* message;  // "" none
};
void PrintTo(const RxCase& c, std::ostream* os) { *os << c.name; }

class RxCommit : public GridEditTest, public ::testing::WithParamInterface<RxCase> {};

TEST_P(RxCommit, DeletesOnlyOnEmpty) {
    const RxCase& c = GetParam();
    Make(5);
    const int optionRef = 4;  // MemChannelA names channel 5
    d.OptionData().MemChannelA = optionRef;
    DoubleClick(c.row, 1);
    Type(RxBox, c.typed);
    f.SaveOldData();
    EXPECT_EQ(Rec(c.row) != nullptr, c.exists);
    // "*": the band warning of the language file.
    const std::string message = std::string(c.message) == "*" ? GetLanguageString(d, 2001) : c.message;
    EXPECT_EQ(p.notes.Texts(), message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
    EXPECT_FALSE(f.C(RxBox).visible);
    EXPECT_EQ(G().Text(c.row, 1).empty(), !c.exists);
    // The option reference follows a deleted channel.
    if (c.row == 5 && !c.exists) {
        EXPECT_NE(d.OptionData().MemChannelA, optionRef);
    }
}

const RxCase kRxCases[] = {
    {"EmptyDeletes", 5, "", false, ""},
    {"PointAloneIsNotANumber", 5, ".", true, "Not IsNumeric"},
    {"DoublePointIsNotANumber", 5, "145..5", true, "Not IsNumeric"},
    {"NotANumberOnAnEmptyRow", 30, "..", false, "Not IsNumeric"},
    {"EmptyOnAnEmptyRow", 30, "", false, ""},
    {"EmptyOnPL1", 201, "", true, ""},
    {"EmptyOnVFO2", 206, "", true, ""},
    {"OutOfBandGoesToTheEdge", 5, "900", true, "*"},
};
INSTANTIATE_TEST_SUITE_P(Texts, RxCommit, ::testing::ValuesIn(kRxCases),
                         [](const auto& i) { return i.param.name; });

// A frequency typed into the RX or TX editor of channel 5 (RX 145 MHz, band
// table "UHF(400 - 480 MHz) VHF(136 - 174 MHz)"): what is stored, what the
// grid shows and which message comes. A refused text changes nothing.
struct TypedFreCase {
    std::string name;
    int column;              // ColRx or ColTx
    const char* typed;
    const char* shown;       // the cell's text afterwards
    const char* rxFre;       // stored RX
    int dir;                 // stored direction
    const char* offsetFre;   // stored offset
    const char* message;     // "" none, "*" the band warning
};
void PrintTo(const TypedFreCase& c, std::ostream* os) { *os << c.name; }

class TypedFrequency : public GridEditTest, public ::testing::WithParamInterface<TypedFreCase> {};

TEST_P(TypedFrequency, StoredShownAndWarned) {
    const TypedFreCase& c = GetParam();
    Make(5, "145");
    p.notes.shown.clear();
    DoubleClick(5, c.column);
    Type(c.column == ColRx ? RxBox : TxBox, c.typed);
    f.SaveOldData();
    const FreDataRec& r = *Rec(5);
    EXPECT_EQ(r.RxFre.Raw(), c.rxFre);
    EXPECT_EQ(r.OffsetDir, c.dir);
    EXPECT_EQ(r.OffsetFre.Raw(), c.offsetFre);
    EXPECT_EQ(G().Text(5, c.column), c.shown);
    const std::string message = std::string(c.message) == "*" ? GetLanguageString(d, 2001) : c.message;
    EXPECT_EQ(p.notes.Texts(), message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
}

const TypedFreCase kTypedFreCases[] = {
    {"RxPlain", ColRx, "145.5", "145.50000", "014550000", OffsetNone, "000000000", ""},
    {"RxFiveDecimals", ColRx, "462.56251", "462.56250", "046256250", OffsetNone, "000000000", ""},
    {"RxDownOntoTheGrid", ColRx, "462.5630", "462.56250", "046256250", OffsetNone, "000000000", ""},
    {"RxVhfGrid", ColRx, "145.013", "145.01250", "014501250", OffsetNone, "000000000", ""},
    {"RxOnThe6k25Grid", ColRx, "400.00625", "400.00625", "040000625", OffsetNone, "000000000", ""},
    {"RxOffThe6k25Grid", ColRx, "400.00875", "400.00750", "040000750", OffsetNone, "000000000", ""},
    {"RxLeadingZero", ColRx, "0145.5", "145.50000", "014550000", OffsetNone, "000000000", ""},
    {"RxTrailingPoint", ColRx, "146.", "146.00000", "014600000", OffsetNone, "000000000", ""},
    {"RxBandEdges", ColRx, "174", "174.00000", "017400000", OffsetNone, "000000000", ""},
    {"RxJustAboveTheBand", ColRx, "480.00001", "480.00000", "048000000", OffsetNone, "000000000", "*"},
    {"RxJustBelowTheBand", ColRx, "399.99999", "400.00000", "040000000", OffsetNone, "000000000", "*"},
    {"RxNearestEdge", ColRx, "300", "400.00000", "040000000", OffsetNone, "000000000", "*"},
    {"RxEqualDistanceEarlierEdge", ColRx, "287", "400.00000", "040000000", OffsetNone, "000000000", "*"},
    {"RxLeadingPoint", ColRx, ".5", "136.00000", "013600000", OffsetNone, "000000000", "*"},
    {"RxSixDecimals", ColRx, "99.999999", "136.00000", "013600000", OffsetNone, "000000000", "*"},
    {"RxZero", ColRx, "000000000", "136.00000", "013600000", OffsetNone, "000000000", "*"},
    {"RxNineDigits", ColRx, "999999999", "480.00000", "048000000", OffsetNone, "000000000", "*"},
    {"RxTwoPoints", ColRx, "1.2.3", "145.00000", "014500000", OffsetNone, "000000000", "Not IsNumeric"},
    {"TxPlus", ColTx, "145.6", "145.60000", "014500000", OffsetPlus, "000060000", ""},
    {"TxMinus", ColTx, "144.4", "144.40000", "014500000", OffsetMinus, "000060000", ""},
    {"TxSimplex", ColTx, "145", "145.00000", "014500000", OffsetNone, "000000000", ""},
    {"TxLeadingZero", ColTx, "0145.60", "145.60000", "014500000", OffsetPlus, "000060000", ""},
    {"TxDownOntoTheGrid", ColTx, "145.00624", "145.00500", "014500000", OffsetPlus, "000000500", ""},
    {"TxOtherBand", ColTx, "440", "440.00000", "014500000", OffsetPlus, "029500000", ""},
    {"TxAboveEveryBand", ColTx, "900", "480.00000", "014500000", OffsetPlus, "033500000", "*"},
    {"TxBelowEveryBand", ColTx, "100", "136.00000", "014500000", OffsetMinus, "000900000", "*"},
    {"TxBetweenTheBands", ColTx, "300", "400.00000", "014500000", OffsetPlus, "025500000", "*"},
    {"TxLeadingPoint", ColTx, ".5", "136.00000", "014500000", OffsetMinus, "000900000", "*"},
    {"TxPointAlone", ColTx, ".", "145.00000", "014500000", OffsetNone, "000000000", "Not IsNumeric"},
};
INSTANTIATE_TEST_SUITE_P(Texts, TypedFrequency, ::testing::ValuesIn(kTypedFreCases),
                         [](const auto& i) { return i.param.name; });

TEST_F(GridEditTest, TheLastMemoryChannelStays) {
    DoubleClick(2, 1);
    Type(RxBox, "");
    f.SaveOldData();
    ASSERT_EQ(Rec(2), nullptr);
    DoubleClick(1, 1);
    Type(RxBox, "");
    f.SaveOldData();
    EXPECT_NE(Rec(1), nullptr);
    EXPECT_EQ(p.notes.Texts(), std::vector<std::string>{"Must retain the one channels!"});
    EXPECT_FALSE(G().Text(1, 1).empty());
}

TEST_F(GridEditTest, TxNameAndCombosWrite) {
    Make(5, "145");
    DoubleClick(5, 2);
    Type(TxBox, "145.6");
    Key(TxBox, 13);
    EXPECT_EQ(Rec(5)->OffsetDir, OffsetPlus);
    EXPECT_EQ(Rec(5)->OffsetFre.Raw(), "000060000");
    EXPECT_EQ(G().Text(5, 2), "145.60000");
    // An empty TX is simplex, silently.
    DoubleClick(5, 2);
    Type(TxBox, "");
    f.SaveOldData();
    EXPECT_EQ(Rec(5)->OffsetDir, OffsetNone);
    EXPECT_EQ(Rec(5)->OffsetFre.Raw(), "000000000");
    EXPECT_EQ(G().Text(5, 2), G().Text(5, 1));
    EXPECT_TRUE(p.notes.shown.empty());

    DoubleClick(5, 3);
    Type(NameBox, "HOME");
    f.SaveOldData();
    EXPECT_EQ(Rec(5)->Name.Raw(), "HOME  ");

    struct Pk { int col; const char* combo; int index; } picks[] = {
        {4, StepList, 2}, {5, BandwidthList, 1}, {7, PowerList, 1}, {10, OptSigList, 3}};
    for (const Pk& k : picks) {
        DoubleClick(5, k.col);
        Pick(k.combo, k.index);
        EXPECT_TRUE(f.C(k.combo).visible) << "a pick writes and the combo stays";
    }
    EXPECT_EQ(Rec(5)->Step, 2);
    EXPECT_EQ(Rec(5)->WN, 1);
    EXPECT_EQ(Rec(5)->Power, 1);
    EXPECT_EQ(Rec(5)->OptSig, 3);
    EXPECT_EQ(G().Text(5, 10), "5tone 0");
}

TEST_F(GridEditTest, ToneTypePickBringsUpTheValueCombo) {
    Make(5);
    DoubleClick(5, 8);
    Pick(DecodeTypeList, 2);
    EXPECT_EQ(Rec(5)->DeCTCType, 2);
    EXPECT_EQ(Visible(), std::vector<std::string>{DecodeDcsList});
    EXPECT_EQ(f.State().focus, DecodeDcsList);
    Pick(DecodeDcsList, 512 + 19);
    EXPECT_EQ(Rec(5)->DeDCS, 19);
    EXPECT_EQ(Rec(5)->DeDCSInvert, 1);
    EXPECT_EQ(G().Text(5, 8), "D023I");
    EXPECT_EQ(Key(DecodeDcsList, 13), 0);
    EXPECT_TRUE(Visible().empty());
    EXPECT_EQ(f.State().focus, Grids[0]);

    DoubleClick(5, 9);
    Pick(EncodeTypeList, 1);
    EXPECT_EQ(Visible(), std::vector<std::string>{EncodeCtcssList});
    Pick(EncodeCtcssList, 8);
    EXPECT_EQ(Rec(5)->EnCTCType, 1);
    EXPECT_EQ(Rec(5)->EnCTCSS, 8);
    // "None" stays on the type combo.
    DoubleClick(5, 9);
    Pick(EncodeTypeList, 0);
    EXPECT_EQ(Visible(), std::vector<std::string>{EncodeTypeList});
    EXPECT_EQ(Rec(5)->EnCTCType, 0);
    EXPECT_TRUE(FrmMain::OpensListOnKey(EncodeTypeList, kKeyDown));
    EXPECT_TRUE(FrmMain::OpensListOnKey(DecodeDcsList, kKeyLeft));
    EXPECT_FALSE(FrmMain::OpensListOnKey(StepList, kKeyDown));
    EXPECT_FALSE(FrmMain::OpensListOnKey(DecodeCtcssList, 13));
}

TEST_F(GridEditTest, PresetToneEditsGoIntoThePresetRecord) {
    ShowList(ListGMRS);
    DoubleClick(3, 9);
    Pick(EncodeTypeList, 1);
    Pick(EncodeCtcssList, 4);
    EXPECT_EQ(d.WorkData.GMRSFreData[2].EnCTCType, 1);
    EXPECT_EQ(d.WorkData.GMRSFreData[2].EnCTCSS, 4);
    EXPECT_TRUE(p.notes.shown.empty());
}

TEST_F(GridEditTest, BankTicksAndAFullBankRefused) {
    Make(5);
    for (int n = 100; n < 132; ++n) AddChannelToBank(d, n, 9);  // bank 9 full
    DoubleClick(5, 6);
    auto tick = [&](int item, bool on) {
        f.C(BankChecks).selected[static_cast<std::size_t>(item)] = on;
        f.ItemCheck(BankChecks, item);
        f.Click(BankChecks);
    };
    tick(2, true);
    EXPECT_EQ(G().Text(5, 6), "13");
    tick(8, true);
    EXPECT_FALSE(f.C(BankChecks).selected[8]);
    EXPECT_EQ(GetChannelBankSlot(d, 5, 9), 0);
    tick(0, false);
    EXPECT_EQ(G().Text(5, 6), "3");
    EXPECT_TRUE(p.notes.shown.empty());
    EXPECT_EQ(Key(BankChecks, 13), 0);
    EXPECT_TRUE(Visible().empty());
}

TEST_F(GridEditTest, EditorKeyTables) {
    struct Case { const char* editor; int key; int after; };
    const Case cases[] = {
        {RxBox, '7', '7'},     {RxBox, '.', '.'},  {RxBox, 'a', 0},      {RxBox, 22, 0},
        {TxBox, 3, 0},         {TxBox, 8, 8},      {TxBox, 200, 0},      {NameBox, 'a', 'a'},
        {NameBox, '\\', 0},    {NameBox, '~', 0},  {NameBox, 24, 0},     {NameBox, ' ', ' '},
        {RadioBox, '1', '1'},  {RadioBox, 'x', 0}, {AirBandBox, 22, 0},  {AirBandBox, 0x4E2D, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Key(c.editor, c.key), c.after) << c.editor << " " << c.key;
    for (auto [name, max] : {std::pair{RxBox, 9}, {TxBox, 9}, {NameBox, 6}, {RadioBox, 6}, {AirBandBox, 8}}) {
        EXPECT_EQ(f.C(name).max, max) << name;
        EXPECT_TRUE(f.C(name).noContextMenu) << name;
        EXPECT_FALSE(f.C(name).inputChars.empty()) << name;
    }
    EXPECT_TRUE(f.C(VfoBox).noContextMenu);
}

TEST_F(GridEditTest, CursorMovesCommitAndTheRxEditorStaysOnItsCell) {
    Make(5);
    DoubleClick(5, 3);
    Type(NameBox, "AB");
    Enter(5, 3);  // entering the editor's cell again: the name commits (not the RX rule)
    EXPECT_FALSE(f.C(NameBox).visible);
    EXPECT_EQ(Rec(5)->Name.Trim(), "AB");
    DoubleClick(40, 5);  // an empty row: the RX editor opens over column 1
    EXPECT_EQ(G().col, 1);
    EXPECT_EQ(d.EditColumn, 1);
    Enter(40, 1);
    EXPECT_TRUE(f.C(RxBox).visible);
    Type(RxBox, "440.5");
    Enter(41, 1);
    EXPECT_FALSE(f.C(RxBox).visible);
    EXPECT_NE(Rec(40), nullptr);
    // Nothing happens before the form is loaded or while the grids rebuild.
    DoubleClick(5, 3);
    f.IsGridInit = true;
    Enter(6, 3);
    EXPECT_TRUE(f.C(NameBox).visible);
    f.IsGridInit = false;
}

// ---- the clipboard keys ----

TEST_F(GridEditTest, CopyPasteAndCut) {
    Make(5);
    SetChannelBank(d, 5, 3, true);
    FreDataRec& five = d.FreData[static_cast<std::size_t>(FindFreDataIndex(d, 5))];
    five.Name.Set("FIVE");
    const FreDataRec copy = five;
    Ctrl('C', 5);
    Ctrl('V', 12);
    ASSERT_NE(Rec(12), nullptr);
    EXPECT_EQ(Rec(12)->Name.Trim(), "FIVE");
    EXPECT_EQ(GetChannelBankText(d, 12), "");
    EXPECT_EQ(*Rec(5), copy);
    EXPECT_EQ(G().Text(12, 3), "FIVE");

    Ctrl('X', 5);
    EXPECT_EQ(Rec(5), nullptr);
    EXPECT_EQ(G().Text(5, 1), "");
    Ctrl('V', 5);
    ASSERT_NE(Rec(5), nullptr);
    EXPECT_EQ(GetChannelBankText(d, 5), "");

    Ctrl('C', 30);  // an empty row
    Make(7);
    Ctrl('V', 7);
    EXPECT_EQ(Rec(7), nullptr);
    EXPECT_TRUE(p.notes.shown.empty());

    // Only Ctrl alone.
    Ctrl('X', 5, kCtrlMask | kShiftMask);
    Ctrl('C', 12, kCtrlMask | kAltMask);
    EXPECT_NE(Rec(5), nullptr);
}

TEST_F(GridEditTest, CutOfTheOnlyChannelAndTheVfoRows) {
    Ctrl('X', 2);
    ASSERT_EQ(Rec(2), nullptr);
    Ctrl('X', 1);
    EXPECT_NE(Rec(1), nullptr);
    EXPECT_EQ(p.notes.Texts(), std::vector<std::string>{"Must retain the one channels!"});
    Ctrl('V', 33);
    EXPECT_NE(Rec(33), nullptr);
    Ctrl('X', 205);
    EXPECT_NE(Rec(205), nullptr);
    EXPECT_EQ(d.ClipFreData.No, 205);
    d.ClipFreData.Used = 0;
    Ctrl('V', 206);
    EXPECT_NE(Rec(206), nullptr);
}

TEST_F(GridEditTest, PasteBeforeAnyCopyAndInPresetListsDoesNothing) {
    d.ClipFreData = d.FreData[0];
    d.ClipFreData.Used = 1;
    Ctrl('V', 20);
    EXPECT_EQ(Rec(20), nullptr);
    Ctrl('C', 1);
    NewDataFile(d);
    EXPECT_FALSE(d.ClipFilled[0]);
    Ctrl('V', 20);
    EXPECT_EQ(Rec(20), nullptr);

    ShowList(ListGMRS);
    const AppData before = d;
    Ctrl('C', 1);
    Ctrl('X', 1);
    Ctrl('V', 2);
    EXPECT_FALSE(d.ClipFilled[0]);
    EXPECT_EQ(d.WorkData, before.WorkData);
}

TEST_F(GridEditTest, ClipboardKeyCommitsTheOpenEditorFirst) {
    Make(5);
    DoubleClick(5, 3);
    Type(NameBox, "TYPED");
    Ctrl('X', 5);
    EXPECT_EQ(d.ClipFreData.Name.Trim(), "TYPED");
    EXPECT_FALSE(f.C(NameBox).visible);
}

// ---- broadcast and air band ----

TEST_F(GridEditTest, BroadcastEditorOpensOnEnteringACellAndEnterGoesDown) {
    f.ShowGridType(2, -1);
    Enter(5, 1, 2);
    EXPECT_EQ(Visible(), std::vector<std::string>{RadioBox});
    EXPECT_EQ(f.State().focus, RadioBox);
    EXPECT_EQ(f.RadioEditRow, 5);
    Type(RadioBox, "101.7");
    EXPECT_EQ(Key(RadioBox, 13), 0);
    const RadioFreRec& e4 = d.WorkData.RadioFreData[4];
    EXPECT_EQ(e4.Used, 1);
    EXPECT_EQ(e4.No, 5);
    EXPECT_EQ(e4.Fre.Raw(), "01017000");
    EXPECT_EQ(G(2).Text(5, 1), "101.7000");
    EXPECT_EQ(f.RadioEditRow, 6);
    EXPECT_EQ(G(2).row, 6);
    // Entering the editor's cell again neither commits nor moves it.
    Type(RadioBox, "99");
    Enter(6, 1, 2);
    EXPECT_FALSE(d.WorkData.RadioFreData[5].Used);
    // A station at 101.7 shows cut to six characters.
    Enter(5, 1, 2);
    EXPECT_EQ(f.C(RadioBox).text, "101.70");
    // Enter on the VFO row goes to row 1.
    Enter(101, 1, 2);
    Key(RadioBox, 13);
    EXPECT_EQ(f.RadioEditRow, 1);
    EXPECT_TRUE(p.notes.shown.empty());
}

TEST_F(GridEditTest, BroadcastRefusals) {
    f.ShowGridType(2, -1);
    // The default data: entries 0 and 100 used; emptying row 1 is refused silently.
    Enter(1, 1, 2);
    Type(RadioBox, "");
    Enter(2, 1, 2);
    EXPECT_EQ(d.WorkData.RadioFreData[0].Used, 1);
    EXPECT_TRUE(p.notes.shown.empty());
    // The VFO row.
    Enter(101, 1, 2);
    Type(RadioBox, "");
    Enter(100, 1, 2);
    EXPECT_EQ(p.notes.Texts(), std::vector<std::string>{"VFO can't be null!"});
    EXPECT_EQ(d.WorkData.RadioFreData[100].Used, 1);
    // Emptying the current station moves it to the first used one.
    Enter(4, 1, 2);
    Type(RadioBox, "100");
    Enter(3, 1, 2);
    d.OptionData().RadioMemChannel = 0;
    Enter(1, 1, 2);
    Type(RadioBox, "");
    Enter(2, 1, 2);
    EXPECT_EQ(d.WorkData.RadioFreData[0].Used, 0);
    EXPECT_EQ(d.OptionData().RadioMemChannel, 3);
    // A value outside the list is re-pointed at the next commit.
    d.OptionData().RadioMemChannel = 400;
    Type(RadioBox, "102");
    Enter(3, 1, 2);
    EXPECT_EQ(d.OptionData().RadioMemChannel, 1);
}

TEST_F(GridEditTest, AirBandClampsAndEmpties) {
    f.ShowGridType(3, -1);
    Enter(3, 1, 3);
    EXPECT_EQ(f.C(AirBandBox).max, 8);
    Type(AirBandBox, "150");
    Enter(4, 1, 3);
    EXPECT_EQ(d.WorkData.AMFreData[2].Raw(), "136.0000");
    Type(AirBandBox, "117");
    Enter(5, 1, 3);
    EXPECT_EQ(d.WorkData.AMFreData[3].Raw(), "118.0000");
    EXPECT_EQ(p.notes.shown.size(), 2u);
    EXPECT_EQ(G(3).Text(4, 1), "118.0000");
    // Emptying every entry, the VFO row included, leaves AMMemChannel 0.
    for (int row = 1; row <= 101; ++row) {
        Enter(row, 1, 3);
        Type(AirBandBox, "");
    }
    Enter(5, 1, 3);
    for (const auto& e : d.WorkData.AMFreData) EXPECT_EQ(e.Trim(), "");
    EXPECT_EQ(d.WorkData.AMMemChannel, 0);
    // A value outside the list names an empty entry: re-pointed at the next commit.
    d.WorkData.AMMemChannel = 200;
    Type(AirBandBox, "120");
    Enter(6, 1, 3);
    EXPECT_EQ(d.WorkData.AMFreData[4].Raw(), "120.0000");
    EXPECT_EQ(d.WorkData.AMMemChannel, 4);
}

TEST_F(GridEditTest, ReShowGridRedrawsOneRowOfEachList) {
    d.WorkData.RadioFreData[6].Fre.Set("01025000");
    d.WorkData.AMFreData[6].Set("121.5000");
    f.ReShowGrid(2, 7, 1);
    f.ReShowGrid(3, 7, 1);
    EXPECT_EQ(G(2).Text(7, 1), "102.5000");
    EXPECT_EQ(G(3).Text(7, 1), "121.5000");
    // An open editor shows the redrawn text, cut to its length.
    f.ShowGridType(2, -1);
    Enter(7, 1, 2);
    d.WorkData.RadioFreData[6].Fre.Set("01031000");
    f.ReShowGrid(2, 7, 1);
    EXPECT_EQ(f.C(RadioBox).text, "103.10");
    // A channel row without a record is blanked; a preset row is redrawn.
    G(0).SetText(30, 1, "stale");
    f.ReShowGrid(0, 30, 0);
    EXPECT_EQ(G(0).Text(30, 1), "");
    f.ShowGridType(0, ListMURS);
    d.WorkData.MURSFreData[1].Name.Set("MU2");
    f.ReShowGrid(0, 2, 0);
    EXPECT_EQ(G(0).Text(2, 3), "MU2");
}

// ---- commit before command ----

TEST_F(GridEditTest, EveryCommandCommitsTheOpenEditor) {
    Make(5);
    const std::vector<std::string> commands = {EditDtmf, ShowRadioList, ViewToolBar, EditChannel};
    for (const auto& c : commands) {
        f.ShowGridType(0, -1);
        DoubleClick(5, 3);
        Type(NameBox, c.substr(3, 6));
        f.Click(c);
        EXPECT_EQ(Rec(5)->Name.Trim(), c.substr(3, 6)) << c;
        if (c != EditChannel) {
            EXPECT_TRUE(Visible().empty()) << c;
        }
    }
    f.ShowGridType(0, -1);
    DoubleClick(5, 3);
    Type(NameBox, "TREE");
    f.tvTreeView_NodeClick("N5");
    EXPECT_EQ(Rec(5)->Name.Trim(), "TREE");
    DoubleClick(5, 3);
    Type(NameBox, "CLOSE");
    EXPECT_TRUE(f.QueryClose());
    EXPECT_EQ(Rec(5)->Name.Trim(), "CLOSE");
    // A refused commit does not stop the command and drops the value.
    f.ShowGridType(2, -1);
    Enter(101, 1, 2);
    Type(RadioBox, "");
    f.Click(ViewStatusBar);
    EXPECT_EQ(p.notes.Texts(), std::vector<std::string>{"VFO can't be null!"});
    EXPECT_FALSE(f.C(RadioBox).visible);
    EXPECT_FALSE(f.C(ViewStatusBar).checked);
}

TEST_F(GridEditTest, AfterNewDataACellMoveWritesNoStaleValue) {
    DoubleClick(1, 3);
    Type(NameBox, "OLD");
    f.RunCommand(FileNew);  // the commit runs first
    NewDataFile(d);
    f.ShowListByData(d.ShowListType);
    const FreDataRec fresh = *Rec(1);
    Enter(2, 3);
    Enter(1, 1);
    EXPECT_EQ(*Rec(1), fresh);
    f.ShowGridType(2, -1);
    Enter(5, 1, 2);
    Type(RadioBox, "99");
    f.RunCommand(FileNew);
    NewDataFile(d);
    f.ShowGridType(2, -1);
    Enter(6, 1, 2);
    EXPECT_EQ(d.WorkData.RadioFreData[4].Used, 0);
}

}  // namespace
}  // namespace rp

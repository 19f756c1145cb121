#include "mainwindow/frmmain.h"

#include <algorithm>

#include "channels/frmbank.h"
#include "core/banks.h"
#include "core/channelfreq.h"
#include "core/channelstore.h"
#include "core/conversions.h"
#include "core/language.h"
#include "forms/formlanguage.h"
#include "forms/tonetables.h"

namespace rp {

using namespace mainform;

namespace {

struct MenuEntry {
    const char* name;
    int key;
    const char* shortcut;
};

// The menu bar in display order: top-level menus (their entries follow).
const MenuEntry kMenus[] = {
    {FileMenu, 1000, ""},         {FileNew, 1001, "Ctrl+N"},      {FileOpen, 1002, "Ctrl+O"},
    {FileSave, 1003, "Ctrl+S"},   {FileSaveAs, 1004, ""},         {FilePrint, 1005, ""},
    {FileExit, 1006, ""},         {ModelMenu, 1060, ""},          {ModelInfo, 1061, ""},
    {EditMenu, 1010, ""},         {EditChannel, 1011, ""},        {EditOptions, 1021, ""},
    {EditBanks, 3501, ""},        {ShowRadioList, 1022, ""},      {ShowAirBandList, 3401, ""},
    {EditMsk, 7501, ""},          {EditDtmf, 1023, ""},           {EditTwoTone, 1024, ""},
    {EditFiveTone, 1025, ""},     {EditScan, 2401, ""},           {EditAlert, 2601, ""},
    {EditCommBook, 1804, ""},     {ReadInformation, 1028, ""},    {EditTestData, 8001, ""},
    {ChannelBatch, 1029, ""},     {SetMenu, 1030, ""},            {SetPort, 1031, ""},
    {SetLanguage, 1032, ""},      {SetInit, 1033, ""},            {ProgramMenu, 1040, ""},
    {ProgramRead, 1041, ""},      {ProgramWrite, 1042, ""},       {ProgramPassWord, 1043, ""},
    {ViewMenu, 1020, ""},         {ViewToolBar, 1026, ""},        {ViewStatusBar, 1027, ""},
    {HelpMenu, 1050, ""},         {HelpContents, 1051, ""},       {HelpAbout, 1052, ""},
};

// Toolbar buttons (key, tool-tip key) and the command each runs.
struct ToolButton {
    const char* key;
    const char* toolTip;
    const char* command;
};
const ToolButton kToolButtons[] = {
    {ToolNew, "1001", FileNew},      {ToolOpen, "1002", FileOpen}, {ToolSave, "1003", FileSave},
    {ToolRead, "1041", ProgramRead}, {ToolPort, "", SetPort},      {ToolWrite, "1042", ProgramWrite},
    {ToolAbout, "1052", HelpAbout},
};

// The top-level menus (the rest of kMenus are their entries).
bool IsTopMenu(const std::string& name) {
    static const char* const tops[] = {FileMenu, ModelMenu, EditMenu, SetMenu, ProgramMenu, ViewMenu, HelpMenu};
    return std::find(std::begin(tops), std::end(tops), name) != std::end(tops);
}

// Entries that stay usable while a transfer runs.
bool RunsDuringTransfer(const std::string& name) { return name == ViewToolBar || name == ViewStatusBar; }

// Tree nodes that open a menu entry's dialog, and those that run a menu
// entry's command.
const std::map<std::string, std::string>& DialogOfNode() {
    static const std::map<std::string, std::string> m = {
        {"N4", EditOptions}, {"N5", EditDtmf}, {"N6", EditTwoTone},
        {"N7", EditFiveTone},   {"N8", EditCommBook},
    };
    return m;
}
const std::map<std::string, std::string>& MenuOfNode() {
    static const std::map<std::string, std::string> m = {
        {"N17", EditMsk},   {"N9", ReadInformation}, {"N10", EditScan},
        {"N11", EditAlert}, {"N14", EditTestData},   {"N15", EditBanks},
    };
    return m;
}

// Tree nodes that show a list: the grid (0..3) and, for the channel grid,
// the list kind (-1 keeps the list shown).
const std::map<std::string, std::pair<int, int>>& ListOfNode() {
    static const std::map<std::string, std::pair<int, int>> m = {
        {"N1", {0, -1}},  {"N101", {0, ListMemory}}, {"N102", {0, ListGMRS}}, {"N103", {0, ListMURS}},
        {"N104", {0, ListWeather}}, {"N2", {1, -1}}, {"N3", {2, -1}}, {"N16", {3, -1}},
    };
    return m;
}

// Tree nodes that run a command or open a dialog (the others show a grid).
bool IsCommandNode(const std::string& key) { return DialogOfNode().count(key) || MenuOfNode().count(key); }

// Shows "Not IsNumeric" at most once while it is installed (one refresh).
class OnceNotifier : public Notifier {
public:
    explicit OnceNotifier(AppData& d) : d_(d), inner_(d.Ui.Notify) { d.Ui.Notify = this; }
    ~OnceNotifier() override { d_.Ui.Notify = inner_; }
    OnceNotifier(const OnceNotifier&) = delete;
    OnceNotifier& operator=(const OnceNotifier&) = delete;
    MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                   const std::string& title) override {
        if (text == kNotNumericText) {
            if (shown_) return MsgAnswer::Ok;
            shown_ = true;
        }
        return inner_->Show(text, icon, buttons, title);
    }

private:
    AppData& d_;
    Notifier* inner_;
    bool shown_ = false;
};

// Rows, columns and records of the lists.
constexpr int kChannelRows = kFreDataMax + 1;  // 207
constexpr int kChannelCols = 13;
constexpr int kVfoRows = 130, kVfoCols = 3;
constexpr int kStationRows = 102, kStationCols = 2;

const std::int32_t kHeaderFore = Rgb(0, 0, 155);
const std::int32_t kLabelFore = Rgb(0, 0, 255);
const std::int32_t kEvenRowBack = Rgb(250, 250, 240);

int PresetCount(int listKind) {
    switch (listKind) {
    case ListGMRS: return 23;
    case ListMURS: return 5;
    case ListWeather: return 7;
    default: return 0;
    }
}

std::string EntryOrEmpty(const std::vector<std::string>& table, int index) {
    if (index < 0 || index >= static_cast<int>(table.size())) return {};
    return table[static_cast<std::size_t>(index)];
}

}  // namespace

// The language texts a row needs, read once per refresh.
struct FrmMain::RowTexts {
    std::string high, middle, low, none;
    std::vector<std::string> ctcss;
    explicit RowTexts(AppData& d)
        : high(GetLanguageString(d, mainkey::PowerHigh)),
          middle(GetLanguageString(d, mainkey::PowerMiddle)),
          low(GetLanguageString(d, mainkey::PowerLow)),
          none(GetLanguageString(d, mainkey::None)),
          ctcss(CtcssTexts(d)) {}
};

FrmMain::FrmMain(AppData& data) : Form(kName), d(data) {
    FormState& s = State();
    // Menus: the caption is the key until the first relabelling moves it
    // into the tag.
    for (const auto& m : kMenus) {
        ControlState& c = s.Add(m.name, ControlKind::Menu);
        c.text = std::to_string(m.key);
        c.shortcut = m.shortcut;
    }
    s[EditScan].visible = false;
    AddControls(s, kControls);
    for (const auto& b : kToolButtons) {
        TabState t;
        t.name = b.key;
        t.toolTip = b.toolTip;
        s[ToolBar].tabs.push_back(t);
    }
    for (int i = 1; i < kGridCount; ++i) s[Grids[i]].visible = false;
    s[BankChecks].multiSelect = true;
    for (const char* t : {WaitTimer, CommandTimer, ReadyTimer, EndTimer}) s[t].enabled = false;
    grids_[0] = TextGrid(kChannelRows, kChannelCols);
    grids_[1] = TextGrid(kVfoRows, kVfoCols);
    grids_[2] = TextGrid(kStationRows, kStationCols);
    grids_[3] = TextGrid(kStationRows, kStationCols);
    InitCellEditors();
}

int FrmMain::GridIndex(const std::string& control) {
    const int i = Grids.IndexOf(control);
    return i < kGridCount ? i : -1;
}

bool FrmMain::IsMenuEntry(const std::string& name) {
    return std::any_of(std::begin(kMenus), std::end(kMenus), [&](const MenuEntry& m) { return name == m.name; });
}

TextGrid* FrmMain::Grid(const std::string& control) {
    const int i = GridIndex(control);
    return i >= 0 ? &grids_[static_cast<std::size_t>(i)] : nullptr;
}

int FrmMain::VisibleGrid() const {
    for (int i = 0; i < kGridCount; ++i)
        if (C(Grids[i]).visible) return i;
    return 0;
}

// ---- load, reload, model, tree ----

void FrmMain::Form_Load() {
    FormLoaded = false;
    IsEditorFilling = false;
    C(EditTestData).visible = d.FactoryTestMode;
    C(HelpContents).visible = d.HelpEnabled;
    C(FilePrint).visible = d.PrintEnabled;
    ApplyFormLanguage(d, State());
    C(ViewToolBar).checked = true;
    C(ViewStatusBar).checked = true;
    C(CommandTimer).enabled = false;
    C(WaitTimer).enabled = false;
    if (hooks.LoadPosition) hooks.LoadPosition();
    // Header row 500 high, label column 600 wide; the channel grid's own
    // widths (the default width of column 1, copied to others, is ours).
    for (auto& g : grids_) {
        g.SetRowHeight(0, 500);
        g.SetColWidth(0, 600);
    }
    TextGrid& ch = grids_[0];
    ch.SetColWidth(1, 1300);
    ch.SetColWidth(5, 1500);
    ch.SetColWidth(6, 1500);
    ch.SetColWidth(7, 1200);
    ch.SetColWidth(8, 1400);
    ch.SetColWidth(9, 1400);
    HookTextMenu(C(VfoBox));
    HookTextMenu(C(RadioBox));
    LoadShowByModel();
    ShowListByData(d.ShowListType);
    FormLoaded = true;
}

void FrmMain::Form_ReLoad() {
    ApplyFormLanguage(d, State());
    LoadShowTree();
    ShowListByData(d.ShowListType);
}

void FrmMain::FillOptSigList() {
    ControlState& c = C(OptSigList);
    c.items = {GetLanguageString(d, mainkey::None), "DTMF", "2Tone", "5Tone"};
    if (d.CurModel == kWideModel) c.items.push_back("MSK");
    SetListIndex(c, -1);
}

void FrmMain::LoadShowByModel() {
    FillOptSigList();
    if (d.CurModel != kWideModel) {
        C(ShowAirBandList).visible = false;
        C(EditMsk).visible = false;
        d.FMLowFre = 76.0;
    } else {
        C(EditTwoTone).visible = true;
        C(ShowAirBandList).visible = true;
        C(EditMsk).visible = true;
        d.FMLowFre = 64.0;
    }
    LoadShowTree();
}

void FrmMain::LoadShowTree() {
    fileFilter_ = LangText(d, d.Msg.DataFileText) + " (*.dat)";
    auto text = [&](int key) { return GetLanguageString(d, key); };
    const bool wide = d.CurModel == kWideModel;
    tree_.clear();
    tree_.push_back({"N0", d.CurModelShowName, "", true});
    tree_.push_back({"N1", "CH", "N0", true});
    tree_.push_back({"N101", "Normal", "N1", false});
    tree_.push_back({"N102", "GMRS", "N1", false});
    tree_.push_back({"N103", "MURS", "N1", false});
    tree_.push_back({"N104", "NOAA", "N1", false});
    tree_.push_back({"N3", "Radio", "N0", false});
    if (wide) {
        tree_.push_back({"N16", text(3400), "N0", false});
        tree_.push_back({"N17", text(7500), "N0", false});
    }
    tree_.push_back({"N4", text(5021), "N0", false});
    tree_.push_back({"N15", text(3500), "N0", false});
    tree_.push_back({"N5", text(5023), "N0", false});
    tree_.push_back({"N6", text(5024), "N0", false});
    tree_.push_back({"N7", text(5025), "N0", false});
    tree_.push_back({"N11", text(2600), "N0", false});
    tree_.push_back({"N8", text(5804), "N0", false});
    tree_.push_back({"N9", text(5028), "N0", false});
    if (d.FactoryTestMode) tree_.push_back({"N14", text(8000), "N0", false});
    EnableTreeNodes();
    treeSelection.clear();
    ++treeRevision;
}

void FrmMain::tvTreeView_NodeClick(const std::string& key) {
    if (commandsLocked_ && IsCommandNode(key)) return;
    if (auto g = ListOfNode().find(key); g != ListOfNode().end()) {
        ShowGridType(g->second.first, g->second.second);
    } else if (auto dl = DialogOfNode().find(key); dl != DialogOfNode().end()) {
        CommitCellEditors();
        OpenDialogOf(dl->second);
    } else if (auto m = MenuOfNode().find(key); m != MenuOfNode().end()) {
        RunCommand(m->second);
    }
}

bool FrmMain::IsListNode(const std::string& key) { return ListOfNode().count(key) != 0; }

int FrmMain::MenuTextKey(const std::string& name) {
    for (const auto& m : kMenus)
        if (name == m.name) return m.key;
    return 0;
}

void FrmMain::ShowGridType(int grid, int listKind) {
    CommitCellEditors();
    if (grid == 0) {
        for (int i = 0; i < kGridCount; ++i) C(Grids[i]).visible = i == 0;
        if (listKind >= 0 && listKind != d.ShowListType) {
            ShowListByFreData(listKind);
            d.ShowListType = static_cast<Integer>(listKind);
        }
    } else if (grid >= 1 && grid <= 3) {
        for (int i = 0; i < kGridCount; ++i) C(Grids[i]).visible = i == grid;
    }
}

// ---- commands ----

void FrmMain::CommitCellEditors() {
    SaveOldData();
    SaveOldGridData(2);
    SaveOldGridData(3);
    C(VfoBox).visible = false;
    C(RadioBox).visible = false;
    C(AirBandBox).visible = false;
    RadioEditRow = RadioEditCol = AMEditRow = AMEditCol = 0;
}

void FrmMain::RunCommand(const std::string& name) {
    if (commandsLocked_ && !RunsDuringTransfer(name)) return;
    CommitCellEditors();
    Act(name);
}

void FrmMain::LockCommands(bool locked) {
    if (locked == commandsLocked_) return;
    commandsLocked_ = locked;
    if (locked) CommitCellEditors();
    for (const auto& m : kMenus)
        if (!IsTopMenu(m.name) && !RunsDuringTransfer(m.name)) C(m.name).enabled = !locked;
    for (TabState& t : C(ToolBar).tabs) t.enabled = !locked;
    EnableTreeNodes();
    ++treeRevision;
}

void FrmMain::EnableTreeNodes() {
    for (TreeNode& n : tree_) n.enabled = !(commandsLocked_ && IsCommandNode(n.key));
}

void FrmMain::ToggleBar(const std::string& menu, const std::string& bar) {
    ControlState& m = C(menu);
    m.checked = !m.checked;
    C(bar).visible = m.checked;
    if (hooks.Layout) hooks.Layout();
}

void FrmMain::Act(const std::string& name) {
    if (auto it = commands.find(name); it != commands.end() && it->second) {
        it->second();
        return;
    }
    if (name == FileExit) {
        if (hooks.CloseWindow) hooks.CloseWindow();
    } else if (name == EditChannel) {
        ShowGridType(0, -1);
        // The grid's double-click action on its current cell comes with the
        // grid editing ("GridDblClick").
        if (auto it = commands.find("GridDblClick"); it != commands.end() && it->second) it->second();
    } else if (name == EditBanks) {
        Open(std::make_unique<FrmBank>(d), [this] {
            if (d.ShowListType == ListMemory) ReShowListByData(d.ShowListType);
        });
    } else if (name == ShowRadioList) {
        ShowGridType(2, -1);
    } else if (name == ShowAirBandList) {
        ShowGridType(3, -1);
    } else if (name == ViewToolBar) {
        ToggleBar(ViewToolBar, ToolBar);
    } else if (name == ViewStatusBar) {
        ToggleBar(ViewStatusBar, StatusBar);
    } else {
        OpenDialogOf(name);
    }
    // Help > Contents: there are no help files. File and radio commands and
    // Set > Init come in through `commands`.
}

void FrmMain::Click(const std::string& control) {
    if (IsMenuEntry(control)) {
        RunCommand(control);
    } else {
        EditorClick(control);
    }
}

void FrmMain::ButtonClick(const std::string& control, const std::string& button) {
    if (control == ToolBar) tbToolBar_ButtonClick(button);
}

void FrmMain::tbToolBar_ButtonClick(const std::string& key) {
    for (const auto& b : kToolButtons) {
        if (key == b.key) {
            RunCommand(b.command);
            return;
        }
    }
}

SaveOutcome FrmMain::mnuFileSave_Click() { return fileSave ? fileSave() : SaveOutcome::Cancelled; }

bool FrmMain::QueryClose() {
    CommitCellEditors();
    if (closeSteps.StopInformationRead) closeSteps.StopInformationRead();
    return !closeSteps.AskSave || closeSteps.AskSave();
}

void FrmMain::Form_Unload() {
    UnhookTextMenu(C(VfoBox));
    UnhookTextMenu(C(RadioBox));
    if (hooks.CloseOtherWindows) hooks.CloseOtherWindows();
    if (hooks.SavePosition) hooks.SavePosition();
}

// ---- the lists ----

std::string FrmMain::CaptionText() {
    return std::string(kAppTitle) + "[" + d.CurModelShowName + ":" + d.CurBandText + "][" +
           GetLanguageString(d, mainkey::FileCaption) + ":" + d.DataFilePath + "]";
}

void FrmMain::ShowListByData(int listKind) {
    InitShowListContent(listKind, 255);
    ReShowListByData(listKind);
    ReShowRadioListByData();
    ReShowAMListByData();
}

void FrmMain::ShowListByFreData(int listKind) {
    InitShowListContent(listKind, 1);
    ReShowListByData(listKind);
}

void FrmMain::SetChannelColumnsByGroup(int listKind) {
    TextGrid& g = grids_[0];
    const int w1 = g.ColWidth(1);
    if (listKind == ListWeather) {
        for (int c : {2, 4, 5, 6, 7, 8, 9, 10, 11}) g.SetColWidth(c, 0);
        g.SetColWidth(3, w1);
        g.SetText(0, 12, "EMERGENCY TONE");
    } else {
        for (int c : {2, 3, 4, 10, 11}) g.SetColWidth(c, w1);
        g.SetColWidth(5, 1500);
        g.SetColWidth(6, (listKind == ListGMRS || listKind == ListMURS) ? 0 : 1500);
        g.SetColWidth(7, 1200);
        g.SetColWidth(8, 1400);
        g.SetColWidth(9, 1400);
        g.SetText(0, 12, "");
    }
}

void FrmMain::InitShowListContent(int listKind, int gridMask) {
    IsGridInit = true;
    auto chosen = [&](int i) { return (gridMask >> i) & 1; };
    for (int i = 1; i <= 3; ++i)
        if (chosen(i)) grids_[static_cast<std::size_t>(i)].Clear();
    TextGrid& ch = grids_[0];
    const int presets = PresetCount(listKind);
    if (chosen(0)) {
        ch.Resize(presets > 0 ? presets + 1 : kChannelRows, kChannelCols);
        if (presets > 0) ch.SetColWidth(6, 0);
        SetChannelColumnsByGroup(listKind);
    }
    for (auto& g : grids_) {
        for (int c = 0; c < g.Cols(); ++c) g.SetForeColor(0, c, kHeaderFore);
        for (int r = g.FixedRows(); r < g.Rows(); ++r) g.SetForeColor(r, 0, kLabelFore);
        for (int r = 2; r < g.Rows(); r += 2)
            for (int c = 1; c < g.Cols(); ++c) g.SetBackColor(r, c, kEvenRowBack);
    }
    LoadShowList();
    if (chosen(0)) {
        const int offset = presets > 0 ? 0 : -1;
        for (int r = 1; r < ch.Rows(); ++r) {
            ch.SetText(r, 0, GetChannelTextByNo(r, offset));
            ch.SetText(r, 11, ">>");
            ch.SetText(r, 12, listKind == ListWeather ? "1050 Hz" : "");
        }
    }
    for (int i = 2; i <= 3; ++i) {
        if (!chosen(i)) continue;
        TextGrid& g = grids_[static_cast<std::size_t>(i)];
        for (int r = 1; r <= 100; ++r) g.SetText(r, 0, std::to_string(r - 1));
        g.SetText(101, 0, "VFO");
    }
    IsGridInit = false;
}

void FrmMain::LoadShowList() {
    auto text = [&](int key) { return GetLanguageString(d, key); };
    TextGrid& ch = grids_[0];
    ch.SetText(0, 0, text(mainkey::ChannelLabel));
    ch.SetText(0, 1, text(mainkey::Rx));
    ch.SetText(0, 2, text(mainkey::Tx));
    ch.SetText(0, 3, text(mainkey::Name));
    ch.SetText(0, 4, text(mainkey::Step));
    ch.SetText(0, 5, text(mainkey::Bandwidth));
    ch.SetText(0, 6, "Bank");
    ch.SetText(0, 7, text(mainkey::Power));
    ch.SetText(0, 8, text(mainkey::Tone) + "\r\n" + text(mainkey::Decode));
    ch.SetText(0, 9, text(mainkey::Tone) + "\r\n" + text(mainkey::Encode));
    ch.SetText(0, 10, text(mainkey::OptSig));
    ch.SetText(0, 11, text(mainkey::Edit));
    for (int i = 2; i <= 3; ++i) {
        TextGrid& g = grids_[static_cast<std::size_t>(i)];
        g.SetText(0, 0, "ID");
        g.SetText(0, 1, text(mainkey::Rx));
    }
    auto fill = [&](const char* name, std::vector<std::string> items) {
        ControlState& c = C(name);
        c.items = std::move(items);
        SetListIndex(c, -1);
    };
    fill(StepList, StepTexts());
    fill(BandwidthList, {"25KHz", "12.5KHz"});
    fill(PowerList, {text(mainkey::PowerHigh), text(mainkey::PowerMiddle), text(mainkey::PowerLow)});
    fill(DecodeTypeList, {text(mainkey::None), "CTCSS", "DCS"});
    fill(EncodeTypeList, {text(mainkey::None), "CTCSS", "DCS"});
    // The custom tone's entry follows the language.
    fill(DecodeCtcssList, CtcssTexts(d));
    fill(EncodeCtcssList, CtcssTexts(d));
    fill(DecodeDcsList, DcsComboTexts());
    fill(EncodeDcsList, DcsComboTexts());
    FillOptSigList();
    std::vector<std::string> banks;
    for (int b = 1; b <= kBankCount; ++b) banks.push_back("Bank " + std::to_string(b));
    ControlState& lb = C(BankChecks);
    lb.items = banks;
    lb.selected.assign(banks.size(), false);
    C(VfoBox).visible = false;
    C(RadioBox).visible = false;
}

void FrmMain::ShowChannelRow(FreDataRec& rec, int listKind, const RowTexts& t) {
    if (listKind < 0) listKind = d.ShowListType;
    TextGrid& g = grids_[0];
    const int row = rec.No;
    // RX and TX.
    const std::string rx = DataToFreStr(d, rec.RxFre.Trim());
    const std::string off = DataToOffsetStr(d, rec.OffsetFre.Trim());
    // Without a direction TX shows RX as it is.
    const bool shifted = rec.OffsetDir == OffsetMinus || rec.OffsetDir == OffsetPlus;
    const std::string tx = shifted ? TxDisplayText(rx, off, rec.OffsetDir) : rx;
    g.SetText(row, 1, rx);
    g.SetText(row, 2, tx);
    g.SetText(row, 3, Latin1ToUtf8(rec.Name.Trim()));
    g.SetText(row, 4, EntryOrEmpty(StepTexts(), rec.Step));
    if (rec.WN > 1) rec.WN = 1;
    g.SetText(row, 5, rec.WN == 0 ? "25K" : rec.WN == 1 ? "12.5K" : "");
    if (rec.Reserved66 > 1) rec.Reserved66 = 0;
    g.SetText(row, 6, listKind == ListMemory ? GetChannelBankText(d, rec.No) : "");
    if (rec.Power > 2) rec.Power = 0;
    g.SetText(row, 7, rec.Power == 0 ? t.high : rec.Power == 1 ? t.middle : rec.Power == 2 ? t.low : "");
    auto tone = [&](Integer type, Integer& ctcss, Integer& dcs, Integer invert) -> std::string {
        if (type == 1) {
            if (ctcss > 52) ctcss = 0;
            return EntryOrEmpty(t.ctcss, ctcss);
        }
        if (type == 2) {
            if (dcs > 511) dcs = 0;
            std::string s = EntryOrEmpty(DcsTexts(), dcs);
            if (s.empty()) return s;
            s = "D" + s;
            if (invert > 0) s.back() = 'I';
            return s;
        }
        return t.none;
    };
    g.SetText(row, 8, tone(rec.DeCTCType, rec.DeCTCSS, rec.DeDCS, rec.DeDCSInvert));
    g.SetText(row, 9, tone(rec.EnCTCType, rec.EnCTCSS, rec.EnDCS, rec.EnDCSInvert));
    std::string sig = t.none;
    switch (rec.OptSig) {
    case 1: sig = "DTMF M" + std::to_string(rec.DTMFCode + 1); break;
    case 2: sig = "2tone " + std::to_string(rec.Tone2Code); break;
    case 3: sig = "5tone " + std::to_string(rec.Tone5Code); break;
    default: break;
    }
    g.SetText(row, 10, sig);
}

void FrmMain::ReShowListByData(int listKind) {
    OnceNotifier once(d);
    State().caption = CaptionText();
    const RowTexts t(d);
    auto presets = [&](auto& list) {
        for (auto& rec : list) ShowChannelRow(rec, listKind, t);
    };
    switch (listKind) {
    case ListGMRS: presets(d.WorkData.GMRSFreData); return;
    case ListMURS: presets(d.WorkData.MURSFreData); return;
    case ListWeather: presets(d.WorkData.WXFreData); return;
    default: break;
    }
    const int count = std::clamp<int>(d.FreDataCount(), 0, kFreDataMax);
    for (int k = 0; k < count; ++k) {
        FreDataRec copy = d.FreData[static_cast<std::size_t>(k)];
        ShowChannelRow(copy, listKind, t);
    }
    TextGrid& g = grids_[0];
    for (int r = 1; r < g.Rows(); ++r) {
        if (!IsFreDataExist(d, r) && !TrimNullStr(g.Text(r, 1)).empty())
            for (int c = 1; c <= g.Cols() - 3; ++c) g.SetText(r, c, "");
    }
}

void FrmMain::ReShowRadioListByData() {
    OnceNotifier once(d);
    TextGrid& g = grids_[2];
    for (int e = 0; e <= 100; ++e) {
        const RadioFreRec& r = d.WorkData.RadioFreData[static_cast<std::size_t>(e)];
        g.SetText(e + 1, 1, r.Used == 1 ? RadioDataToFreText(d, r.Fre.Trim()) : "");
    }
}

void FrmMain::ReShowAMListByData() {
    OnceNotifier once(d);
    TextGrid& g = grids_[3];
    for (int e = 0; e <= 100; ++e) {
        const std::string s = d.WorkData.AMFreData[static_cast<std::size_t>(e)].Trim();
        g.SetText(e + 1, 1, s.empty() ? "" : RadioDataToFreStr(d, s));
    }
}

void FrmMain::ReShowGrid() { ReShowListByData(d.ShowListType); }

void FrmMain::ReShowGrid(int type, int row, int col) {
    (void)col;
    if (type == 2 || type == 3) {
        ReShowStationRow(type, row);
        return;
    }
    if (type != 0) return;
    OnceNotifier once(d);
    const RowTexts t(d);
    const int kind = d.ShowListType;
    auto one = [&](auto& list) {
        if (row >= 1 && row <= static_cast<int>(list.size())) ShowChannelRow(list[static_cast<std::size_t>(row - 1)], kind, t);
    };
    switch (kind) {
    case ListGMRS: one(d.WorkData.GMRSFreData); return;
    case ListMURS: one(d.WorkData.MURSFreData); return;
    case ListWeather: one(d.WorkData.WXFreData); return;
    default: break;
    }
    const int i = FindFreDataIndex(d, row);
    if (i >= 0) {
        FreDataRec copy = d.FreData[static_cast<std::size_t>(i)];
        ShowChannelRow(copy, kind, t);
    } else {
        TextGrid& g = grids_[0];
        for (int c = 1; c <= g.Cols() - 3; ++c) g.SetText(row, c, "");
    }
}

}  // namespace rp

#include "fivetone/frm5tone.h"

#include <algorithm>

#include "core/fixedtext.h"
#include "core/language.h"
#include "core/listutils.h"
#include "core/numtext.h"
#include "core/repair.h"
#include "fivetone/codes.h"
#include "fivetone/controlnames.h"
#include "fivetone/frm5tonedefts.h"
#include "fivetone/frmspecial.h"
#include "fivetone/infocodes.h"
#include "fivetone/keyfilters.h"
#include "fivetone/standards.h"
#include "fivetone/valuelists.h"
#include "forms/formlanguage.h"
#include "forms/textkeys.h"

namespace rp {

namespace {

constexpr int kCodeRows = 100;
constexpr int kCodeMax = 40;
constexpr int kInfoCodeMax = 12;
constexpr const char* kHookedBoxes[] = {"Text2", "Text3", "Text4_0", "Text4_1"};
constexpr const char* kEditors[] = {"Text3", "Combo2", "Combo3", "Text6"};

int NextCodeRow(int row) { return row >= kCodeRows ? 1 : row + 1; }

std::string InfoCheckText(AppData& d, const std::string& key) {
    if (key == "60350") return GetLanguageOptionString(d, "60350");
    if (key == "60300") return GetLanguageOptionString(d, "60300");
    return GetLanguageOptionString(d, "60301");
}

}  // namespace

Frm5Tone::Frm5Tone(AppData& d) : Form("Frm5Tone"), d_(d), grid_(101, 6, 1, 2) {
    FormState& s = State();
    s.tag = "[OPTION]60052";
    auto add = [&](const std::string& name, ControlKind kind, const std::string& tag = "") -> ControlState& {
        ControlState& c = s.Add(name, kind);
        c.tag = tag;
        return c;
    };
    const ItemList standards = [] {
        ItemList v;
        for (const auto& row : Tone5StandardTable()) v.push_back(row.name);
        return v;
    }();
    static const char* const kLabelKeys[] = {"[OPTION]60072", "3004", "[OPTION]60070", "[OPTION]60071",
                                             "[OPTION]60081", "[OPTION]60307", "[OPTION]60308",
                                             "[OPTION]60309", "[OPTION]60310", "[OPTION]60311",
                                             "[OPTION]60314", "[OPTION]60315", "[OPTION]60316"};
    // In tab order: the own ID, the twelve system lists, the side tone, the
    // information-code area; then the rest.
    add(Indexed("Label1", 0), ControlKind::Label, kLabelKeys[0]);
    GuardTextBox(add("Text2", ControlKind::TextBox), KeyFilterChars(FilterDigitKey), 5);
    for (int i = 1; i <= 12; ++i) {
        add(Indexed("Label1", i), ControlKind::Label, kLabelKeys[i]);
        add(Indexed("Combo1", i), ControlKind::ComboBox);
    }
    C("Combo1_1").items = standards;
    add("Check1", ControlKind::CheckBox, "[OPTION]60312");
    add("Label3", ControlKind::Label, "[OPTION]60095");
    add("Combo6", ControlKind::ComboBox).items = NumberItems(1, 8, 1);
    add("Frame3", ControlKind::Frame);
    add("Label4_0", ControlKind::Label, "[OPTION]60096");
    add("Combo7_0", ControlKind::ComboBox);
    add("Label4_1", ControlKind::Label, "[OPTION]60070");
    add("Combo7_1", ControlKind::ComboBox);
    add("Label4_2", ControlKind::Label, "[OPTION]60097");
    GuardTextBox(add("Text5", ControlKind::TextBox), KeyFilterChars(FilterHexKey), kInfoCodeMax);
    add("Label4_3", ControlKind::Label, "[OPTION]60306");
    GuardTextBox(add("Text7", ControlKind::TextBox), KeyFilterChars(FilterLatinKey), 7);
    ControlState& table = add("Text1", ControlKind::TextBox);
    table.locked = true;  // shows the tone table; nothing is typed there
    add("Command4", ControlKind::Button, "3104");
    add("MSHFlexGrid1", ControlKind::Grid);
    add("Command1", ControlKind::Button, "[OPTION]60062");
    GuardTextBox(add("Text3", ControlKind::TextBox), KeyFilterChars(FilterHexKey), kCodeMax);
    add("Combo2", ControlKind::ComboBox).items = standards;
    add("Combo3", ControlKind::ComboBox);
    GuardTextBox(add("Text6", ControlKind::TextBox), KeyFilterChars(FilterNameKey), 7);
    for (const char* e : kEditors) C(e).visible = false;
    static const char* const kFrameKeys[] = {"[OPTION]60302", "[OPTION]60303"};
    static const char* const kSpecialButtons[] = {"Command2", "Command3"};
    for (int i = 0; i < 2; ++i) {
        add(Indexed("Frame1", i), ControlKind::Frame, kFrameKeys[i]);
        add(Indexed("Label2", i), ControlKind::Label, "[OPTION]60079");
        GuardTextBox(add(Indexed("Text4", i), ControlKind::TextBox), KeyFilterChars(FilterHexKey), kPttCodeTypedMax);
        add(Indexed("Combo4", i), ControlKind::ComboBox).items = standards;
        add(Indexed("Combo5", i), ControlKind::ComboBox);
        add(kSpecialButtons[i], ControlKind::Button, "[OPTION]60062");
    }
    add("CommandOK", ControlKind::Button, "[OPTION]60024");
    add("CommandCancel", ControlKind::Button, "[OPTION]60025");

    tabOrder_ = {"Text2"};
    for (int i = 1; i <= 12; ++i) tabOrder_.push_back(Indexed("Combo1", i));
    for (const char* n : {"Check1", "Combo6", "Combo7_0", "Combo7_1", "Text5", "Text7", "Command4",
                          "MSHFlexGrid1", "Command1", "Text4_0", "Combo4_0", "Combo5_0", "Command2",
                          "Text4_1", "Combo4_1", "Combo5_1", "Command3", "CommandOK", "CommandCancel"})
        tabOrder_.push_back(n);
}

// ---- opening, OK, Cancel, closing ------------------------------------------

void Frm5Tone::Form_Load() {
    for (const char* box : kHookedBoxes) HookTextMenu(C(box));
    IsLoaded = false;
    CurTone5Row = CurTone5Col = CurInfoCodeID = 0;
    for (const char* e : {"Text3", "Combo2", "Combo3"}) C(e).visible = false;
    Relabel();
    InitComboItems();
    InitCodeGrid();
    d_.SetDataEdit = d_.WorkData.SetData;
    Tone5Param11 = d_.WorkData.Tone5Param11;
    Show5ToneByData();
    IsLoaded = true;
}

void Frm5Tone::Relabel() {
    State().caption = GetLanguageOptionString(d_, "60052");
    C("CommandOK").text = GetLanguageOptionString(d_, "60024");
    C("CommandCancel").text = GetLanguageOptionString(d_, "60025");
    C("Command4").text = GetLanguageString(d_, 3104);
    C("Label1_0").text = GetLanguageOptionString(d_, "60072");
    grid_.SetText(0, 3, GetLanguageOptionString(d_, "60061"));
    C("Label1_1").text = GetLanguageString(d_, 3004);
    C("Label1_2").text = GetLanguageOptionString(d_, "60070");
    C("Label1_3").text = GetLanguageOptionString(d_, "60071");
    responses_ = {GetLanguageOptionString(d_, "60057"), GetLanguageOptionString(d_, "60058"),
                  GetLanguageOptionString(d_, "60059")};
    C("Combo1_2").items = responses_;
    C("Combo7_1").items = responses_;
    grid_.SetText(0, 0, GetLanguageOptionString(d_, "60053"));
    grid_.SetText(0, 1, GetLanguageOptionString(d_, "60062"));
    grid_.SetText(0, 2, GetLanguageOptionString(d_, "60079"));
    C("Label2_0").text = C("Label2_1").text = grid_.Text(0, 2);
    C("Frame1_0").text = GetLanguageOptionString(d_, "60302");
    C("Frame1_1").text = GetLanguageOptionString(d_, "60303");
    grid_.SetText(0, 4, GetLanguageOptionString(d_, "60080"));
    grid_.SetText(0, 5, GetLanguageOptionString(d_, "60305"));
    const std::string systemLabels[] = {
        GetLanguageOptionString(d_, "60081"), GetLanguageOptionString(d_, "60307"),
        GetLanguageOptionString(d_, "60308"), GetLanguageOptionString(d_, "60309"),
        GetLanguageOptionString(d_, "60310"), GetLanguageOptionString(d_, "60311"),
        GetLanguageOptionString(d_, "60314"), GetLanguageOptionString(d_, "60315"),
        GetLanguageOptionString(d_, "60316")};
    for (int i = 4; i <= 12; ++i) C(Indexed("Label1", i)).text = systemLabels[i - 4];
    C("Check1").text = GetLanguageOptionString(d_, "60312");
    C("Command1").text = C("Command2").text = C("Command3").text = GetLanguageOptionString(d_, "60062");
    C("Label3").text = GetLanguageOptionString(d_, "60095");
    C("Label4_0").text = GetLanguageOptionString(d_, "60096");
    C("Label4_1").text = GetLanguageOptionString(d_, "60070");
    C("Label4_2").text = GetLanguageOptionString(d_, "60097");
    C("Label4_3").text = GetLanguageOptionString(d_, "60306");
    C("Combo7_0").items = {GetLanguageOptionString(d_, "60098"), GetLanguageOptionString(d_, "60075"),
                           GetLanguageOptionString(d_, "60074"), GetLanguageOptionString(d_, "60069"),
                           GetLanguageOptionString(d_, "60093"), GetLanguageOptionString(d_, "60082"),
                           GetLanguageOptionString(d_, "60099"), GetLanguageOptionString(d_, "60100")};
}

void Frm5Tone::CommandOK_Click() {
    // OK pressed while the own-ID box has the focus: its departure comes first.
    if (State().focus == "Text2" && !Text2_LostFocus("CommandOK")) return;
    if (OwnIdBox().size() != 5) {
        d_.Ui.Notify->Show(GetLanguageMsgString(d_, "900C"), MsgIcon::None, MsgButtons::Ok, "");
        State().focus = "Text2";
        return;
    }
    SaveTone5CellData(CurTone5Row, CurTone5Col);
    Save5ToneDataByShow();
    if (CurInfoCodeID > 0) SaveInfoCode(CurInfoCodeID);
    if (!IsInfoKillStunWakenOK()) return;
    d_.WorkData.SetData = d_.SetDataEdit;
    d_.WorkData.Tone5Param11 = Tone5Param11;
    CheckAllSignalRefs(d_);
    Check5ToneOptionRef(d_);
    Form_Unload();
    Unload();
}

void Frm5Tone::CommandCancel_Click() {
    Form_Unload();
    Unload();
}

void Frm5Tone::Form_Unload() {
    for (const char* box : kHookedBoxes) UnhookTextMenu(C(box));
}

bool Frm5Tone::QueryUnload() {
    Form_Unload();
    return true;
}

// ---- lists, grid, tone table ----------------------------------------------

void Frm5Tone::InitComboItems() {
    auto fill = [&](const std::string& name, ItemList items) {
        ControlState& c = C(name);
        c.items = std::move(items);
        SetListIndex(c, c.index);
    };
    for (const char* n : {"Combo3", "Combo1_3", "Combo5_0", "Combo5_1"}) fill(n, ToneTimeItems());
    fill("Combo1_5", TenthItems());
    for (const char* n : {"Combo1_4", "Combo1_6", "Combo1_8"}) fill(n, NumberItems(10, 2550, 10));
    fill("Combo1_12", NumberItems(0, 2500, 10));
    fill("Combo1_9", NumberItems(0, 2550, 10));
    const std::string off = GetLanguageString(d_, 1755);
    fill("Combo1_7", RepeatTimeItems(off));
    fill("Combo1_10", PauseCodeItems(off));
    fill("Combo1_11", NumberItems(0, 2000, 10));
}

void Frm5Tone::InitCodeGrid() {
    grid_.SetRowHeight(0, 500);
    const int widths[] = {400, 1200, 4300, 1600, 1800, 1050};
    for (int c = 0; c < 6; ++c) grid_.SetColWidth(c, widths[c]);
    for (int r = 1; r <= kCodeRows; ++r) grid_.SetText(r, 0, std::to_string(r - 1));
    grid_.row = 0;
    for (int c = 0; c < grid_.Cols(); ++c) {
        grid_.col = c;
        grid_.SetForeColor(0, c, Rgb(0, 0, 155));
    }
    for (int r = grid_.FixedRows(); r < grid_.Rows(); ++r) {
        grid_.row = r;
        grid_.col = 0;
        grid_.SetForeColor(r, 0, Rgb(0, 0, 255));
    }
}

void Frm5Tone::ShowToneStandard(const std::string& name) {
    ToneTableLabels labels{GetLanguageOptionString(d_, "60085"), GetLanguageOptionString(d_, "60086"),
                           GetLanguageOptionString(d_, "60087"), GetLanguageOptionString(d_, "60088")};
    C("Text1").text = ToneStandardBlock(name, Edit().UserTones, labels);
}

// ---- settings shown and saved ------------------------------------------------

void Frm5Tone::Show5ToneByData() {
    Tone5DataRec& t = Edit();
    C("Text2").text = ownIdShown_ = Latin1ToUtf8(t.OwnID.Trim());
    // A stored value that no item shows selects nothing, and the save keeps it.
    SetListIndex(C("Combo1_1"), t.SysStandard < kTone5StandardCount ? t.SysStandard : -1);
    Combo1_Click(1);
    SetListIndex(C("Combo1_2"), t.Response <= 2 ? t.Response : -1);
    if (t.ToneTime < 30 || t.ToneTime > 100) t.ToneTime = 70;
    SetComboText(C("Combo1_3"), std::to_string(t.ToneTime));
    SetComboText(C("Combo1_4"), std::to_string(t.Tone5Param4 * 10));
    SetComboText(C("Combo1_5"), FormatNumber(t.Tone5Param5 / 10.0, "#0.0"));
    SetComboText(C("Combo1_6"), std::to_string(t.Tone5Param6 * 10));
    if (t.Tone5Param7 < 5) {
        t.Tone5Param7 = 0;
        SetListIndex(C("Combo1_7"), 0);
    } else {
        SetComboText(C("Combo1_7"), std::to_string(t.Tone5Param7));
    }
    SetComboText(C("Combo1_8"), std::to_string(t.Tone5Param8 * 10));
    SetComboText(C("Combo1_9"), std::to_string(t.Tone5Param9 * 10));
    if (t.Tone5Param10 == 0) {
        SetComboText(C("Combo1_10"), GetLanguageString(d_, 1755));
    } else {
        const Integer v = t.Tone5Param10;
        SetComboText(C("Combo1_10"), v > 0 && v < 16 ? std::string(1, "0123456789ABCDEF"[v]) : "");
    }
    Combo1_Click(10);
    SetComboText(C("Combo1_11"), GetComboItemByIndex(C("Combo1_11"), Tone5Param11));
    SetComboText(C("Combo1_12"), GetComboItemByIndex(C("Combo1_12"), t.Tone5Param12));
    sideToneUnshown_ = t.Tone5Switch != 0 && t.Tone5Switch != 1;
    C("Check1").value = t.Tone5Switch == 1 ? 1 : 0;
    SetListIndex(C("Combo6"), 0);
    Combo6_Click();
    for (int r = 1; r <= kCodeRows; ++r) ShowCodeRow(r);
    ShowPttCode(0);
    ShowPttCode(1);
}

void Frm5Tone::ShowCodeRow(int r) {
    Tone5CodeRec& e = Edit().Codes[static_cast<std::size_t>(r - 1)];
    if (e.CodeLen > kCodeMax) e.CodeLen = 0;
    if (e.Standard > kTone5StandardCount) e.Standard = 0;
    if (e.ToneTime < 30 || e.ToneTime > 100) e.ToneTime = 70;
    if (e.Empty != 0) {
        grid_.SetText(r, 1, "");
        grid_.SetText(r, 2, "");
        // The user set (15) has no name to show; an empty cell keeps it at saving.
        grid_.SetText(r, 3, e.Standard == kTone5StandardCount ? "" : Tone5StandardName(0));
        grid_.SetText(r, 4, "70");
        grid_.SetText(r, 5, "");
        return;
    }
    const Tone5CodeCells cells = ShowTone5Code(e.Code.Raw(), e.CodeLen, OwnIdBox(),
                                               GetLanguageOptionString(d_, "60073"),
                                               GetLanguageOptionString(d_, "60084"));
    // A plain code has no kind: the cell is cleared so no old kind stays behind.
    grid_.SetText(r, 1, cells.kindText);
    grid_.SetText(r, 2, cells.codeText);
    grid_.SetText(r, 3, Tone5StandardName(e.Standard));
    grid_.SetText(r, 4, std::to_string(e.ToneTime));
    grid_.SetText(r, 5, Latin1ToUtf8(e.Name.Trim()));
}

void Frm5Tone::ShowPttCode(int i) {
    Tone5CodeRec& c = i == 0 ? Edit().BeginCode : Edit().EndCode;
    if (c.CodeLen > kCodeMax) c.CodeLen = 0;
    if (c.Standard > kTone5StandardCount) c.Standard = 0;
    C(Indexed("Text4", i)).text = Latin1ToUtf8(FitCodeLength(Tone5CodeText(c.Code.Raw()), c.CodeLen));
    SetListIndex(C(Indexed("Combo4", i)), c.Standard < kTone5StandardCount ? c.Standard : -1);
    Combo4_Click(i);
    SetComboText(C(Indexed("Combo5", i)),
                 c.ToneTime >= 30 && c.ToneTime <= 100 ? std::to_string(c.ToneTime) : "70");
}

namespace {
// The number a list shows; `keep` when nothing is selected.
template <class T>
T ShownNumber(const ControlState& list, T keep) {
    if (list.index < 0) return keep;
    return static_cast<T>(ValLngDef(list.SelectedItem(), keep));
}
// The selected index plus `offset`; `keep` when nothing is selected.
template <class T>
T ShownIndex(const ControlState& list, T keep, int offset = 0) {
    return list.index < 0 ? keep : static_cast<T>(list.index + offset);
}
}  // namespace

void Frm5Tone::Save5ToneDataByShow() {
    Tone5DataRec& t = Edit();
    const std::string own = OwnIdBox();
    t.OwnID.Set(own);
    t.OwnIDLen = static_cast<Byte>(std::min<std::size_t>(own.size(), t.OwnID.size()));
    t.SysStandard = ShownIndex(C("Combo1_1"), t.SysStandard);
    t.Response = ShownIndex(C("Combo1_2"), t.Response);
    t.ToneTime = ShownNumber(C("Combo1_3"), t.ToneTime);
    t.Tone5Param4 = ShownIndex(C("Combo1_4"), t.Tone5Param4, 1);
    t.Tone5Param5 = ShownIndex(C("Combo1_5"), t.Tone5Param5);
    t.Tone5Param6 = ShownIndex(C("Combo1_6"), t.Tone5Param6, 1);
    t.Tone5Param7 = C("Combo1_7").index == 0 ? Byte{0} : ShownNumber(C("Combo1_7"), t.Tone5Param7);
    t.Tone5Param8 = ShownIndex(C("Combo1_8"), t.Tone5Param8, 1);
    const ControlState& pause = C("Combo1_10");
    if (pause.index == 0) t.Tone5Param10 = 0;
    else if (pause.index > 0) t.Tone5Param10 = static_cast<Integer>(HexDigitValue(pause.SelectedItem()[0]));
    t.Tone5Param9 = ShownIndex(C("Combo1_9"), t.Tone5Param9);
    Tone5Param11 = ShownIndex(C("Combo1_11"), Tone5Param11);
    t.Tone5Param12 = ShownIndex(C("Combo1_12"), t.Tone5Param12);
    if (!sideToneUnshown_) t.Tone5Switch = static_cast<Integer>(C("Check1").value > 0 ? 1 : 0);
    SavePttCode(0);
    SavePttCode(1);
    for (int r = 1; r <= kCodeRows; ++r) {
        Tone5CodeRec& e = t.Codes[static_cast<std::size_t>(r - 1)];
        const std::string code = CompleteCodeAtSave(e.Code.Raw(), own);
        e.Code.Set(code);
        e.CodeLen = static_cast<Byte>(std::min<std::size_t>(code.size(), kCodeMax));
        e.Standard = static_cast<Byte>(FindComboIndex(C("Combo2"), grid_.Text(r, 3), e.Standard));
        Long time = ValLngDef(grid_.Text(r, 4), 70);
        e.ToneTime = static_cast<Byte>(time < 30 || time > 100 ? 70 : time);
        e.Name.Set(Utf8ToLatin1(TrimNullStr(grid_.Text(r, 5))));
    }
}

void Frm5Tone::SavePttCode(int i) {
    Tone5CodeRec& c = i == 0 ? Edit().BeginCode : Edit().EndCode;
    const std::string code = FormatTone5Code(Utf8ToLatin1(C(Indexed("Text4", i)).text), OwnIdBox());
    c.Code.Set(code);
    c.CodeLen = static_cast<Byte>(std::min<std::size_t>(code.size(), kCodeMax));
    c.Standard = ShownIndex(C(Indexed("Combo4", i)), c.Standard);
    c.ToneTime = ShownNumber(C(Indexed("Combo5", i)), c.ToneTime);
}

// ---- the code grid -------------------------------------------------------------

void Frm5Tone::SaveTone5CellData(int row, int col) {
    if (col <= 1 || col > 5 || row <= 0 || row > kCodeRows) return;
    Tone5CodeRec& e = Edit().Codes[static_cast<std::size_t>(row - 1)];
    std::string v;
    switch (col) {
    case 2: {
        const std::string code = FormatTone5Code(Utf8ToLatin1(C("Text3").text), OwnIdBox());
        e.Code.Set(code);
        e.CodeLen = static_cast<Byte>(std::min<std::size_t>(code.size(), kCodeMax));
        e.Empty = code.empty() ? 1 : 0;
        v = Latin1ToUtf8(code);
        break;
    }
    case 3: {
        const ControlState& list = C("Combo2");
        e.Standard = ShownIndex(list, e.Standard);
        if (grid_.Text(row, 4).empty()) grid_.SetText(row, 4, "70");
        const Long time = ValLngDef(grid_.Text(row, 4), 70);
        e.ToneTime = static_cast<Byte>(time < 30 || time > 100 ? 70 : time);
        v = list.index < 0 ? grid_.Text(row, 3) : list.SelectedItem();
        break;
    }
    case 4: {
        const ControlState& list = C("Combo3");
        e.ToneTime = ShownNumber(list, e.ToneTime);
        v = list.index < 0 ? grid_.Text(row, 4) : list.SelectedItem();
        break;
    }
    case 5:
        v = TrimNullStr(C("Text6").text);
        e.Name.Set(Utf8ToLatin1(v));
        break;
    }
    grid_.SetText(row, col, v);
}

void Frm5Tone::HideEditors() {
    for (const char* e : kEditors) C(e).visible = false;
}

void Frm5Tone::MSHFlexGrid1_EnterCell() {
    if (!IsLoaded) return;
    const int r = grid_.row, c = grid_.col;
    if (r < grid_.FixedRows() || r >= grid_.Rows() || c < 0 || c >= grid_.Cols()) return;
    if (r == CurTone5Row && c == CurTone5Col) return;
    if (c == 2 && !grid_.Text(r, 1).empty()) return;  // a special call is composed, not typed
    SaveTone5CellData(CurTone5Row, CurTone5Col);
    if (c > 2 && grid_.Text(r, 2).empty() && grid_.Text(r, 1) != "PTTID") return;
    CurTone5Row = r;
    CurTone5Col = c;
    HideEditors();
    const std::string& cell = grid_.Text(r, c);
    switch (c) {
    case 2:
        C("Text3").text = cell;
        C("Text3").visible = true;
        State().focus = "Text3";
        break;
    case 3:
    case 4: {
        // Selecting the cell's value here is no pick: the tone time stays.
        ControlState& list = C(c == 3 ? "Combo2" : "Combo3");
        if (cell.empty()) SetListIndex(list, 0);
        else SetComboText(list, cell);
        list.visible = true;
        State().focus = c == 3 ? "Combo2" : "Combo3";
        break;
    }
    case 5:
        C("Text6").text = cell;
        C("Text6").visible = true;
        State().focus = "Text6";
        break;
    default:
        break;
    }
}

void Frm5Tone::MSHFlexGrid1_Click() {
    if (IsLoaded) MSHFlexGrid1_EnterCell();
}

void Frm5Tone::MSHFlexGrid1_Scroll() {
    SaveTone5CellData(CurTone5Row, CurTone5Col);
    HideEditors();
}

void Frm5Tone::MSHFlexGrid1_DblClick() {
    const int r = grid_.row, c = grid_.col;
    if (r < 1 || r > kCodeRows || c != 2 || grid_.Text(r, 1).empty()) return;
    if (d_.Ui.Notify->Show(kResetSpecialCallText, MsgIcon::None, MsgButtons::OkCancel, "") != MsgAnswer::Ok)
        return;
    Tone5CodeRec& e = Edit().Codes[static_cast<std::size_t>(r - 1)];
    e.CodeLen = 0;
    e.Code.Set("");
    grid_.SetText(r, 1, "");
    grid_.SetText(r, 2, "");
    MSHFlexGrid1_EnterCell();
}

void Frm5Tone::MoveGridCell(int row, int col) {
    if (row == grid_.row && col == grid_.col) return;
    grid_.row = row;
    grid_.col = col;
    MSHFlexGrid1_EnterCell();
}

// ---- information codes ------------------------------------------------------

void Frm5Tone::SaveInfoCode(int id) {
    if (id < 1 || id > kInfoCodeCount) return;
    Tone5InfoCodeRec& rec = Edit().InfoCodes[static_cast<std::size_t>(id - 1)];
    rec.Type = ShownIndex(C("Combo7_0"), rec.Type);
    rec.Option = ShownIndex(C("Combo7_1"), rec.Option);
    const std::string code = Utf8ToLatin1(C("Text5").text);
    rec.Code.Set(code);
    rec.CodeLen = static_cast<Byte>(std::min<std::size_t>(code.size(), kInfoCodeMax));
    rec.Name.Set(Utf8ToLatin1(TrimNullStr(C("Text7").text)));
}

void Frm5Tone::ShowInfoCode() {
    const int n = C("Combo6").index + 1;
    if (n < 1 || n > kInfoCodeCount) return;
    const Tone5InfoCodeRec& rec = Edit().InfoCodes[static_cast<std::size_t>(n - 1)];
    SetListIndex(C("Combo7_0"), rec.Type < kInfoCodeCount ? rec.Type : -1);
    Combo7_Click(0);
    SetListIndex(C("Combo7_1"), rec.Option);  // an option the list lacks selects nothing
    C("Text5").text = Latin1ToUtf8(InfoCodeDigits(rec));
    const int type = C("Combo7_0").index;
    C("Text7").text = type == 0 || type == 6 ? "" : Latin1ToUtf8(rec.Name.Trim());
}

bool Frm5Tone::IsInfoKillStunWakenOK() {
    const std::vector<std::string> faults = CheckInfoKillStunWaken(Edit());
    for (const std::string& key : faults)
        d_.Ui.Notify->Show(InfoCheckText(d_, key), MsgIcon::None, MsgButtons::Ok, "");
    return faults.empty();
}

void Frm5Tone::Combo6_Click() {
    if (C("Combo6").index < 0) return;
    if (CurInfoCodeID > 0) SaveInfoCode(CurInfoCodeID);
    CurInfoCodeID = C("Combo6").index + 1;
    C("Frame3").text = GetLanguageString(d_, 3005) + C("Combo6").SelectedItem();
    ShowInfoCode();
}

void Frm5Tone::Combo7_Click(int index) {
    if (index != 0) return;
    ControlState& options = C("Combo7_1");
    const int keep = options.index;
    options.items = responses_;
    SetListIndex(options, keep);
    const InfoTypeRule rule = InfoTypeRuleOf(C("Combo7_0").index);
    if (rule.optionCount < static_cast<int>(options.items.size())) {
        options.items.resize(static_cast<std::size_t>(rule.optionCount));
        SetListIndex(options, -1);
    }
    if (rule.forcedOption >= 0) SetListIndex(options, rule.forcedOption);
    options.enabled = rule.optionEnabled;
    C("Text7").enabled = rule.nameEnabled;
    if (!rule.nameEnabled) C("Text7").text.clear();
}

// ---- own ID and code rewriting ------------------------------------------------

std::string Frm5Tone::OwnIdBox() const { return Utf8ToLatin1(C("Text2").text); }

std::string Frm5Tone::Mid5ToneNoE(const std::string& s, int p, int n) const { return rp::Mid5ToneNoE(s, p, n); }

void Frm5Tone::UpdateCodeBySelfID() {
    const std::string own = OwnIdBox();
    auto rewrite = [&](Tone5CodeRec& c) {
        if (auto code = RewriteCodeForOwnID(c.Code.Raw(), OldSelfID, own)) c.Code.Set(*code);
    };
    for (Tone5CodeRec& c : Edit().Codes) rewrite(c);
    rewrite(Edit().BeginCode);
    rewrite(Edit().EndCode);
}

bool Frm5Tone::Text2_LostFocus(const std::string& next) {
    if (next == "CommandCancel") return true;  // leaving the dialog needs no own ID
    if (C("Text2").text == ownIdShown_) return true;  // untouched: nothing to check or store
    if (OwnIdBox().size() < 5) {
        d_.Ui.Notify->Show(GetLanguageMsgString(d_, "900C"), MsgIcon::None, MsgButtons::Ok, "");
        State().focus = "Text2";
        return false;
    }
    OldSelfID = Edit().OwnID.Trim();
    Edit().OwnID.Set(OwnIdBox());
    if (C("Text3").visible) {
        SaveTone5CellData(CurTone5Row, CurTone5Col);
        C("Text3").visible = false;
        CurTone5Row = 0;
    }
    Save5ToneDataByShow();
    UpdateCodeBySelfID();
    Show5ToneByData();
    return true;
}

void Frm5Tone::Text4_LostFocus(int index) {
    ControlState& box = C(Indexed("Text4", index));
    box.text = Latin1ToUtf8(FormatTone5Code(Utf8ToLatin1(box.text), OwnIdBox()));
}

// ---- pickers and buttons ----------------------------------------------------------

void Frm5Tone::Combo1_Click(int index) {
    if (index == 1) {
        const std::string name = C("Combo1_1").SelectedItem();
        ShowToneStandard(name);
        SetComboText(C("Combo1_3"), std::to_string(DefaultToneTime(name)));
    } else if (index == 10) {
        C("Combo1_9").enabled = C("Combo1_10").index != 0;
    }
}

void Frm5Tone::Combo2_Click() {
    if (CurTone5Row < 1 || CurTone5Row > kCodeRows) return;
    const std::string name = C("Combo2").SelectedItem();
    ShowToneStandard(name);
    const int time = DefaultToneTime(name);
    Edit().Codes[static_cast<std::size_t>(CurTone5Row - 1)].ToneTime = static_cast<Byte>(time);
    grid_.SetText(CurTone5Row, 4, std::to_string(time));
}

void Frm5Tone::Combo4_Click(int index) {
    const std::string name = C(Indexed("Combo4", index)).SelectedItem();
    SetComboText(C(Indexed("Combo5", index)), std::to_string(DefaultToneTime(name)));
    ShowToneStandard(name);
}

void Frm5Tone::Command1_Click() {
    // Only the code editor closes: it could otherwise overwrite the builder's code.
    if (C("Text3").visible) {
        SaveTone5CellData(CurTone5Row, CurTone5Col);
        C("Text3").visible = false;
        CurTone5Row = 0;
    }
    OpenSpecial(0);
}

void Frm5Tone::Command2_Click() { OpenSpecial(1); }
void Frm5Tone::Command3_Click() { OpenSpecial(2); }

void Frm5Tone::OpenSpecial(Integer mode) {
    SpecialCallMode = mode;
    Open(std::make_unique<FrmSpecial>(d_, *this));
}

void Frm5Tone::Command4_Click() {
    Open(std::make_unique<Frm5ToneDefTS>(d_), [this] { ShowToneStandard(C("Combo1_1").SelectedItem()); });
}

// ---- keys -----------------------------------------------------------------------

void Frm5Tone::FocusNext(const std::string& from) {
    auto it = std::find(tabOrder_.begin(), tabOrder_.end(), from);
    if (it == tabOrder_.end()) return;
    for (std::size_t step = 1; step < tabOrder_.size(); ++step) {
        const std::string& n =
            tabOrder_[(static_cast<std::size_t>(it - tabOrder_.begin()) + step) % tabOrder_.size()];
        if (C(n).enabled && C(n).visible) {
            // As the Tab key: the box's departure runs first and may keep the focus.
            if (LostFocus(from, n)) State().focus = n;
            return;
        }
    }
}

void Frm5Tone::Text2_KeyPress(int& key) {
    if (key == kKeyEnter) {
        key = 0;
        FocusNext("Text2");
        return;
    }
    key = FilterDigitKey(key);
}

void Frm5Tone::Text3_KeyPress(int& key) {
    if (key == kKeyEnter) {
        key = 0;
        if (!C("Text3").text.empty()) MoveGridCell(grid_.row, grid_.col + 1);
        else MoveGridCell(NextCodeRow(grid_.row), grid_.col);
        return;
    }
    key = FilterHexKey(key);
}

void Frm5Tone::Combo2_KeyPress(int& key) {
    if (key != kKeyEnter) return;
    key = 0;
    MoveGridCell(grid_.row, grid_.col + 1);
}

void Frm5Tone::Combo3_KeyPress(int& key) {
    if (key != kKeyEnter) return;
    key = 0;
    const int row = grid_.row;
    MoveGridCell(row, 2);
    MoveGridCell(NextCodeRow(row), 2);
}

void Frm5Tone::Text4_KeyPress(int index, int& key) {
    if (key == kKeyEnter) {
        key = 0;
        FocusNext(Indexed("Text4", index));
        return;
    }
    key = FilterHexKey(key);
}

void Frm5Tone::Text5_KeyPress(int& key) {
    if (key == kKeyEnter) {
        key = 0;
        FocusNext("Text5");
        return;
    }
    key = FilterHexKey(key);
}

void Frm5Tone::Text6_KeyPress(int& key) {
    if (key == kKeyEnter) {
        key = 0;
        const int row = NextCodeRow(grid_.row);
        MoveGridCell(row, grid_.col);
        MoveGridCell(row, 1);
        return;
    }
    key = FilterNameKey(key);
}

void Frm5Tone::Text7_KeyPress(int& key) { key = FilterLatinKey(key); }

// ---- events from the shell ----------------------------------------------------

void Frm5Tone::Click(const std::string& control) {
    ControlState& c = C(control);
    if (c.kind == ControlKind::ComboBox) SetListIndex(c, c.index);  // the text follows the pick
    if (int i = ElementIndex(control, "Combo1"); i >= 0) Combo1_Click(i);
    else if (int j = ElementIndex(control, "Combo4"); j >= 0) Combo4_Click(j);
    else if (int k = ElementIndex(control, "Combo7"); k >= 0) Combo7_Click(k);
    else if (control == "Combo2") Combo2_Click();
    else if (control == "Combo6") Combo6_Click();
    else if (control == "Check1") sideToneUnshown_ = false;
    else if (control == "MSHFlexGrid1") MSHFlexGrid1_Click();
    else if (control == "Command1") Command1_Click();
    else if (control == "Command2") Command2_Click();
    else if (control == "Command3") Command3_Click();
    else if (control == "Command4") Command4_Click();
    else if (control == "CommandOK") CommandOK_Click();
    else if (control == "CommandCancel") CommandCancel_Click();
}

void Frm5Tone::DblClick(const std::string& control) {
    if (control == "MSHFlexGrid1") MSHFlexGrid1_DblClick();
}

void Frm5Tone::EnterCell(const std::string& control) {
    if (control == "MSHFlexGrid1") MSHFlexGrid1_EnterCell();
}

TextGrid* Frm5Tone::Grid(const std::string& control) { return control == "MSHFlexGrid1" ? &grid_ : nullptr; }

void Frm5Tone::KeyPress(const std::string& control, int& keyAscii) {
    if (control == "Text2") Text2_KeyPress(keyAscii);
    else if (control == "Text3") Text3_KeyPress(keyAscii);
    else if (control == "Combo2") Combo2_KeyPress(keyAscii);
    else if (control == "Combo3") Combo3_KeyPress(keyAscii);
    else if (int i = ElementIndex(control, "Text4"); i >= 0) Text4_KeyPress(i, keyAscii);
    else if (control == "Text5") Text5_KeyPress(keyAscii);
    else if (control == "Text6") Text6_KeyPress(keyAscii);
    else if (control == "Text7") Text7_KeyPress(keyAscii);
}

void Frm5Tone::GotFocus(const std::string& control) { State().focus = control; }

bool Frm5Tone::LostFocus(const std::string& control, const std::string& next) {
    if (control == "Text2") return Text2_LostFocus(next);
    if (int i = ElementIndex(control, "Text4"); i >= 0) Text4_LostFocus(i);
    return true;
}

}  // namespace rp

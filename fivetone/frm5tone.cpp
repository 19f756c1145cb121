#include "fivetone/frm5tone.h"

#include <algorithm>
#include <iterator>

#include "core/fixedtext.h"
#include "core/language.h"
#include "core/listutils.h"
#include "core/numtext.h"
#include "core/repair.h"
#include "fivetone/codes.h"
#include "fivetone/frm5tonecontrols.h"
#include "fivetone/frm5tonedefts.h"
#include "fivetone/callbuilder.h"
#include "fivetone/infocodes.h"
#include "fivetone/keyfilters.h"
#include "fivetone/standards.h"
#include "fivetone/valuelists.h"
#include "forms/formlanguage.h"
#include "forms/textkeys.h"

namespace rp {

using namespace fivetone;

namespace {

using Names = std::vector<std::string>;

constexpr int kCodeRows = 100;
constexpr int kCodeMax = 40;
constexpr int kInfoCodeMax = 12;
constexpr const char* kEditors[] = {CodeEditor, StandardEditor, ToneTimeEditor, NameEditor};

// The boxes whose context menu is hooked while the dialog is open.
Names HookedBoxes() { return {OwnId, CodeEditor, PttCodes[0], PttCodes[1]}; }

int NextCodeRow(int row) { return row >= kCodeRows ? 1 : row + 1; }

std::string InfoCheckText(AppData& d, const std::string& key) {
    if (key == "60350") return GetLanguageOptionString(d, "60350");
    if (key == "60300") return GetLanguageOptionString(d, "60300");
    return GetLanguageOptionString(d, "60301");
}

}  // namespace

Frm5Tone::Frm5Tone(AppData& d) : Form(kName), d_(d), grid_(101, 6, 1, 2) {
    State().tag = "[OPTION]60052";
    AddControls(State(), kControls);
    ItemList standards;
    for (const auto& row : Tone5StandardTable()) standards.push_back(row.name);
    for (const std::string& list : Names{SystemStandard, StandardEditor, PttStandards[0], PttStandards[1]})
        C(list).items = standards;
    C(InfoNumber).items = NumberItems(1, 8, 1);
    C(ToneTable).locked = true;  // shows the tone table; nothing is typed there
    GuardTextBox(C(OwnId), KeyFilterChars(FilterDigitKey), 5);
    GuardTextBox(C(InfoCodeBox), KeyFilterChars(FilterHexKey), kInfoCodeMax);
    GuardTextBox(C(InfoName), KeyFilterChars(FilterLatinKey), 7);
    GuardTextBox(C(CodeEditor), KeyFilterChars(FilterHexKey), kCodeMax);
    // The boxes and the list's editors select their whole text whenever they
    // take the focus; the tone table does not.
    for (const std::string& box : Names{OwnId, InfoCodeBox, InfoName, PttCodes[0], PttCodes[1], CodeEditor, NameEditor})
        C(box).selectOnEntry = SelectOnEntry::OnFocus;
    GuardTextBox(C(NameEditor), KeyFilterChars(FilterNameKey), 7);
    for (int i = 0; i < 2; ++i) GuardTextBox(C(PttCodes[i]), KeyFilterChars(FilterHexKey), kPttCodeTypedMax);

    tabOrder_.assign(std::begin(SettingBoxes), std::end(SettingBoxes));
    for (const char* n : {SideTone, InfoNumber, InfoType, InfoOption, InfoCodeBox, InfoName, UserTonesButton,
                          CodeGrid, SpecialCallButton})
        tabOrder_.push_back(n);
    for (int i = 0; i < 2; ++i)
        tabOrder_.insert(tabOrder_.end(), {PttCodes[i], PttStandards[i], PttToneTimes[i], PttSpecialCallButtons[i]});
    for (const char* n : {kOKButton, kCancelButton}) tabOrder_.push_back(n);
}

// ---- opening, OK, Cancel, closing ------------------------------------------

void Frm5Tone::Form_Load() {
    for (const std::string& box : HookedBoxes()) HookTextMenu(C(box));
    IsLoaded = false;
    CurTone5Row = CurTone5Col = CurInfoCodeID = 0;
    for (const char* e : {CodeEditor, StandardEditor, ToneTimeEditor}) C(e).visible = false;
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
    C(kOKButton).text = GetLanguageOptionString(d_, "60024");
    C(kCancelButton).text = GetLanguageOptionString(d_, "60025");
    C(UserTonesButton).text = GetLanguageString(d_, 3104);
    C(SettingLabels[0]).text = GetLanguageOptionString(d_, "60072");
    grid_.SetText(0, 3, GetLanguageOptionString(d_, "60061"));
    C(SettingLabels[1]).text = GetLanguageString(d_, 3004);
    C(SettingLabels[2]).text = GetLanguageOptionString(d_, "60070");
    C(SettingLabels[3]).text = GetLanguageOptionString(d_, "60071");
    responses_ = {GetLanguageOptionString(d_, "60057"), GetLanguageOptionString(d_, "60058"),
                  GetLanguageOptionString(d_, "60059")};
    C(Response).items = responses_;
    C(InfoOption).items = responses_;
    grid_.SetText(0, 0, GetLanguageOptionString(d_, "60053"));
    grid_.SetText(0, 1, GetLanguageOptionString(d_, "60062"));
    grid_.SetText(0, 2, GetLanguageOptionString(d_, "60079"));
    C(PttCodeLabels[0]).text = C(PttCodeLabels[1]).text = grid_.Text(0, 2);
    C(PttFrames[0]).text = GetLanguageOptionString(d_, "60302");
    C(PttFrames[1]).text = GetLanguageOptionString(d_, "60303");
    grid_.SetText(0, 4, GetLanguageOptionString(d_, "60080"));
    grid_.SetText(0, 5, GetLanguageOptionString(d_, "60305"));
    const std::string systemLabels[] = {
        GetLanguageOptionString(d_, "60081"), GetLanguageOptionString(d_, "60307"),
        GetLanguageOptionString(d_, "60308"), GetLanguageOptionString(d_, "60309"),
        GetLanguageOptionString(d_, "60310"), GetLanguageOptionString(d_, "60311"),
        GetLanguageOptionString(d_, "60314"), GetLanguageOptionString(d_, "60315"),
        GetLanguageOptionString(d_, "60316")};
    for (int i = 4; i <= 12; ++i) C(SettingLabels[i]).text = systemLabels[i - 4];
    C(SideTone).text = GetLanguageOptionString(d_, "60312");
    for (const char* button : {SpecialCallButton, BeginSpecialCallButton, EndSpecialCallButton})
        C(button).text = GetLanguageOptionString(d_, "60062");
    C(InfoNumberLabel).text = GetLanguageOptionString(d_, "60095");
    C(InfoTypeLabel).text = GetLanguageOptionString(d_, "60096");
    C(InfoOptionLabel).text = GetLanguageOptionString(d_, "60070");
    C(InfoCodeLabel).text = GetLanguageOptionString(d_, "60097");
    C(InfoNameLabel).text = GetLanguageOptionString(d_, "60306");
    C(InfoType).items = {GetLanguageOptionString(d_, "60098"), GetLanguageOptionString(d_, "60075"),
                           GetLanguageOptionString(d_, "60074"), GetLanguageOptionString(d_, "60069"),
                           GetLanguageOptionString(d_, "60093"), GetLanguageOptionString(d_, "60082"),
                           GetLanguageOptionString(d_, "60099"), GetLanguageOptionString(d_, "60100")};
}

void Frm5Tone::CommandOK_Click() {
    // OK pressed while the own-ID box has the focus: its departure comes first.
    if (State().focus == OwnId && !Text2_LostFocus(kOKButton)) return;
    if (OwnIdBox().size() != 5) {
        d_.Ui.Notify->Show(GetLanguageMsgString(d_, "900C"), MsgIcon::None, MsgButtons::Ok, "");
        State().focus = OwnId;
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
    Unload();
}

void Frm5Tone::CommandCancel_Click() { Unload(); }

void Frm5Tone::Unloading() {
    for (const std::string& box : HookedBoxes()) UnhookTextMenu(C(box));
}

// ---- lists, grid, tone table ----------------------------------------------

void Frm5Tone::InitComboItems() {
    auto fill = [&](const std::string& name, ItemList items) {
        ControlState& c = C(name);
        c.items = std::move(items);
        SetListIndex(c, c.index);
    };
    for (const std::string& n : Names{ToneTimeEditor, SystemToneTime, PttToneTimes[0], PttToneTimes[1]})
        fill(n, ToneTimeItems());
    fill(AutoResetTime, TenthItems());
    for (const char* n : {PreSendDelay, PostSendDelay, FirstDigitDelay}) fill(n, NumberItems(10, 2550, 10));
    fill(FirstCodeDelay, NumberItems(0, 2500, 10));
    fill(PauseTime, NumberItems(0, 2550, 10));
    const std::string off = GetLanguageString(d_, 1755);
    fill(AutoRepeatTime, RepeatTimeItems(off));
    fill(PauseCode, PauseCodeItems(off));
    fill(DecodeTime, NumberItems(0, 2000, 10));
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
    C(ToneTable).text = ToneStandardBlock(name, Edit().UserTones, labels);
}

// ---- settings shown and saved ------------------------------------------------

void Frm5Tone::Show5ToneByData() {
    Tone5DataRec& t = Edit();
    C(OwnId).text = ownIdShown_ = Latin1ToUtf8(t.OwnID.Trim());
    // A stored value that no item shows selects nothing, and the save keeps it.
    SetListIndex(C(SystemStandard), t.SysStandard < kTone5StandardCount ? t.SysStandard : -1);
    Combo1_Click(1);
    SetListIndex(C(Response), t.Response <= 2 ? t.Response : -1);
    if (t.ToneTime < 30 || t.ToneTime > 100) t.ToneTime = 70;
    SetComboText(C(SystemToneTime), std::to_string(t.ToneTime));
    SetComboText(C(PreSendDelay), std::to_string(t.Tone5Param4 * 10));
    SetComboText(C(AutoResetTime), FormatNumber(t.Tone5Param5 / 10.0, "#0.0"));
    SetComboText(C(PostSendDelay), std::to_string(t.Tone5Param6 * 10));
    if (t.Tone5Param7 < 5) {
        t.Tone5Param7 = 0;
        SetListIndex(C(AutoRepeatTime), 0);
    } else {
        SetComboText(C(AutoRepeatTime), std::to_string(t.Tone5Param7));
    }
    SetComboText(C(FirstDigitDelay), std::to_string(t.Tone5Param8 * 10));
    SetComboText(C(PauseTime), std::to_string(t.Tone5Param9 * 10));
    if (t.Tone5Param10 == 0) {
        SetComboText(C(PauseCode), GetLanguageString(d_, 1755));
    } else {
        const Integer v = t.Tone5Param10;
        SetComboText(C(PauseCode), v > 0 && v < 16 ? std::string(1, "0123456789ABCDEF"[v]) : "");
    }
    Combo1_Click(10);
    SetComboText(C(DecodeTime), GetComboItemByIndex(C(DecodeTime), Tone5Param11));
    SetComboText(C(FirstCodeDelay), GetComboItemByIndex(C(FirstCodeDelay), t.Tone5Param12));
    sideToneUnshown_ = t.Tone5Switch != 0 && t.Tone5Switch != 1;
    C(SideTone).value = t.Tone5Switch == 1 ? 1 : 0;
    SetListIndex(C(InfoNumber), 0);
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
    C(PttCodes[i]).text = Latin1ToUtf8(FitCodeLength(Tone5CodeText(c.Code.Raw()), c.CodeLen));
    SetListIndex(C(PttStandards[i]), c.Standard < kTone5StandardCount ? c.Standard : -1);
    Combo4_Click(i);
    SetComboText(C(PttToneTimes[i]),
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
    t.SysStandard = ShownIndex(C(SystemStandard), t.SysStandard);
    t.Response = ShownIndex(C(Response), t.Response);
    t.ToneTime = ShownNumber(C(SystemToneTime), t.ToneTime);
    t.Tone5Param4 = ShownIndex(C(PreSendDelay), t.Tone5Param4, 1);
    t.Tone5Param5 = ShownIndex(C(AutoResetTime), t.Tone5Param5);
    t.Tone5Param6 = ShownIndex(C(PostSendDelay), t.Tone5Param6, 1);
    t.Tone5Param7 = C(AutoRepeatTime).index == 0 ? Byte{0} : ShownNumber(C(AutoRepeatTime), t.Tone5Param7);
    t.Tone5Param8 = ShownIndex(C(FirstDigitDelay), t.Tone5Param8, 1);
    const ControlState& pause = C(PauseCode);
    if (pause.index == 0) t.Tone5Param10 = 0;
    else if (pause.index > 0) t.Tone5Param10 = static_cast<Integer>(HexDigitValue(pause.SelectedItem()[0]));
    t.Tone5Param9 = ShownIndex(C(PauseTime), t.Tone5Param9);
    Tone5Param11 = ShownIndex(C(DecodeTime), Tone5Param11);
    t.Tone5Param12 = ShownIndex(C(FirstCodeDelay), t.Tone5Param12);
    if (!sideToneUnshown_) t.Tone5Switch = static_cast<Integer>(C(SideTone).value > 0 ? 1 : 0);
    SavePttCode(0);
    SavePttCode(1);
    for (int r = 1; r <= kCodeRows; ++r) {
        Tone5CodeRec& e = t.Codes[static_cast<std::size_t>(r - 1)];
        const std::string code = CompleteCodeAtSave(e.Code.Raw(), own);
        e.Code.Set(code);
        e.CodeLen = static_cast<Byte>(std::min<std::size_t>(code.size(), kCodeMax));
        e.Standard = static_cast<Byte>(FindComboIndex(C(StandardEditor), grid_.Text(r, 3), e.Standard));
        Long time = ValLngDef(grid_.Text(r, 4), 70);
        e.ToneTime = static_cast<Byte>(time < 30 || time > 100 ? 70 : time);
        e.Name.Set(Utf8ToLatin1(TrimNullStr(grid_.Text(r, 5))));
    }
}

void Frm5Tone::SavePttCode(int i) {
    Tone5CodeRec& c = i == 0 ? Edit().BeginCode : Edit().EndCode;
    const std::string code = FormatTone5Code(Utf8ToLatin1(C(PttCodes[i]).text), OwnIdBox());
    c.Code.Set(code);
    c.CodeLen = static_cast<Byte>(std::min<std::size_t>(code.size(), kCodeMax));
    c.Standard = ShownIndex(C(PttStandards[i]), c.Standard);
    c.ToneTime = ShownNumber(C(PttToneTimes[i]), c.ToneTime);
}

// ---- the code grid -------------------------------------------------------------

void Frm5Tone::SaveTone5CellData(int row, int col) {
    if (col <= 1 || col > 5 || row <= 0 || row > kCodeRows) return;
    Tone5CodeRec& e = Edit().Codes[static_cast<std::size_t>(row - 1)];
    std::string v;
    switch (col) {
    case 2: {
        const std::string code = FormatTone5Code(Utf8ToLatin1(C(CodeEditor).text), OwnIdBox());
        e.Code.Set(code);
        e.CodeLen = static_cast<Byte>(std::min<std::size_t>(code.size(), kCodeMax));
        e.Empty = code.empty() ? 1 : 0;
        v = Latin1ToUtf8(code);
        break;
    }
    case 3: {
        const ControlState& list = C(StandardEditor);
        e.Standard = ShownIndex(list, e.Standard);
        if (grid_.Text(row, 4).empty()) grid_.SetText(row, 4, "70");
        const Long time = ValLngDef(grid_.Text(row, 4), 70);
        e.ToneTime = static_cast<Byte>(time < 30 || time > 100 ? 70 : time);
        v = list.index < 0 ? grid_.Text(row, 3) : list.SelectedItem();
        break;
    }
    case 4: {
        const ControlState& list = C(ToneTimeEditor);
        e.ToneTime = ShownNumber(list, e.ToneTime);
        v = list.index < 0 ? grid_.Text(row, 4) : list.SelectedItem();
        break;
    }
    case 5:
        v = TrimNullStr(C(NameEditor).text);
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
        C(CodeEditor).text = cell;
        C(CodeEditor).visible = true;
        State().focus = CodeEditor;
        break;
    case 3:
    case 4: {
        // Selecting the cell's value here is no pick: the tone time stays.
        ControlState& list = C(c == 3 ? StandardEditor : ToneTimeEditor);
        if (cell.empty()) SetListIndex(list, 0);
        else SetComboText(list, cell);
        list.visible = true;
        State().focus = c == 3 ? StandardEditor : ToneTimeEditor;
        break;
    }
    case 5:
        C(NameEditor).text = cell;
        C(NameEditor).visible = true;
        State().focus = NameEditor;
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
    rec.Type = ShownIndex(C(InfoType), rec.Type);
    rec.Option = ShownIndex(C(InfoOption), rec.Option);
    const std::string code = Utf8ToLatin1(C(InfoCodeBox).text);
    rec.Code.Set(code);
    rec.CodeLen = static_cast<Byte>(std::min<std::size_t>(code.size(), kInfoCodeMax));
    rec.Name.Set(Utf8ToLatin1(TrimNullStr(C(InfoName).text)));
}

void Frm5Tone::ShowInfoCode() {
    const int n = C(InfoNumber).index + 1;
    if (n < 1 || n > kInfoCodeCount) return;
    const Tone5InfoCodeRec& rec = Edit().InfoCodes[static_cast<std::size_t>(n - 1)];
    SetListIndex(C(InfoType), rec.Type < kInfoCodeCount ? rec.Type : -1);
    Combo7_Click(0);
    SetListIndex(C(InfoOption), rec.Option);  // an option the list lacks selects nothing
    C(InfoCodeBox).text = Latin1ToUtf8(InfoCodeDigits(rec));
    const int type = C(InfoType).index;
    C(InfoName).text = type == 0 || type == 6 ? "" : Latin1ToUtf8(rec.Name.Trim());
}

bool Frm5Tone::IsInfoKillStunWakenOK() {
    const std::vector<std::string> faults = CheckInfoKillStunWaken(Edit());
    for (const std::string& key : faults)
        d_.Ui.Notify->Show(InfoCheckText(d_, key), MsgIcon::None, MsgButtons::Ok, "");
    return faults.empty();
}

void Frm5Tone::Combo6_Click() {
    if (C(InfoNumber).index < 0) return;
    if (CurInfoCodeID > 0) SaveInfoCode(CurInfoCodeID);
    CurInfoCodeID = C(InfoNumber).index + 1;
    C(InfoFrame).text = GetLanguageString(d_, 3005) + C(InfoNumber).SelectedItem();
    ShowInfoCode();
}

void Frm5Tone::Combo7_Click(int index) {
    if (index != 0) return;
    ControlState& options = C(InfoOption);
    const int keep = options.index;
    options.items = responses_;
    SetListIndex(options, keep);
    const InfoTypeRule rule = InfoTypeRuleOf(C(InfoType).index);
    if (rule.optionCount < static_cast<int>(options.items.size())) {
        options.items.resize(static_cast<std::size_t>(rule.optionCount));
        SetListIndex(options, -1);
    }
    if (rule.forcedOption >= 0) SetListIndex(options, rule.forcedOption);
    options.enabled = rule.optionEnabled;
    C(InfoName).enabled = rule.nameEnabled;
    if (!rule.nameEnabled) C(InfoName).text.clear();
}

// ---- own ID and code rewriting ------------------------------------------------

std::string Frm5Tone::OwnIdBox() const { return Utf8ToLatin1(C(OwnId).text); }

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
    if (next == kCancelButton) return true;  // leaving the dialog needs no own ID
    if (C(OwnId).text == ownIdShown_) return true;  // untouched: nothing to check or store
    if (OwnIdBox().size() < 5) {
        d_.Ui.Notify->Show(GetLanguageMsgString(d_, "900C"), MsgIcon::None, MsgButtons::Ok, "");
        State().focus = OwnId;
        return false;
    }
    OldSelfID = Edit().OwnID.Trim();
    Edit().OwnID.Set(OwnIdBox());
    if (C(CodeEditor).visible) {
        SaveTone5CellData(CurTone5Row, CurTone5Col);
        C(CodeEditor).visible = false;
        CurTone5Row = 0;
    }
    Save5ToneDataByShow();
    UpdateCodeBySelfID();
    Show5ToneByData();
    return true;
}

void Frm5Tone::Text4_LostFocus(int index) {
    ControlState& box = C(PttCodes[index]);
    box.text = Latin1ToUtf8(FormatTone5Code(Utf8ToLatin1(box.text), OwnIdBox()));
}

// ---- pickers and buttons ----------------------------------------------------------

void Frm5Tone::Combo1_Click(int index) {
    if (index == 1) {
        const std::string name = C(SystemStandard).SelectedItem();
        ShowToneStandard(name);
        SetComboText(C(SystemToneTime), std::to_string(DefaultToneTime(name)));
    } else if (index == 10) {
        C(PauseTime).enabled = C(PauseCode).index != 0;
    }
}

void Frm5Tone::Combo2_Click() {
    if (CurTone5Row < 1 || CurTone5Row > kCodeRows) return;
    const std::string name = C(StandardEditor).SelectedItem();
    ShowToneStandard(name);
    const int time = DefaultToneTime(name);
    Edit().Codes[static_cast<std::size_t>(CurTone5Row - 1)].ToneTime = static_cast<Byte>(time);
    grid_.SetText(CurTone5Row, 4, std::to_string(time));
}

void Frm5Tone::Combo4_Click(int index) {
    const std::string name = C(PttStandards[index]).SelectedItem();
    SetComboText(C(PttToneTimes[index]), std::to_string(DefaultToneTime(name)));
    ShowToneStandard(name);
}

void Frm5Tone::Command1_Click() {
    // Only the code editor closes: it could otherwise overwrite the builder's code.
    if (C(CodeEditor).visible) {
        SaveTone5CellData(CurTone5Row, CurTone5Col);
        C(CodeEditor).visible = false;
        CurTone5Row = 0;
    }
    OpenSpecial(0);
}

void Frm5Tone::Command2_Click() { OpenSpecial(1); }
void Frm5Tone::Command3_Click() { OpenSpecial(2); }

void Frm5Tone::OpenSpecial(Integer mode) {
    SpecialCallMode = mode;
    Open(std::make_unique<FrmCallBuilder>(d_, *this));
}

void Frm5Tone::Command4_Click() {
    Open(std::make_unique<Frm5ToneDefTS>(d_), [this] { ShowToneStandard(C(SystemStandard).SelectedItem()); });
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
    if (key == kKeyReturn) {
        key = 0;
        FocusNext(OwnId);
        return;
    }
    key = FilterDigitKey(key);
}

void Frm5Tone::Text3_KeyPress(int& key) {
    if (key == kKeyReturn) {
        key = 0;
        if (!C(CodeEditor).text.empty()) MoveGridCell(grid_.row, grid_.col + 1);
        else MoveGridCell(NextCodeRow(grid_.row), grid_.col);
        return;
    }
    key = FilterHexKey(key);
}

void Frm5Tone::Combo2_KeyPress(int& key) {
    if (key != kKeyReturn) return;
    key = 0;
    MoveGridCell(grid_.row, grid_.col + 1);
}

void Frm5Tone::Combo3_KeyPress(int& key) {
    if (key != kKeyReturn) return;
    key = 0;
    const int row = grid_.row;
    MoveGridCell(row, 2);
    MoveGridCell(NextCodeRow(row), 2);
}

void Frm5Tone::Text4_KeyPress(int index, int& key) {
    if (key == kKeyReturn) {
        key = 0;
        FocusNext(PttCodes[index]);
        return;
    }
    key = FilterHexKey(key);
}

void Frm5Tone::Text5_KeyPress(int& key) {
    if (key == kKeyReturn) {
        key = 0;
        FocusNext(InfoCodeBox);
        return;
    }
    key = FilterHexKey(key);
}

void Frm5Tone::Text6_KeyPress(int& key) {
    if (key == kKeyReturn) {
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
    const auto* row = std::find(std::begin(SettingBoxes) + 1, std::end(SettingBoxes), control);
    if (row != std::end(SettingBoxes)) Combo1_Click(static_cast<int>(row - std::begin(SettingBoxes)));
    else if (int j = PttStandards.IndexOf(control); j >= 0) Combo4_Click(j);
    else if (control == InfoType) Combo7_Click(0);
    else if (control == InfoOption) Combo7_Click(1);
    else if (control == StandardEditor) Combo2_Click();
    else if (control == InfoNumber) Combo6_Click();
    else if (control == SideTone) sideToneUnshown_ = false;
    else if (control == CodeGrid) MSHFlexGrid1_Click();
    else if (control == SpecialCallButton) Command1_Click();
    else if (control == BeginSpecialCallButton) Command2_Click();
    else if (control == EndSpecialCallButton) Command3_Click();
    else if (control == UserTonesButton) Command4_Click();
    else if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

void Frm5Tone::DblClick(const std::string& control) {
    if (control == CodeGrid) MSHFlexGrid1_DblClick();
}

void Frm5Tone::EnterCell(const std::string& control) {
    if (control == CodeGrid) MSHFlexGrid1_EnterCell();
}

TextGrid* Frm5Tone::Grid(const std::string& control) { return control == CodeGrid ? &grid_ : nullptr; }

void Frm5Tone::KeyPress(const std::string& control, int& keyAscii) {
    if (control == OwnId) Text2_KeyPress(keyAscii);
    else if (control == CodeEditor) Text3_KeyPress(keyAscii);
    else if (control == StandardEditor) Combo2_KeyPress(keyAscii);
    else if (control == ToneTimeEditor) Combo3_KeyPress(keyAscii);
    else if (int i = PttCodes.IndexOf(control); i >= 0) Text4_KeyPress(i, keyAscii);
    else if (control == InfoCodeBox) Text5_KeyPress(keyAscii);
    else if (control == NameEditor) Text6_KeyPress(keyAscii);
    else if (control == InfoName) Text7_KeyPress(keyAscii);
}

void Frm5Tone::GotFocus(const std::string& control) { State().focus = control; }

bool Frm5Tone::LostFocus(const std::string& control, const std::string& next) {
    if (control == OwnId) return Text2_LostFocus(next);
    if (int i = PttCodes.IndexOf(control); i >= 0) Text4_LostFocus(i);
    return true;
}

}  // namespace rp

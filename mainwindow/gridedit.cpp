// In-place editing of the channel grid: which editor a cell opens, what a
// commit writes, the editors' keys, the tone combos, the bank list, and the
// channel clipboard keys. The events of every grid are dispatched here.
#include <algorithm>

#include "channels/frmchedit.h"
#include "core/banks.h"
#include "core/channelstore.h"
#include "core/conversions.h"
#include "core/numtext.h"
#include "core/repair.h"
#include "forms/formlanguage.h"
#include "mainwindow/frmmain.h"
#include "forms/textkeys.h"

namespace rp {

using namespace mainform;

namespace {

constexpr int kRxLength = 9, kNameLength = 6, kFmLength = 6, kAmLength = 8;

// The channel grid's editors, in the order SaveOldData looks at them.
const char* const kTextEditors[] = {RxBox, TxBox, NameBox};
const char* const kListEditors[] = {StepList,        BandwidthList,  PowerList,      DecodeTypeList,
                                    DecodeCtcssList, DecodeDcsList,  EncodeTypeList, EncodeCtcssList,
                                    EncodeDcsList,   OptSigList,     BankChecks};

// The tone combos of one side: the type (none, CTCSS, DCS) and the value
// lists of CTCSS and DCS.
struct ToneCombos {
    const char* type;
    const char* ctcss;
    const char* dcs;
};
constexpr ToneCombos kDecodeCombos{DecodeTypeList, DecodeCtcssList, DecodeDcsList};
constexpr ToneCombos kEncodeCombos{EncodeTypeList, EncodeCtcssList, EncodeDcsList};
const ToneCombos& CombosOf(bool decode) { return decode ? kDecodeCombos : kEncodeCombos; }

bool IsOneOf(const std::string& name, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

bool IsToneCombo(const std::string& name) {
    return IsOneOf(name, {DecodeTypeList, EncodeTypeList, DecodeCtcssList, EncodeCtcssList, DecodeDcsList,
                          EncodeDcsList});
}

// The editor of a channel-grid column, "" for none.
const char* EditorOfColumn(int column) {
    switch (column) {
    case ColRx: return RxBox;
    case ColTx: return TxBox;
    case ColName: return NameBox;
    case ColStep: return StepList;
    case ColWN: return BandwidthList;
    case ColBank: return BankChecks;
    case ColPower: return PowerList;
    case ColDecode: return DecodeTypeList;
    case ColEncode: return EncodeTypeList;
    case ColOptSig: return OptSigList;
    default: return "";
    }
}

// The index of the item equal to `text`, -1 when no item is.
int ExactIndex(const ControlState& list, const std::string& text) {
    const auto it = std::find(list.items.begin(), list.items.end(), text);
    return it == list.items.end() ? -1 : static_cast<int>(it - list.items.begin());
}

std::string Trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

void FrmMain::InitCellEditors() {
    GuardTextBox(C(RxBox), kFrequencyChars, kRxLength);
    GuardTextBox(C(TxBox), kFrequencyChars, kRxLength);
    GuardTextBox(C(NameBox), PrintableAscii("\\~"), kNameLength);
    GuardTextBox(C(RadioBox), kFrequencyChars, kFmLength);
    GuardTextBox(C(AirBandBox), kFrequencyChars, kAmLength);
    HookTextMenu(C(VfoBox));
    // A text editor opened over another cell shows its whole text selected.
    for (const char* box : {RxBox, TxBox, NameBox, RadioBox, AirBandBox})
        C(box).selectOnEntry = SelectOnEntry::OnCellOpen;
    // Edit > Channel: the grid's double-click on its current cell.
    commands["GridDblClick"] = [this] { MSFlexGrid1_DblClick(0); };
}

// ---- events ----

void FrmMain::DblClick(const std::string& control) {
    const int i = GridIndex(control);
    if (i >= 0) MSFlexGrid1_DblClick(i);
}

void FrmMain::EnterCell(const std::string& control) {
    const int i = GridIndex(control);
    if (i >= 0) MSFlexGrid1_EnterCell(i);
}

void FrmMain::KeyDown(const std::string& control, int keyCode, int shift) {
    const int i = GridIndex(control);
    if (i >= 0) MSFlexGrid1_KeyDown(i, keyCode, shift);
}

void FrmMain::ItemCheck(const std::string& control, int item) {
    if (control == BankChecks) ListBank_ItemCheck(item);
}

void FrmMain::KeyPress(const std::string& control, int& keyAscii) {
    if (const int i = GridIndex(control); i >= 0) {
        MSFlexGrid1_KeyPress(i, keyAscii);
    } else if (control == RadioBox || control == AirBandBox) {
        const int grid = control == RadioBox ? kRadioGrid : kAirBandGrid;
        if (keyAscii == kKeyReturn) {
            // The next row (row 1 after the VFO row) is entered: that
            // commits this editor and opens it there.
            TextGrid& g = grids_[static_cast<std::size_t>(grid)];
            const int cur = grid == 2 ? RadioCurRow : AMCurRow;
            g.row = cur < g.Rows() - 1 ? cur + 1 : 1;
            keyAscii = 0;
            MSFlexGrid1_EnterCell(grid);
            return;
        }
        FilterTextKey(keyAscii, C(control).inputChars);
    } else if (IsOneOf(control, {RxBox, TxBox, NameBox})) {
        if (keyAscii == kKeyReturn) {
            keyAscii = 0;
            EditorEnter(control);
            return;
        }
        FilterTextKey(keyAscii, C(control).inputChars);
    } else if (keyAscii == kKeyReturn &&
               std::find(std::begin(kListEditors), std::end(kListEditors), control) != std::end(kListEditors)) {
        keyAscii = 0;
        EditorEnter(control);
    }
}

// Enter in an open editor of the channel grid.
void FrmMain::EditorEnter(const std::string& control) {
    // The focus goes back to the channel grid (where a Tab keystroke
    // lands there in our tab order), then the editor commits and closes.
    State().focus = Grids[kChannelGrid];
    SaveOldData();
    if (control == DecodeTypeList) ShowDecodeToneCombo(1);
    if (control == EncodeTypeList) ShowEncodeToneCombo(1);
}

void FrmMain::EditorClick(const std::string& control) {
    if (const int i = GridIndex(control); i >= 0) {
        MSFlexGrid1_Click(i);
        return;
    }
    const ControlState& c = C(control);
    if (!c.visible || c.index < 0) return;
    const int n = d.EditChannelNo;
    if (control == StepList) {
        SetFreDataByCol(d, n, c.index, ColStep, 0);
    } else if (control == BandwidthList) {
        SetFreDataByCol(d, n, c.index, ColWN, 0);
    } else if (control == PowerList) {
        SetFreDataByCol(d, n, c.index, ColPower, 0);
    } else if (control == OptSigList) {
        SetFreDataByCol(d, n, GetOptSigType(c.SelectedItem()), ColOptSig, 0);
    } else if (control == DecodeTypeList || control == EncodeTypeList) {
        ToneTypeClick(control == DecodeTypeList);
        return;
    } else if (control == DecodeCtcssList || control == EncodeCtcssList) {
        ToneValueClick(control == DecodeCtcssList, 1);
        return;
    } else if (control == DecodeDcsList || control == EncodeDcsList) {
        ToneValueClick(control == DecodeDcsList, 2);
        return;
    } else {
        return;
    }
    ReShowGrid(0, n, 0);
}

// ---- opening an editor ----

void FrmMain::MSFlexGrid1_Click(int index) { MSFlexGrid1_EnterCell(index); }

void FrmMain::MSFlexGrid1_DblClick(int index) {
    if (index != 0 || commandsLocked_) return;
    TextGrid& g = grids_[0];
    if (g.row < 1 || g.col < 1) return;
    SaveOldData();
    d.EditRow = static_cast<Integer>(g.row);
    d.EditColumn = static_cast<Integer>(g.col);
    d.EditChannelNo = d.EditRow;
    if (d.EditColumn + 2 == g.Cols()) {
        Open(std::make_unique<FrmCHEdit>(d, *dialogCalls));
        return;
    }
    if (IsRadioFieldEditable(d.ShowListType, d.EditColumn, "") == 0) return;
    if (!(0 < d.EditColumn && d.EditColumn < g.Cols() - 2)) return;
    if (d.EditColumn >= ColTx) {
        if (!CheckGridCellEmpty(d.EditChannelNo)) return;
        if (d.EditColumn == ColBank && d.EditChannelNo >= ChPL1) return;
    }
    OpenCellEditor(d.EditColumn);
}

bool FrmMain::CheckGridCellEmpty(int row) {
    TextGrid& g = grids_[0];
    if (!TrimNullStr(g.Text(row, ColRx)).empty()) return true;
    // No channel on this row: the RX editor opens instead.
    g.col = ColRx;
    MSFlexGrid1_DblClick(0);
    IsEditorFilling = false;
    return false;
}

const FreDataRec* FrmMain::EditedRecord() const {
    const int n = d.EditChannelNo;
    auto pick = [n](const auto& list) -> const FreDataRec* {
        return n >= 1 && n <= static_cast<int>(list.size()) ? &list[static_cast<std::size_t>(n - 1)] : nullptr;
    };
    switch (d.ShowListType) {
    case ListGMRS: return pick(d.WorkData.GMRSFreData);
    case ListMURS: return pick(d.WorkData.MURSFreData);
    case ListWeather: return pick(d.WorkData.WXFreData);
    default: {
        const int i = FindFreDataIndex(d, n);
        return i < 0 ? nullptr : &d.FreData[static_cast<std::size_t>(i)];
    }
    }
}

// Fills the column's editor with the stored value and shows it. A list
// without an item for the stored value shows no selection, so nothing is
// written until the user chooses.
void FrmMain::OpenCellEditor(int column) {
    const std::string name = EditorOfColumn(column);
    if (name.empty()) return;
    ControlState& e = C(name);
    const std::string cell = grids_[0].Text(d.EditRow, column);
    const FreDataRec* rec = EditedRecord();
    auto select = [&](int index) { SetListIndex(e, index); };
    switch (column) {
    case ColRx:
    case ColTx:
    case ColName:
        SetBoxText(e, cell);
        break;
    case ColStep:
    case ColPower:
        select(ExactIndex(e, cell));
        break;
    case ColWN:
        select(rec ? rec->WN : -1);
        break;
    case ColOptSig: {
        int found = -1;
        for (std::size_t i = 0; rec && i < e.items.size(); ++i)
            if (GetOptSigType(e.items[i]) == rec->OptSig) found = static_cast<int>(i);
        select(found);
        break;
    }
    case ColDecode:
    case ColEncode:
        IsEditorFilling = true;
        select(GetFreToneData(d, d.EditChannelNo, column == ColDecode ? "De_CTC_Type" : "En_CTC_Type"));
        IsEditorFilling = false;
        break;
    case ColBank: {
        IsEditorFilling = true;
        BankList flags{};
        ShowChannelBankList(d, flags, d.EditChannelNo);
        e.selected.assign(flags.begin(), flags.end());
        IsEditorFilling = false;
        break;
    }
    default:
        return;
    }
    e.visible = true;
    State().focus = name;
}

std::string FrmMain::OpenChannelEditor() const {
    for (const char* n : kTextEditors)
        if (C(n).visible) return n;
    for (const char* n : kListEditors)
        if (C(n).visible) return n;
    return {};
}

bool FrmMain::OpensListOnKey(const std::string& control, int keyCode) {
    return IsToneCombo(control) && keyCode >= kKeyLeft && keyCode <= kKeyDown;
}

// ---- tone combos ----

void FrmMain::ShowDecodeToneCombo(int mode) { ShowToneCombo(true, mode); }
void FrmMain::ShowEncodeToneCombo(int mode) { ShowToneCombo(false, mode); }

void FrmMain::ShowToneCombo(bool decode, int mode) {
    if (mode != 1) return;
    const ToneCombos& combos = CombosOf(decode);
    const std::string side = decode ? "De" : "En";
    ControlState& type = C(combos.type);
    std::string name, key;
    if (type.index == 1) {
        name = combos.ctcss;
        key = side + "_CTCSS";
    } else if (type.index == 2) {
        name = combos.dcs;
        key = side + "_CDCSS";
    } else {
        return;
    }
    // The value combo takes the type combo's place over the same cell.
    type.visible = false;
    ControlState& value = C(name);
    value.visible = true;
    IsEditorFilling = true;
    SetListIndex(value, GetFreToneData(d, d.EditChannelNo, key));
    IsEditorFilling = false;
    State().focus = name;
}

void FrmMain::ToneTypeClick(bool decode) {
    if (IsEditorFilling) return;
    const int n = d.EditChannelNo;
    SetFreDataByCol(d, n, C(CombosOf(decode).type).index,
                    decode ? ColDecode : ColEncode, 0);
    // A pick is the final choice: the CTCSS or DCS combo comes up.
    ShowToneCombo(decode, 1);
    ReShowGrid(0, n, 0);
}

void FrmMain::ToneValueClick(bool decode, int sub) {
    if (IsEditorFilling) return;
    const char* name = sub == 1 ? CombosOf(decode).ctcss : CombosOf(decode).dcs;
    const int n = d.EditChannelNo;
    SetFreDataByCol(d, n, C(name).index, decode ? ColDecode : ColEncode, sub);
    ReShowGrid(0, n, 0);
}

// ---- the bank list ----

void FrmMain::ListBank_ItemCheck(int item) {
    if (IsEditorFilling) return;
    ControlState& list = C(BankChecks);
    if (item < 0 || item >= static_cast<int>(list.selected.size())) return;
    const int n = d.EditChannelNo, bank = item + 1;
    const bool on = list.selected[static_cast<std::size_t>(item)];
    if (on && !CanAddToBank(d, n, bank)) {
        // The bank is full: the tick is taken back.
        list.selected[static_cast<std::size_t>(item)] = false;
        return;
    }
    SetChannelBank(d, n, bank, on);
    ReShowGrid(0, n, 0);
}

// ---- commit ----

bool FrmMain::SaveOldData() {
    const int n = d.EditChannelNo;
    bool ok = true;
    if (ControlState& rx = C(RxBox); rx.visible) {
        if (d.EditColumn == ColRx) {
            const std::string text = Trimmed(rx.text);
            if (text.empty()) {
                // Only an empty RX deletes a memory channel (never PL1 to VFO2).
                if (IsFreDataExist(d, n) && n < ChPL1) ok = DeleteFreData(d, n);
            } else if (!IsNumeric(text)) {
                d.Ui.Notify->Show(kNotNumericText, MsgIcon::None, MsgButtons::Ok, "");
                ok = false;
            } else if (IsFreDataExist(d, n)) {
                SetFreDataByCol(d, n, text, ColRx, 0);
            } else {
                AddFreDataByRx(d, n, text);
            }
            ReShowGrid(0, n, 0);
            CheckOptionChannels(d);
        }
        rx.visible = false;
        return ok;
    }
    if (ControlState& tx = C(TxBox); tx.visible) {
        if (d.EditColumn == ColTx) {
            SetFreDataByCol(d, n, tx.text, ColTx, 0);
            ReShowGrid(0, n, 0);
        }
        tx.visible = false;
        return ok;
    }
    if (ControlState& name = C(NameBox); name.visible) {
        if (d.EditColumn == ColName) {
            SetFreDataByCol(d, n, Utf8ToLatin1(name.text), ColName, 0);
            ReShowGrid(0, n, 0);
        }
        name.visible = false;
        return ok;
    }
    // The lists wrote at each pick: they are only hidden.
    for (const char* e : kListEditors) {
        if (C(e).visible) {
            C(e).visible = false;
            break;
        }
    }
    return ok;
}

// ---- cursor moves and keys ----

void FrmMain::MSFlexGrid1_EnterCell(int index) {
    if (!FormLoaded || IsGridInit) return;
    if (index == 0) {
        const TextGrid& g = grids_[0];
        // The RX editor being opened over this cell stays open.
        if (g.col == ColRx && g.row == d.EditChannelNo && C(RxBox).visible) return;
        SaveOldData();
        return;
    }
    if (index >= 1 && index <= 3 && !commandsLocked_) OpenStationEditor(index);
}

void FrmMain::MSFlexGrid1_KeyPress(int index, int& keyAscii) {
    if (index == 0 && keyAscii == kKeyReturn) {
        keyAscii = 0;
        MSFlexGrid1_DblClick(0);
    }
}

void FrmMain::MSFlexGrid1_KeyDown(int index, int keyCode, int shift) {
    if (index > 0 || commandsLocked_ || (d.ShowListType >= ListGMRS && d.ShowListType <= ListWeather)) return;
    if (shift != kCtrlMask) return;
    const int n = grids_[0].row;
    auto& filled = d.ClipFilled[static_cast<std::size_t>(index)];
    if (keyCode == 'C' || keyCode == 'X' || keyCode == 'V') SaveOldData();
    switch (keyCode) {
    case 'C':
        filled = true;
        CopyFreDataToClip(d, index, n);
        break;
    case 'X':
        filled = true;
        CutFreDataToClip(d, index, n);
        ReShowGrid(index, n, 1);
        break;
    case 'V':
        if (filled) {
            PasteClipToFreData(d, index, n);
            ReShowGrid(index, n, 1);
        }
        break;
    default:
        break;
    }
    CheckOptionChannels(d);
}

}  // namespace rp

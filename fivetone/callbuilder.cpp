#include "fivetone/callbuilder.h"

#include <algorithm>
#include <vector>

#include "core/language.h"
#include "core/numtext.h"
#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "fivetone/keyfilters.h"
#include "fivetone/callcodes.h"
#include "fivetone/callbuildercontrols.h"
#include "fivetone/valuelists.h"
#include "forms/formlanguage.h"
#include "forms/textkeys.h"

namespace rp {

using namespace callbuilder;

namespace {
constexpr int kCodeMax = 40;
const std::vector<std::string> kTabOrder = {Entry,        CallType,  CalledIds[0], Message,
                                            CalledIds[1], Separator, kOKButton,     kCancelButton};
}  // namespace

FrmCallBuilder::FrmCallBuilder(AppData& d, Frm5Tone& owner) : Form(kName), d_(d), owner_(owner) {
    State().tag = "[OPTION]60062";
    AddControls(State(), kControls);
    GuardTextBox(C(Message), KeyFilterChars(FilterMessageKey), kEntryMessageMax);
    for (int i = 0; i < 2; ++i) {
        ControlState& id = C(CalledIds[i]);
        GuardTextBox(id, KeyFilterChars(FilterCalledIdKey), kCalledIdLength);
        id.text = "12345";
    }
    // Every box selects its whole text whenever it takes the focus.
    C(CalledIds[0]).selectOnEntry = C(Message).selectOnEntry = C(CalledIds[1]).selectOnEntry =
        SelectOnEntry::OnFocus;
}

void FrmCallBuilder::Form_Load() {
    State().caption = GetLanguageOptionString(d_, "60062");
    C(EntryLabel).text = GetLanguageOptionString(d_, "60063");
    C(CallTypeLabel).text = GetLanguageOptionString(d_, "60064");
    C(DataMessageFrame).text = GetLanguageOptionString(d_, "60073");
    C(CallType).items = {C(DataMessageFrame).text, "ANI", "PTTID"};
    C(kOKButton).text = GetLanguageOptionString(d_, "60024");
    C(kCancelButton).text = GetLanguageOptionString(d_, "60025");
    C(CalledIdLabels[0]).text = C(CalledIdLabels[1]).text = GetLanguageOptionString(d_, "60076");
    C(SeparatorLabel).text = GetLanguageOptionString(d_, "60313");
    C(MessageLabel).text = GetLanguageOptionString(d_, "60077");
    if (owner_.SpecialCallMode == 1 || owner_.SpecialCallMode == 2) {
        C(EntryLabel).text = owner_.SpecialCallMode == 1 ? GetLanguageOptionString(d_, "60302")
                                                         : GetLanguageOptionString(d_, "60303");
        C(Entry).visible = false;
        // A PTT-ID code has 24 digits: "E1", the ID, "E" and two per character.
        C(Message).max = kPttMessageMax;
    }
    C(Separator).items = {GetLanguageOptionString(d_, "60318"), "A", "B", "C", "D", "E", "F"};
    InitSpecialLists();
    ShowSpecialSeparator();
    SetListIndex(C(CallType), 0);
    Combo1_Click(1);
}

void FrmCallBuilder::InitSpecialLists() {
    ControlState& entries = C(Entry);
    entries.items = NumberItems(0, 99, 1);
    const int row = owner_.Grid().row;
    SetComboText(entries, row >= 1 ? std::to_string(row - 1) : "0");
}

void FrmCallBuilder::ShowSpecialSeparator() {
    C(DataMessageFrame).visible = false;
    C(OwnIdCallFrame).visible = false;
    const Integer sep = d_.SetDataEdit.Tone5Data.Separator;
    SetComboText(C(Separator), sep >= 0 && sep < 16 ? std::string(1, "0123456789ABCDEF"[sep]) : "");
}

void FrmCallBuilder::Combo1_Click(int index) {
    if (index != 1) return;
    ShowSpecialSeparator();
    switch (C(CallType).index) {
    case SpecialDataMessage:
        C(DataMessageFrame).visible = true;
        break;
    case SpecialOwnIdCall:
        C(OwnIdCallFrame).text = C(CallType).SelectedItem();
        C(OwnIdCallFrame).visible = true;
        break;
    default:
        break;
    }
}

bool FrmCallBuilder::CheckCalledId(int index) {
    if (Utf8ToLatin1(C(CalledIds[index]).text).size() >= static_cast<std::size_t>(kCalledIdLength))
        return true;
    d_.Ui.Notify->Show(GetLanguageMsgString(d_, "900C"), MsgIcon::None, MsgButtons::Ok, "");
    return false;
}

void FrmCallBuilder::Text1_LostFocus(int index, const std::string& next) {
    // Cancel needs no ID, and OK checks the ID itself: one message, not two.
    if (next == kCancelButton || next == kOKButton) return;
    CheckCalledId(index);
}

void FrmCallBuilder::CommandOK_Click() {
    Tone5DataRec& t = d_.SetDataEdit.Tone5Data;
    const ControlState& sepList = C(Separator);
    const int p = sepList.index;
    t.Separator = static_cast<Integer>(p >= 1 ? HexDigitValue(sepList.SelectedItem()[0]) : 0);
    const std::string separator = p >= 1 ? sepList.SelectedItem() : "";

    const int kind = C(CallType).index;
    if (kind == SpecialDataMessage && !CheckCalledId(0)) return;
    if (kind == SpecialOwnIdCall && !CheckCalledId(1)) return;
    const std::string calledId = Utf8ToLatin1(C(CalledIds[kind == SpecialOwnIdCall ? 1 : 0]).text);
    std::string message = Utf8ToLatin1(C(Message).text);
    message.resize(std::min<std::size_t>(message.size(), static_cast<std::size_t>(C(Message).max)));
    const std::string own = Utf8ToLatin1(owner_.C(fivetone::OwnId).text);

    const Integer mode = owner_.SpecialCallMode;
    if (mode == 1 || mode == 2) {
        owner_.C(fivetone::PttCodes[mode - 1]).text =
            Latin1ToUtf8(ComposePttSpecialCall(kind, calledId, separator, message, own));
        Unload();
        return;
    }
    const int entry = C(Entry).index;
    if (entry < 0 || entry >= static_cast<int>(t.Codes.size())) return;
    const EntrySpecialCall call = ComposeEntrySpecialCall(kind, calledId, separator, message, own,
                                                          GetLanguageOptionString(d_, "60084"));
    Tone5CodeRec& e = t.Codes[static_cast<std::size_t>(entry)];
    e.Code.Set(call.code);
    e.CodeLen = static_cast<Byte>(std::min<std::size_t>(call.code.size(), kCodeMax));
    e.Empty = call.code.empty() ? 1 : 0;
    TextGrid& grid = owner_.Grid();
    const int row = entry + 1;
    grid.SetCell(row * grid.Cols() + 2, call.cell);
    grid.SetCell(row * grid.Cols() + 1, C(CallType).SelectedItem());
    Unload();
}

void FrmCallBuilder::CommandCancel_Click() { Unload(); }

void FrmCallBuilder::FocusNext(const std::string& from) {
    auto it = std::find(kTabOrder.begin(), kTabOrder.end(), from);
    if (it == kTabOrder.end()) return;
    auto reachable = [&](const std::string& n) {
        if (!C(n).visible || !C(n).enabled) return false;
        if (n == CalledIds[0] || n == Message) return C(DataMessageFrame).visible;
        if (n == CalledIds[1]) return C(OwnIdCallFrame).visible;
        return true;
    };
    for (std::size_t step = 1; step < kTabOrder.size(); ++step) {
        const std::string& n = kTabOrder[(static_cast<std::size_t>(it - kTabOrder.begin()) + step) % kTabOrder.size()];
        if (reachable(n)) {
            if (LostFocus(from, n)) State().focus = n;  // as the Tab key
            return;
        }
    }
}

void FrmCallBuilder::Text1_KeyPress(int index, int& key) {
    if (key == kKeyReturn) {
        key = 0;
        FocusNext(CalledIds[index]);
        return;
    }
    key = FilterCalledIdKey(key);
}

void FrmCallBuilder::Text2_KeyPress(int& key) {
    if (key == kKeyReturn) {
        key = 0;
        FocusNext(Message);
        return;
    }
    key = FilterMessageKey(key);
}

void FrmCallBuilder::Click(const std::string& control) {
    ControlState& c = C(control);
    if (c.kind == ControlKind::ComboBox) SetListIndex(c, c.index);
    if (control == Entry) Combo1_Click(0);
    else if (control == CallType) Combo1_Click(1);
    else if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

void FrmCallBuilder::KeyPress(const std::string& control, int& keyAscii) {
    if (int i = CalledIds.IndexOf(control); i >= 0) Text1_KeyPress(i, keyAscii);
    else if (control == Message) Text2_KeyPress(keyAscii);
}

void FrmCallBuilder::GotFocus(const std::string& control) { State().focus = control; }

bool FrmCallBuilder::LostFocus(const std::string& control, const std::string& next) {
    if (int i = CalledIds.IndexOf(control); i >= 0) Text1_LostFocus(i, next);
    return true;
}

}  // namespace rp

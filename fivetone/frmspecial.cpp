#include "fivetone/frmspecial.h"

#include <algorithm>
#include <vector>

#include "core/language.h"
#include "core/numtext.h"
#include "fivetone/controlnames.h"
#include "fivetone/frm5tone.h"
#include "fivetone/keyfilters.h"
#include "fivetone/callcodes.h"
#include "fivetone/valuelists.h"
#include "forms/formlanguage.h"
#include "forms/textkeys.h"

namespace rp {

namespace {
constexpr int kCodeMax = 40;
const std::vector<std::string> kTabOrder = {"Combo1_0", "Combo1_1", "Text1_0", "Text2",  "Text1_1",
                                            "Combo3",   "CommandOK", "CommandCancel"};
}  // namespace

FrmSpecial::FrmSpecial(AppData& d, Frm5Tone& owner) : Form("FrmSpecial"), d_(d), owner_(owner) {
    FormState& s = State();
    s.tag = "[OPTION]60062";
    auto add = [&](const std::string& name, ControlKind kind, const std::string& tag = "") -> ControlState& {
        ControlState& c = s.Add(name, kind);
        c.tag = tag;
        return c;
    };
    add("Label1_0", ControlKind::Label, "[OPTION]60063");
    add("Combo1_0", ControlKind::ComboBox);
    add("Label1_1", ControlKind::Label, "[OPTION]60064");
    add("Combo1_1", ControlKind::ComboBox);
    add("Frame2", ControlKind::Frame, "[OPTION]60073");
    add("Label2_0", ControlKind::Label, "[OPTION]60076");
    ControlState& id0 = add("Text1_0", ControlKind::TextBox);
    add("Label3", ControlKind::Label, "[OPTION]60077");
    GuardTextBox(add("Text2", ControlKind::TextBox), KeyFilterChars(FilterMessageKey), kEntryMessageMax);
    add("Frame4", ControlKind::Frame);
    add("Label2_1", ControlKind::Label, "[OPTION]60076");
    ControlState& id1 = add("Text1_1", ControlKind::TextBox);
    for (ControlState* id : {&id0, &id1}) {
        GuardTextBox(*id, KeyFilterChars(FilterCalledIdKey), kCalledIdLength);
        id->text = "12345";
    }
    add("Label5", ControlKind::Label, "[OPTION]60313");
    add("Combo3", ControlKind::ComboBox);
    add("CommandOK", ControlKind::Button, "[OPTION]60024");
    add("CommandCancel", ControlKind::Button, "[OPTION]60025");
}

void FrmSpecial::Form_Load() {
    State().caption = GetLanguageOptionString(d_, "60062");
    C("Label1_0").text = GetLanguageOptionString(d_, "60063");
    C("Label1_1").text = GetLanguageOptionString(d_, "60064");
    C("Frame2").text = GetLanguageOptionString(d_, "60073");
    C("Combo1_1").items = {C("Frame2").text, "ANI", "PTTID"};
    C("CommandOK").text = GetLanguageOptionString(d_, "60024");
    C("CommandCancel").text = GetLanguageOptionString(d_, "60025");
    C("Label2_0").text = C("Label2_1").text = GetLanguageOptionString(d_, "60076");
    C("Label5").text = GetLanguageOptionString(d_, "60313");
    C("Label3").text = GetLanguageOptionString(d_, "60077");
    if (owner_.SpecialCallMode == 1 || owner_.SpecialCallMode == 2) {
        C("Label1_0").text = owner_.SpecialCallMode == 1 ? GetLanguageOptionString(d_, "60302")
                                                         : GetLanguageOptionString(d_, "60303");
        C("Combo1_0").visible = false;
        // A PTT-ID code has 24 digits: "E1", the ID, "E" and two per character.
        C("Text2").max = kPttMessageMax;
    }
    C("Combo3").items = {GetLanguageOptionString(d_, "60318"), "A", "B", "C", "D", "E", "F"};
    InitSpecialLists();
    ShowSpecialSeparator();
    SetListIndex(C("Combo1_1"), 0);
    Combo1_Click(1);
}

void FrmSpecial::InitSpecialLists() {
    ControlState& entries = C("Combo1_0");
    entries.items = NumberItems(0, 99, 1);
    const int row = owner_.Grid().row;
    SetComboText(entries, row >= 1 ? std::to_string(row - 1) : "0");
}

void FrmSpecial::ShowSpecialSeparator() {
    C("Frame2").visible = false;
    C("Frame4").visible = false;
    const Integer sep = d_.SetDataEdit.Tone5Data.Separator;
    SetComboText(C("Combo3"), sep >= 0 && sep < 16 ? std::string(1, "0123456789ABCDEF"[sep]) : "");
}

void FrmSpecial::Combo1_Click(int index) {
    if (index != 1) return;
    ShowSpecialSeparator();
    switch (C("Combo1_1").index) {
    case SpecialDataMessage:
        C("Frame2").visible = true;
        break;
    case SpecialOwnIdCall:
        C("Frame4").text = C("Combo1_1").SelectedItem();
        C("Frame4").visible = true;
        break;
    default:
        break;
    }
}

bool FrmSpecial::CheckCalledId(int index) {
    if (Utf8ToLatin1(C(Indexed("Text1", index)).text).size() >= static_cast<std::size_t>(kCalledIdLength))
        return true;
    d_.Ui.Notify->Show(GetLanguageMsgString(d_, "900C"), MsgIcon::None, MsgButtons::Ok, "");
    return false;
}

void FrmSpecial::Text1_LostFocus(int index, const std::string& next) {
    // Cancel needs no ID, and OK checks the ID itself: one message, not two.
    if (next == "CommandCancel" || next == "CommandOK") return;
    CheckCalledId(index);
}

void FrmSpecial::CommandOK_Click() {
    Tone5DataRec& t = d_.SetDataEdit.Tone5Data;
    const ControlState& sepList = C("Combo3");
    const int p = sepList.index;
    t.Separator = static_cast<Integer>(p >= 1 ? HexDigitValue(sepList.SelectedItem()[0]) : 0);
    const std::string separator = p >= 1 ? sepList.SelectedItem() : "";

    const int kind = C("Combo1_1").index;
    if (kind == SpecialDataMessage && !CheckCalledId(0)) return;
    if (kind == SpecialOwnIdCall && !CheckCalledId(1)) return;
    const std::string calledId = Utf8ToLatin1(C(kind == SpecialOwnIdCall ? "Text1_1" : "Text1_0").text);
    std::string message = Utf8ToLatin1(C("Text2").text);
    message.resize(std::min<std::size_t>(message.size(), static_cast<std::size_t>(C("Text2").max)));
    const std::string own = Utf8ToLatin1(owner_.C("Text2").text);

    const Integer mode = owner_.SpecialCallMode;
    if (mode == 1 || mode == 2) {
        owner_.C(Indexed("Text4", mode - 1)).text =
            Latin1ToUtf8(ComposePttSpecialCall(kind, calledId, separator, message, own));
        Unload();
        return;
    }
    const int entry = C("Combo1_0").index;
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
    grid.SetCell(row * grid.Cols() + 1, C("Combo1_1").SelectedItem());
    Unload();
}

void FrmSpecial::CommandCancel_Click() { Unload(); }

void FrmSpecial::FocusNext(const std::string& from) {
    auto it = std::find(kTabOrder.begin(), kTabOrder.end(), from);
    if (it == kTabOrder.end()) return;
    auto reachable = [&](const std::string& n) {
        if (!C(n).visible || !C(n).enabled) return false;
        if (n == "Text1_0" || n == "Text2") return C("Frame2").visible;
        if (n == "Text1_1") return C("Frame4").visible;
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

void FrmSpecial::Text1_KeyPress(int index, int& key) {
    if (key == kKeyEnter) {
        key = 0;
        FocusNext(Indexed("Text1", index));
        return;
    }
    key = FilterCalledIdKey(key);
}

void FrmSpecial::Text2_KeyPress(int& key) {
    if (key == kKeyEnter) {
        key = 0;
        FocusNext("Text2");
        return;
    }
    key = FilterMessageKey(key);
}

void FrmSpecial::Click(const std::string& control) {
    ControlState& c = C(control);
    if (c.kind == ControlKind::ComboBox) SetListIndex(c, c.index);
    if (int i = ElementIndex(control, "Combo1"); i >= 0) Combo1_Click(i);
    else if (control == "CommandOK") CommandOK_Click();
    else if (control == "CommandCancel") CommandCancel_Click();
}

void FrmSpecial::KeyPress(const std::string& control, int& keyAscii) {
    if (int i = ElementIndex(control, "Text1"); i >= 0) Text1_KeyPress(i, keyAscii);
    else if (control == "Text2") Text2_KeyPress(keyAscii);
}

void FrmSpecial::GotFocus(const std::string& control) { State().focus = control; }

bool FrmSpecial::LostFocus(const std::string& control, const std::string& next) {
    if (int i = ElementIndex(control, "Text1"); i >= 0) Text1_LostFocus(i, next);
    return true;
}

}  // namespace rp

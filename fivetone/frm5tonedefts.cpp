#include "fivetone/frm5tonedefts.h"

#include "core/language.h"
#include "fivetone/frm5tonedeftscontrols.h"
#include "fivetone/keyfilters.h"
#include "fivetone/standards.h"
#include "fivetone/usertones.h"
#include "forms/formlanguage.h"
#include "forms/textkeys.h"

namespace rp {

using namespace fivetonedefts;

namespace {
constexpr int kUserTones = 16;
constexpr const char* kDigits = "0123456789ABCDEF";
}  // namespace

Frm5ToneDefTS::Frm5ToneDefTS(AppData& d) : Form(kName), d_(d) {
    FormState& s = State();
    s.tag = "3103";
    for (int i = 0; i < kUserTones; ++i) {
        s.Add(DigitLabels[i], ControlKind::Label).text = std::string(1, kDigits[i]);
        GuardTextBox(s.Add(ToneBoxes[i], ControlKind::TextBox), KeyFilterChars(FilterToneKey), 6);
        s[ToneBoxes[i]].selectOnEntry = SelectOnEntry::OnFocus;  // whenever it takes the focus
    }
    s.Add(kOKButton, ControlKind::Button).tag = "101";
    s.Add(kCancelButton, ControlKind::Button).tag = "102";
}

void Frm5ToneDefTS::Form_Load() {
    LoadShowByLanguage();
    ShowUserToneByData();
}

void Frm5ToneDefTS::LoadShowByLanguage() {
    State().caption = GetLanguageString(d_, 3103);
    SetOKCancelCaption(d_, State());
}

void Frm5ToneDefTS::ShowUserToneByData() {
    const auto& tones = d_.SetDataEdit.Tone5Data.UserTones;
    for (int i = 0; i < kUserTones; ++i) C(ToneBoxes[i]).text = UserToneText(tones[static_cast<std::size_t>(i)]);
}

void Frm5ToneDefTS::Text1_KeyPress(int index, int& key) {
    if (key == kKeyReturn) {
        key = 0;
        // As the Tab key: the box is clamped as it is left.
        const std::string next = index + 1 < kUserTones ? ToneBoxes[index + 1] : kOKButton;
        if (LostFocus(ToneBoxes[index], next)) State().focus = next;
        return;
    }
    key = FilterToneKey(key);
}

void Frm5ToneDefTS::Text1_LostFocus(int index) {
    ControlState& box = C(ToneBoxes[index]);
    box.text = ClampUserToneText(box.text);
}

void Frm5ToneDefTS::CommandOK_Click() {
    if (int i = ToneBoxes.IndexOf(State().focus); i >= 0 && i < kUserTones) Text1_LostFocus(i);
    auto& tones = d_.SetDataEdit.Tone5Data.UserTones;
    for (int i = 0; i < kUserTones; ++i)
        if (auto v = UserToneValue(C(ToneBoxes[i]).text)) tones[static_cast<std::size_t>(i)] = *v;
    Unload();
}

void Frm5ToneDefTS::CommandCancel_Click() { Unload(); }

void Frm5ToneDefTS::Click(const std::string& control) {
    if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

void Frm5ToneDefTS::KeyPress(const std::string& control, int& keyAscii) {
    if (int i = ToneBoxes.IndexOf(control); i >= 0 && i < kUserTones) Text1_KeyPress(i, keyAscii);
}

void Frm5ToneDefTS::GotFocus(const std::string& control) { State().focus = control; }

bool Frm5ToneDefTS::LostFocus(const std::string& control, const std::string&) {
    // Every departure clamps, towards Cancel too: only the box that has the
    // focus at OK can then hold a value outside the range.
    if (int i = ToneBoxes.IndexOf(control); i >= 0 && i < kUserTones) Text1_LostFocus(i);
    return true;
}

}  // namespace rp

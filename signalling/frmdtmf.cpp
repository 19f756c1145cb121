#include "signalling/frmdtmf.h"

#include "core/language.h"
#include "core/numtext.h"
#include "forms/formlanguage.h"
#include "signalling/formhelpers.h"

namespace rp {

namespace {

std::string CodeBox(int i) { return Elem("Text2", i); }
std::string List(int i) { return Elem("Combo1", i); }

void Fill(ControlState& list, std::vector<std::string> items) {
    list.items = std::move(items);
    list.index = -1;
    list.text.clear();
}

}  // namespace

// ---- FrmDTMF -----------------------------------------------------------------

FrmDTMF::FrmDTMF(AppData& d) : Form("FrmDTMF"), d_(d) {
    FormState& f = State();
    // The left column: each setting's label and list, in the window's order.
    auto setting = [&](int i, const char* key, ControlKind kind, const std::string& control) {
        f.Add(Elem("Label3", i), ControlKind::Label).tag = key;
        f.Add(control, kind);
    };
    setting(1, "1740", ControlKind::ComboBox, List(1));
    setting(2, "1741", ControlKind::ComboBox, List(2));
    setting(3, "1743", ControlKind::ComboBox, List(3));
    setting(4, "3002", ControlKind::TextBox, "Text3");
    f["Text3"].max = 3;
    const char* keys[] = {"1604", "1605", "1606", "1607", "1608", "1609", "1610", "1611"};
    for (int i = 5; i <= 12; ++i) setting(i, keys[i - 5], ControlKind::ComboBox, List(i));
    f.Add("Check1", ControlKind::CheckBox).tag = "1612";
    // ANI is carried through without ever being shown.
    f[Elem("Label3", 1)].visible = f[List(1)].visible = false;

    f.Add("Frame1", ControlKind::Frame).tag = "1602";
    for (int i = 0; i < 16; ++i) {
        f.Add(Elem("Label1", i), ControlKind::Label).text = "M" + std::to_string(i + 1);
        f.Add(CodeBox(i), ControlKind::TextBox).max = 24;
    }
    f.Add("Label2", ControlKind::Label).tag = "1603";
    for (int i = kDtmfBeginBox; i <= kDtmfStunBox; ++i) {
        f.Add(Elem("Label1", i), ControlKind::Label);  // captions from [OPTION]
        f.Add(CodeBox(i), ControlKind::TextBox).max = i >= kDtmfKillBox ? 14 : 24;
    }
    f.Add("CommandSpecial", ControlKind::Button).tag = "3003";
    f.Add("CommandOK", ControlKind::Button).tag = "101";
    f.Add("CommandCancel", ControlKind::Button).tag = "102";
    ControlState& timer = f.Add("OKTimer", ControlKind::Timer);
    timer.max = 50;
    timer.enabled = false;
    f.caption = "DTMF";
}

void FrmDTMF::Form_Load() {
    CurDTMFEditID = 0;
    C("OKTimer").enabled = false;
    C(Elem("Label3", 3)).visible = C(List(3)).visible = false;
    LoadDTMFFormText();
    ShowDTMFData();
}

void FrmDTMF::LoadDTMFFormText() {
    FormState& f = State();
    f.caption = "DTMF";
    C(Elem("Label3", 1)).text = GetLanguageString(d_, 1740);
    C(Elem("Label3", 2)).text = GetLanguageString(d_, 1741);
    C(Elem("Label3", 3)).text = GetLanguageString(d_, 1743);
    C(Elem("Label3", 4)).text = GetLanguageString(d_, 3002);
    C(Elem("Label3", 5)).text = GetLanguageString(d_, 1604);
    C(Elem("Label3", 6)).text = GetLanguageString(d_, 1605);
    C(Elem("Label3", 7)).text = GetLanguageString(d_, 1606);
    C(Elem("Label3", 8)).text = GetLanguageString(d_, 1607);
    C(Elem("Label3", 9)).text = GetLanguageString(d_, 1608);
    C(Elem("Label3", 10)).text = GetLanguageString(d_, 1609);
    C(Elem("Label3", 11)).text = GetLanguageString(d_, 1610);
    C(Elem("Label3", 12)).text = GetLanguageString(d_, 1611);
    C("Check1").text = GetLanguageString(d_, 1612);
    C("Frame1").text = GetLanguageString(d_, 1602);
    C("Label2").text = GetLanguageString(d_, 1603);
    C("CommandSpecial").text = GetLanguageString(d_, 3003);
    C(Elem("Label1", kDtmfBeginBox)).text = GetLanguageOptionString(d_, "60302");
    C(Elem("Label1", kDtmfEndBox)).text = GetLanguageOptionString(d_, "60303");
    C(Elem("Label1", kDtmfKillBox)).text = GetLanguageOptionString(d_, "60069");
    C(Elem("Label1", kDtmfStunBox)).text = GetLanguageOptionString(d_, "60093");

    const std::string off = GetLanguageString(d_, 1755);
    Fill(C(List(1)), {off, GetLanguageString(d_, 1756)});
    const std::string ms = GetLanguageString(d_, 1780);
    Fill(C(List(2)), {"50" + ms, "100" + ms, "200" + ms, "300" + ms, "500" + ms});
    Fill(C(List(3)), {off, GetLanguageString(d_, 1765), GetLanguageString(d_, 1766),
                      GetLanguageString(d_, 1767)});
    Fill(C(List(5)), {kDtmfDigitTexts.begin(), kDtmfDigitTexts.end()});
    std::vector<std::string> group{off};
    group.insert(group.end(), kDtmfDigitTexts.begin(), kDtmfDigitTexts.end());
    Fill(C(List(6)), std::move(group));
    Fill(C(List(7)), {GetLanguageString(d_, 1650), GetLanguageString(d_, 1651),
                      GetLanguageString(d_, 1653)});
    std::vector<std::string> delays, reset, sendDelays, pause{off};
    for (int i = 0; i <= 250; ++i) {
        delays.push_back(std::to_string(10 * i));
        reset.push_back(FormatNumber(i / 10.0, "0.0"));
    }
    for (int i = 0; i < 250; ++i) sendDelays.push_back(std::to_string(10 * (i + 1)));
    for (int v = 5; v <= 75; ++v) pause.push_back(std::to_string(v));
    Fill(C(List(8)), std::move(delays));
    Fill(C(List(9)), sendDelays);
    Fill(C(List(10)), std::move(reset));
    Fill(C(List(11)), std::move(sendDelays));
    Fill(C(List(12)), std::move(pause));
    SetOKCancelCaption(d_, f);
}

void FrmDTMF::ShowDTMFData() {
    const DTMFShown s = ShowDTMFValues(d_.DTMFData());
    SetListIndex(C(List(1)), s.ani);
    SetListIndex(C(List(2)), s.sendTime);
    SetListIndex(C(List(3)), s.pttIdMode);
    C("Text3").text = s.ownId;
    // Set directly: the separator rewrite follows the user's picks only.
    SetListIndex(C(List(5)), s.separator);
    SetListIndex(C(List(6)), s.groupCode);
    for (int i = 0; i < kDtmfBoxCount; ++i) C(CodeBox(i)).text = Latin1ToUtf8(s.codes[i]);
    SetListIndex(C(List(7)), s.decodeResponse);
    SetListIndex(C(List(8)), s.firstDigitDelay);
    SetListIndex(C(List(9)), s.preSendDelay);
    SetListIndex(C(List(10)), s.resetTime);
    SetListIndex(C(List(11)), s.postSendDelay);
    SetListIndex(C(List(12)), s.pauseTime);
    C("Check1").value = s.sideTone;
}

DTMFShown FrmDTMF::ShownValues() const {
    DTMFShown s;
    s.ani = C(List(1)).index;
    s.sendTime = C(List(2)).index;
    s.pttIdMode = C(List(3)).index;
    s.ownId = Utf8ToLatin1(C("Text3").text);
    s.separator = C(List(5)).index;
    s.groupCode = C(List(6)).index;
    s.decodeResponse = C(List(7)).index;
    s.firstDigitDelay = C(List(8)).index;
    s.preSendDelay = C(List(9)).index;
    s.resetTime = C(List(10)).index;
    s.postSendDelay = C(List(11)).index;
    s.pauseTime = C(List(12)).index;
    s.sideTone = C("Check1").value == 1 ? 1 : 0;
    for (int i = 0; i < kDtmfBoxCount; ++i) s.codes[i] = Utf8ToLatin1(C(CodeBox(i)).text);
    return s;
}

void FrmDTMF::Combo1_Click(int index) {
    if (index != 5) return;
    // A special call that carries the own ID follows the new separator.
    const std::string& own = C("Text3").text;
    const std::string& sep = C(List(5)).text;
    for (int i = 0; i <= kDtmfLastSpecialBox; ++i) {
        std::string& t = C(CodeBox(i)).text;
        t = RewriteForSeparator(t, own, sep);
    }
}

void FrmDTMF::Text2_GotFocus(int index) { CurDTMFEditID = static_cast<Integer>(index); }

void FrmDTMF::Text2_KeyPress(int, int& keyAscii) { keyAscii = DtmfCodeKey(keyAscii); }

void FrmDTMF::Text3_GotFocus() {}

void FrmDTMF::Text3_KeyPress(int& keyAscii) { keyAscii = DigitKey(keyAscii); }

void FrmDTMF::Text3_LostFocus() {
    // Typed IDs are digits; anything else that reached the box (a drop)
    // becomes "000", as a stored one does.
    std::string& own = C("Text3").text;
    own = NormalizeDtmfOwnID(own);
    const std::string& sep = C(List(5)).text;
    for (int i = 0; i <= kDtmfLastSpecialBox; ++i) {
        std::string& t = C(CodeBox(i)).text;
        t = RewriteForOwnID(t, sep, own);
    }
}

void FrmDTMF::CommandSpecial_Click() {
    // The builder reads the own ID, so a departure still due runs first.
    if (State().focus == "Text3") Text3_LostFocus();
    if (CurDTMFEditID > kDtmfLastSpecialBox) return;
    // The builder writes into this dialog's code box.
    Open(std::make_unique<FrmDTMFSpecial>(d_, *this));
}

void FrmDTMF::CommandOK_Click() {
    if (State().focus == "Text3") Text3_LostFocus();
    if (DtmfKillEqualsStun(C(CodeBox(kDtmfKillBox)).text, C(CodeBox(kDtmfStunBox)).text)) {
        State().focus = CodeBox(kDtmfKillBox);
        Text2_GotFocus(kDtmfKillBox);
        d_.Ui.Notify->Show(GetLanguageString(d_, 3001), MsgIcon::None, MsgButtons::Ok, "");
        return;
    }
    OKTimer_Timer();
}

void FrmDTMF::CommandCancel_Click() { Unload(); }

void FrmDTMF::OKTimer_Timer() {
    C("OKTimer").enabled = false;
    StoreDTMFValues(ShownValues(), d_.DTMFData());
    Unload();
}

void FrmDTMF::Click(const std::string& control) {
    const ControlName n = SplitControlName(control);
    if (n.base == "Combo1") Combo1_Click(n.index);
    else if (control == "CommandSpecial") CommandSpecial_Click();
    else if (control == "CommandOK") CommandOK_Click();
    else if (control == "CommandCancel") CommandCancel_Click();
}

void FrmDTMF::KeyPress(const std::string& control, int& keyAscii) {
    const ControlName n = SplitControlName(control);
    if (n.base == "Text2" && n.index >= 0) Text2_KeyPress(n.index, keyAscii);
    else if (control == "Text3") Text3_KeyPress(keyAscii);
}

void FrmDTMF::GotFocus(const std::string& control) {
    State().focus = control;
    const ControlName n = SplitControlName(control);
    if (n.base == "Text2" && n.index >= 0) Text2_GotFocus(n.index);
    else if (control == "Text3") Text3_GotFocus();
}

bool FrmDTMF::LostFocus(const std::string& control, const std::string& next) {
    if (State().focus == control) State().focus = next;
    if (control == "Text3") Text3_LostFocus();
    return true;
}

void FrmDTMF::Timer(const std::string& control) {
    if (control == "OKTimer" && C("OKTimer").enabled) OKTimer_Timer();
}

// ---- FrmDTMFSpecial ----------------------------------------------------------

FrmDTMFSpecial::FrmDTMFSpecial(AppData& d, FrmDTMF& owner)
    : Form("FrmDTMFSpecial"), d_(d), owner_(owner) {
    FormState& f = State();
    f.caption = "DTMF Special Call";
    f.Add("Label1", ControlKind::Label);
    f.Add("Combo1_0", ControlKind::ComboBox).items = {"ANI"};
    f.Add("Frame1", ControlKind::Frame);
    f.Add("Label2", ControlKind::Label);
    ControlState& target = f.Add("Text1", ControlKind::TextBox);
    target.max = 3;
    target.text = "000";
    f.Add("CommandOK", ControlKind::Button).tag = "101";
    f.Add("CommandCancel", ControlKind::Button).tag = "102";
}

void FrmDTMFSpecial::Form_Load() {
    C("Label1").text = GetLanguageOptionString(d_, "60064");
    C("Label2").text = GetLanguageOptionString(d_, "60076");
    SetListIndex(C("Combo1_0"), 0);
    Combo1_Click();
    C("Frame1").visible = true;
    SetOKCancelCaption(d_, State());
}

void FrmDTMFSpecial::Combo1_Click() {
    const int kind = C("Combo1_0").index;
    if (kind == 0) C("Frame1").visible = true;
    else if (kind == 1) C("Frame1").visible = false;
}

void FrmDTMFSpecial::Text1_GotFocus() {}

void FrmDTMFSpecial::Text1_KeyPress(int& keyAscii) { keyAscii = DigitKey(keyAscii); }

void FrmDTMFSpecial::Text1_LostFocus() { C("Text1").text = ExtendDtmfID(C("Text1").text); }

void FrmDTMFSpecial::CommandOK_Click() {
    const int kind = C("Combo1_0").index;
    const int box = owner_.CurDTMFEditID;
    if ((kind == 0 || kind == 1) && box >= 0 && box <= kDtmfLastSpecialBox) {
        owner_.C(CodeBox(box)).text =
            ComposeDtmfSpecial(kind, C("Text1").text, owner_.C(List(5)).text, owner_.C("Text3").text);
    }
    Unload();
}

void FrmDTMFSpecial::CommandCancel_Click() { Unload(); }

void FrmDTMFSpecial::Click(const std::string& control) {
    if (control == "Combo1_0") Combo1_Click();
    else if (control == "CommandOK") CommandOK_Click();
    else if (control == "CommandCancel") CommandCancel_Click();
}

void FrmDTMFSpecial::KeyPress(const std::string& control, int& keyAscii) {
    if (control == "Text1") Text1_KeyPress(keyAscii);
}

void FrmDTMFSpecial::GotFocus(const std::string& control) {
    State().focus = control;
    if (control == "Text1") Text1_GotFocus();
}

bool FrmDTMFSpecial::LostFocus(const std::string& control, const std::string& next) {
    if (State().focus == control) State().focus = next;
    if (control == "Text1") Text1_LostFocus();
    return true;
}

}  // namespace rp

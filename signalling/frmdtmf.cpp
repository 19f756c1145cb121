#include "signalling/frmdtmf.h"

#include "core/language.h"
#include "core/numtext.h"
#include "forms/formlanguage.h"
#include "signalling/formhelpers.h"
#include "signalling/frmdtmfcontrols.h"
#include "signalling/dtmfcallbuilder.h"

namespace rp {

namespace {

// The language keys of the settings' captions, row 1 first.
constexpr int kSettingKeys[dtmf::kSettingRows] = {1740, 1741, 1743, 3002, 1604, 1605,
                                                  1606, 1607, 1608, 1609, 1610, 1611};

void Fill(ControlState& list, std::vector<std::string> items) {
    list.items = std::move(items);
    list.index = -1;
    list.text.clear();
}

}  // namespace

FrmDTMF::FrmDTMF(AppData& d) : Form(kName), d_(d) {
    FormState& f = State();
    // The left column: each setting's caption and control, top to bottom.
    for (int row = 1; row <= dtmf::kSettingRows; ++row) {
        f.Add(dtmf::SettingCaptions[row], ControlKind::Label).tag = std::to_string(kSettingKeys[row - 1]);
        const char* setting = dtmf::kSettings[row - 1];
        f.Add(setting, setting == std::string_view(dtmf::OwnId) ? ControlKind::TextBox : ControlKind::ComboBox);
    }
    f[dtmf::OwnId].max = 3;
    f.Add(dtmf::SideTone, ControlKind::CheckBox).tag = "1612";
    // ANI is carried through without ever being shown.
    f[dtmf::SettingCaptions[1]].visible = f[dtmf::Ani].visible = false;  // row 1

    f.Add(dtmf::MemoryFrame, ControlKind::Frame).tag = "1602";
    for (int i = 0; i < 16; ++i) {
        f.Add(dtmf::CodeCaptions[i], ControlKind::Label).text = "M" + std::to_string(i + 1);
        f.Add(dtmf::CodeBoxes[i], ControlKind::TextBox).max = 24;
    }
    f.Add(dtmf::MemoryNote, ControlKind::Label).tag = "1603";
    for (int i = kDtmfBeginBox; i <= kDtmfStunBox; ++i) {
        f.Add(dtmf::CodeCaptions[i], ControlKind::Label);  // captions from [OPTION]
        f.Add(dtmf::CodeBoxes[i], ControlKind::TextBox).max = i >= kDtmfKillBox ? 14 : 24;
    }
    f.Add(dtmf::SpecialButton, ControlKind::Button).tag = "3003";
    f.Add(kOKButton, ControlKind::Button).tag = "101";
    f.Add(kCancelButton, ControlKind::Button).tag = "102";
    ControlState& timer = f.Add(dtmf::OkTimer, ControlKind::Timer);
    timer.max = 50;
    timer.enabled = false;
    f.caption = "DTMF";
    // The own ID and every code box select their whole text whenever they
    // take the focus.
    f[dtmf::OwnId].selectOnEntry = SelectOnEntry::OnFocus;
    for (int i = 0; i <= kDtmfStunBox; ++i) f[dtmf::CodeBoxes[i]].selectOnEntry = SelectOnEntry::OnFocus;
}

void FrmDTMF::Form_Load() {
    CurDTMFEditID = 0;
    C(dtmf::OkTimer).enabled = false;
    C(dtmf::SettingCaptions[3]).visible = C(dtmf::PttIdMode).visible = false;  // row 3
    LoadDTMFFormText();
    ShowDTMFData();
}

void FrmDTMF::LoadDTMFFormText() {
    FormState& f = State();
    f.caption = "DTMF";
    for (int row = 1; row <= dtmf::kSettingRows; ++row)
        C(dtmf::SettingCaptions[row]).text = GetLanguageString(d_, kSettingKeys[row - 1]);
    C(dtmf::SideTone).text = GetLanguageString(d_, 1612);
    C(dtmf::MemoryFrame).text = GetLanguageString(d_, 1602);
    C(dtmf::MemoryNote).text = GetLanguageString(d_, 1603);
    C(dtmf::SpecialButton).text = GetLanguageString(d_, 3003);
    C(dtmf::CodeCaptions[kDtmfBeginBox]).text = GetLanguageOptionString(d_, "60302");
    C(dtmf::CodeCaptions[kDtmfEndBox]).text = GetLanguageOptionString(d_, "60303");
    C(dtmf::CodeCaptions[kDtmfKillBox]).text = GetLanguageOptionString(d_, "60069");
    C(dtmf::CodeCaptions[kDtmfStunBox]).text = GetLanguageOptionString(d_, "60093");

    const std::string off = GetLanguageString(d_, 1755);
    Fill(C(dtmf::Ani), {off, GetLanguageString(d_, 1756)});
    const std::string ms = GetLanguageString(d_, 1780);
    Fill(C(dtmf::SendTime), {"50" + ms, "100" + ms, "200" + ms, "300" + ms, "500" + ms});
    Fill(C(dtmf::PttIdMode), {off, GetLanguageString(d_, 1765), GetLanguageString(d_, 1766),
                              GetLanguageString(d_, 1767)});
    Fill(C(dtmf::Separator), {kDtmfDigitTexts.begin(), kDtmfDigitTexts.end()});
    std::vector<std::string> group{off};
    group.insert(group.end(), kDtmfDigitTexts.begin(), kDtmfDigitTexts.end());
    Fill(C(dtmf::GroupCode), std::move(group));
    Fill(C(dtmf::DecodeResponse), {GetLanguageString(d_, 1650), GetLanguageString(d_, 1651),
                                   GetLanguageString(d_, 1653)});
    std::vector<std::string> delays, reset, sendDelays, pause{off};
    for (int i = 0; i <= 250; ++i) {
        delays.push_back(std::to_string(10 * i));
        reset.push_back(FormatNumber(i / 10.0, "0.0"));
    }
    for (int i = 0; i < 250; ++i) sendDelays.push_back(std::to_string(10 * (i + 1)));
    for (int v = 5; v <= 75; ++v) pause.push_back(std::to_string(v));
    Fill(C(dtmf::FirstDigitDelay), std::move(delays));
    Fill(C(dtmf::PreSendDelay), sendDelays);
    Fill(C(dtmf::ResetTime), std::move(reset));
    Fill(C(dtmf::PostSendDelay), std::move(sendDelays));
    Fill(C(dtmf::PauseTime), std::move(pause));
    SetOKCancelCaption(d_, f);
}

void FrmDTMF::ShowDTMFData() {
    const DTMFShown s = ShowDTMFValues(d_.DTMFData());
    SetListIndex(C(dtmf::Ani), s.ani);
    SetListIndex(C(dtmf::SendTime), s.sendTime);
    SetListIndex(C(dtmf::PttIdMode), s.pttIdMode);
    C(dtmf::OwnId).text = s.ownId;
    // Set directly: the separator rewrite follows the user's picks only.
    SetListIndex(C(dtmf::Separator), s.separator);
    SetListIndex(C(dtmf::GroupCode), s.groupCode);
    for (int i = 0; i < kDtmfBoxCount; ++i) C(dtmf::CodeBoxes[i]).text = Latin1ToUtf8(s.codes[i]);
    SetListIndex(C(dtmf::DecodeResponse), s.decodeResponse);
    SetListIndex(C(dtmf::FirstDigitDelay), s.firstDigitDelay);
    SetListIndex(C(dtmf::PreSendDelay), s.preSendDelay);
    SetListIndex(C(dtmf::ResetTime), s.resetTime);
    SetListIndex(C(dtmf::PostSendDelay), s.postSendDelay);
    SetListIndex(C(dtmf::PauseTime), s.pauseTime);
    C(dtmf::SideTone).value = s.sideTone;
}

DTMFShown FrmDTMF::ShownValues() const {
    DTMFShown s;
    s.ani = C(dtmf::Ani).index;
    s.sendTime = C(dtmf::SendTime).index;
    s.pttIdMode = C(dtmf::PttIdMode).index;
    s.ownId = Utf8ToLatin1(C(dtmf::OwnId).text);
    s.separator = C(dtmf::Separator).index;
    s.groupCode = C(dtmf::GroupCode).index;
    s.decodeResponse = C(dtmf::DecodeResponse).index;
    s.firstDigitDelay = C(dtmf::FirstDigitDelay).index;
    s.preSendDelay = C(dtmf::PreSendDelay).index;
    s.resetTime = C(dtmf::ResetTime).index;
    s.postSendDelay = C(dtmf::PostSendDelay).index;
    s.pauseTime = C(dtmf::PauseTime).index;
    s.sideTone = C(dtmf::SideTone).value == 1 ? 1 : 0;
    for (int i = 0; i < kDtmfBoxCount; ++i) s.codes[i] = Utf8ToLatin1(C(dtmf::CodeBoxes[i]).text);
    return s;
}

void FrmDTMF::Separator_Click() {
    // A special call that carries the own ID follows the new separator.
    const std::string& own = C(dtmf::OwnId).text;
    const std::string& sep = C(dtmf::Separator).text;
    for (int i = 0; i <= kDtmfLastSpecialBox; ++i) {
        std::string& t = C(dtmf::CodeBoxes[i]).text;
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
    std::string& own = C(dtmf::OwnId).text;
    own = NormalizeDtmfOwnID(own);
    const std::string& sep = C(dtmf::Separator).text;
    for (int i = 0; i <= kDtmfLastSpecialBox; ++i) {
        std::string& t = C(dtmf::CodeBoxes[i]).text;
        t = RewriteForOwnID(t, sep, own);
    }
}

void FrmDTMF::CommandSpecial_Click() {
    // The builder reads the own ID, so a departure still due runs first.
    if (State().focus == dtmf::OwnId) Text3_LostFocus();
    if (CurDTMFEditID > kDtmfLastSpecialBox) return;
    // The builder writes into this dialog's code box.
    Open(std::make_unique<FrmDTMFCallBuilder>(d_, *this));
}

void FrmDTMF::CommandOK_Click() {
    if (State().focus == dtmf::OwnId) Text3_LostFocus();
    const std::string& kill = C(dtmf::CodeBoxes[kDtmfKillBox]).text;
    if (DtmfKillEqualsStun(kill, C(dtmf::CodeBoxes[kDtmfStunBox]).text)) {
        State().focus = dtmf::CodeBoxes[kDtmfKillBox];
        Text2_GotFocus(kDtmfKillBox);
        d_.Ui.Notify->Show(GetLanguageString(d_, 3001), MsgIcon::None, MsgButtons::Ok, "");
        return;
    }
    OKTimer_Timer();
}

void FrmDTMF::CommandCancel_Click() { Unload(); }

void FrmDTMF::OKTimer_Timer() {
    C(dtmf::OkTimer).enabled = false;
    StoreDTMFValues(ShownValues(), d_.DTMFData());
    Unload();
}

void FrmDTMF::Click(const std::string& control) {
    if (control == dtmf::Separator) Separator_Click();
    else if (control == dtmf::SpecialButton) CommandSpecial_Click();
    else if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

void FrmDTMF::KeyPress(const std::string& control, int& keyAscii) {
    if (const int i = dtmf::CodeBoxes.IndexOf(control); i >= 0) Text2_KeyPress(i, keyAscii);
    else if (control == dtmf::OwnId) Text3_KeyPress(keyAscii);
}

void FrmDTMF::GotFocus(const std::string& control) {
    State().focus = control;
    if (const int i = dtmf::CodeBoxes.IndexOf(control); i >= 0) Text2_GotFocus(i);
    else if (control == dtmf::OwnId) Text3_GotFocus();
}

bool FrmDTMF::LostFocus(const std::string& control, const std::string& next) {
    if (State().focus == control) State().focus = next;
    if (control == dtmf::OwnId) Text3_LostFocus();
    return true;
}

void FrmDTMF::Timer(const std::string& control) {
    if (control == dtmf::OkTimer && C(dtmf::OkTimer).enabled) OKTimer_Timer();
}

}  // namespace rp

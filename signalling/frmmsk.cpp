#include "signalling/frmmsk.h"

#include "core/language.h"
#include "core/listutils.h"
#include "core/numtext.h"
#include "core/repair.h"
#include "forms/formlanguage.h"
#include "signalling/formhelpers.h"
#include "signalling/mskrules.h"

namespace rp {

namespace {

constexpr int kGroups = 32;

// The item at index when inside 0..count-1, else the first.
int ItemOrFirst(int index, int count) { return index >= 0 && index < count ? index : 0; }

// An ID field as its box shows it: the stored characters up to a NUL.
std::string ShownID(std::string_view raw) { return Latin1ToUtf8(CutAtNull(raw)); }

}  // namespace

FrmMSK::FrmMSK(AppData& d) : Form("FrmMSK"), d_(d) {
    FormState& f = State();
    f.tag = "7500";
    ControlState& tabs = f.Add("SSTab1", ControlKind::TabStrip);
    tabs.tabs.push_back(TabState{"Tab0", "", "7502", "", true, true});
    tabs.tabs.push_back(TabState{"Tab1", "", "7503", "", true, true});

    // Tab 0: the group list and the group frame.
    f.Add("Label1_0", ControlKind::Label).tag = "7510";
    f.Add("Combo1_0", ControlKind::ComboBox);
    f.Add("Frame1", ControlKind::Frame);
    f.Add("Check2", ControlKind::CheckBox).tag = "7511";
    f.Add("Label1_1", ControlKind::Label).tag = "7512";
    f.Add("Combo1_1", ControlKind::ComboBox);
    static constexpr int kGroupBoxMax[4] = {4, 4, 18, 6};
    for (int i = 0; i < 4; ++i) {
        f.Add(Elem("Label4", i), ControlKind::Label).tag = std::to_string(7513 + i);
        f.Add(Elem("Text1", i), ControlKind::TextBox).max = kGroupBoxMax[i];
    }

    // Tab 1: the header.
    static constexpr const char* kHeadLabels[3] = {"7520", "7521", "7527"};
    static constexpr int kHeadBoxMax[3] = {4, 4, 3};
    for (int i = 0; i < 3; ++i) {
        f.Add(Elem("Label3", i), ControlKind::Label).tag = kHeadLabels[i];
        f.Add(Elem("Text2", i), ControlKind::TextBox).max = kHeadBoxMax[i];
    }
    static constexpr const char* kListLabels[4] = {"7522", "7523", "7524", "7526"};
    for (int i = 0; i < 4; ++i) {
        f.Add(Elem("Label2", i), ControlKind::Label).tag = kListLabels[i];
        f.Add(Elem("Combo2", i), ControlKind::ComboBox);
    }
    f.Add("Check1", ControlKind::CheckBox).tag = "7525";
    f.Add("CommandOK", ControlKind::Button).tag = "101";
    f.Add("CommandCancel", ControlKind::Button).tag = "102";
}

void FrmMSK::Form_Load() {
    // Another model has no MSK: the dialog never shows.
    if (!MSKDialogOffered(d_)) {
        Unload();
        return;
    }
    LoadMSKFormText();
    FillMSKLists();
    CurMSKGroup = 0;
    ShowMSKData();
}

void FrmMSK::LoadMSKFormText() {
    State().caption = GetLanguageString(d_, 7500);
    ControlState& tabs = C("SSTab1");
    tabs.tabs[0].caption = GetLanguageString(d_, 7502);
    tabs.tabs[1].caption = GetLanguageString(d_, 7503);
    C("Label1_0").text = GetLanguageString(d_, 7510);
    C("Check2").text = GetLanguageString(d_, 7511);
    C("Label1_1").text = GetLanguageString(d_, 7512);
    C("Label4_0").text = GetLanguageString(d_, 7513);
    C("Label4_1").text = GetLanguageString(d_, 7514);
    C("Label4_2").text = GetLanguageString(d_, 7515);
    C("Label4_3").text = GetLanguageString(d_, 7516);
    C("Label3_0").text = GetLanguageString(d_, 7520);
    C("Label3_1").text = GetLanguageString(d_, 7521);
    C("Label3_2").text = GetLanguageString(d_, 7527);
    C("Label2_0").text = GetLanguageString(d_, 7522);
    C("Label2_1").text = GetLanguageString(d_, 7523);
    C("Label2_2").text = GetLanguageString(d_, 7524);
    C("Label2_3").text = GetLanguageString(d_, 7526);
    C("Check1").text = GetLanguageString(d_, 7525);
    SetOKCancelCaption(d_, State());
}

void FrmMSK::FillMSKLists() {
    std::vector<std::string> groups, delays, reset;
    for (int g = 0; g < kGroups; ++g) groups.push_back(std::to_string(g));
    for (int k = 1; k <= 250; ++k) delays.push_back(FormatNumber(k / 100.0, "0.00"));
    for (int a = 10; a <= 250; ++a) reset.push_back(FormatNumber(a / 10.0, "0.0"));
    C("Combo1_0").items = std::move(groups);
    C("Combo1_1").items = {GetLanguageString(d_, 7540), GetLanguageString(d_, 7541),
                           GetLanguageString(d_, 7542), GetLanguageString(d_, 7543)};
    C("Combo2_0").items = std::move(delays);
    C("Combo2_1").items = {GetLanguageString(d_, 7547), GetLanguageString(d_, 7544),
                           GetLanguageString(d_, 7545), GetLanguageString(d_, 7546)};
    C("Combo2_2").items = {GetLanguageString(d_, 7547), GetLanguageString(d_, 7548),
                           GetLanguageString(d_, 7549)};
    C("Combo2_3").items = std::move(reset);
}

void FrmMSK::ShowMSKData() {
    d_.MSKDataEdit = d_.WorkData.MSKData;
    const MSKHeadRec& h = d_.MSKDataEdit.Head;
    C("Text2_0").text = ShownID(h.OwnID.Raw());
    C("Text2_1").text = ShownID(h.GroupID.Raw());
    C("Text2_2").text = std::to_string(h.Frequency);
    // Values without an item show the first item.
    SetListIndex(C("Combo2_0"), h.PreSendDelay >= 1 && h.PreSendDelay <= 250 ? h.PreSendDelay - 1 : 0);
    SetListIndex(C("Combo2_3"), h.ResetTime >= 10 && h.ResetTime <= 250 ? h.ResetTime - 10 : 0);
    SetListIndex(C("Combo2_1"), ItemOrFirst(h.PttID, 4));
    SetListIndex(C("Combo2_2"), ItemOrFirst(h.DecodeResponse, 3));
    C("Check1").value = FlagToCheckValue(h.SideTone);
    SetListIndex(C("Combo1_0"), CurMSKGroup);
    ShowMSKGroup();
}

void FrmMSK::ShowMSKGroup() {
    const MSKGroupRec& g = d_.MSKDataEdit.Groups[static_cast<std::size_t>(CurMSKGroup)];
    C("Frame1").text = GetLanguageString(d_, 7510) + " " + std::to_string(CurMSKGroup);
    C("Check2").value = FlagToCheckValue(g.Valid);
    EnableMSKGroupFields(C("Check2").value);
    SetListIndex(C("Combo1_1"), ItemOrFirst(g.CallType, 4));
    Combo1_Click(1);  // the call-type rule for the type now selected
    C("Text1_0").text = ShownID(g.IndID.Raw());
    C("Text1_1").text = ShownID(g.GroupID.Raw());
    C("Text1_2").text = Latin1ToUtf8(ShownInfoCode(g));
    C("Text1_3").text = Latin1ToUtf8(ShownGroupName(g));
}

void FrmMSK::EnableMSKGroupFields(int valid) {
    const bool on = valid != 0;
    C("Combo1_1").enabled = on;
    for (int i = 0; i < 4; ++i) C(Elem("Text1", i)).enabled = on;
    EnableMSKGroupField(C("Combo1_1").index, valid);
}

void FrmMSK::EnableMSKGroupField(int callType, int valid) {
    if (valid == 0) return;
    // Call type 3 leaves both ID boxes as the previous type left them.
    switch (callType) {
    case 0: C("Text1_0").enabled = true, C("Text1_1").enabled = true; break;
    case 1: C("Text1_0").enabled = false, C("Text1_1").enabled = true; break;
    case 2: C("Text1_0").enabled = false, C("Text1_1").enabled = false; break;
    default: break;
    }
}

void FrmMSK::SaveMSKHeader() {
    MSKHeadRec& h = d_.MSKDataEdit.Head;
    h.OwnID.Set(FormatHexID4(Utf8ToLatin1(C("Text2_0").text)));
    h.GroupID.Set(FormatHexID4(Utf8ToLatin1(C("Text2_1").text)));
    h.Frequency = ClampMSKFrequency(d_, C("Text2_2").text);
    auto index = [&](const char* name) { return static_cast<Integer>(std::max(C(name).index, 0)); };
    h.PreSendDelay = static_cast<Integer>(index("Combo2_0") + 1);
    h.PttID = index("Combo2_1");
    h.DecodeResponse = index("Combo2_2");
    h.ResetTime = static_cast<Integer>(index("Combo2_3") + 10);
    h.SideTone = static_cast<Integer>(C("Check1").value);
}

void FrmMSK::SaveMSKGroup() {
    MSKGroupRec& g = d_.MSKDataEdit.Groups[static_cast<std::size_t>(CurMSKGroup)];
    g.Valid = static_cast<Integer>(C("Check2").value);
    g.CallType = static_cast<Integer>(std::max(C("Combo1_1").index, 0));
    g.IndID.Set(FormatHexID4(Utf8ToLatin1(C("Text1_0").text)));
    g.GroupID.Set(FormatHexID4(Utf8ToLatin1(C("Text1_1").text)));
    StoreInfoCode(g, Utf8ToLatin1(C("Text1_2").text));
    StoreGroupName(g, Utf8ToLatin1(C("Text1_3").text));
}

void FrmMSK::Check2_Click() { EnableMSKGroupFields(C("Check2").value); }

void FrmMSK::Combo1_Click(int index) {
    if (index == 0) {
        const int picked = C("Combo1_0").index;
        if (picked < 0 || picked >= kGroups || picked == CurMSKGroup) return;
        SaveMSKGroup();
        CurMSKGroup = static_cast<Integer>(picked);
        ShowMSKGroup();
    } else if (index == 1) {
        EnableMSKGroupField(C("Combo1_1").index, C("Combo1_1").enabled ? 1 : 0);
    }
}

void FrmMSK::Text1_KeyPress(int index, int& keyAscii) {
    keyAscii = index <= 1 ? MskIdKey(keyAscii) : AsciiKey(keyAscii);
}

void FrmMSK::Text1_LostFocus(int index) {
    if (index > 1) return;
    std::string& t = C(Elem("Text1", index)).text;
    t = FormatHexID4(Utf8ToLatin1(t));
}

void FrmMSK::Text2_KeyPress(int index, int& keyAscii) {
    keyAscii = index <= 1 ? MskIdKey(keyAscii) : DigitKey(keyAscii);
}

void FrmMSK::Text2_LostFocus(int index) {
    std::string& t = C(Elem("Text2", index)).text;
    t = index <= 1 ? FormatHexID4(Utf8ToLatin1(t)) : std::to_string(ClampMSKFrequency(d_, t));
}

void FrmMSK::CommandOK_Click() {
    SaveMSKHeader();
    SaveMSKGroup();
    d_.WorkData.MSKData = d_.MSKDataEdit;
    CheckAllSignalRefs(d_);
    Unload();
}

void FrmMSK::CommandCancel_Click() { Unload(); }

void FrmMSK::Click(const std::string& control) {
    const ControlName n = SplitControlName(control);
    if (control == "Check2") Check2_Click();
    else if (n.base == "Combo1" && n.index >= 0) Combo1_Click(n.index);
    else if (control == "CommandOK") CommandOK_Click();
    else if (control == "CommandCancel") CommandCancel_Click();
}

void FrmMSK::KeyPress(const std::string& control, int& keyAscii) {
    const ControlName n = SplitControlName(control);
    if (n.index < 0) return;
    if (n.base == "Text1") Text1_KeyPress(n.index, keyAscii);
    else if (n.base == "Text2") Text2_KeyPress(n.index, keyAscii);
    // Enter moves on from the text boxes only; in a list it does nothing.
    else if (keyAscii == kKeyEnter && n.base.starts_with("Combo")) keyAscii = 0;
}

void FrmMSK::GotFocus(const std::string& control) { State().focus = control; }

bool FrmMSK::LostFocus(const std::string& control, const std::string& next) {
    if (State().focus == control) State().focus = next;
    const ControlName n = SplitControlName(control);
    if (n.index < 0) return true;
    if (n.base == "Text1") Text1_LostFocus(n.index);
    else if (n.base == "Text2") Text2_LostFocus(n.index);
    return true;
}

}  // namespace rp

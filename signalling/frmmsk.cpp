#include "signalling/frmmsk.h"

#include "core/language.h"
#include "core/listutils.h"
#include "core/numtext.h"
#include "core/repair.h"
#include "forms/formlanguage.h"
#include "signalling/formhelpers.h"
#include "signalling/frmmskcontrols.h"
#include "signalling/mskrules.h"

namespace rp {

namespace {

constexpr int kGroups = 32;

// The item at index when inside 0..count-1, else the first.
int ItemOrFirst(int index, int count) { return index >= 0 && index < count ? index : 0; }

// An ID field as its box shows it: the stored characters up to a NUL.
std::string ShownID(std::string_view raw) { return Latin1ToUtf8(CutAtNull(raw)); }

// The boxes that hold a four-character ID.
bool IsIdBox(const std::string& control) {
    return control == msk::IndividualId || control == msk::GroupId || control == msk::OwnId ||
           control == msk::OwnGroupId;
}

// The group frame's boxes.
constexpr const char* kGroupBoxes[] = {msk::IndividualId, msk::GroupId, msk::InfoCode, msk::GroupName};

}  // namespace

FrmMSK::FrmMSK(AppData& d) : Form(kName), d_(d) {
    FormState& f = State();
    f.tag = "7500";
    AddControls(f, msk::kControls);
    ControlState& tabs = f[msk::Tabs];
    tabs.tabs.push_back(TabState{"Tab0", "", "7502", "", true, true});
    tabs.tabs.push_back(TabState{"Tab1", "", "7503", "", true, true});
    // Every text box selects its whole text whenever it takes the focus.
    for (const std::string& name : f.Names())
        if (f[name].kind == ControlKind::TextBox) f[name].selectOnEntry = SelectOnEntry::OnFocus;
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
    ControlState& tabs = C(msk::Tabs);
    tabs.tabs[0].caption = GetLanguageString(d_, 7502);
    tabs.tabs[1].caption = GetLanguageString(d_, 7503);
    C(msk::GroupListCaption).text = GetLanguageString(d_, 7510);
    C(msk::GroupValid).text = GetLanguageString(d_, 7511);
    C(msk::CallTypeCaption).text = GetLanguageString(d_, 7512);
    C(msk::IndividualIdCaption).text = GetLanguageString(d_, 7513);
    C(msk::GroupIdCaption).text = GetLanguageString(d_, 7514);
    C(msk::InfoCodeCaption).text = GetLanguageString(d_, 7515);
    C(msk::GroupNameCaption).text = GetLanguageString(d_, 7516);
    C(msk::OwnIdCaption).text = GetLanguageString(d_, 7520);
    C(msk::OwnGroupIdCaption).text = GetLanguageString(d_, 7521);
    C(msk::FrequencyCaption).text = GetLanguageString(d_, 7527);
    C(msk::PreSendDelayCaption).text = GetLanguageString(d_, 7522);
    C(msk::PttIdCaption).text = GetLanguageString(d_, 7523);
    C(msk::DecodeResponseCaption).text = GetLanguageString(d_, 7524);
    C(msk::ResetTimeCaption).text = GetLanguageString(d_, 7526);
    C(msk::SideTone).text = GetLanguageString(d_, 7525);
    SetOKCancelCaption(d_, State());
}

void FrmMSK::FillMSKLists() {
    std::vector<std::string> groups, delays, reset;
    for (int g = 0; g < kGroups; ++g) groups.push_back(std::to_string(g));
    for (int k = 1; k <= 250; ++k) delays.push_back(FormatNumber(k / 100.0, "0.00"));
    for (int a = 10; a <= 250; ++a) reset.push_back(FormatNumber(a / 10.0, "0.0"));
    C(msk::GroupList).items = std::move(groups);
    C(msk::CallType).items = {GetLanguageString(d_, 7540), GetLanguageString(d_, 7541),
                              GetLanguageString(d_, 7542), GetLanguageString(d_, 7543)};
    C(msk::PreSendDelay).items = std::move(delays);
    C(msk::PttId).items = {GetLanguageString(d_, 7547), GetLanguageString(d_, 7544),
                           GetLanguageString(d_, 7545), GetLanguageString(d_, 7546)};
    C(msk::DecodeResponse).items = {GetLanguageString(d_, 7547), GetLanguageString(d_, 7548),
                                    GetLanguageString(d_, 7549)};
    C(msk::ResetTime).items = std::move(reset);
}

void FrmMSK::ShowMSKData() {
    d_.MSKDataEdit = d_.WorkData.MSKData;
    const MSKHeadRec& h = d_.MSKDataEdit.Head;
    C(msk::OwnId).text = ShownID(h.OwnID.Raw());
    C(msk::OwnGroupId).text = ShownID(h.GroupID.Raw());
    C(msk::Frequency).text = std::to_string(h.Frequency);
    // Values without an item show the first item.
    SetListIndex(C(msk::PreSendDelay), h.PreSendDelay >= 1 && h.PreSendDelay <= 250 ? h.PreSendDelay - 1 : 0);
    SetListIndex(C(msk::ResetTime), h.ResetTime >= 10 && h.ResetTime <= 250 ? h.ResetTime - 10 : 0);
    SetListIndex(C(msk::PttId), ItemOrFirst(h.PttID, 4));
    SetListIndex(C(msk::DecodeResponse), ItemOrFirst(h.DecodeResponse, 3));
    C(msk::SideTone).value = FlagToCheckValue(h.SideTone);
    SetListIndex(C(msk::GroupList), CurMSKGroup);
    ShowMSKGroup();
}

void FrmMSK::ShowMSKGroup() {
    const MSKGroupRec& g = d_.MSKDataEdit.Groups[static_cast<std::size_t>(CurMSKGroup)];
    C(msk::GroupFrame).text = GetLanguageString(d_, 7510) + " " + std::to_string(CurMSKGroup);
    C(msk::GroupValid).value = FlagToCheckValue(g.Valid);
    EnableMSKGroupFields(C(msk::GroupValid).value);
    SetListIndex(C(msk::CallType), ItemOrFirst(g.CallType, 4));
    CallType_Click();  // the call-type rule for the type now selected
    C(msk::IndividualId).text = ShownID(g.IndID.Raw());
    C(msk::GroupId).text = ShownID(g.GroupID.Raw());
    C(msk::InfoCode).text = Latin1ToUtf8(ShownInfoCode(g));
    C(msk::GroupName).text = Latin1ToUtf8(ShownGroupName(g));
}

void FrmMSK::EnableMSKGroupFields(int valid) {
    const bool on = valid != 0;
    C(msk::CallType).enabled = on;
    for (const char* box : kGroupBoxes) C(box).enabled = on;
    EnableMSKGroupField(C(msk::CallType).index, valid);
}

void FrmMSK::EnableMSKGroupField(int callType, int valid) {
    if (valid == 0) return;
    // Call type 3 leaves both ID boxes as the previous type left them.
    switch (callType) {
    case 0: C(msk::IndividualId).enabled = true, C(msk::GroupId).enabled = true; break;
    case 1: C(msk::IndividualId).enabled = false, C(msk::GroupId).enabled = true; break;
    case 2: C(msk::IndividualId).enabled = false, C(msk::GroupId).enabled = false; break;
    default: break;
    }
}

void FrmMSK::SaveMSKHeader() {
    MSKHeadRec& h = d_.MSKDataEdit.Head;
    h.OwnID.Set(FormatHexID4(Utf8ToLatin1(C(msk::OwnId).text)));
    h.GroupID.Set(FormatHexID4(Utf8ToLatin1(C(msk::OwnGroupId).text)));
    h.Frequency = ClampMSKFrequency(d_, C(msk::Frequency).text);
    auto index = [&](const char* name) { return static_cast<Integer>(std::max(C(name).index, 0)); };
    h.PreSendDelay = static_cast<Integer>(index(msk::PreSendDelay) + 1);
    h.PttID = index(msk::PttId);
    h.DecodeResponse = index(msk::DecodeResponse);
    h.ResetTime = static_cast<Integer>(index(msk::ResetTime) + 10);
    h.SideTone = static_cast<Integer>(C(msk::SideTone).value);
}

void FrmMSK::SaveMSKGroup() {
    MSKGroupRec& g = d_.MSKDataEdit.Groups[static_cast<std::size_t>(CurMSKGroup)];
    g.Valid = static_cast<Integer>(C(msk::GroupValid).value);
    g.CallType = static_cast<Integer>(std::max(C(msk::CallType).index, 0));
    g.IndID.Set(FormatHexID4(Utf8ToLatin1(C(msk::IndividualId).text)));
    g.GroupID.Set(FormatHexID4(Utf8ToLatin1(C(msk::GroupId).text)));
    StoreInfoCode(g, Utf8ToLatin1(C(msk::InfoCode).text));
    StoreGroupName(g, Utf8ToLatin1(C(msk::GroupName).text));
}

void FrmMSK::Check2_Click() { EnableMSKGroupFields(C(msk::GroupValid).value); }

void FrmMSK::GroupList_Click() {
    const int picked = C(msk::GroupList).index;
    if (picked < 0 || picked >= kGroups || picked == CurMSKGroup) return;
    SaveMSKGroup();
    CurMSKGroup = static_cast<Integer>(picked);
    ShowMSKGroup();
}

void FrmMSK::CallType_Click() {
    EnableMSKGroupField(C(msk::CallType).index, C(msk::CallType).enabled ? 1 : 0);
}

void FrmMSK::IdBox_LostFocus(const std::string& box) {
    std::string& t = C(box).text;
    t = FormatHexID4(Utf8ToLatin1(t));
}

void FrmMSK::Frequency_LostFocus() {
    std::string& t = C(msk::Frequency).text;
    t = std::to_string(ClampMSKFrequency(d_, t));
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
    if (control == msk::GroupValid) Check2_Click();
    else if (control == msk::GroupList) GroupList_Click();
    else if (control == msk::CallType) CallType_Click();
    else if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

void FrmMSK::KeyPress(const std::string& control, int& keyAscii) {
    if (IsIdBox(control)) keyAscii = MskIdKey(keyAscii);
    else if (control == msk::InfoCode || control == msk::GroupName) keyAscii = AsciiKey(keyAscii);
    else if (control == msk::Frequency) keyAscii = DigitKey(keyAscii);
    // Enter moves on from the text boxes only; in a list it does nothing.
    else if (keyAscii == kKeyReturn && IsList(*this, control)) keyAscii = 0;
}

void FrmMSK::GotFocus(const std::string& control) { State().focus = control; }

bool FrmMSK::LostFocus(const std::string& control, const std::string& next) {
    if (State().focus == control) State().focus = next;
    if (IsIdBox(control)) IdBox_LostFocus(control);
    else if (control == msk::Frequency) Frequency_LostFocus();
    return true;
}

}  // namespace rp

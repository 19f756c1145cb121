#include "radio/frmcomset.h"

#include <cerrno>
#include <cstring>

#include "core/language.h"
#include "forms/formlanguage.h"
#include "radio/comportlist.h"

namespace rp {

namespace {
// What is wrong with a typed device, for the errors a user meets; any other
// is told in the system's words.
struct DeviceErrorText {
    int error;
    LangTexts text;
};
const DeviceErrorText kDeviceErrors[] = {
    {ENOTTY, {"", "not a serial (terminal) device", "不是串口（终端）设备"}},
    {ENOENT, {"", "No such file or directory", "没有那个文件或目录"}},
    {EACCES, {"", "Permission denied", "权限不够"}},
    {EBUSY, {"", "Device or resource busy", "设备或资源忙"}},
};

std::string TrimBlanks(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}
}  // namespace

std::string PortDeviceMessage(const AppData& d, const std::string& path, int error) {
    for (const auto& e : kDeviceErrors)
        if (e.error == error) return path + ": " + LangText(d, e.text);
    return path + ": " + std::strerror(error);
}

FrmComSet::FrmComSet(AppData& d, PortListProvider& ports) : Form(kName), d_(d), ports_(ports) {
    FormState& s = State();
    AddControls(s, comset::kControls);
    s[comset::PortList].editable = true;
    AddComPortRescanTimer(s, comset::RescanTimer);
}

void FrmComSet::Form_Load() {
    LoadComSetFormText();
    FillList(d_.ComDevice);
    C(comset::RescanTimer).enabled = true;
}

void FrmComSet::LoadComSetFormText() {
    State().caption = GetLanguageString(d_, 1401);
    C(comset::Prompt).text = GetLanguageString(d_, 1402);
    SetOKCancelCaption(d_, State());
}

void FrmComSet::FillList(const std::string& keep) {
    ControlState& list = C(comset::PortList);
    const std::string text = list.text;
    const bool typed = text != list.SelectedItem();
    PortID = ShowComPortList(list, ports_, d_.ComDevice, keep);
    list.text = typed ? text : PortID;
}

void FrmComSet::Combo1_Click() { PortID = C(comset::PortList).SelectedItem(); }

std::optional<std::string> FrmComSet::ChosenDevice() {
    const std::string text = TrimBlanks(C(comset::PortList).text);
    if (text.empty()) return std::string();
    for (const PortInfo& e : PortEntries(ports_, d_.ComDevice))
        if (e.Path == text || e.SystemPath == text) return e.Path;
    if (const int error = PortDeviceError(text)) {
        d_.Ui.Notify->Show(PortDeviceMessage(d_, text, error), MsgIcon::Warning, MsgButtons::Ok, "");
        State().focus = comset::PortList;
        return std::nullopt;
    }
    return text;
}

void FrmComSet::CommandOK_Click() {
    const std::optional<std::string> device = ChosenDevice();
    if (!device) return;
    StoreComPortChoice(d_, *device);
    Form_Unload();
    Unload();
}

void FrmComSet::CommandCancel_Click() {
    Form_Unload();
    Unload();
}

void FrmComSet::Form_Unload() { C(comset::RescanTimer).enabled = false; }

void FrmComSet::ReShowComPortTimer_Timer() {
    if (ListDroppedDown && ListDroppedDown()) return;
    FillList(PortID);
}

void FrmComSet::Click(const std::string& control) {
    if (control == comset::PortList) Combo1_Click();
    else if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

void FrmComSet::Timer(const std::string& control) {
    if (control == comset::RescanTimer) ReShowComPortTimer_Timer();
}

bool FrmComSet::QueryUnload() {
    Form_Unload();
    return true;
}

}  // namespace rp

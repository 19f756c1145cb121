#include "radio/frmtestdata.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/listutils.h"
#include "core/messages.h"
#include "forms/formlanguage.h"
#include "forms/textkeys.h"

namespace rp {

namespace {

constexpr const char* kHexChars = "0123456789ABCDEFabcdef";

// English and Chinese label of each byte's row.
constexpr const char* kLabels[FrmTestData::kBoxes][2] = {
    {"Freq", "Freq"},
    {"Power", "功率"},
    {"Frequency Adjust", "频率调整"},
    {"UHF Higher Power", "UHF高功率"},
    {"UHF Middle Power", "UHF中功率"},
    {"UHF Low Power", "UHF低功率"},
    {"Microphone", "麦克风"},
    {"Offset frequency of 25K", "25K频偏"},
    {"Offset frequency of 12.5K", "12.5K频偏"},
    {"DCS", "DCS"},
    {"CTCSS", "25K CTCSS"},
    {"DTMF", "DTMF"},
    {"UHF SQL", "UHF 静噪"},
    {"VHF Higher Power", "VHF高功率"},
    {"VHF Middle Power", "VHF中功率"},
    {"VHF Low Power", "VHF低功率"},
    {"VHF SQL", "VHF 静噪"},
    {"MODE", "MODE"},
};

const LangTexts kCaption = {"", "Test Data", "测试数据"};
const LangTexts kLoad = {"", "&Load", "加载(&L)"};
const LangTexts kSave = {"", "&Save", "保存(&S)"};
const LangTexts kFileType = {"", "Test Data File", "测试数据文件"};

bool Shown(int i) { return i >= 2 && i <= 16; }
int BoxLength(int i) { return i <= 1 || i >= 14 ? 3 : 2; }

// The box's value, when it is a hexadecimal number from 00 to FF.
std::optional<Byte> HexByte(const std::string& text) {
    if (text.empty()) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        unsigned digit;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
        else return std::nullopt;
        value = value * 16 + digit;
        if (value > 0xFF) return std::nullopt;
    }
    return static_cast<Byte>(value);
}

// The tab order: the shown boxes, then the buttons.
const std::vector<std::string>& TabOrder() {
    static const std::vector<std::string> order = [] {
        std::vector<std::string> v;
        for (int i = 2; i <= 16; ++i) v.push_back(testdata::Boxes[i]);
        for (const char* b : {testdata::Load, testdata::Save, kOKButton, kCancelButton}) v.push_back(b);
        return v;
    }();
    return order;
}

}  // namespace

FrmTestData::FrmTestData(AppData& d) : Form(kName), d_(d) {
    FormState& s = State();
    s.Add(testdata::Frame, ControlKind::Frame);
    for (int i = 0; i < kBoxes; ++i) {
        ControlState& label = s.Add(testdata::Labels[i], ControlKind::Label);
        ControlState& box = s.Add(testdata::Boxes[i], ControlKind::TextBox);
        GuardTextBox(box, kHexChars, BoxLength(i));
        box.selectOnEntry = SelectOnEntry::OnFocus;  // whenever it takes the focus
        label.visible = box.visible = Shown(i);
    }
    for (const char* b : {testdata::Load, testdata::Save, kOKButton, kCancelButton})
        s.Add(b, ControlKind::Button);
}

void FrmTestData::Form_Load() {
    SetTestDataCaptions();
    std::copy_n(d_.TestDataBuf.begin(), kTestDataSize, WorkCopy.begin());
    ShowTestData();
}

void FrmTestData::SetTestDataCaptions() {
    State().caption = LangText(d_, kCaption);
    C(testdata::Load).text = LangText(d_, kLoad);
    C(testdata::Save).text = LangText(d_, kSave);
    const int lang = d_.LanguageIndex == 2 ? 1 : 0;
    for (int i = 0; i < kBoxes; ++i) C(testdata::Labels[i]).text = kLabels[i][lang];
    SetOKCancelCaption(d_, State());
}

std::string FrmTestData::FileFilter() const { return LangText(d_, kFileType) + " (*.ted)"; }

void FrmTestData::ShowTestData() {
    for (int i = 0; i < kBoxes; ++i) C(testdata::Boxes[i]).text = ByteToHex2(WorkCopy[static_cast<std::size_t>(i)]);
}

void FrmTestData::ReadTestDataBoxes() {
    for (int i = 0; i < kBoxes; ++i)
        if (auto v = HexByte(C(testdata::Boxes[i]).text)) WorkCopy[static_cast<std::size_t>(i)] = *v;
}

int FrmTestData::FirstBadBox() const {
    for (int i = 0; i < kBoxes; ++i)
        if (!HexByte(C(testdata::Boxes[i]).text)) return i;
    return -1;
}

bool FrmTestData::CheckBoxes() {
    const int bad = FirstBadBox();
    if (bad < 0) return true;
    d_.Ui.Notify->Show(LangText(d_, kTestDataHexText), MsgIcon::None, MsgButtons::Ok, "");
    State().focus = testdata::Boxes[bad];
    return false;
}

void FrmTestData::Command1_Click(int index) {
    FileChooserRequest r;
    r.filter = FileFilter();
    if (index == 0) {
        const auto chosen = d_.Ui.Files->ChooseOpen(r);
        if (!chosen) return;
        // A failed load leaves the copy, the boxes and TestDataFilePath alone.
        FileFailure why;
        if (!LoadTestDataFile(d_, *chosen, WorkCopy, &why)) {
            ShowFileError(d_, why);
            return;
        }
        ShowTestData();
    } else if (index == 1) {
        if (!CheckBoxes()) return;
        ReadTestDataBoxes();
        r.startPath = d_.TestDataFilePath;
        const auto chosen = d_.Ui.Files->ChooseSave(r);
        if (!chosen) return;
        FileFailure why;
        if (!SaveTestDataFile(d_, *chosen, WorkCopy, &why)) ShowFileError(d_, why);
    }
}

void FrmTestData::CommandOK_Click() {
    if (!CheckBoxes()) return;
    ReadTestDataBoxes();
    std::copy(WorkCopy.begin(), WorkCopy.end(), d_.TestDataBuf.begin());
    d_.TestDataOrigin = AppData::TestDataSource::Entry;
    Unload();
}

void FrmTestData::CommandCancel_Click() { Unload(); }

void FrmTestData::Text1_KeyPress(int index, int& keyAscii) {
    if (keyAscii == kKeyReturn) {
        // Enter moves on as Tab does.
        keyAscii = 0;
        const auto& order = TabOrder();
        const auto it = std::find(order.begin(), order.end(), testdata::Boxes[index]);
        if (it != order.end()) State().focus = std::next(it) == order.end() ? order.front() : *std::next(it);
        return;
    }
    FilterTextKey(keyAscii, kHexChars);
    if (keyAscii >= 'a' && keyAscii <= 'f') keyAscii -= 'a' - 'A';
}

void FrmTestData::Click(const std::string& control) {
    if (control == testdata::Load) Command1_Click(0);
    else if (control == testdata::Save) Command1_Click(1);
    else if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

void FrmTestData::KeyPress(const std::string& control, int& keyAscii) {
    if (const int i = testdata::Boxes.IndexOf(control); i >= 0) Text1_KeyPress(i, keyAscii);
}

}  // namespace rp

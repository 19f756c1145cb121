#include "channels/frmbank.h"

#include <charconv>
#include <climits>

#include "channels/frmbankcontrols.h"
#include "core/banks.h"
#include "forms/formlanguage.h"

namespace rp {

namespace {

// The items a bank holds at most: InBank this long takes no more.
constexpr int kFullBank = kBankSlots;

void RemoveItem(ControlState& list, int index) {
    list.items.erase(list.items.begin() + index);
    SetListIndex(list, -1);
}

bool IsChosen(const ControlState& list) {
    return list.index >= 0 && list.index < static_cast<int>(list.items.size());
}

}  // namespace

std::string GetChannelShowText(int n) { return "Channel " + std::to_string(n - 1); }

int GetChannelNoByShowText(std::string_view text) {
    const auto blank = text.find(' ');
    if (blank == std::string_view::npos) return 0;
    const std::string_view rest = text.substr(blank + 1);
    int value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (ec != std::errc() || end != rest.data() + rest.size() || value == INT_MAX) return 0;
    return value + 1;
}

FrmBank::FrmBank(AppData& d) : Form(kName), d_(d) {
    FormState& s = State();
    // Fixed English in every language; only OK and Cancel are relabelled.
    s.caption = "Bank Channel";
    AddControls(s, bank::kControls);
    s[bank::BanksLabel].text = "BanK:";
    s[bank::InBankLabel].text = "Channel In Bank:";
    s[bank::MoveIn].text = "<<";
    s[bank::MoveOut].text = ">>";
    s[bank::OthersLabel].text = "Other Channel:";
}

void FrmBank::Form_Load() {
    InitShowList();
    CopyBankToTemp(d_);
}

void FrmBank::InitShowList() {
    ControlState& banks = C(bank::Banks);
    banks.items.clear();
    for (int b = 1; b <= kBankCount; ++b) banks.items.push_back("Bank " + std::to_string(b));
    SetListIndex(banks, -1);
    SetOKCancelCaption(d_, State());
}

int FrmBank::ChosenBank() const {
    const ControlState& banks = C(bank::Banks);
    return IsChosen(banks) ? banks.index + 1 : 0;
}

void FrmBank::List1_Click() {
    ControlState& in = C(bank::InBank);
    ControlState& out = C(bank::Others);
    in.items.clear();
    out.items.clear();
    SetListIndex(in, -1);
    SetListIndex(out, -1);
    const int b = ChosenBank();
    if (b == 0) return;
    for (int slot = 1; slot <= kBankSlots; ++slot) {
        const int n = d_.TempBankCH(slot, b);
        if (n > 0) in.items.push_back(GetChannelShowText(n));
    }
    // Store order, memory channels only: the edge and VFO channels never
    // belong to a bank.
    for (int i = 0; i < d_.FreDataCount() && i < kFreDataMax; ++i) {
        const int n = d_.FreData[static_cast<std::size_t>(i)].No;
        if (n >= ChMemFirst && n <= ChMemLast && !IsChannelInTempBank(d_, n, b))
            out.items.push_back(GetChannelShowText(n));
    }
}

void FrmBank::CommandL_Click() {
    ControlState& in = C(bank::InBank);
    ControlState& out = C(bank::Others);
    const int b = ChosenBank();
    if (b == 0 || !IsChosen(out)) return;
    if (static_cast<int>(in.items.size()) >= kFullBank) return;  // full: refused without a word
    const std::string text = out.items[static_cast<std::size_t>(out.index)];
    for (int slot = 1; slot <= kBankSlots; ++slot) {
        Integer& v = d_.TempBankCH(slot, b);
        if (v < 1) {
            v = static_cast<Integer>(GetChannelNoByShowText(text));
            break;
        }
    }
    in.items.push_back(text);
    RemoveItem(out, out.index);
}

void FrmBank::CommandR_Click() {
    ControlState& in = C(bank::InBank);
    ControlState& out = C(bank::Others);
    const int b = ChosenBank();
    if (b == 0 || !IsChosen(in)) return;
    const std::string text = in.items[static_cast<std::size_t>(in.index)];
    const int n = GetChannelNoByShowText(text);
    for (int slot = 1; slot <= kBankSlots; ++slot) {
        Integer& v = d_.TempBankCH(slot, b);
        if (v == n) {
            v = 0;  // the gap stays
            break;
        }
    }
    out.items.push_back(text);
    RemoveItem(in, in.index);
}

void FrmBank::CommandOK_Click() {
    CopyTempToBank(d_);
    Unload();
}

void FrmBank::CommandCancel_Click() { Unload(); }

void FrmBank::Click(const std::string& control) {
    if (control == bank::Banks) List1_Click();
    else if (control == bank::MoveIn) CommandL_Click();
    else if (control == bank::MoveOut) CommandR_Click();
    else if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

}  // namespace rp
